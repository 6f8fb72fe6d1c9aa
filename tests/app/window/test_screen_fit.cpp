// The window, each of its dialogs and each kind of message box on a small or
// scaled screen, in every language the window speaks. CTest runs this test
// once per screen, the offscreen platform given a screen whose work area is
// 1280 x 680 logical pixels (1280 x 720 less a 40-pixel panel) at 100, 150
// and 200 %. Each frame must lie inside the work area and leave room for a
// desktop's title bar. Every window is kept as a picture in
// screen-fit/<screen>/ beside the test.

#include "test_window.h"

#include "language_choice.h"
#include "sample_dialogs.h"
#include "translators.h"
#include "commands/access_box.h"
#include "commands/write_warnings.h"
#include "dialogs/comparison_dialog.h"
#include "dialogs/connection_doctor_dialog.h"
#include "dialogs/history_dialog.h"
#include "dialogs/profile_dialog.h"
#include "dialogs/qt_message_boxes.h"
#include "dialogs/qt_safety_dialogs.h"
#include "dialogs/restore_backup_dialog.h"
#include "dialogs/road_check_dialog.h"
#include "dialogs/verify_failure_dialog.h"
#include "art/status_pictures.h"
#include "art/tool_icons.h"
#include "assembly/window_assembly.h"
#include "window/splash_window.h"

#include "params/field_limits.h"
#include "params/parameter_codec.h"
#include "road/road_class.h"
#include "session/write_safety_texts.h"

#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

#include <functional>
#include <memory>

using namespace vexlor;

namespace {

// The title bar a desktop adds above a window, in logical pixels: GNOME's,
// the tallest of the common desktops' at 100 % (Windows draws 31). The
// offscreen platform draws a border of 2 pixels around a window, no title bar.
constexpr int kTitleBar = 38;

// A window to open over the main window: the dialogs the window shows and
// one of each kind of message box, filled with long texts of their kind.
struct OpenedWindow {
    QString name;
    std::function<std::shared_ptr<QWidget>(TestWindow &)> open;
};

template <typename T>
std::shared_ptr<QWidget> owned(T *widget)
{
    return std::shared_ptr<QWidget>(widget);
}

// As many values beyond their fields' limits as the window can hold (each
// field too high or too low, whichever its limits refuse), and a road class
// they break: the longest question before a write.
WriteWarnings everyWarning(NumberFormat format)
{
    ParameterSnapshot snapshot = ParameterSnapshot::initial();
    for (int index = 0; index < kProtocolItemCount; ++index) {
        for (const quint16 value : {60000, 0}) {
            const qsizetype before = valuesBeyondFieldLimits(snapshot, format).size();
            const ControlValue kept = snapshot[index];
            if (const auto decoded = decodeParameter(index, value, format))
                snapshot[index] = *decoded;
            if (valuesBeyondFieldLimits(snapshot, format).size() > before)
                break;
            snapshot[index] = kept;
        }
    }
    return writeWarnings(snapshot, encodeAll(snapshot, format).values, &roadClasses().front(),
                         std::nullopt, format);
}

QList<OpenedWindow> dialogsToOpen()
{
    const auto box = [](BoxKind kind, const QString &text) {
        return [kind, text](TestWindow &t) {
            return owned(buildMessageBox(kind, t.window, t.window->windowTitle(), text,
                                         QStringLiteral("Connection Doctor…")).release());
        };
    };
    // A long message in the language in use, quoting a long path.
    const QString text = writeSafetyText(texts::kBackupNotKept)
                             .arg(QStringLiteral("Cannot create file /home/rider/.local/share/vexlor-adjustor/"
                                                 "backups/2026-05-16_15-42-07.vxc: No space left on device"));
    return {
        {QStringLiteral("compare"), [](TestWindow &t) {
             const SampleComparison sample = sampleComparison(t.window->numberFormat());
             return owned(new ComparisonDialog(sample.rows, sample.fingerprints, t.window));
         }},
        {QStringLiteral("restore"),
         [](TestWindow &t) { return owned(new RestoreBackupDialog(sampleBackups(), t.window)); }},
        {QStringLiteral("verify"), [](TestWindow &t) {
             return owned(new VerifyFailureDialog(sampleComparison(t.window->numberFormat()).rows, t.window));
         }},
        {QStringLiteral("road-check"), [](TestWindow &t) {
             const NumberFormat format = t.window->numberFormat();
             const ParameterValues values = encodeAll(ParameterSnapshot::initial(), format).values;
             return owned(new RoadCheckDialog(values, format, {&roadClasses().front(), QStringLiteral("47-406")},
                                              t.window));
         }},
        {QStringLiteral("doctor"), [](TestWindow &t) {
             ConnectionDoctorDialog &doctor = t.assembly->doctor();
             doctor.showResults(sampleFindings(), false);
             return std::shared_ptr<QWidget>(&doctor, [](QWidget *w) { w->hide(); });
         }},
        {QStringLiteral("history"), [](TestWindow &t) {
             t.records.kept = sampleRecords();
             HistoryDialog &history = t.assembly->history();
             history.refresh();
             return std::shared_ptr<QWidget>(&history, [](QWidget *w) { w->hide(); });
         }},
        {QStringLiteral("save-profile"), [](TestWindow &t) { return owned(new ProfileDialog(t.window)); }},
        {QStringLiteral("write-anyway"), [](TestWindow &t) {
             return owned(buildWriteAnywayBox(everyWarning(t.window->numberFormat()), t.window).release());
         }},
        {QStringLiteral("box-error"), box(BoxKind::Error, text)},
        {QStringLiteral("box-information"), box(BoxKind::Information, text)},
        {QStringLiteral("box-question"), box(BoxKind::Question, text)},
        {QStringLiteral("box-save"), box(BoxKind::Save, text)},
        {QStringLiteral("box-offer"), box(BoxKind::ErrorWithOffer, text)},
        {QStringLiteral("box-access"), box(BoxKind::LaidOutErrorWithOffer,
                                           accessBoxText(QStringLiteral("/dev/ttyUSB0"), sampleFindings()[2]))},
    };
}

// Why `window`'s frame does not fit the screen's work area; empty when it does.
QString frameFault(const QWidget *window)
{
    const QRect area = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    if (!area.contains(frame))
        return QStringLiteral("frame %1,%2 %3x%4 outside the work area %5x%6")
            .arg(frame.x()).arg(frame.y()).arg(frame.width()).arg(frame.height())
            .arg(area.width()).arg(area.height());
    if (frame.height() + kTitleBar > area.height())
        return QStringLiteral("frame %1 pixels high leaves no room for a title bar").arg(frame.height());
    return {};
}

// The folder this screen's pictures go to: "1280x680@2" for 200 %.
QDir shotFolder()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QString name = QStringLiteral("%1x%2@%3")
                             .arg(screen->availableGeometry().width())
                             .arg(screen->availableGeometry().height())
                             .arg(screen->devicePixelRatio());
    QDir folder(QStringLiteral("screen-fit/") + name);
    folder.mkpath(QStringLiteral("."));
    return folder;
}

} // namespace

class TestScreenFit : public QObject {
    Q_OBJECT

private slots:
    // The screen is the one CTest chose: a work area of 1280 x 680 at one of the three scales.
    void initTestCase()
    {
        const QScreen *screen = QGuiApplication::primaryScreen();
        QCOMPARE(screen->availableGeometry().size(), QSize(1280, 680));
        QVERIFY(QList<qreal>({1.0, 1.5, 2.0}).contains(screen->devicePixelRatio()));
    }

    void everyWindowFits_data()
    {
        QTest::addColumn<QString>("code");
        for (const UiLanguage &language : uiLanguages())
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
    }

    void everyWindowFits()
    {
        QFETCH(QString, code);
        const UiTranslators translators(code);
        QCOMPARE(translators.language(), code);
        TestWindow t({}, {}, code);
        QVERIFY(QTest::qWaitForWindowExposed(t.window, kHangMs));
        const QDir shots = shotFolder();
        QStringList faults;
        const auto look = [&](QWidget *window, const QString &name) {
            if (const QString fault = frameFault(window); !fault.isEmpty())
                faults << name + QStringLiteral(": ") + fault;
            window->grab().save(shots.filePath(QStringLiteral("%1-%2.png").arg(code, name)));
        };
        look(t.window, QStringLiteral("window"));
        for (const OpenedWindow &opened : dialogsToOpen()) {
            const std::shared_ptr<QWidget> dialog = opened.open(t);
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog.get(), kHangMs));
            look(dialog.get(), opened.name);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // Nothing the program draws is stretched from a smaller picture on this
    // screen: the tool and status pictures, the window's icon and the splash
    // banner come with a device pixel for every pixel of the screen.
    void drawnPicturesAreSharp()
    {
        const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
        const auto sharp = [ratio](const QPixmap &shown, QSize logical) {
            return shown.devicePixelRatio() == ratio && shown.size() == (QSizeF(logical) * ratio).toSize();
        };
        TestWindow t;
        for (const QSize size : {QSize(16, 16), QSize(24, 24), QSize(32, 32)}) {
            for (int picture = 0; picture <= int(ToolPicture::BikeSetup); ++picture)
                QVERIFY2(sharp(toolIcon(ToolPicture(picture)).pixmap(size, ratio), size),
                         qPrintable(QStringLiteral("tool picture %1 at %2").arg(picture).arg(size.width())));
            QVERIFY(sharp(statusIcon(StatusPicture::Fail).pixmap(size, ratio), size));
            QVERIFY(sharp(t.window->windowIcon().pixmap(size, ratio), size));
        }
        SplashWindow splash;
        const QPixmap banner = splash.findChild<QLabel *>(QStringLiteral("Image1"))->pixmap();
        QVERIFY(sharp(banner, QSize(800, 437)));
    }
};

QTEST_MAIN(TestScreenFit)
#include "test_screen_fit.moc"
