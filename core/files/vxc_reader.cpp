#include "vxc_reader.h"

#include "params/message_input.h"
#include "params/parameter_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <optional>

namespace vexlor {
namespace {

using K = ParameterKind;

ConfigurationRead failed(QString message)
{
    ConfigurationRead read;
    read.error = std::move(message);
    return read;
}

// A file written under the other decimal separator reads under this one: the
// first separator of every value is turned into the locale's. Only the first,
// so "1.234.5" becomes "1,234.5".
QString withLocaleSeparator(QString value, NumberFormat format)
{
    const QChar foreign = format.decimalComma ? u'.' : u',';
    const qsizetype at = value.indexOf(foreign);
    if (at >= 0)
        value[at] = format.separator();
    return value;
}

// Some editors on other systems start a text file with one of these marks:
// UTF-8's, or UTF-16's in either byte order (Notepad's "Unicode").
constexpr char kUtf8ByteOrderMark[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeByteOrderMark[] = "\xFF\xFE";
constexpr char kUtf16BeByteOrderMark[] = "\xFE\xFF";

// The file's text: its bytes as Latin-1 after a UTF-8 mark or none (every
// byte one character, written back unchanged), decoded after a UTF-16 mark.
// Nullopt for UTF-16 that ends inside a character or breaks a pair.
std::optional<QString> configurationText(const QByteArray &bytes)
{
    const bool littleEndian = bytes.startsWith(kUtf16LeByteOrderMark);
    if (littleEndian || bytes.startsWith(kUtf16BeByteOrderMark)) {
        // Stateless: a half character at the end is an error, not a wait for more.
        QStringDecoder decode(littleEndian ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                              QStringConverter::Flag::Stateless);
        QString text = decode(bytes.sliced(2));
        if (decode.hasError() || bytes.size() % 2 != 0)
            return std::nullopt;
        return text;
    }
    return QString::fromLatin1(bytes.startsWith(kUtf8ByteOrderMark) ? bytes.sliced(3) : bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.sliced(start, i - start));
            i += (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < text.size())
        lines.append(text.sliced(start));
    return lines;
}

bool isBlank(const QString &line)
{
    return line.trimmed().isEmpty();
}

// The control value for one pair, or the error text.
struct PairResult {
    ConfigurationEntry entry;
    QString error;
};

// `fileText` is the value line as the file holds it, `value` the same after
// the separator fix-up. Messages quote the file's text: that is what the user
// finds on opening the file.
PairResult readPair(const ParameterDescriptor &d, const QString &fileText, const QString &value)
{
    PairResult result;
    result.entry.assignment.index = d.index;
    ControlValue &control = result.entry.assignment.value;
    if (d.kind == K::Decimal || d.kind == K::Whole) {
        control.text = value; // texts are taken as they are; a write checks them
        if (value != fileText)
            control.fileText = fileText;
        return result;
    }
    const auto number = textToInteger(value);
    if (!number) {
        if (d.index == kHallSensorTypeIndex)
            result.entry.asksOldVersionQuestion = true;
        else
            result.error = notAValidIntegerMessage(fileText);
        return result;
    }
    switch (d.kind) {
    case K::LevelCount:
        control.text = value; // the window takes the up-down position from the text
        break;
    case K::Flag:
    case K::TwoWay:
        control.number = *number != 0 ? 1 : 0;
        break;
    case K::Choice:
        // Past the last item selects the last one; -1 and below select none.
        control.number = *number < 0 ? -1 : std::min(*number, d.optionCount - 1);
        break;
    case K::Slider:
        control.number = std::clamp(*number, d.minimum, d.maximum);
        break;
    default:
        Q_UNREACHABLE();
    }
    return result;
}

} // namespace

QStringList splitConfigurationLines(const QByteArray &bytes)
{
    // Latin-1 on purpose: every byte is one character and goes back to the same
    // byte when written, whatever 8-bit code page the file was made in.
    return splitLines(QString::fromLatin1(bytes));
}

ConfigurationRead parseConfiguration(const QByteArray &bytes, NumberFormat format)
{
    const std::optional<QString> text = configurationText(bytes);
    if (!text)
        //: the file starts with the mark of UTF-16 text (Notepad's "Unicode") but is damaged
        return failed(QCoreApplication::translate(
            "Files", "The file is marked as UTF-16 text, but it is damaged: it cannot be read as text."));
    const QStringList lines = splitLines(*text);
    ConfigurationRead read;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        // Blank lines where a key would come, up to the end: an editor's
        // padding after the last pair, not a key without a value.
        if (std::all_of(lines.cbegin() + i, lines.cend(), isBlank))
            break;
        if (i + 1 >= lines.size())
            //: a file whose last key has no value line; %1 the number of lines
            return failed(QCoreApplication::translate("Files", "List index out of bounds (%1)")
                              .arg(lines.size()));
        const QString &keyText = lines[i];
        const QString &fileText = lines[i + 1];
        const QString value = withLocaleSeparator(fileText, format);
        const auto key = textToInteger(keyText);
        if (!key)
            return failed(notAValidIntegerMessage(keyText));
        const ParameterDescriptor *d = storedParameter(*key);
        if (!d)
            continue; // reserved and fixed items, unknown keys: skipped silently
        PairResult pair = readPair(*d, fileText, value);
        if (!pair.error.isEmpty())
            return failed(pair.error);
        read.entries.append(std::move(pair.entry));
    }
    return read;
}

ConfigurationRead readConfigurationFile(const QString &path, NumberFormat format)
{
    const QString shownPath = inputForMessage(path);
    //: %1 the file's path
    const QString cannotOpen = QCoreApplication::translate("Files", "Cannot open file %1").arg(shownPath);
    //: %1 the file's path
    const QString tooLarge = QCoreApplication::translate(
                                 "Files", "File %1 is too large to be a configuration file (more than 1 MiB).")
                                 .arg(shownPath);
    // Only a regular file (or a link to one) is opened at all: opening a FIFO
    // waits for a writer that may never come, and a device may never end.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        //: %1 the path of a folder, a device or the like
        return failed(QCoreApplication::translate("Files", "Cannot open file %1: it is not a regular file.")
                          .arg(shownPath));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failed(cannotOpen);
    if (file.size() > kMaxConfigurationFileSize)
        return failed(tooLarge);
    // Read one byte past the limit: a file that grows meanwhile has no honest size.
    const QByteArray bytes = file.read(kMaxConfigurationFileSize + 1);
    if (file.error() != QFileDevice::NoError)
        return failed(cannotOpen);
    if (bytes.size() > kMaxConfigurationFileSize)
        return failed(tooLarge);
    ConfigurationRead read = parseConfiguration(bytes, format);
    // An empty file would change nothing, and a write after it would send
    // whatever the window or the initial state holds: refused, like a
    // damaged file.
    if (read.ok() && read.entries.isEmpty())
        //: %1 the file's path; the file is empty, holds only blank lines or only numbers of no setting
        return failed(QCoreApplication::translate("Files", "The file %1 contains no settings.").arg(shownPath));
    return read;
}

ControlAssignment resolveEntry(const ConfigurationEntry &entry, const OldVersionQuestion &askOldVersionQuestion)
{
    ControlAssignment assignment = entry.assignment;
    if (entry.asksOldVersionQuestion) {
        const bool threeHallSensors = askOldVersionQuestion && askOldVersionQuestion();
        assignment.value.number = threeHallSensors ? 0 : 2;
    }
    return assignment;
}

void applyToSnapshot(ParameterSnapshot &snapshot, const QList<ConfigurationEntry> &entries,
                     const OldVersionQuestion &askOldVersionQuestion)
{
    for (const ConfigurationEntry &entry : entries) {
        const ControlAssignment assignment = resolveEntry(entry, askOldVersionQuestion);
        snapshot[assignment.index] = assignment.value;
    }
}

} // namespace vexlor
