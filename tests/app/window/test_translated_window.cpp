// The window in every language it speaks: each text shown whole in the fixed
// window on both tabs, in the status strip and the menus, and every menu's
// and dialog's accelerators distinct.

#include "layout_faults.h"
#include "test_window.h"

#include "language_choice.h"
#include "translators.h"
#include "dialogs/comparison_dialog.h"
#include "dialogs/setup_wizard.h"

#include "link/device_state.h"
#include "protocol/transaction_texts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QSpinBox>
#include <QTableWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

using namespace vexlor;

namespace {

// The letter after a single '&' ("&File" -> 'f'); none when there is none.
QChar accelerator(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1].toLower();
        ++i; // "&&" is a plain ampersand
    }
    return {};
}

// The first of `texts` whose accelerator another of them already has.
QString sharedAccelerator(const QStringList &texts)
{
    QSet<QChar> taken;
    for (const QString &text : texts) {
        const QChar letter = accelerator(text);
        if (letter.isNull())
            continue;
        if (taken.contains(letter))
            return text;
        taken.insert(letter);
    }
    return {};
}

// What is wrong with `items` (a menu's, or the menu bar's) and their
// submenus: an item without an access letter, one sharing another's, or a
// menu wider than the smallest screen the window fits. The reopen entries
// show paths and carry no access letter.
QString firstMenuFault(const QList<QAction *> &items, const QString &where)
{
    QStringList texts;
    for (QAction *item : items) {
        if (item->isSeparator() || QStringList{"N11", "N21", "N31", "N41"}.contains(item->objectName()))
            continue;
        if (accelerator(item->text()).isNull())
            return where + QStringLiteral(": no access letter in ") + item->text();
        texts << item->text();
    }
    if (const QString shared = sharedAccelerator(texts); !shared.isEmpty())
        return where + QStringLiteral(": another item has the access letter of ") + shared;
    for (QAction *item : items) {
        QMenu *menu = item->menu();
        if (!menu)
            continue;
        if (menu->sizeHint().width() > 1024)
            return item->text() + QStringLiteral(" is wider than the screen");
        const QString inner = firstMenuFault(menu->actions(), item->text());
        if (!inner.isEmpty())
            return inner;
    }
    return {};
}

// What is wrong with the status strip: a label too narrow for one of the
// texts it shows (the link state, the activity, the result), or a layout fault.
QStringList statusFaults(const TestWindow &t)
{
    const QList<std::pair<const char *, QStringList>> shown = {
        {"Label15", {deviceStateText(DeviceState::Connected) + u' ', deviceStateText(DeviceState::Lost)}},
        {"Label43", {transactionText(texts::kBusy), transactionText(texts::kIdle)}},
        {"Label44", {transactionText(texts::kPass), transactionText(texts::kFail), QStringLiteral("----")}},
    };
    QStringList faults;
    for (const auto &[name, texts] : shown) {
        auto *label = t.control<QLabel>(name);
        for (const QString &text : texts) {
            if (const QString fault = labelTextFault(label, text); !fault.isEmpty())
                faults << QString::fromLatin1(name) + fault;
        }
    }
    return faults + layoutFaults(t.control<QWidget>("Panel1"));
}

} // namespace

class TestTranslatedWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(QFile::exists(QStringLiteral(":/i18n/vexlor_de.qm"))); }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("code");
        for (const UiLanguage &language : uiLanguages())
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
    }

    // Guards both tabs, the tab titles, the status strip and the menus in
    // each language, English first: nothing clipped by its parent, no
    // overlaps, no text cut short.
    void everyTextFits()
    {
        QFETCH(QString, code);
        const UiTranslators translators(code);
        QCOMPARE(translators.language(), code);
        TestWindow t;
        auto *pages = t.control<QTabWidget>("PageControl1");
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            const QStringList faults = layoutFaults(t.window->centralWidget());
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
            QTabBar *tabs = pages->tabBar();
            const int textWidth = tabs->fontMetrics().horizontalAdvance(tabs->tabText(page));
            QVERIFY2(tabs->tabRect(page).width() > textWidth, qPrintable(tabs->tabText(page)));
            QVERIFY(tabs->tabRect(page).right() < pages->width());
        }
        const QStringList status = statusFaults(t);
        QVERIFY2(status.isEmpty(), qPrintable(status.join(u'\n')));
        const QString menus = firstMenuFault(t.window->menuBar()->actions(), QStringLiteral("menu bar"));
        QVERIFY2(menus.isEmpty(), qPrintable(menus));
        QVERIFY(t.window->menuBar()->sizeHint().width() <= t.window->width());
    }

    void comparisonButtonsKeepDistinctAccelerators_data() { everyTextFits_data(); }

    // Guards the comparison's buttons, which share one row.
    void comparisonButtonsKeepDistinctAccelerators()
    {
        QFETCH(QString, code);
        const UiTranslators translators(code);
        ComparisonDialog comparison({});
        QStringList buttons;
        for (auto *button : comparison.findChildren<QPushButton *>())
            buttons << button->text();
        QVERIFY(buttons.size() >= 3);
        const QString shared = sharedAccelerator(buttons);
        QVERIFY2(shared.isEmpty(), qPrintable(shared));
    }

    void setupAssistantFits_data() { everyTextFits_data(); }

    // Guards the setup assistant: each page within the smallest screen, its
    // texts whole, its buttons' accelerators distinct; on the proposal, the
    // captions, values and a column for why side by side.
    void setupAssistantFits()
    {
        QFETCH(QString, code);
        const UiTranslators translators(code);
        TestWindow t({}, {}, code);
        SetupWizard wizard({ParameterSnapshot::initial(), {findRoadClass(u"eu-epac"), QStringLiteral("57-584")},
                            NumberFormat{}},
                           t.window);
        wizard.findChild<QSpinBox *>(QStringLiteral("MotorPowerBox"))->setValue(500); // the longest why
        wizard.show();
        for (int page = 0; page < 4; ++page) {
            QVERIFY(wizard.width() <= 1024);
            QWidget *shown = wizard.currentPage();
            const QStringList faults = layoutFaults(shown);
            QVERIFY2(faults.isEmpty(), qPrintable(shown->objectName() + u'\n' + faults.join(u'\n')));
            QStringList buttons;
            for (auto *button : wizard.findChildren<QAbstractButton *>()) {
                if (button->isVisible())
                    buttons << button->text();
            }
            const QString shared = sharedAccelerator(buttons);
            QVERIFY2(shared.isEmpty(), qPrintable(shared + u' ' + buttons.join(u'|')));
            if (page < 3)
                wizard.next();
        }
        auto *table = wizard.findChild<QTableWidget *>(QStringLiteral("ProposalTable"));
        QVERIFY(table->rowCount() > 10);
        QHeaderView *header = table->horizontalHeader();
        QVERIFY2(header->length() <= table->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(header->length()).arg(table->viewport()->width())));
        QVERIFY(header->sectionSize(3) >= 200);
        for (int row = 0; row < table->rowCount(); ++row) {
            for (int column = 0; column < 3; ++column) {
                const QTableWidgetItem *item = table->item(row, column);
                QVERIFY2(table->fontMetrics().horizontalAdvance(item->text()) < header->sectionSize(column),
                         qPrintable(item->text()));
            }
        }
    }
};

QTEST_MAIN(TestTranslatedWindow)
#include "test_translated_window.moc"
