#pragma once

#include "file_association.h"

#include <QByteArray>
#include <QString>

namespace vexlor {

// The MIME type of .vxc files; the packaged type definition uses the same name.
inline constexpr const char *kVxcMimeType = "application/x-vexlor-vxc";
// The per-user files written. Named apart from the packaged desktop entry so
// this hidden one never shadows the menu's.
inline constexpr const char *kAssociationMimePackage = "vexlor-adjustor-vxc.xml";
inline constexpr const char *kAssociationDesktopEntry = "vexlor-adjustor-vxc.desktop";

// The association for the current user, the freedesktop way, in order:
// a shared-mime-info package for "*" + extension with the description as its
// comment (<data home>/mime/packages), a hidden desktop entry that opens the
// file with the program (<data home>/applications), the program as the type's
// default (<config home>/mimeapps.list, other lines kept), then the MIME and
// desktop databases are rebuilt by their tools when installed, started
// detached and not waited for. The first failing step ends the sequence.
// The type name is the registry's class key on Windows; here the MIME type
// given at construction names the type.
class FreedesktopFileAssociation final : public FileAssociation {
public:
    explicit FreedesktopFileAssociation(QString applicationName,
                                        QString mimeType = QString::fromLatin1(kVxcMimeType));

    [[nodiscard]] bool registerFileType(const QString &extension, const QString &typeName,
                                        const QString &applicationPath,
                                        const QString &description) override;

private:
    QString m_applicationName;
    QString m_mimeType;
};

// One argument of a desktop entry's Exec key: quoted when it holds a reserved
// character (blank, quote, backslash, $, ` and the shell's other specials),
// with ", `, $ and \ escaped inside the quotes; a literal % doubled.
[[nodiscard]] QString desktopExecArgument(const QString &argument);

// A text as a desktop entry's string value: backslash, newline, tab and
// carriage return as escapes.
[[nodiscard]] QString desktopStringValue(const QString &text);

// The shared-mime-info package defining `mimeType` for the glob `pattern`.
[[nodiscard]] QByteArray mimePackageXml(const QString &mimeType, const QString &pattern,
                                        const QString &comment);

// The hidden desktop entry that opens one file of `mimeType` with the program.
[[nodiscard]] QByteArray associationDesktopEntry(const QString &applicationName,
                                                 const QString &applicationPath,
                                                 const QString &mimeType);

} // namespace vexlor
