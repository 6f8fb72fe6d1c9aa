// md2pdf INPUT.md OUTPUT.pdf [--title TEXT] [--page-label "Seite %1 von %2"] [--images FOLDER]
// Turns one of the project's Markdown documents into a PDF. Runs headless.
// Pictures are looked up beside the document, or in FOLDER where the build
// made them.

#include "markdown_pdf.h"

#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Nothing is shown; the build machine may have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("md2pdf"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Turns a Markdown document into a PDF."));
    parser.addHelpOption();
    const QCommandLineOption titleOption(QStringLiteral("title"),
                                         QStringLiteral("Document title (PDF metadata and page footer)."),
                                         QStringLiteral("text"));
    parser.addOption(titleOption);
    const QCommandLineOption pageLabelOption(
        QStringLiteral("page-label"),
        QStringLiteral("The footer's page number in the document's language, %1 the page and %2 the "
                       "page count (default: \"Page %1 of %2\")."),
        QStringLiteral("text"), QStringLiteral("Page %1 of %2"));
    parser.addOption(pageLabelOption);
    const QCommandLineOption imagesOption(
        QStringLiteral("images"),
        QStringLiteral("The folder the document's pictures are in (default: the document's own)."),
        QStringLiteral("folder"));
    parser.addOption(imagesOption);
    parser.addPositionalArgument(QStringLiteral("input"), QStringLiteral("The Markdown file."));
    parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("The PDF file to write."));
    parser.process(app);

    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() != 2) {
        std::fputs(qPrintable(parser.helpText()), stderr);
        return 2;
    }

    QFile input(arguments.at(0));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "md2pdf: cannot open %s\n", qPrintable(arguments.at(0)));
        return 1;
    }
    const QString markdown = QString::fromUtf8(input.readAll());
    const QFileInfo inputInfo(input);
    const QString title = parser.isSet(titleOption) ? parser.value(titleOption) : inputInfo.completeBaseName();

    const QString imageFolder = parser.isSet(imagesOption)
        ? QFileInfo(parser.value(imagesOption)).absoluteFilePath()
        : inputInfo.absolutePath();
    const auto document = vexlor::docs::documentFromMarkdown(
        markdown, QUrl::fromLocalFile(imageFolder + QLatin1Char('/')));
    QString error;
    if (!vexlor::docs::writePdf(*document, arguments.at(1), title, &error, parser.value(pageLabelOption))) {
        std::fprintf(stderr, "md2pdf: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
