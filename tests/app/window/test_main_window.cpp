// The main window's frame: title, names, commands, status strip, Help menu,
// closing, and a layout that fits its fixed size. Also the splash window.

#include "event_wait.h"
#include "test_window.h"
#include "dialogs/qt_message_boxes.h"

#include "art/tool_icons.h"
#include "commands/support_link.h"
#include "window/splash_window.h"

#include "params/parameter_explanation.h"
#include "params/parameter_table.h"
#include "settings/language_setting.h"
#include "settings/road_class_setting.h"
#include "settings/units_setting.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace vexlor;

namespace {

const QStringList kSpeedButtons = {"SpeedButton1", "SpeedButton2", "SpeedButton3",
                                   "SpeedButton4", "SpeedButton5", "SpeedButton6"};

// A one-colour 24-pixel picture, as an image comparable with an icon's.
QImage picture(const QIcon &icon)
{
    return icon.pixmap(QSize(24, 24)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// An icon theme in `folder` that has every freedesktop name a tool bar or a
// menu might ask for, each a plain magenta square; made current for its
// lifetime, so that any picture taken from the desktop's theme shows.
class StandInIconTheme {
public:
    explicit StandInIconTheme(const QString &folder)
        : m_searchPaths(QIcon::themeSearchPaths()), m_name(QIcon::themeName())
    {
        QDir root(folder);
        root.mkpath(QStringLiteral("stand-in/24x24/actions"));
        QFile index(root.filePath(QStringLiteral("stand-in/index.theme")));
        if (index.open(QIODevice::WriteOnly))
            index.write("[Icon Theme]\nName=Stand-in\nDirectories=24x24/actions\n\n"
                        "[24x24/actions]\nSize=24\nType=Fixed\n");
        index.close();
        QImage square(24, 24, QImage::Format_ARGB32_Premultiplied);
        square.fill(Qt::magenta);
        for (const char *name : {"document-new", "document-open", "document-open-recent",
                                 "document-save", "document-save-as", "application-exit",
                                 "network-transmit-receive", "network-wired", "go-up", "go-down",
                                 "help-contents", "help-browser", "mail-message-new",
                                 "mail-send", "help-about"})
            square.save(root.filePath(QStringLiteral("stand-in/24x24/actions/%1.png").arg(QLatin1String(name))));
        QIcon::setThemeSearchPaths({folder});
        QIcon::setThemeName(QStringLiteral("stand-in"));
        m_square = picture(QIcon::fromTheme(QStringLiteral("go-up")));
    }
    ~StandInIconTheme()
    {
        QIcon::setThemeSearchPaths(m_searchPaths);
        QIcon::setThemeName(m_name);
    }
    StandInIconTheme(const StandInIconTheme &) = delete;
    StandInIconTheme &operator=(const StandInIconTheme &) = delete;

    // The theme's picture, to tell it from ours.
    [[nodiscard]] const QImage &square() const { return m_square; }

private:
    QStringList m_searchPaths;
    QString m_name;
    QImage m_square;
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    // Guards the exact title, with the version; a first start without a
    // reopen list runs New, whose document is untitled.
    void titleCarriesTheVersion()
    {
        TestWindow t;
        QCOMPARE(t.window->programTitle(), QStringLiteral("Vexlor Controller (FOC) Parameters Adjustor v1.35"));
        QCOMPARE(shownCaption(t.window), t.window->programTitle() + QStringLiteral(" - Untitled.vxc"));
        QCOMPARE(t.window->objectName(), QStringLiteral("TForm1"));
    }

    // Guards the names by which every other part finds the controls.
    void everyControlCarriesItsName()
    {
        TestWindow t;
        for (const ParameterDescriptor *d : storedParameters()) {
            QVERIFY2(t.window->findChild<QWidget *>(QString::fromLatin1(d->control)), d->control);
            if (*d->secondControl)
                QVERIFY2(t.window->findChild<QWidget *>(QString::fromLatin1(d->secondControl)),
                         d->secondControl);
        }
        const QStringList widgets = {"CheckBox7", "ComboBox1", "UpDown1", "PageControl1", "TabSheet1",
                                     "Panel1", "Label15", "Label43", "Label44", "ProgressBar1",
                                     "GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4", "GroupBox5",
                                     "GroupBox6"};
        for (const QString &name : widgets + kSpeedButtons)
            QVERIFY2(t.window->findChild<QWidget *>(name), qPrintable(name));
        const QStringList actions = {"New1", "NewBikeSetup1", "Open1", "Reopen1", "N11", "N21", "N31", "N41", "Save1",
                                     "Saveas1", "Exit1", "TestConnection1", "ReadSettings1",
                                     "WriteControllerSettings1", "HelpTopics1", "WhatsThis1", "TechnicalSupport1",
                                     "ConnectionDoctor1", "About1", "RestoreBackup1",
                                     "CompareWithController1",
                                     "BackUpBeforeWrite1", "VerifyAfterWrite1", "DesktopLanguage1",
                                     "LanguageEn1", "LanguageDe1", "LanguageFr1", "LanguageNl1",
                                     "LanguageEs1", "LanguageIt1", "LanguagePl1"};
        for (const QString &name : actions)
            QVERIFY2(t.window->findChild<QAction *>(name), qPrintable(name));
        for (const QString &name : {"FileF1", "Connect1", "Help1", "Reopen1", "Language1"})
            QVERIFY2(t.window->findChild<QMenu *>(name), qPrintable(name));
    }

    // Guards menu captions with their access keys, their order, the two
    // write options ticked on a first start, and the reopen items hidden
    // while the list is empty.
    void menuCaptions()
    {
        TestWindow t;
        const WindowActions &a = t.window->actions();
        QCOMPARE(a.fileMenu->title(), QStringLiteral("&File"));
        QCOMPARE(a.connectMenu->title(), QStringLiteral("&Connect"));
        QCOMPARE(a.helpMenu->title(), QStringLiteral("&Help"));
        // Each item as "caption" or "[x] caption" for a ticked option; "-" a separator.
        const auto items = [](const QMenu *menu) {
            QStringList texts;
            for (const QAction *action : menu->actions()) {
                const QString mark = !action->isCheckable() ? QString()
                    : action->isChecked()                   ? QStringLiteral("[x] ")
                                                            : QStringLiteral("[ ] ");
                texts << (action->isSeparator() ? QStringLiteral("-") : mark + action->text());
            }
            return texts;
        };
        QCOMPARE(items(a.fileMenu),
                 QStringList({"&New Configuration", "New Bike Set&up…", "&Open Configuration...", "&Reopen",
                              "Pro&files",
                              "Restore &Backup…", "-", "&Save", "Save &As...", "Save as Profi&le…",
                              "Ex&port Settings Sheet…", "-", "E&xit"}));
        QCOMPARE(items(a.connectMenu),
                 QStringList({"&Test Controller Connection", "-", "&Read Controller Configuration",
                              "&Write Controller Configuration", "&Compare with Controller…", "-",
                              "[x] Back &Up Before Write", "[x] &Verify After Write", "-", "Roa&d Class",
                              "C&heck Road Class…", "-", "Bi&ke…", "H&istory…"}));
        QCOMPARE(items(a.helpMenu),
                 QStringList({"&Help Topics", "What's &This?", "Technical &Support", "&Connection Doctor…", "&Language",
                              "&Units", "-", "&About..."}));
        QCOMPARE(items(a.unitsMenu), QStringList({"[x] &Metric (km/h)", "[ ] &Imperial (mph)"}));
        // Each language by its own name, the desktop's ticked on a first start;
        // a name's access letter is its first one still free.
        QCOMPARE(items(a.languageMenu),
                 QStringList({"[x] Desktop &Language", "-", "[ ] &English", "[ ] &Deutsch", "[ ] &Français",
                              "[ ] &Nederlands", "[ ] E&spañol", "[ ] &Italiano", "[ ] &Polski"}));
        // No road class until the user chooses one; each has a free access letter.
        QCOMPARE(items(a.roadClassMenu),
                 QStringList({"[x] &None", "-", "[ ] &EU / UK pedelec (EN 15194)", "[ ] &US class 1",
                              "[ ] U&S class 2", "[ ] US &class 3", "[ ] C&anada", "[ ] Aus&tralia pedalec"}));
        // The shortcuts stay beside the captions.
        QCOMPARE(a.open->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(a.save->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
        QCOMPARE(a.readSettings->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(a.writeSettings->shortcut(), QKeySequence(Qt::Key_F12));
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!a.reopen[i]->isVisible());
            QVERIFY(a.reopen[i]->icon().isNull());
        }
    }

    void shortcutsWorkFromEitherTab_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("keys");
        for (const char *focus : {"LabeledEdit16", "TrackBar1", "CheckBox7", "Edit7", "RadioGroup3"}) {
            QTest::addRow("Ctrl+O in %s", focus) << focus << "Open1" << QKeySequence(Qt::CTRL | Qt::Key_O);
            QTest::addRow("Ctrl+S in %s", focus) << focus << "Save1" << QKeySequence(Qt::CTRL | Qt::Key_S);
            QTest::addRow("F3 in %s", focus) << focus << "ReadSettings1" << QKeySequence(Qt::Key_F3);
            QTest::addRow("F12 in %s", focus) << focus << "WriteControllerSettings1"
                                              << QKeySequence(Qt::Key_F12);
        }
    }
    // Guards the window-wide shortcuts, whichever control holds the focus.
    void shortcutsWorkFromEitherTab()
    {
        QFETCH(QString, focus);
        QFETCH(QString, action);
        QFETCH(QKeySequence, keys);
        TestWindow t;
        QVERIFY(t.isActive());
        QWidget *target = t.window->findChild<QWidget *>(focus);
        if (auto *group = qobject_cast<QGroupBox *>(target))
            target = group->findChildren<QAbstractButton *>().value(0);
        t.showPageOf(target);
        target->setFocus(Qt::TabFocusReason);
        QVERIFY(target->hasFocus());
        QSignalSpy triggered(t.window->findChild<QAction *>(action), &QAction::triggered);
        QTest::keySequence(target, keys);
        QCOMPARE(triggered.size(), 1);
    }

    void tabFollowsTheReadingOrder_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order");
        // Within a group its rows top to bottom; the groups by columns, left
        // to right, each column top to bottom. A radio pair or group is one
        // stop: the arrow keys move within it.
        QTest::newRow("General") << 0 << QStringList{
            "LabeledEdit16", "LabeledEdit17", "TrackBar2", "RadioButton1",              // power
            "CheckBox2", "RadioButton3", "Edit1", "LabeledEdit2", "LabeledEdit3",        // pedal sensor
            "TrackBar1", "CheckBox4",
            "CheckBox7", "LabeledEdit15", "LabeledEdit14", "Edit9", "ComboBox1",       // speed limit
            "CheckBox1", "LabeledEdit1", "CheckBox3", "LabeledEdit18", "LabeledEdit26", // throttle
            "RadioGroup1",
            "LabeledEdit4", "LabeledEdit5", "LabeledEdit6", "LabeledEdit7", "LabeledEdit8", // levels
            "LabeledEdit9", "LabeledEdit10", "LabeledEdit11", "LabeledEdit12", "LabeledEdit13",
            "CheckBox5", "CheckBox6", "LabeledEdit19"};
        QTest::newRow("Motor") << 1 << QStringList{
            "RadioGroup4", "RadioGroup3", "Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7",
            "Edit8", "Edit10"};
    }
    // Guards the keyboard's way through a tab: Tab from the first control
    // visits every control of the tab once, in reading order, and comes back.
    void tabFollowsTheReadingOrder()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        TestWindow t;
        QVERIFY(t.isActive());
        auto *pages = t.control<QTabWidget>("PageControl1");
        pages->setCurrentIndex(page);
        const auto stopName = [] {
            QWidget *w = QApplication::focusWidget();
            while (w && w->objectName().isEmpty()) // a radio group's button: the group
                w = w->parentWidget();
            return w ? w->objectName() : QString();
        };
        QWidget *first = t.window->findChild<QWidget *>(order.first());
        if (auto *group = qobject_cast<QGroupBox *>(first))
            first = group->findChildren<QRadioButton *>().value(0);
        first->setFocus(Qt::TabFocusReason);
        QStringList visited{stopName()};
        // Past the last control the focus leaves the page (the tab bar) and
        // comes back to the first.
        for (int i = 0; i < order.size() + 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (QApplication::focusWidget() == first)
                break;
            if (pages->currentWidget()->isAncestorOf(QApplication::focusWidget()))
                visited << stopName();
        }
        QCOMPARE(visited, order);
        QCOMPARE(QApplication::focusWidget(), first);
    }

    // Guards the tool bar: exact tips, only these six and the parameters carry one, no button
    // takes the focus, each triggers its menu command and follows its state.
    void toolBarButtons()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        const QStringList tips = {"New Configuration", "Open Configuration", "Save Configuration",
                                  "Test Controller Connection", "Read Controller Configuration",
                                  "Write Controller Configuration"};
        const WindowActions &a = t.window->actions();
        const QList<QAction *> commands = {a.newConfiguration, a.open, a.save, a.testConnection,
                                           a.readSettings, a.writeSettings};
        auto *field = t.control<QLineEdit>("Edit1");
        field->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 6; ++i) {
            auto *button = t.control<QToolButton>(kSpeedButtons[i].toLatin1().constData());
            QCOMPARE(button->toolTip(), tips[i]);
            QCOMPARE(button->focusPolicy(), Qt::NoFocus);
            QVERIFY(!button->icon().isNull());
            // A link command disables the others while its exchange runs.
            TRY_VERIFY(button->isEnabled());
            QSignalSpy triggered(commands[i], &QAction::triggered);
            QTest::mouseClick(button, Qt::LeftButton);
            QCOMPARE(triggered.size(), 1);
            QVERIFY(field->hasFocus());
        }
        // Besides the tool bar only the parameters' controls (a radio group
        // with its buttons) carry a tip: their explanation, also their What's This.
        QStringList explained;
        for (const ParameterDescriptor *d : storedParameters())
            explained << QString::fromLatin1(d->control) << QString::fromLatin1(d->secondControl);
        for (QWidget *w : t.window->findChildren<QWidget *>()) {
            if (kSpeedButtons.contains(w->objectName()) || w->toolTip().isEmpty())
                continue;
            const QWidget *control = qobject_cast<QRadioButton *>(w) && w->parentWidget() ? w->parentWidget() : w;
            QVERIFY2(explained.contains(w->objectName()) || explained.contains(control->objectName()),
                     qPrintable(w->objectName()));
            QCOMPARE(w->whatsThis(), w->toolTip());
        }
        a.writeSettings->setEnabled(false); // as while a transaction runs
        QVERIFY(!t.control<QToolButton>("SpeedButton6")->isEnabled());
    }

    // Guards Help > Connection Doctor…: it shows the doctor beside the
    // window, which stays usable, and runs its checks.
    void connectionDoctorFromTheHelpMenu()
    {
        TestWindow t;
        ConnectionDoctorDialog &doctor = t.assembly->doctor();
        QVERIFY(!doctor.isVisible());
        t.window->actions().connectionDoctor->trigger();
        QVERIFY(doctor.isVisible());
        QVERIFY(!doctor.isModal());
        QVERIFY(doctor.findChild<QLabel *>(QStringLiteral("Status_cable")));
        TRY_VERIFY(doctor.report().contains(QStringLiteral("\tcontroller\t")));
    }

    // Guards the tool bar's and the menus' pictures against the desktop's
    // icon theme: a theme with every standard action name replaces none of
    // them; each button shows the picture drawn for it.
    void ownPicturesDespiteTheIconTheme()
    {
        QTemporaryDir folder;
        const StandInIconTheme theme(folder.path());
        QVERIFY(!theme.square().isNull()); // the theme is in force
        TestWindow t;
        const ToolPicture drawn[] = {ToolPicture::NewPage, ToolPicture::OpenFolder, ToolPicture::Save,
                                     ToolPicture::Connection, ToolPicture::ReadUp, ToolPicture::WriteDown};
        for (int i = 0; i < 6; ++i) {
            auto *button = t.control<QToolButton>(kSpeedButtons[i].toLatin1().constData());
            const QImage shown = picture(button->icon());
            QVERIFY2(shown != theme.square(), qPrintable(kSpeedButtons[i]));
            QVERIFY2(shown == picture(toolIcon(drawn[i])), qPrintable(kSpeedButtons[i]));
        }
        int menuPictures = 0;
        for (auto *menu : t.window->menuBar()->findChildren<QMenu *>()) {
            for (QAction *action : menu->actions()) {
                if (action->icon().isNull())
                    continue;
                QVERIFY2(picture(action->icon()) != theme.square(), qPrintable(action->objectName()));
                ++menuPictures;
            }
        }
        // Every item but the separators, the reopen entries, the profiles'
        // submenu (its entries are names) and the options (the two write
        // options, the languages, the road classes), whose check mark is
        // their picture.
        QCOMPARE(menuPictures, 21);
    }

    // Guards the status strip as created, and the device state start-up shows
    // with no controller port found.
    void statusStripAtStartUp()
    {
        TestWindow t;
        auto *link = t.control<QLabel>("Label15");
        auto *activity = t.control<QLabel>("Label43");
        auto *result = t.control<QLabel>("Label44");
        auto *progress = t.control<QProgressBar>("ProgressBar1");
        QCOMPARE(activity->text(), QStringLiteral("Idle"));
        QCOMPARE(activity->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(result->text(), QStringLiteral("----"));
        QCOMPARE(result->palette().color(QPalette::Window), QColor(0, 255, 0));
        QCOMPARE(progress->value(), 0);
        QCOMPARE(progress->maximum(), 60);
        QCOMPARE(link->text(), QStringLiteral("Device Connected "));
        QCOMPARE(link->palette().color(QPalette::Window), t.control<QWidget>("Panel1")->palette().color(QPalette::Window));
        TRY_COMPARE(link->text(), QStringLiteral("Device Lost"));
        QCOMPARE(link->palette().color(QPalette::Window), QColor(255, 0, 0));
        QVERIFY(t.boxes.shown.isEmpty());
    }

    // Guards the rest of start-up: General tab in front, the monitor's timer
    // running at 2000 ms, groups enabled.
    void startUpState()
    {
        TestWindow t;
        QCOMPARE(t.control<QTabWidget>("PageControl1")->currentIndex(), 0);
        QCOMPARE(t.control<QTabWidget>("PageControl1")->tabText(0), QStringLiteral("General"));
        QCOMPARE(t.control<QTabWidget>("PageControl1")->tabText(1), QStringLiteral("Motor"));
        auto *timer = t.assembly->session().findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        QCOMPARE(t.control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("26\""));
        QVERIFY(t.window->programFolder().endsWith(u'/'));
    }

    // Guards the fixed client area of 784 x 502 and no maximise button.
    void fixedSize()
    {
        TestWindow t;
        QCOMPARE(t.window->centralWidget()->size(), QSize(784, 502));
        QCOMPARE(t.window->minimumSize(), t.window->maximumSize());
        QVERIFY(!(t.window->windowFlags() & Qt::WindowMaximizeButtonHint));
    }

    // Guards the groups' inner layout on both tabs: nothing inside a group
    // comes nearer its frame than the rows of the others do, and the speed
    // limit group's three fields stand in one column like every group's, each
    // clear of its caption and of the field above.
    void groupsKeepTheirMarginsAndColumns()
    {
        constexpr int kFrameMargin = 4; // between a group's frame and what it holds, either side
        TestWindow t;
        auto *pages = t.control<QTabWidget>("PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            for (auto *group : pages->widget(page)->findChildren<QGroupBox *>()) {
                for (auto *w : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
                    if (!w->isVisible())
                        continue;
                    const QString where = group->objectName() + u' ' + w->objectName()
                        + QString::fromLatin1(w->metaObject()->className());
                    QVERIFY2(w->x() >= kFrameMargin, qPrintable(where + QStringLiteral(" at the left frame")));
                    QVERIFY2(w->geometry().right() < group->width() - kFrameMargin,
                             qPrintable(where + QStringLiteral(" at the right frame")));
                }
            }
        }
        const QList<QLineEdit *> fields = {t.control<QLineEdit>("LabeledEdit15"),
                                           t.control<QLineEdit>("LabeledEdit14"),
                                           t.control<QLineEdit>("Edit9")};
        for (int i = 0; i < fields.size(); ++i) {
            const QString name = fields[i]->objectName();
            QCOMPARE(fields[i]->x(), fields[0]->x());
            QLabel *caption = nullptr;
            for (auto *label : fields[i]->parentWidget()->findChildren<QLabel *>()) {
                if (label->buddy() == fields[i])
                    caption = label;
            }
            QVERIFY2(caption, qPrintable(name));
            QVERIFY2(caption->geometry().right() < fields[i]->x(), qPrintable(name + QStringLiteral(" touches its caption")));
            if (i > 0)
                QVERIFY2(fields[i - 1]->geometry().bottom() + 1 < fields[i]->y(),
                         qPrintable(name + QStringLiteral(" touches the field above")));
        }
    }

    // Guards the fields being found by caption, for tests and screen readers.
    void fieldsAreLabelledByTheirCaption()
    {
        TestWindow t;
        QCOMPARE(t.control<QLineEdit>("LabeledEdit16")->accessibleName(), QStringLiteral("Max battery current:"));
        QCOMPARE(t.control<QLineEdit>("Edit1")->accessibleName(), QStringLiteral("magnets a circle"));
        int textFields = 0;
        for (const ParameterDescriptor *d : storedParameters())
            textFields += d->hasTextControl() ? 1 : 0;
        int buddies = 0;
        for (auto *label : t.window->findChildren<QLabel *>()) {
            if (auto *edit = qobject_cast<QLineEdit *>(label->buddy())) {
                QCOMPARE(edit->accessibleName(), label->text().trimmed());
                ++buddies;
            }
        }
        QCOMPARE(buddies, textFields); // every edit field of both tabs
    }

    // Guards what a screen reader announces beyond a field's caption: its
    // unit spelt out and the range the window holds it to, the wheel-size
    // list by its purpose rather than its value, and the status labels by
    // what they show, their state as the description.
    void screenReadersHearUnitsRangesAndNames()
    {
        TestWindow t;
        const auto announced = [&](const char *name, QAccessible::Text text) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(t.control<QWidget>(name));
            return face ? face->text(text) : QStringLiteral("(no interface)");
        };
        const std::pair<const char *, const char *> described[] = {
            {"LabeledEdit16", "amperes, at most 30.0"},           // Max battery current
            {"LabeledEdit18", "volts, 0.9 to 3.0"},               // Start voltage
            {"LabeledEdit26", "volts, the start voltage to 4.2"}, // Full
            {"LabeledEdit17", "volts"},                           // Low voltage protection
            {"LabeledEdit3", "milliseconds stop pedaling, at least 200"}, // Stop after
            {"LabeledEdit5", "percent, at most 100"},             // Level 1
            {"LabeledEdit4", "1 to 9"},                           // PAS levels
            {"LabeledEdit15", "kilometres per hour"},             // Speed limit: no range
            {"Edit6", "to 1"},                                    // Reduction ratio "[8] :1"
            {"Edit7", "milliohms"},
        };
        for (const auto &[name, description] : described)
            QCOMPARE(announced(name, QAccessible::Description), QString::fromUtf8(description));
        // Without unit or range (a bare count, named "magnets a circle"; a
        // tick box) the explanation of the field's tip, as words, not markup.
        for (const char *name : {"Edit1", "Edit4", "CheckBox5"}) {
            const ParameterDescriptor *d = nullptr;
            for (const ParameterDescriptor *row : storedParameters())
                d = qstrcmp(row->control, name) == 0 ? row : d;
            QCOMPARE(announced(name, QAccessible::Description), explainParameter(*d, NumberFormat::fromLocale()));
        }
        for (const ParameterDescriptor *d : storedParameters()) {
            if (d->hasTextControl() && ((*d->unit && *d->caption) || d->hasRangeRule()))
                QVERIFY2(!announced(d->control, QAccessible::Description).isEmpty(), d->control);
        }

        auto *wheel = t.control<QComboBox>("ComboBox1");
        wheel->setCurrentIndex(wheel->count() - 1);
        QCOMPARE(announced("ComboBox1", QAccessible::Name), QStringLiteral("Wheel size"));
        QCOMPARE(announced("ComboBox1", QAccessible::Value), wheel->currentText());

        QCOMPARE(announced("Label15", QAccessible::Name), QStringLiteral("Connection"));
        QCOMPARE(announced("Label43", QAccessible::Name), QStringLiteral("Activity"));
        QCOMPARE(announced("Label44", QAccessible::Name), QStringLiteral("Result"));
        QCOMPARE(announced("Label43", QAccessible::Description), QStringLiteral("Idle"));
        TRY_COMPARE(announced("Label15", QAccessible::Description), QStringLiteral("Device Lost"));
    }

    // Guards Help Topics looking in the current folder (not the executable's),
    // and Technical Support leading somewhere that works: with no address
    // built in, the user guide where the tool's data files are, whatever the
    // current folder; never a mail to an address nobody reads.
    void helpOpensThroughTheDesktop()
    {
        QTemporaryDir elsewhere;
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TestWindow t;
        t.window->actions().helpTopics->trigger();
        t.window->actions().technicalSupport->trigger();
        QDir::setCurrent(previous);
        QCOMPARE(t.shell.opened.size(), 2);
        QCOMPARE(t.shell.opened[0], QUrl::fromLocalFile(QDir(elsewhere.path()).absoluteFilePath("help.pdf")));
        const QUrl guide = supportTarget(QString());
        QVERIFY2(guide.isLocalFile(), qPrintable(guide.toString()));
        QCOMPARE(QFileInfo(guide.toLocalFile()).fileName(), QStringLiteral("help.pdf"));
        QVERIFY2(QFileInfo(guide.toLocalFile()).isFile(), qPrintable(guide.toString())); // built beside the tests
        QCOMPARE(t.shell.opened[1], builtInSupportUrl().isEmpty() ? guide : QUrl(builtInSupportUrl()));
        QVERIFY(!t.shell.opened[1].toString().contains(QStringLiteral("vexlor.example")));
        QVERIFY(t.boxes.shown.isEmpty());

        // In German, the German guide where the folder has it, else the English one.
        QVERIFY(QDir::setCurrent(elsewhere.path()));
        TestWindow german({}, {}, QStringLiteral("de"));
        german.window->actions().helpTopics->trigger();
        QFile translatedGuide(QDir(elsewhere.path()).filePath("help.de.pdf"));
        QVERIFY(translatedGuide.open(QIODevice::WriteOnly));
        translatedGuide.close();
        german.window->actions().helpTopics->trigger();
        german.window->actions().technicalSupport->trigger();
        QDir::setCurrent(previous);
        QCOMPARE(QFileInfo(german.shell.opened.value(0).toLocalFile()).fileName(), QStringLiteral("help.pdf"));
        QCOMPARE(QFileInfo(german.shell.opened.value(1).toLocalFile()).fileName(), QStringLiteral("help.de.pdf"));
        if (builtInSupportUrl().isEmpty()) // the data folder's German guide, built beside the tests
            QCOMPARE(QFileInfo(german.shell.opened.value(2).toLocalFile()).fileName(),
                     QStringLiteral("help.de.pdf"));

        // A distributor's address, when one is built in, is opened instead.
        for (const QString address : {QStringLiteral("https://shop.example.org/e-bike-help"),
                                      QStringLiteral("mailto:service@shop.example.org")})
            QCOMPARE(supportTarget(address), QUrl(address));
    }

    // Guards the boxes against markup: a message quoting a file name that
    // looks like HTML shows it as typed, in every kind of box.
    void boxesShowMessagesAsPlainText()
    {
        QWidget parent;
        QtMessageBoxes boxes(&parent, QStringLiteral("Caption"));
        const QString name = QStringLiteral("Cannot open file <b>x</b>&amp;.vxc");
        QStringList formats;
        const auto openBox = [] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
                    return box;
            return static_cast<QMessageBox *>(nullptr);
        };
        const auto closeTheBox = [&] {
            QTimer::singleShot(0, [&] {
                if (QMessageBox *box = openBox()) {
                    formats << QString::number(box->textFormat()) + u' ' + box->text();
                    box->done(0);
                }
            });
        };
        closeTheBox();
        boxes.error(QStringLiteral("E"), name);
        closeTheBox();
        boxes.information(QStringLiteral("I"), name);
        closeTheBox();
        (void)boxes.question(QStringLiteral("Q"), name);
        boxes.standardError(name); // shown from the event loop, before the closer runs
        closeTheBox();
        TRY_COMPARE(formats.size(), 4);
        boxes.showError(QStringLiteral("S"), name, {});
        QMessageBox *shown = openBox();
        QVERIFY(shown);
        formats << QString::number(shown->textFormat()) + u' ' + shown->text();
        shown->done(0);
        const QString plain = QString::number(Qt::PlainText) + u' ';
        QCOMPARE(formats, (QStringList{plain + name, plain + name, plain + name,
                                       plain + name + u'.', plain + name}));
    }

    // Guards the question before unsaved changes go, as Qt's box gives it:
    // Qt's own Save, Discard and Cancel (so their texts come translated),
    // each reported as itself, Escape as Cancel, the document's name as typed.
    void saveQuestionHasQtsStandardButtons()
    {
        QWidget parent;
        QtMessageBoxes boxes(&parent, QStringLiteral("Caption"));
        const QString text = QStringLiteral("Save the changes to <b>x</b>.vxc?");
        QStringList seen;
        const auto answer = [&](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, [&, button] {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    auto *box = qobject_cast<QMessageBox *>(w);
                    if (!box || !box->isVisible())
                        continue;
                    seen << QString::number(int(box->standardButtons())) + u' '
                                + QString::number(box->textFormat()) + u' ' + box->text();
                    if (button == QMessageBox::Escape)
                        QTest::keyClick(box, Qt::Key_Escape);
                    else
                        box->button(button)->click();
                }
            });
        };
        answer(QMessageBox::Save);
        QCOMPARE(boxes.askToSave(QStringLiteral("Q"), text), SaveChoice::Save);
        answer(QMessageBox::Discard);
        QCOMPARE(boxes.askToSave(QStringLiteral("Q"), text), SaveChoice::Discard);
        answer(QMessageBox::Cancel);
        QCOMPARE(boxes.askToSave(QStringLiteral("Q"), text), SaveChoice::Cancel);
        answer(QMessageBox::Escape);
        QCOMPARE(boxes.askToSave(QStringLiteral("Q"), text), SaveChoice::Cancel);
        const QString shown = QString::number(int(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel))
                              + u' ' + QString::number(Qt::PlainText) + u' ' + text;
        QCOMPARE(seen, QStringList(4, shown));
    }

    // The boxes' second button (the connection doctor) as Qt's box gives it:
    // clicking it closes the box and reports the offer taken; Ok does not.
    void offerButtonClosesTheBoxAndIsReported()
    {
        QWidget parent;
        QtMessageBoxes boxes(&parent, QStringLiteral("Caption"));
        const auto click = [](const QString &text) {
            QTimer::singleShot(0, [text] {
                for (QWidget *w : QApplication::topLevelWidgets()) {
                    auto *box = qobject_cast<QMessageBox *>(w);
                    if (!box || !box->isVisible())
                        continue;
                    for (QAbstractButton *button : box->buttons()) {
                        if (button->text() == text)
                            button->click();
                    }
                }
            });
        };
        const auto boxShown = [] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return std::any_of(windows.cbegin(), windows.cend(), [](QWidget *w) {
                return qobject_cast<QMessageBox *>(w) && w->isVisible();
            });
        };
        const QString offer = QStringLiteral("Connection Doctor…");
        click(offer);
        QVERIFY(boxes.errorWithOffer(QStringLiteral("E"), QStringLiteral("No answer."), offer));
        click(QStringLiteral("OK"));
        QVERIFY(!boxes.errorWithOffer(QStringLiteral("E"), QStringLiteral("No answer."), offer));

        QStringList taken;
        for (const QString &button : {offer, QStringLiteral("OK")}) {
            boxes.showErrorWithOffer(QStringLiteral("S"), QStringLiteral("Refused."), offer,
                                     [&taken, button] { taken << button; });
            click(button);
            TRY_VERIFY(!boxShown());
        }
        QCOMPARE(taken, QStringList{offer});
    }

    // Guards the About box: caption, title with version first, an empty line,
    // three credit lines.
    void aboutBox()
    {
        TestWindow t;
        t.window->actions().about->trigger();
        QCOMPARE(t.boxes.shown.size(), 1);
        QCOMPARE(t.boxes.shown[0].kind, QStringLiteral("information"));
        QCOMPARE(t.boxes.shown[0].caption, QStringLiteral("About"));
        const QStringList lines = t.boxes.shown[0].text.split(u'\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines[0], QStringLiteral("Vexlor Controller (FOC) Parameters Adjustor v1.35"));
        QVERIFY(lines[1].isEmpty());
        for (int i = 2; i < 5; ++i)
            QVERIFY(!lines[i].isEmpty());
    }

    // Guards the write options', the language's, the road class's and the units' own
    // sections of config.ini: each change is written at once, the reopen list's section
    // stays as it was, and the next start ticks them as they were left.
    void choicesAreRemembered()
    {
        QTemporaryDir folder;
        const QString ini = QDir(folder.path()).filePath(QStringLiteral("config.ini"));
        const QByteArray recent = "[Recent Files]\r\nFile1=/gone/a.vxc\r\nFile2=\r\n";
        QFile file(ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(recent);
        file.close();
        const auto ticks = [](const TestWindow &t) {
            return QList<bool>{t.window->actions().backUpBeforeWrite->isChecked(),
                               t.window->actions().verifyAfterWrite->isChecked()};
        };
        {
            TestWindow t({}, folder.path());
            QCOMPARE(ticks(t), (QList<bool>{true, true}));
            t.window->actions().verifyAfterWrite->trigger();
            QVERIFY(t.boxes.shown.isEmpty());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray written = file.readAll();
        file.close();
        QVERIFY2(written.startsWith(recent), written.constData());
        QVERIFY2(written.contains("[Write Safety]"), written.constData());
        QVERIFY2(written.contains("BackUpBeforeWrite=1"), written.constData());
        QVERIFY2(written.contains("VerifyAfterWrite=0"), written.constData());
        {
            TestWindow t({}, folder.path());
            QCOMPARE(ticks(t), (QList<bool>{true, false}));
            t.window->actions().backUpBeforeWrite->trigger();
            t.window->actions().verifyAfterWrite->trigger();
        }
        {
            TestWindow t({}, folder.path());
            QCOMPARE(ticks(t), (QList<bool>{false, true}));
            QVERIFY(t.control<QAction>("DesktopLanguage1")->isChecked());
            t.control<QAction>("LanguagePl1")->trigger();
            QCOMPARE(t.boxes.shown.size(), 1); // the window changes at the next start, and says so
            QCOMPARE(t.boxes.shown[0].caption, QStringLiteral("Language"));
            QVERIFY(t.boxes.shown[0].text.contains(QStringLiteral("next time you start")));
            QVERIFY(!t.control<QAction>("DesktopLanguage1")->isChecked());
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray withLanguage = file.readAll();
        file.close();
        QVERIFY2(withLanguage.startsWith(recent), withLanguage.constData());
        QVERIFY2(withLanguage.contains("[Language]\r\nLanguage=pl"), withLanguage.constData());
        {
            TestWindow t({}, folder.path());
            QVERIFY(t.control<QAction>("LanguagePl1")->isChecked());
            t.control<QAction>("DesktopLanguage1")->trigger();
            QCOMPARE(readLanguageSetting(SettingsFile(ini)), QString());
            QVERIFY(t.control<QAction>("RoadClassNone1")->isChecked());
            const qsizetype boxes = t.boxes.shown.size();
            t.control<QAction>("RoadClassUsClass21")->trigger();
            QCOMPARE(t.boxes.shown.size(), boxes); // a class holds at once
        }
        QCOMPARE(readRoadClassSetting(SettingsFile(ini)), QStringLiteral("us-class2"));
        {
            TestWindow t({}, folder.path());
            QVERIFY(t.control<QAction>("RoadClassUsClass21")->isChecked());
            QVERIFY(!t.control<QAction>("RoadClassNone1")->isChecked());
            t.control<QAction>("RoadClassNone1")->trigger();
        }
        QCOMPARE(readRoadClassSetting(SettingsFile(ini)), QString());
        {
            // Imperial at once: the speed field, its unit and what a screen reader hears.
            TestWindow t({}, folder.path());
            auto *speed = t.control<QLineEdit>("LabeledEdit15");
            QCOMPARE(speed->text(), QStringLiteral("25.0"));
            t.control<QAction>("UnitsImperial1")->trigger();
            QVERIFY(!t.control<QAction>("UnitsMetric1")->isChecked());
            QCOMPARE(speed->text(), QStringLiteral("15.53"));
            QCOMPARE(speed->accessibleDescription(), QStringLiteral("miles per hour, at most 4072.16"));
            // Its tip and What's This explain it in mph too.
            for (const QString &tip : {speed->toolTip(), speed->whatsThis()}) {
                QVERIFY2(tip.contains(QStringLiteral("Unit: mph.")) && tip.contains(QStringLiteral("Initial value: 15.53 mph."))
                             && !tip.contains(QStringLiteral("Unit: km/h")),
                         qPrintable(tip));
            }
        }
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray withUnits = file.readAll();
        file.close();
        QVERIFY2(withUnits.contains("[Units]\r\nSpeed=imperial"), withUnits.constData());
        {
            TestWindow t({}, folder.path());
            QVERIFY(t.control<QAction>("UnitsImperial1")->isChecked());
            auto *speed = t.control<QLineEdit>("LabeledEdit15");
            QCOMPARE(speed->text(), QStringLiteral("15.53"));
            QStringList units;
            for (const QLabel *label : speed->parentWidget()->findChildren<QLabel *>())
                units << label->text();
            QVERIFY2(units.contains(QStringLiteral("mph")) && !units.contains(QStringLiteral("km/h")),
                     qPrintable(units.join(u'|')));
            QVERIFY(speed->toolTip().contains(QStringLiteral("Unit: mph.")));
            t.control<QAction>("UnitsMetric1")->trigger();
            QCOMPARE(speed->text(), QStringLiteral("25.0"));
            QVERIFY(speed->whatsThis().contains(QStringLiteral("Initial value: 25.0 km/h.")));
        }
        QCOMPARE(readSpeedUnitsSetting(SettingsFile(ini)), SpeedUnits::Metric);
        // A class this version does not know is no class.
        SettingsFile settings(ini);
        QVERIFY(writeRoadClassSetting(settings, QStringLiteral("mars")).ok());
        TestWindow t({}, folder.path());
        QVERIFY(t.control<QAction>("RoadClassNone1")->isChecked());
    }

    // Guards closing: Exit and the close button both close, once the port is
    // released, with no question.
    void closingAsksNothing()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        t.window->actions().exit->trigger();
        TRY_VERIFY(!t.window->isVisible());
        TestWindow u;
        u.window->close();
        TRY_VERIFY(!u.window->isVisible());
        QVERIFY(t.boxes.shown.isEmpty());
        QVERIFY(u.boxes.shown.isEmpty());
    }

    // Guards the splash: borderless 800 x 435 with its picture; a click hides it.
    void splashHidesOnClick()
    {
        SplashWindow splash;
        QCOMPARE(splash.objectName(), QStringLiteral("TForm2"));
        QCOMPARE(splash.size(), QSize(800, 435));
        QVERIFY(splash.windowFlags() & Qt::FramelessWindowHint);
        splash.show();
        QVERIFY(QTest::qWaitForWindowExposed(&splash, kHangMs));
        auto *picture = splash.findChild<QLabel *>(QStringLiteral("Image1"));
        QVERIFY(picture && !picture->pixmap().isNull());
        QCOMPARE(picture->geometry(), splash.rect());
        QTest::mouseClick(picture, Qt::LeftButton);
        QVERIFY(!splash.isVisible());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
