#include "posix_acl.h"

#include <QtEndian>

namespace vexlor {
namespace {

// The kernel's layout: a 4-byte version (2), then 8-byte entries of tag,
// permissions (16 bits each) and id (32 bits), little-endian.
constexpr quint32 kVersion = 2;
constexpr quint16 kNamedUser = 0x02;
constexpr quint16 kMask = 0x10;
constexpr quint16 kReadWrite = 0x4 | 0x2;

} // namespace

bool aclGrantsUserReadWrite(const QByteArray &acl, uint uid)
{
    if (acl.size() < 4 || (acl.size() - 4) % 8 != 0
        || qFromLittleEndian<quint32>(acl.constData()) != kVersion)
        return false;
    quint16 user = 0;
    quint16 mask = 0x7; // no mask entry: nothing is masked
    for (qsizetype at = 4; at < acl.size(); at += 8) {
        const quint16 tag = qFromLittleEndian<quint16>(acl.constData() + at);
        const quint16 permissions = qFromLittleEndian<quint16>(acl.constData() + at + 2);
        const quint32 id = qFromLittleEndian<quint32>(acl.constData() + at + 4);
        if (tag == kNamedUser && id == uid)
            user = permissions;
        else if (tag == kMask)
            mask = permissions;
    }
    return (user & mask & kReadWrite) == kReadWrite;
}

} // namespace vexlor
