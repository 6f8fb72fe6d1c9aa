#pragma once

#include <QString>
#include <QUrl>

namespace vexlor {

// The address a distributor built in for Help > Technical Support (the CMake
// option VEXLOR_SUPPORT_URL, a mailto: or https: link); empty when none was.
[[nodiscard]] QString builtInSupportUrl();

// What Technical Support opens: `supportUrl` when it is set, else the user
// guide, looked up where the tool's other data files are (not in the current
// folder), whose "Getting help" section says where riders get help; the guide
// in `language` when there is one.
[[nodiscard]] QUrl supportTarget(const QString &supportUrl, const QString &language = {});

} // namespace vexlor
