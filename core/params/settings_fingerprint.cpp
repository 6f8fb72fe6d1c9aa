#include "settings_fingerprint.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace vexlor {

QString settingsFingerprint(const ParameterValues &values)
{
    QByteArray bytes;
    bytes.reserve(2 * kProtocolItemCount);
    for (const ParameterDescriptor &d : parameterTable()) {
        const quint16 value = d.isStored() ? values[d.index] : d.fixedValue;
        bytes.append(char(value >> 8));
        bytes.append(char(value & 0xFF));
    }
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    const QString hex = QString::fromLatin1(digest.left(4).toHex().toUpper());
    return hex.left(4) + u'-' + hex.mid(4);
}

} // namespace vexlor
