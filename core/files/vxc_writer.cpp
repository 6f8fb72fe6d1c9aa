#include "vxc_writer.h"

#include "whole_file.h"

#include "params/parameter_table.h"

#include <QFileInfo>

namespace vexlor {

QString storedValueText(const ParameterDescriptor &d, const ControlValue &control)
{
    switch (d.kind) {
    case ParameterKind::Decimal:
    case ParameterKind::Whole:
    case ParameterKind::LevelCount:
        return control.text;
    case ParameterKind::Flag:
    case ParameterKind::TwoWay:
        return control.number != 0 ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return QString::number(control.number);
    }
}

QByteArray configurationFileBytes(const ParameterSnapshot &snapshot)
{
    QByteArray bytes;
    for (const ParameterDescriptor *d : storedParameters()) {
        bytes += QByteArray::number(d->index);
        bytes += "\r\n";
        // Latin-1 to match the reader; a character outside it (never a digit,
        // sign or separator) becomes '?'.
        bytes += storedValueText(*d, snapshot[d->index]).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

FileWriteResult writeConfigurationFile(const QString &path, const ParameterSnapshot &snapshot)
{
    const QString cannotCreate = cannotCreateFileMessage(path);
    // A document goes into a folder that is there; it never makes one.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()
        || !writeWholeFile(path, configurationFileBytes(snapshot)))
        return {cannotCreate};
    return {};
}

} // namespace vexlor
