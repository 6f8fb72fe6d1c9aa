#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <memory>

class QTextDocument;

namespace vexlor::docs {

// A line holding only this marker, outside fenced code, ends the page: what
// follows starts on a new one. It is an HTML comment, so the Markdown reads
// the same on a code-hosting site.
inline constexpr QStringView pageBreakMarker = u"<!-- pagebreak -->";

// The document built from GitHub-flavoured Markdown, with the page-break
// markers turned into page breaks and tables given visible rules. Relative
// image paths resolve against baseUrl.
[[nodiscard]] std::unique_ptr<QTextDocument> documentFromMarkdown(const QString &markdown,
                                                                  const QUrl &baseUrl = {});

// Writes the document as an A4 PDF with a page number on every page.
// Returns false and fills error when the file cannot be written.
// `pageLabel` numbers the pages in the footer: %1 the page, %2 their count.
[[nodiscard]] bool writePdf(QTextDocument &document, const QString &pdfPath, const QString &title,
                            QString *error = nullptr,
                            const QString &pageLabel = QStringLiteral("Page %1 of %2"));

} // namespace vexlor::docs
