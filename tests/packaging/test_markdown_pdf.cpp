// The build-time Markdown to PDF converter: the page breaks that the
// programming guide relies on (its flash-protection section must be page 7)
// and the PDF it writes.

#include "markdown_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

#include <cmath>

using vexlor::docs::documentFromMarkdown;
using vexlor::docs::writePdf;

namespace {

constexpr QSizeF pageSize(400, 600);

// The 0-based page on which the paragraph, heading or table cell holding
// text starts; -1 when no block holds it.
int pageOf(QTextDocument &document, const QString &text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() != text)
            continue;
        QAbstractTextDocumentLayout *layout = document.documentLayout();
        QRectF box = layout->blockBoundingRect(block);
        if (QTextTable *table = QTextCursor(block).currentTable())
            box = layout->frameBoundingRect(table);
        return int(std::floor(box.top() / pageSize.height()));
    }
    return -1;
}

int pdfPageCount(const QByteArray &pdf)
{
    return int(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "));
}

} // namespace

class TestMarkdownPdf : public QObject
{
    Q_OBJECT

private slots:
    void pageBreaks_data();
    void pageBreaks();
    void markerLeavesNoText();
    void writesOnePdfPagePerPage();
    void unwritablePathFails();
    void picturesFitThePageOrFailIt();
};

void TestMarkdownPdf::pageBreaks_data()
{
    QTest::addColumn<QString>("markdown");
    QTest::addColumn<int>("pages");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<int>("probePage");

    const QString marker = vexlor::docs::pageBreakMarker.toString();
    QTest::newRow("no marker") << QStringLiteral("# One\n\nText.\n\n# Two\n") << 1 << QStringLiteral("Two") << 0;
    QTest::newRow("two markers")
        << QStringLiteral("# One\n\n%1\n\n# Two\n\n%1\n\n# Three\n").arg(marker) << 3 << QStringLiteral("Three") << 2;
    QTest::newRow("blanks around the marker")
        << QStringLiteral("One\n\n   %1  \n\nTwo\n").arg(marker) << 2 << QStringLiteral("Two") << 1;
    QTest::newRow("table right after the marker")
        << QStringLiteral("One\n\n%1\n\n| A | B |\n|---|---|\n| cell | 2 |\n").arg(marker) << 2 << QStringLiteral("cell") << 1;
    QTest::newRow("marker after a list")
        << QStringLiteral("- item\n- item\n\n%1\n\nAfter\n").arg(marker) << 2 << QStringLiteral("After") << 1;
    QTest::newRow("marker quoted in a code block")
        << QStringLiteral("```text\n%1\n```\n\nAfter\n").arg(marker) << 1 << marker << 0;
}

// A lost break moves every later section of a guide to the wrong page; a
// break taken from a code example would split the page where it is shown.
void TestMarkdownPdf::pageBreaks()
{
    QFETCH(QString, markdown);
    QFETCH(int, pages);
    QFETCH(QString, probe);
    QFETCH(int, probePage);

    const auto document = documentFromMarkdown(markdown);
    document->setPageSize(pageSize);
    QCOMPARE(document->pageCount(), pages);
    QCOMPARE(pageOf(*document, probe), probePage);
}

// The marker must not show up in the printed guide, neither as the comment
// nor as the placeholder used while parsing.
void TestMarkdownPdf::markerLeavesNoText()
{
    const QString markdown = QStringLiteral("Before\n\n%1\n\nAfter\n").arg(vexlor::docs::pageBreakMarker);
    const auto document = documentFromMarkdown(markdown);
    const QString text = document->toPlainText();
    QVERIFY2(!text.contains(u"pagebreak"), qPrintable(text));
    QVERIFY2(!text.contains(u"Token"), qPrintable(text));
    QCOMPARE(text.simplified(), QStringLiteral("Before After"));
}

// The PDF itself must keep the pagination: the notice refers readers to a
// page number of the file, not of the layout.
void TestMarkdownPdf::writesOnePdfPagePerPage()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("guide.pdf"));
    const QString marker = vexlor::docs::pageBreakMarker.toString();
    const auto document = documentFromMarkdown(
        QStringLiteral("# A\n\n%1\n\n# B\n\n%1\n\n# C\n\n%1\n\n# D\n").arg(marker));

    QString error;
    QVERIFY2(writePdf(*document, path, QStringLiteral("Guide"), &error), qPrintable(error));
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(pdfPageCount(bytes), 4);
}

// A build step that cannot write its output must fail, not leave the build
// believing help.pdf exists.
void TestMarkdownPdf::unwritablePathFails()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto document = documentFromMarkdown(QStringLiteral("Text\n"));
    QString error;
    QVERIFY(!writePdf(*document, folder.filePath(QStringLiteral("missing/folder/guide.pdf")), QStringLiteral("Guide"), &error));
    QVERIFY(error.contains(u"missing/folder/guide.pdf"));
}

// A screenshot is drawn as large as on a screen, a wide one no wider than the
// page; a picture that cannot be found fails the guide instead of leaving a
// hole in it.
void TestMarkdownPdf::picturesFitThePageOrFailIt()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    QImage narrow(96, 48, QImage::Format_RGB32);
    narrow.fill(Qt::red);
    QImage wide(3000, 300, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    QVERIFY(narrow.save(folder.filePath(QStringLiteral("narrow.png"))));
    QVERIFY(wide.save(folder.filePath(QStringLiteral("wide.png"))));
    const QUrl base = QUrl::fromLocalFile(folder.path() + u'/');
    const QString path = folder.filePath(QStringLiteral("guide.pdf"));

    const auto document = documentFromMarkdown(
        QStringLiteral("# Pictures\n\n![Narrow](narrow.png)\n\n![Wide](wide.png)\n"), base);
    QString error;
    QVERIFY2(writePdf(*document, path, QStringLiteral("Guide"), &error), qPrintable(error));
    QList<QTextImageFormat> pictures;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                pictures << it.fragment().charFormat().toImageFormat();
        }
    }
    QCOMPARE(pictures.size(), 2);
    // In the layout's pixels of 96 to the inch: the narrow one an inch wide,
    // the wide one as wide as the page (laid out at the PDF's 300 to the inch).
    QCOMPARE(pictures[0].width(), 96.0);
    QCOMPARE(pictures[0].height(), 48.0);
    const qreal page = document->pageSize().width() * 96 / 300;
    QCOMPARE(pictures[1].width(), page);
    QCOMPARE(pictures[1].height(), page / 10);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QCOMPARE(bytes.count("/Subtype /Image"), 2);
    QCOMPARE(bytes.count("/DCTDecode"), 0); // kept sharp, never as JPEG

    const auto missing = documentFromMarkdown(QStringLiteral("![Gone](gone.png)\n"), base);
    QVERIFY(!writePdf(*missing, folder.filePath(QStringLiteral("missing.pdf")), QStringLiteral("Guide"), &error));
    QVERIFY2(error.contains(u"gone.png"), qPrintable(error));
}

QTEST_MAIN(TestMarkdownPdf)
#include "test_markdown_pdf.moc"
