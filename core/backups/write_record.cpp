#include "write_record.h"

#include "files/whole_file.h"

#include <QFile>

#include <array>
#include <utility>

namespace vexlor {
namespace {

// The names in the file: plain words, the same in every language.
constexpr std::array<std::pair<WriteEnd, const char *>, 7> kEndNames = {{
    {WriteEnd::Unfinished, "unfinished"},
    {WriteEnd::Interrupted, "interrupted"},
    {WriteEnd::StoreFailed, "store-failed"},
    {WriteEnd::Completed, "completed"},
    {WriteEnd::CheckFailed, "check-failed"},
    {WriteEnd::Differences, "differences"},
    {WriteEnd::Verified, "verified"},
}};

constexpr qint64 kLargestRecord = 4096; // a few short lines; anything longer is no record

WriteEnd endNamed(const QByteArray &name)
{
    for (const auto &[end, text] : kEndNames) {
        if (name == text)
            return end;
    }
    return WriteEnd::NotRecorded;
}

const char *nameOf(WriteEnd end)
{
    for (const auto &[e, text] : kEndNames) {
        if (e == end)
            return text;
    }
    return "";
}

} // namespace

QString writeRecordPath(const QString &backupPath)
{
    QString path = backupPath;
    if (path.endsWith(QLatin1String(".vxc")))
        path.chop(4);
    return path + QStringLiteral(".write");
}

WriteRecord readWriteRecord(const QString &backupPath)
{
    QFile file(writeRecordPath(backupPath));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    WriteRecord record;
    bool ended = false;
    for (const QByteArray &line : file.read(kLargestRecord).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray key = line.left(equals).trimmed();
        const QByteArray value = equals < 0 ? QByteArray() : line.mid(equals + 1).trimmed();
        if (key == "end") {
            record.end = endNamed(value);
            ended = true;
        } else if (key == "frame") {
            record.frame = value.toInt();
        } else if (key == "after-interrupted-write") {
            record.afterInterruptedWrite = value == "yes";
        }
    }
    return ended ? record : WriteRecord{};
}

bool writeWriteRecord(const QString &backupPath, const WriteRecord &record)
{
    QByteArray bytes = QByteArrayLiteral("end=") + nameOf(record.end) + '\n';
    if (record.end == WriteEnd::Interrupted)
        bytes += "frame=" + QByteArray::number(record.frame) + '\n';
    bytes += QByteArrayLiteral("after-interrupted-write=")
        + (record.afterInterruptedWrite ? "yes" : "no") + '\n';
    return writeWholeFile(writeRecordPath(backupPath), bytes);
}

} // namespace vexlor
