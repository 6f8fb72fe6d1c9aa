#include "params/message_input.h"

#include <QtTest>

using namespace vexlor;

class TestMessageInput : public QObject {
    Q_OBJECT
private slots:
    void inputForMessage_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("shown");
        const QString a40(40, u'a');
        QTest::newRow("short printable text unchanged") << "14,0 A in /home/u/x.vxc" << "14,0 A in /home/u/x.vxc";
        QTest::newRow("terminal escape") << "\x1B[2J\x1B]0;x\x07" << "\\x1B[2J\\x1B]0;x\\x07";
        QTest::newRow("line ends, tab and NUL") << QStringLiteral("a\r\nb\t") + QChar(0) << "a\\x0D\\x0Ab\\x09\\x00";
        QTest::newRow("DEL and C1 controls") << QString::fromUtf16(u"\x7F\x85\x9B") << "\\x7F\\x85\\x9B";
        QTest::newRow("backslash doubled, so escapes read back") << "a\\x1B" << "a\\\\x1B";
        QTest::newRow("invisible beyond Latin-1")
            << QString::fromUtf16(u"\u202Eevil\u2028") << "\\u{202E}evil\\u{2028}";
        QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << "\\u{D800}";
        QTest::newRow("printable beyond ASCII kept") << QString::fromUtf16(u"120° µ €\U0001F600")
                                                     << QString::fromUtf16(u"120° µ €\U0001F600");
        QTest::newRow("80 characters kept") << QString(80, u'x') << QString(80, u'x');
        QTest::newRow("81 shortened, start and end kept")
            << a40 + u'b' + QString(40, u'c') << a40 + u'…' + QString(39, u'c');
        QTest::newRow("1 MB line") << QString(1 << 20, u'7') << QString(40, u'7') + u'…' + QString(39, u'7');
        QTest::newRow("an escape is never cut")
            << QString(39, u'a') + u'\x1B' + QString(100, u'b') << QString(39, u'a') + u'…' + QString(39, u'b');
        QTest::newRow("escapes count as shown") << QString(30, u'\x01')
                                                << QString("\\x01").repeated(10) + u'…' + QString("\\x01").repeated(9);
    }
    // Guards every message that quotes a file, a path or an argument: no raw
    // control character reaches a terminal or a message box, and a huge line
    // cannot make the message huge.
    void inputForMessage()
    {
        QFETCH(QString, input);
        QFETCH(QString, shown);
        QCOMPARE(vexlor::inputForMessage(input), shown);
    }
};

QTEST_GUILESS_MAIN(TestMessageInput)
#include "test_message_input.moc"
