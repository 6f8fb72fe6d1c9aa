// The window under a light and a dark palette, each given to the application
// the way a platform theme gives one (the Fusion style, the palette set
// before the window is built): every caption, field, tab and menu title,
// each status label in each of its states and the motor picture's captions
// are measured in the drawn window, their text against what lies behind it,
// and keep a contrast of at least 4.5:1 (relative luminance as WCAG reckons it).

#include "dark_palette.h"
#include "test_window.h"

#include "basics/status_strip.h"

#include "link/device_state.h"
#include "protocol/transaction_texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTabBar>
#include <QtTest>

#include <cmath>

using namespace vexlor;

namespace {

constexpr double kLeastContrast = 4.5;

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(QRgb colour)
{
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text drawn in `area` of `shot`: its commonest colour is the ground, the
// colour standing out most from it the text's (its letters' stems, drawn
// whole). The ground twice where nothing is drawn on it.
std::pair<QRgb, QRgb> groundAndText(const QImage &shot, const QRect &area)
{
    QHash<QRgb, int> counts;
    const QRect inside = area & shot.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x)
            ++counts[shot.pixel(x, y) | 0xff000000];
    }
    QRgb ground = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ground = it.key();
        }
    }
    QRgb text = ground;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (contrast(ground, it.key()) > contrast(ground, text))
            text = it.key();
    }
    return {ground, text};
}

double textContrast(const QImage &shot, const QRect &area)
{
    const auto [ground, text] = groundAndText(shot, area);
    return contrast(ground, text);
}

// Where a widget's text is drawn, in its own coordinates, clear of frames
// and indicators; empty for a widget that shows none.
QRect textArea(QWidget *w)
{
    if (auto *group = qobject_cast<QGroupBox *>(w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        return group->title().isEmpty()
            ? QRect()
            : group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
    }
    if (auto *button = qobject_cast<QAbstractButton *>(w);
        button && (qobject_cast<QCheckBox *>(w) || qobject_cast<QRadioButton *>(w))) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox *>(w);
        return button->text().isEmpty() ? QRect() : button->style()->subElementRect(
                   check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents, &option, button);
    }
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text().trimmed().isEmpty() || !label->pixmap().isNull() ? QRect() : label->contentsRect();
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text().isEmpty() ? QRect() : edit->rect().adjusted(4, 4, -4, -4);
    return {};
}

// Every caption, field and tab title the window shows now below `root`
// whose text stands out less than it must, one line each.
QStringList faintTexts(QWidget *window, QWidget *root)
{
    const QImage shot = window->grab().toImage();
    QStringList faults;
    const auto measure = [&](QWidget *w, const QRect &area, const QString &what) {
        const QRect inWindow(w->mapTo(window, area.topLeft()), area.size());
        const double ratio = textContrast(shot, inWindow);
        if (ratio < kLeastContrast)
            faults << QStringLiteral("%1: contrast %2:1").arg(what).arg(ratio, 0, 'f', 2);
    };
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        if (const QRect area = textArea(w); !area.isEmpty())
            measure(w, area, w->objectName().isEmpty() ? w->metaObject()->className() : w->objectName());
        if (auto *tabs = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                measure(tabs, tabs->tabRect(i).adjusted(6, 4, -6, -4), tabs->tabText(i));
        }
        if (auto *menus = qobject_cast<QMenuBar *>(w)) {
            for (QAction *menu : menus->actions())
                measure(menus, menus->actionGeometry(menu).adjusted(2, 2, -2, -2), menu->text());
        }
        if (w->inherits("vexlor::MotorIllustration"))
            measure(w, QRect(w->width() - 96, 0, 96, w->height()), QStringLiteral("motor picture's captions"));
    }
    return faults;
}

} // namespace

class TestWindowPalettes : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
    void cleanupTestCase() { QApplication::setPalette(QApplication::style()->standardPalette()); }

    void everyTextStandsOut_data()
    {
        QTest::addColumn<QPalette>("palette");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QTest::newRow("dark") << darkDesktopPalette();
    }

    void everyTextStandsOut()
    {
        QFETCH(QPalette, palette);
        QApplication::setPalette(palette);
        TestWindow t;
        auto *pages = t.control<QTabWidget>("PageControl1");
        QStringList faults;
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            faults << faintTexts(t.window, t.window);
        }
        // The status labels in each state they show: on lime, on red, on the strip's own colour.
        const StatusStrip strip = t.window->strip();
        const QList<std::pair<QLabel *, QColor>> states = {
            {strip.linkState, QColor()}, {strip.linkState, kRed}, {strip.linkState, kLime},
            {strip.activity, kRed}, {strip.activity, kLime}, {strip.result, kRed}, {strip.result, kLime}};
        for (const auto &[label, background] : states) {
            const QString text = label == strip.linkState ? deviceStateText(DeviceState::Lost)
                : label == strip.activity                 ? transactionText(texts::kBusy)
                                                          : transactionText(texts::kFail);
            setStatusLabel(label, text, background);
            faults << faintTexts(t.window, strip.frame);
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestWindowPalettes)
#include "test_window_palettes.moc"
