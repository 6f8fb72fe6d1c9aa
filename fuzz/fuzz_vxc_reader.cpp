// Fuzz target: the .vxc reader over any bytes, under both number formats.
// No crash, no hang, and a malformed file gives nothing to apply (a byte-order
// mark before the first line and blank lines at the end are no fault; after a
// UTF-16 mark the lines are those of the decoded text). A file that
// reads applies to a snapshot whose file reads back to the same snapshot
// (write, read, write byte-identical), except for two documented changes: the
// reader turns the first foreign decimal separator of each value into the
// locale's, and the writer, which writes Latin-1, turns a character outside it
// (only a UTF-16 file can hold one) into '?'.

#include "fuzz_check.h"

#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "params/parameter_table.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>

#include <cstdint>

using namespace vexlor;

namespace {

// The snapshot as the reader would leave it after reading its own file: every
// character beyond Latin-1 written as '?', then the first foreign separator of
// every edit text turned into the locale's.
ParameterSnapshot afterWriteAndRead(ParameterSnapshot s, NumberFormat format)
{
    const QChar foreign = format.decimalComma ? u'.' : u',';
    for (const ParameterDescriptor *d : storedParameters()) {
        if (!d->hasTextControl())
            continue;
        QString &text = s[d->index].text;
        for (QChar &c : text) {
            if (c.unicode() > 0xFF)
                c = u'?';
        }
        const qsizetype at = text.indexOf(foreign);
        if (at >= 0)
            text[at] = format.separator();
    }
    return s;
}

// The file's text without the reader's code: decoded after a UTF-16 mark
// (whose halves and broken pairs the reader refuses, so only whole texts get
// here), byte for byte after a UTF-8 mark or none.
QString textOf(const QByteArray &bytes)
{
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (littleEndian || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder decode(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
        return decode(bytes.sliced(2));
    }
    return QString::fromLatin1(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
}

// The text's lines: CR LF, CR or LF ends a line; a last line without an end
// still counts.
QStringList linesOf(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\r' && text[i] != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

// Blank lines (nothing but white space) at the end of the file.
qsizetype blankTail(const QStringList &lines)
{
    qsizetype blank = 0;
    while (blank < lines.size() && lines[lines.size() - 1 - blank].trimmed().isEmpty())
        ++blank;
    return blank;
}

void checkFormat(const QByteArray &bytes, NumberFormat format, bool answerYes)
{
    static const QRegularExpression knownError(QStringLiteral(
        "\\A(List index out of bounds \\(\\d+\\)|'.*' is not a valid integer value"
        "|The file is marked as UTF-16 text, but it is damaged: it cannot be read as text\\.)\\z"),
        QRegularExpression::DotMatchesEverythingOption);

    const ConfigurationRead read = parseConfiguration(bytes, format);
    if (!read.ok()) {
        FUZZ_CHECK(read.entries.isEmpty(), "a malformed file gives nothing to apply");
        FUZZ_CHECK(knownError.match(read.error).hasMatch(), "the error is one of the reader's texts");
        return;
    }
    const QStringList lines = linesOf(textOf(bytes));
    FUZZ_CHECK(lines.size() % 2 == 0 || blankTail(lines) > 0,
               "a file that reads has whole pairs, but for blank lines at its end");
    FUZZ_CHECK(read.entries.size() <= lines.size() / 2, "at most one entry per pair");

    ParameterSnapshot first = ParameterSnapshot::initial();
    applyToSnapshot(first, read.entries, [answerYes] { return answerYes; });
    const QByteArray written = configurationFileBytes(first);

    const ConfigurationRead again = parseConfiguration(written, format);
    FUZZ_CHECK(again.ok(), "the writer's file reads");
    FUZZ_CHECK(again.entries.size() == kStoredParameterCount, "the writer's file has every pair");
    bool asked = false;
    ParameterSnapshot second = ParameterSnapshot::initial();
    applyToSnapshot(second, again.entries, [&asked] { return asked = true; });
    FUZZ_CHECK(!asked, "the writer's file never asks the old-version question");
    FUZZ_CHECK(second == afterWriteAndRead(first, format), "read after write keeps every value");
    if (second == first)
        FUZZ_CHECK(configurationFileBytes(second) == written, "write, read, write is byte-identical");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data),
                                                     qsizetype(size));
    checkFormat(bytes, NumberFormat::point(), true);
    checkFormat(bytes, NumberFormat::comma(), false);
    return 0;
}
