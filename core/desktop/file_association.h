#pragma once

#include <QString>

namespace vexlor {

// Tells the desktop that files with an extension are the tool's documents and
// open with it. Written at every start; failures are quiet (the tool works
// without the association). A Windows backend would write the registry's
// class keys behind the same call.
class FileAssociation {
public:
    virtual ~FileAssociation() = default;

    // RegisterFileType: files ending in `extension` (".vxc") are of the type
    // `typeName`, described to the user as `description`, and opened by the
    // program at `applicationPath` with the file as its one parameter.
    // True when every part was registered.
    [[nodiscard]] virtual bool registerFileType(const QString &extension, const QString &typeName,
                                                const QString &applicationPath,
                                                const QString &description) = 0;
};

} // namespace vexlor
