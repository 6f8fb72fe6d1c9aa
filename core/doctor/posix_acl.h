#pragma once

#include <QByteArray>

namespace vexlor {

// Whether the access list of a file (the raw value of its
// system.posix_acl_access attribute, as the kernel stores it) grants the
// user `uid` by name reading and writing, within the list's mask. The seat's
// rule (udev's "uaccess") grants the user logged in at the seat that way.
[[nodiscard]] bool aclGrantsUserReadWrite(const QByteArray &acl, uint uid);

} // namespace vexlor
