#include "markdown_pdf.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QVariant>

#include <algorithm>

namespace vexlor::docs {

namespace {

// Stands in for a page-break marker while the Markdown is parsed: plain
// letters, so the parser keeps it as a paragraph of its own.
constexpr QStringView breakToken = u"VexlorPageBreakToken";

// Replaces each marker line outside fenced code with a paragraph holding only
// the token. A marker shown as an example inside a code block stays text.
QString withBreakTokens(const QString &markdown)
{
    QStringList lines = markdown.split(u'\n');
    QString openFence;
    for (QString &line : lines) {
        const QString trimmed = line.trimmed();
        const bool fenceLine = trimmed.startsWith(u"```") || trimmed.startsWith(u"~~~");
        if (fenceLine) {
            if (openFence.isEmpty())
                openFence = trimmed.left(3);
            else if (trimmed.startsWith(openFence))
                openFence.clear();
        } else if (openFence.isEmpty() && trimmed == pageBreakMarker) {
            line = QStringLiteral("\n%1\n").arg(breakToken);
        }
    }
    return lines.join(u'\n');
}

// Turns every token paragraph into an empty block of no height that ends its
// page. The layout honours a block's break-after only before another block in
// the same flow; a table that follows gets a break-before of its own.
void applyPageBreaks(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text() != breakToken)
            continue;
        QTextCursor cursor(block);
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();

        QTextBlockFormat format;
        format.setTopMargin(0);
        format.setBottomMargin(0);
        format.setLineHeight(0, QTextBlockFormat::FixedHeight);
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
        cursor.setBlockFormat(format);

        const QTextBlock next = block.next();
        if (!next.isValid())
            continue;
        QTextFrame *frame = QTextCursor(next).currentFrame();
        if (frame != document.rootFrame() && frame->firstPosition() == next.position()) {
            QTextFrameFormat frameFormat = frame->frameFormat();
            frameFormat.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            frame->setFrameFormat(frameFormat);
        }
    }
}

// Markdown tables come without rules; printed, their columns are hard to follow.
void ruleTables(QTextFrame *frame)
{
    const auto children = frame->childFrames();
    for (QTextFrame *child : children) {
        if (auto *table = qobject_cast<QTextTable *>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(0.5);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setBorderBrush(QColor(0x9a, 0xa4, 0xae));
            format.setCellSpacing(0);
            format.setCellPadding(4);
            format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
            format.setTopMargin(2);
            format.setBottomMargin(8);
            table->setFormat(format);
        }
        ruleTables(child);
    }
}

bool isCode(const QTextCharFormat &format)
{
    static const QString fixedFamily = QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    return format.fontFixedPitch() || format.fontFamilies().toStringList().contains(fixedFamily);
}

// Monospaced text runs wide: a little smaller than the body it keeps command
// lines of about 90 characters within the page width. Each line of a code
// block is a block of its own; the run of them is set apart on a light ground.
void styleCode(QTextDocument &document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            if (!isCode(fragment.fragment().charFormat()))
                continue;
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.fragment().position());
            cursor.setPosition(fragment.fragment().position() + fragment.fragment().length(),
                               QTextCursor::KeepAnchor);
            QTextCharFormat smaller;
            smaller.setFontPointSize(8.5);
            cursor.mergeCharFormat(smaller);
        }

        if (!block.blockFormat().hasProperty(QTextFormat::BlockCodeFence))
            continue;
        const bool firstLine = !block.previous().blockFormat().hasProperty(QTextFormat::BlockCodeFence);
        const bool lastLine = !block.next().blockFormat().hasProperty(QTextFormat::BlockCodeFence);
        QTextBlockFormat format;
        format.setBackground(QColor(0xf0, 0xf2, 0xf4));
        format.setTopMargin(firstLine ? 4 : 0);
        format.setBottomMargin(lastLine ? 6 : 0);
        QTextCursor(block).mergeBlockFormat(format);
    }
}

QFont bodyFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(10);
    // Any letter spacing makes the shaper leave out ligatures, so that "fl"
    // stays two letters and a PDF viewer's search finds "flash".
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.0 / 64);
    return font;
}

// A picture as the document loads it: the file's bytes, or what it keeps
// once loaded (a pixmap); null when there is no such picture.
QImage loadedImage(QTextDocument &document, const QString &name)
{
    const QVariant data = document.resource(QTextDocument::ImageResource, QUrl(name));
    switch (data.typeId()) {
    case QMetaType::QPixmap:
        return data.value<QPixmap>().toImage();
    case QMetaType::QImage:
        return data.value<QImage>();
    case QMetaType::QByteArray:
        return QImage::fromData(data.toByteArray());
    default:
        return {};
    }
}

// Pictures are drawn at the size they have on a screen of 96 dots per inch,
// narrower where the page is: a screenshot then reads like the window
// itself. A picture that cannot be loaded fails the document, so a guide
// never goes out with a hole where a picture belongs.
bool fitImages(QTextDocument &document, qreal pageWidth, qreal dotsPerInch, QString *error)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat())
                continue;
            QTextImageFormat format = fragment.charFormat().toImageFormat();
            const QImage image = loadedImage(document, format.name());
            if (image.isNull()) {
                if (error)
                    *error = QStringLiteral("Cannot load the picture %1").arg(format.name());
                return false;
            }
            // The layout takes these in pixels of 96 to the inch.
            const qreal width = std::min<qreal>(image.width(), pageWidth * 96 / dotsPerInch);
            format.setWidth(width);
            format.setHeight(width * image.height() / image.width());
            QTextCursor cursor(&document);
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return true;
}

} // namespace

std::unique_ptr<QTextDocument> documentFromMarkdown(const QString &markdown, const QUrl &baseUrl)
{
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(bodyFont());
    if (baseUrl.isValid())
        document->setBaseUrl(baseUrl);
    document->setMarkdown(withBreakTokens(markdown), QTextDocument::MarkdownDialectGitHub);
    applyPageBreaks(*document);
    ruleTables(document->rootFrame());
    styleCode(*document);
    return document;
}

bool writePdf(QTextDocument &document, const QString &pdfPath, const QString &title, QString *error,
              const QString &pageLabel)
{
    QPdfWriter writer(pdfPath);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(20, 18, 20, 14), QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Vexlor Adjustor md2pdf"));

    const QRect paintRect = writer.pageLayout().paintRectPixels(writer.resolution());
    if (!fitImages(document, paintRect.width(), writer.resolution(), error))
        return false;

    QPainter painter;
    if (!painter.begin(&writer)) {
        if (error)
            *error = QStringLiteral("Cannot write %1").arg(pdfPath);
        return false;
    }
    // Screenshots kept sharp: JPEG would blur the window's lines and letters.
    painter.setRenderHint(QPainter::LosslessImageRendering);

    // Lay the text out for the PDF's resolution, one page height at a time,
    // leaving room at the bottom of each page for its number.
    QAbstractTextDocumentLayout *layout = document.documentLayout();
    layout->setPaintDevice(&writer);
    QFont footerFont = bodyFont();
    footerFont.setPointSizeF(8);
    const int footerHeight = QFontMetrics(footerFont, &writer).height() * 2;
    const QSizeF body(paintRect.width(), paintRect.height() - footerHeight);
    document.setPageSize(body);

    const int pageCount = document.pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0)
            writer.newPage();
        const QRectF pageArea(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(0, -pageArea.top());
        painter.setClipRect(pageArea);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = pageArea;
        layout->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(QColor(0x60, 0x60, 0x60));
        const QRectF footer(0, paintRect.height() - footerHeight / 2, body.width(), footerHeight / 2);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.drawText(footer, Qt::AlignRight | Qt::AlignVCenter,
                         pageLabel.arg(page + 1).arg(pageCount));
    }

    if (!painter.end()) {
        if (error)
            *error = QStringLiteral("Cannot write %1").arg(pdfPath);
        return false;
    }
    return true;
}

} // namespace vexlor::docs
