// Fuzz target: the .vxc reader over any bytes, under both number formats.
// No crash, no hang, and a malformed file gives nothing to apply. A file that
// reads applies to a snapshot whose file reads back to the same snapshot
// (write, read, write byte-identical), except for the reader's one documented
// change: the first foreign decimal separator of each value becomes the
// locale's.

#include "fuzz_check.h"

#include "config/vxc_reader.h"
#include "config/vxc_writer.h"
#include "params/parameter_table.h"

#include <QByteArray>
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

qsizetype lineCount(const QByteArray &bytes)
{
    // CR LF, CR or LF ends a line; a last line without an end still counts.
    qsizetype lines = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        if (bytes[i] == '\r' || bytes[i] == '\n')
            ++lines;
    }
    if (!bytes.isEmpty() && bytes.back() != '\r' && bytes.back() != '\n')
        ++lines;
    return lines;
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
    FUZZ_CHECK(lineCount(bytes) % 2 == 0, "a file that reads has whole pairs");
    FUZZ_CHECK(read.entries.size() <= lineCount(bytes) / 2, "at most one entry per pair");

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
