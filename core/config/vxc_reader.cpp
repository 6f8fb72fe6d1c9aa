#include "vxc_reader.h"

#include "params/message_input.h"
#include "params/parameter_table.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

// The control value for one pair, or the error text.
struct PairResult {
    ConfigurationEntry entry;
    QString error;
};

PairResult readPair(const ParameterDescriptor &d, const QString &value)
{
    PairResult result;
    result.entry.assignment.index = d.index;
    ControlValue &control = result.entry.assignment.value;
    if (d.kind == K::Decimal || d.kind == K::Whole) {
        control.text = value; // texts are taken as they are; a write checks them
        return result;
    }
    const auto number = textToInteger(value);
    if (!number) {
        if (d.index == kHallSensorTypeIndex)
            result.entry.asksOldVersionQuestion = true;
        else
            result.error = notAValidIntegerMessage(value);
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
    const QString text = QString::fromLatin1(bytes);
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

ConfigurationRead parseConfiguration(const QByteArray &bytes, NumberFormat format)
{
    const QStringList lines = splitConfigurationLines(bytes);
    ConfigurationRead read;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        if (i + 1 >= lines.size())
            //: a file whose last key has no value line; %1 the number of lines
            return failed(QCoreApplication::translate("Files", "List index out of bounds (%1)")
                              .arg(lines.size()));
        const QString &keyText = lines[i];
        const QString value = withLocaleSeparator(lines[i + 1], format);
        const auto key = textToInteger(keyText);
        if (!key)
            return failed(notAValidIntegerMessage(keyText));
        const ParameterDescriptor *d = storedParameter(*key);
        if (!d)
            continue; // reserved and fixed items, unknown keys: skipped silently
        PairResult pair = readPair(*d, value);
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
    return parseConfiguration(bytes, format);
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
