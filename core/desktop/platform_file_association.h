#pragma once

#include "file_association.h"

#include <QString>
#include <QtGlobal>

#include <memory>

#ifdef Q_OS_WIN
#include "registry_file_association.h"
#else
#include "freedesktop_file_association.h"
#endif

namespace vexlor {

// The desktop's file association on the platform the program is built for:
// the registry's classes of the current user on Windows, the freedesktop
// files elsewhere. `applicationName` is what a freedesktop menu shows.
[[nodiscard]] inline std::unique_ptr<FileAssociation>
makePlatformFileAssociation(const QString &applicationName)
{
#ifdef Q_OS_WIN
    Q_UNUSED(applicationName);
    return std::make_unique<RegistryFileAssociation>();
#else
    return std::make_unique<FreedesktopFileAssociation>(applicationName);
#endif
}

} // namespace vexlor
