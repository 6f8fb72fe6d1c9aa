// Every setting explained: each parameter's field carries its explanation as
// tip and What's This in every language the window speaks, Help > What's
// This? and Shift+F1 start the pointer, and the guides' chapter "Every
// setting" holds the same texts word for word.
//
// VEXLOR_UPDATE_GUIDES=1 writes the chapters into docs/ instead of comparing
// them (cmake --build build --target update_guide_settings).

#include "test_window.h"

#include "language_choice.h"
#include "translators.h"

#include "params/parameter_codec.h"
#include "params/parameter_effects.h"
#include "params/parameter_explanation.h"
#include "params/parameter_order.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <QWhatsThis>
#include <QtTest>

using namespace vexlor;

namespace {

// Where the generated part of the chapter starts and ends in a guide.
const QString kBegin = QStringLiteral("<!-- every-setting:begin -->\n");
const QString kEnd = QStringLiteral("<!-- every-setting:end -->\n");

// The widgets of one parameter's control, found as a user's pointer finds
// them: by object name, a radio group with its buttons.
QList<QWidget *> controlWidgets(const TestWindow &t, const ParameterDescriptor &d)
{
    QList<QWidget *> widgets;
    for (const char *name : {d.control, d.secondControl}) {
        if (auto *w = t.control<QWidget>(name); *name && w) {
            widgets << w;
            for (auto *button : w->findChildren<QRadioButton *>())
                widgets << button;
        }
    }
    return widgets;
}

// A word that Markdown would read as a quote, list or heading mark at the
// start of a line ("> 50%", "-", "3."): it stays on the line before.
bool marksALine(const QString &word)
{
    static const QRegularExpression mark(QStringLiteral("^([<>#*+=|-]|[0-9]+[.)]$)"));
    return mark.match(word).hasMatch();
}

// A paragraph wrapped at 78 columns, as the guides are written.
QString wrapped(const QString &paragraph)
{
    QString out;
    QString line;
    for (const QString &word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 78 && !marksALine(word)) {
            out += line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + line + u'\n';
}

// The generated part of the chapter, in the language installed: one section
// per parameter in the window's order, its caption, its name, then each line
// of its explanation as a paragraph. Numbers with a point, as in the guides.
QString chapterBody()
{
    QString body = kBegin;
    for (const int index : parametersInWindowOrder()) {
        const ParameterDescriptor &d = parameterAt(index);
        body += QStringLiteral("\n### %1\n\n`%2`\n").arg(fieldLabel(d), QLatin1String(d.name));
        for (const QString &line : explainParameter(d, NumberFormat::point()).split(u'\n'))
            body += u'\n' + wrapped(line);
    }
    return body + u'\n' + kEnd;
}

QString guidePath(const QString &code)
{
    return QStringLiteral(VEXLOR_SOURCE_DIR "/docs/user-guide%1.md")
        .arg(code == u"en" ? QString() : u'.' + code);
}

} // namespace

class TestSettingExplanations : public QObject {
    Q_OBJECT

private slots:
    void everyFieldIsExplained_data()
    {
        QTest::addColumn<QString>("code");
        for (const UiLanguage &language : uiLanguages())
            QTest::newRow(language.code) << QString::fromLatin1(language.code);
    }

    // Guards the 43 explanations in each language: every widget of every
    // parameter's control carries its explanation as tip and What's This,
    // the tip shows explainParameter()'s text line for line, and outside
    // English what a setting does is translated.
    void everyFieldIsExplained()
    {
        QFETCH(QString, code);
        const UiTranslators translators(code);
        QCOMPARE(translators.language(), code);
        TestWindow t;
        int explained = 0;
        for (const ParameterDescriptor *d : storedParameters()) {
            const ParameterEffects *effects = effectsOf(*d);
            QVERIFY2(effects, d->name);
            const QString text = explainParameter(*d, NumberFormat::fromLocale());
            QVERIFY2(!text.split(u'\n').contains(QString()), qPrintable(text));
            if (code != u"en")
                QVERIFY2(!text.startsWith(QString::fromUtf8(effects->what)), qPrintable(text));
            const QList<QWidget *> widgets = controlWidgets(t, *d);
            QVERIFY2(!widgets.isEmpty(), d->name);
            for (QWidget *w : widgets) {
                QCOMPARE(w->whatsThis(), w->toolTip());
                QCOMPARE(QTextDocumentFragment::fromHtml(w->toolTip()).toPlainText(), text);
            }
            ++explained;
        }
        QCOMPARE(explained, kStoredParameterCount);
    }

    // Guards Help > What's This? and Shift+F1: both start the pointer that
    // shows a field's explanation on a click, whichever field has the focus.
    void whatsThisFromTheMenuAndTheKey()
    {
        TestWindow t;
        QVERIFY(t.isActive());
        QAction *item = t.window->actions().whatsThis;
        QVERIFY(item);
        QCOMPARE(item->objectName(), QStringLiteral("WhatsThis1"));
        QVERIFY(t.window->actions().helpMenu->actions().contains(item));
        item->trigger();
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
        auto *field = t.control<QLineEdit>("LabeledEdit16");
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_F1, Qt::ShiftModifier);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
    }

    void guideChapterMatchesTheTips_data()
    {
        QTest::addColumn<QString>("code");
        QTest::newRow("en") << QStringLiteral("en");
        QTest::newRow("de") << QStringLiteral("de");
    }

    // Guards the chapter "Every setting" of the English and the German guide:
    // word for word the explanations the fields show, in that language.
    void guideChapterMatchesTheTips()
    {
        QFETCH(QString, code);
        const UiTranslators translators(code);
        QFile file(guidePath(code));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString guide = QString::fromUtf8(file.readAll());
        file.close();
        const qsizetype begin = guide.indexOf(kBegin);
        const qsizetype end = guide.indexOf(kEnd);
        QVERIFY2(begin >= 0 && end > begin, "the guide has no chapter \"Every setting\"");
        const QString shown = guide.mid(begin, end + kEnd.size() - begin);
        const QString expected = chapterBody();
        if (qEnvironmentVariableIntValue("VEXLOR_UPDATE_GUIDES") == 1 && shown != expected) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(QString(guide).replace(begin, shown.size(), expected).toUtf8());
            return;
        }
        const QStringList shownLines = shown.split(u'\n');
        const QStringList expectedLines = expected.split(u'\n');
        for (qsizetype i = 0; i < std::min(shownLines.size(), expectedLines.size()); ++i)
            QCOMPARE(shownLines[i], expectedLines[i]);
        QCOMPARE(shownLines.size(), expectedLines.size());
    }
};

QTEST_MAIN(TestSettingExplanations)
#include "test_setting_explanations.moc"
