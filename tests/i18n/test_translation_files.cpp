// Every translation file complete: each text translated and finished, with
// the placeholders, line breaks and accelerator marks of its English source.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "vanished", "obsolete" or empty
};

QList<Message> readMessages(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            messages.append({context, {}, {}, {}});
        } else if (xml.name() == u"source" && !messages.isEmpty()) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == u"translation" && !messages.isEmpty()) {
            messages.last().type = xml.attributes().value(QStringLiteral("type")).toString();
            messages.last().translation = xml.readElementText();
        }
    }
    return xml.hasError() ? QList<Message>() : messages;
}

// %1, %2 ... in order of number, each as often as it appears.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QStringList found;
    for (const auto &match : marker.globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// Accelerator marks: single '&' before a letter ("&&" is a plain ampersand).
int accelerators(const QString &text)
{
    return int(QString(text).replace(QStringLiteral("&&"), QString()).count(u'&'));
}

// The first fault of one translated message, empty when there is none.
QString messageFault(const Message &m)
{
    if (!m.type.isEmpty())
        return QStringLiteral("is ") + m.type;
    if (m.translation.trimmed().isEmpty())
        return QStringLiteral("has no translation");
    // What a setting does is prose in every language: the English words
    // left standing mean a text nobody translated.
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3}"));
    if (m.context == u"Explanations" && m.translation == m.source && m.source.contains(word))
        return QStringLiteral("is the English text");
    if (placeholders(m.translation) != placeholders(m.source))
        return QStringLiteral("changes the placeholders: ") + m.translation;
    if (accelerators(m.translation) != accelerators(m.source))
        return QStringLiteral("changes the accelerators: ") + m.translation;
    if (m.source.endsWith(u' ') != m.translation.endsWith(u' '))
        return QStringLiteral("changes the trailing blank before the field: '") + m.translation + u'\'';
    if (m.source.count(u'\n') != m.translation.count(u'\n') && m.source.count(u'\n') > 1)
        return QStringLiteral("changes the lines of a listing: ") + m.translation;
    return {};
}

} // namespace

class TestTranslationFiles : public QObject {
    Q_OBJECT

private slots:
    void everyMessageIsTranslatedWhole_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(VEXLOR_TS_DIR));
        const QStringList files = folder.entryList({QStringLiteral("vexlor_*.ts")}, QDir::Files);
        QCOMPARE(files.size(), 6); // de fr nl es it pl
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << folder.filePath(file);
    }

    void everyMessageIsTranslatedWhole()
    {
        QFETCH(QString, path);
        const QList<Message> messages = readMessages(path);
        QVERIFY2(messages.size() > 150, "the file cannot be read or holds too few texts");
        QStringList faults;
        for (const Message &m : messages) {
            const QString fault = messageFault(m);
            if (!fault.isEmpty())
                faults << m.context + QStringLiteral(" \"") + m.source.left(60) + QStringLiteral("\" ") + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "test_translation_files.moc"
