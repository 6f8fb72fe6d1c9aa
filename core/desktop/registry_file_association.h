#pragma once

#include "file_association.h"

#include <QString>

namespace vexlor {

// The association for the current user in the Windows registry, under
// HKEY_CURRENT_USER\<classesKey> (Software\Classes, which needs no
// administrator rights and which Windows merges into HKEY_CLASSES_ROOT):
//
//   <typeName>                        = description
//   <typeName>\shell\open\command     = "<application>" "%1"
//   <extension>                       = typeName
//   <extension>\OpenWithProgids       has the value typeName
//
// Another program's choice is never overridden: an extension whose default
// names another type keeps it (this program is only added to its "Open with"
// list), and a type key of the same name whose command starts another program
// is left alone, so nothing is written. What the user chose in Explorer's
// "Open with" dialog lives elsewhere (Explorer's UserChoice key) and is never
// touched. A copy of this program moved elsewhere takes the command over.
class RegistryFileAssociation final : public FileAssociation {
public:
    explicit RegistryFileAssociation(QString classesKey = QStringLiteral("Software\\Classes"));

    // True when the type is registered and the extension opens with it.
    [[nodiscard]] bool registerFileType(const QString &extension, const QString &typeName,
                                        const QString &applicationPath,
                                        const QString &description) override;

private:
    QString m_classesKey;
};

// The open command for the program at `applicationPath`: its native path,
// in quotation marks when it holds a blank, then a blank and "%1" in
// quotation marks.
[[nodiscard]] QString openCommand(const QString &applicationPath);

// The program an open command starts (its first word, without quotation
// marks).
[[nodiscard]] QString commandProgram(const QString &command);

} // namespace vexlor
