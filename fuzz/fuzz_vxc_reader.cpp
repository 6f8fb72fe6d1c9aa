// Fuzz target: the .vxc reader over any bytes, under both number formats.
// No crash, no hang, and a malformed file gives nothing to apply (a byte-order
// mark before the first line and blank lines at the end are no fault). A file that
// reads applies to a snapshot whose file reads back to the same snapshot
// (write, read, write byte-identical), except for the reader's one documented
// change: the first foreign decimal separator of each value becomes the
// locale's.

#include "fuzz_check.h"

#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "params/parameter_table.h"

#include <QByteArray>
#include <QList>
#include <QRegularExpression>

#include <cstdint>

using namespace vexlor;

namespace {

// The snapshot as the reader would leave it after reading its own file: the
// first foreign separator of every edit text turned into the locale's.
ParameterSnapshot afterSeparatorFixup(ParameterSnapshot s, NumberFormat format)
{
    const QChar foreign = format.decimalComma ? u'.' : u',';
    for (const ParameterDescriptor *d : storedParameters()) {
        if (!d->hasTextControl())
            continue;
        QString &text = s[d->index].text;
        const qsizetype at = text.indexOf(foreign);
        if (at >= 0)
            text[at] = format.separator();
    }
    return s;
}

// The file's lines, split without the reader's code: CR LF, CR or LF ends a
// line; a last line without an end still counts.
QList<QByteArray> linesOf(const QByteArray &bytes)
{
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    return lines;
}

// Blank lines (nothing but white space) at the end of the file.
qsizetype blankTail(const QList<QByteArray> &lines)
{
    qsizetype blank = 0;
    while (blank < lines.size() && QString::fromLatin1(lines[lines.size() - 1 - blank]).trimmed().isEmpty())
        ++blank;
    return blank;
}

void checkFormat(const QByteArray &bytes, NumberFormat format, bool answerYes)
{
    static const QRegularExpression knownError(QStringLiteral(
        "\\A(List index out of bounds \\(\\d+\\)|'.*' is not a valid integer value)\\z"),
        QRegularExpression::DotMatchesEverythingOption);

    const ConfigurationRead read = parseConfiguration(bytes, format);
    if (!read.ok()) {
        FUZZ_CHECK(read.entries.isEmpty(), "a malformed file gives nothing to apply");
        FUZZ_CHECK(knownError.match(read.error).hasMatch(), "the error is one of the reader's texts");
        return;
    }
    const QList<QByteArray> lines = linesOf(bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes);
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
    FUZZ_CHECK(second == afterSeparatorFixup(first, format), "read after write keeps every value");
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
