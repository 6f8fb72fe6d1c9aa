#include "vxc_writer.h"

#include "whole_file.h"

#include "params/message_input.h"
#include "params/parameter_table.h"

#include <QCoreApplication>
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

QString configurationTargetError(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir()) // what writing the file would say
        return cannotCreateFileMessage(path);
    //: %1 the path of a named pipe, a device or the like
    return QCoreApplication::translate("Files", "Cannot create file %1: it is not a regular file.")
        .arg(inputForMessage(path));
}

FileWriteResult writeConfigurationFile(const QString &path, const ParameterSnapshot &snapshot)
{
    if (QString error = configurationTargetError(path); !error.isEmpty())
        return {error};
    const QString cannotCreate = cannotCreateFileMessage(path);
    // A document goes into a folder that is there; it never makes one.
    if (!QFileInfo(QFileInfo(path).absolutePath()).isDir()
        || !writeWholeFile(path, configurationFileBytes(snapshot)))
        return {cannotCreate};
    return {};
}

} // namespace vexlor
