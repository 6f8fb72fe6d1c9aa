// Which language the programs speak, read from the environment as gettext
// reads it, and the CLI's output in it: English exactly as before under the C
// locale, the chosen language otherwise, and never a different value.

#include "cli_run.h"
#include "language_choice.h"

#include <QTranslator>
#include <QtTest>

using namespace vexlor;

class TestLanguages : public QObject {
    Q_OBJECT

private slots:
    void desktopLanguagesFollowGettext_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QStringList>("languages");
        QTest::newRow("nothing set") << QStringList{} << QStringList{};
        QTest::newRow("LANG") << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"de"};
        QTest::newRow("LANG with modifier") << QStringList{"LANG=de_AT@euro"} << QStringList{"de"};
        QTest::newRow("LC_MESSAGES before LANG")
            << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_FR.UTF-8"} << QStringList{"fr"};
        QTest::newRow("LC_ALL before both")
            << QStringList{"LANG=de_DE.UTF-8", "LC_MESSAGES=fr_FR", "LC_ALL=pl_PL.UTF-8"} << QStringList{"pl"};
        QTest::newRow("LANGUAGE list") << QStringList{"LANG=en_GB.UTF-8", "LANGUAGE=pt:nl:de"}
                                       << QStringList{"pt", "nl", "de"};
        QTest::newRow("C ignores LANGUAGE") << QStringList{"LANG=C", "LANGUAGE=de"} << QStringList{};
        QTest::newRow("LC_ALL=C over LANG") << QStringList{"LANG=de_DE.UTF-8", "LC_ALL=C"} << QStringList{};
        QTest::newRow("C.UTF-8") << QStringList{"LANG=C.UTF-8"} << QStringList{};
        QTest::newRow("POSIX") << QStringList{"LC_ALL=POSIX", "LANGUAGE=fr"} << QStringList{};
    }

    void desktopLanguagesFollowGettext()
    {
        QFETCH(QStringList, environment);
        QFETCH(QStringList, languages);
        QProcessEnvironment given;
        for (const QString &setting : environment)
            given.insert(setting.section(u'=', 0, 0), setting.section(u'=', 1));
        QCOMPARE(desktopLanguages(given), languages);
    }

    // Guards the window's choice over the desktop's, and English for what the
    // tool does not speak.
    void choiceFallsBackInOrder()
    {
        QCOMPARE(chooseUiLanguage(QString(), {"pt", "nl", "de"}), QStringLiteral("nl"));
        QCOMPARE(chooseUiLanguage(QString(), {"pt"}), QStringLiteral("en"));
        QCOMPARE(chooseUiLanguage(QString(), {}), QStringLiteral("en"));
        QCOMPARE(chooseUiLanguage(QStringLiteral("fr"), {"de"}), QStringLiteral("fr"));
        QCOMPARE(chooseUiLanguage(QStringLiteral("en"), {"de"}), QStringLiteral("en"));
        QCOMPARE(chooseUiLanguage(QStringLiteral("xx"), {"de"}), QStringLiteral("de"));
    }

    // Guards the CLI's English under the C locale whatever LANGUAGE says, the
    // same as for a language the tool does not speak, and German under a
    // German desktop.
    void cliSpeaksTheEnvironmentsLanguage()
    {
        const CliRun english = runCliInLocale({"LC_ALL=C", "LANGUAGE=de"}, {"--help"});
        QCOMPARE(english.exitCode, 0);
        QVERIFY(english.out.contains("\nCommands:\n"));
        QVERIFY(english.out.contains("Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.\n"));
        QCOMPARE(runCliInLocale({}, {"--help"}).out, english.out);
        QCOMPARE(runCliInLocale({"LANG=pt_BR.UTF-8"}, {"--help"}).out, english.out);

        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/vexlor_de.qm")));
        const QString commands = german.translate("Cli", "Commands:");
        QVERIFY(!commands.isEmpty() && commands != u"Commands:");
        const CliRun translated = runCliInLocale({"LANG=de_DE.UTF-8"}, {"--help"});
        QCOMPARE(translated.exitCode, 0);
        QVERIFY2(QString::fromUtf8(translated.out).contains(u'\n' + commands + u'\n'), translated.out.constData());
    }

    // Guards what a command prints and returns: the language changes the
    // words of a message, never a value or an exit code.
    void languageNeverChangesValues()
    {
        const QString file = QStringLiteral(VEXLOR_SOURCE_DIR "/data/default.vxc");
        const CliRun english = runCliInLocale({"LANG=en_US.UTF-8"}, {"encode", file});
        QCOMPARE(english.exitCode, 0);
        QCOMPARE(english.out.count('\n'), 60);
        for (const char *language : {"de", "fr", "nl", "es", "it", "pl"}) {
            const CliRun other = runCliInLocale({"LANG=en_US.UTF-8", QStringLiteral("LANGUAGE=") + language},
                                           {"encode", file});
            QCOMPARE(other.exitCode, english.exitCode);
            QCOMPARE(other.out, english.out);
        }
        const CliRun missingEnglish = runCliInLocale({"LANG=C"}, {"encode", "missing.vxc"});
        const CliRun missingGerman = runCliInLocale({"LANG=de_DE.UTF-8"}, {"encode", "missing.vxc"});
        QCOMPARE(missingEnglish.exitCode, 2);
        QCOMPARE(missingGerman.exitCode, 2);
        QVERIFY(missingEnglish.err.startsWith("Cannot open file missing.vxc"));
        QVERIFY(missingGerman.err != missingEnglish.err);
    }

    // Guards vexlor-cli explain: every parameter in one block each, the
    // same block for one NAME in any case, the language's words and number
    // format, and an unknown NAME refused as bad usage.
    void cliExplainsEverySetting()
    {
        const CliRun all = runCliInLocale({"LC_ALL=C"}, {"explain"});
        QCOMPARE(all.exitCode, 0);
        const QStringList english = QString::fromUtf8(all.out).split(QStringLiteral("\n\n"));
        QCOMPARE(english.size(), 43);
        QVERIFY(english.first().startsWith(u"MaxBatteryCurrent: Max battery current\n"));
        QVERIFY2(english.first().contains(u"\nUnit: A. Allowed: at most 30.0 A. Initial value: 14.0 A."),
                 qPrintable(english.first()));
        const CliRun one = runCliInLocale({"LC_ALL=C"}, {"explain", "maxbatterycurrent"});
        QCOMPARE(one.exitCode, 0);
        QCOMPARE(QString::fromUtf8(one.out), english.first() + u'\n');
        for (const QString &block : english)
            QVERIFY2(block.count(u'\n') >= 2 && !block.contains(QStringLiteral("\n\n")), qPrintable(block));

        QTranslator german;
        QVERIFY(german.load(QStringLiteral(":/i18n/vexlor_de.qm")));
        const QString source = QStringLiteral("The largest current the controller draws from the battery.");
        const QString words = german.translate("Explanations", source.toUtf8().constData());
        QVERIFY(!words.isEmpty() && words != source);
        const CliRun translated = runCliInLocale({"LANG=de_DE.UTF-8"}, {"explain", "MaxBatteryCurrent"});
        QCOMPARE(translated.exitCode, 0);
        QVERIFY2(QString::fromUtf8(translated.out).contains(words), translated.out.constData());
        QVERIFY2(translated.out.contains("30,0 A"), translated.out.constData());

        const CliRun unknown = runCliInLocale({"LC_ALL=C"}, {"explain", "MaxBatteryCurrant"});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY(unknown.out.isEmpty());
        QVERIFY2(unknown.err.contains("'MaxBatteryCurrant' is no parameter."), unknown.err.constData());
        QCOMPARE(runCliInLocale({"LC_ALL=C"}, {"explain", "A", "B"}).exitCode, 2);
    }
};

QTEST_GUILESS_MAIN(TestLanguages)
#include "test_languages.moc"
