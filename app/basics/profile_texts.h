#pragma once

#include "translation.h"

#include <QString>

// The window's texts of the profiles: configurations kept under a name with a
// note (File > Profiles, File > Save as Profile…). Translation context
// "Profiles", shared with the store's own refusals (backups/profile_store.h).
namespace vexlor::texts {

// Menu items.
//: File > Profiles: the submenu listing the configurations kept under a name
inline constexpr const char *kProfilesMenu = QT_TRANSLATE_NOOP("Profiles", "Pro&files");
inline constexpr const char *kSaveAsProfileItem = QT_TRANSLATE_NOOP("Profiles", "Save as Profi&le…");
//: File > Profiles while there is none
inline constexpr const char *kNoProfiles = QT_TRANSLATE_NOOP("Profiles", "No Profiles Yet");

// The dialog of File > Save as Profile….
inline constexpr const char *kSaveProfileTitle = QT_TRANSLATE_NOOP("Profiles", "Save as Profile");
inline constexpr const char *kProfileNameField = QT_TRANSLATE_NOOP("Profiles", "&Name:");
inline constexpr const char *kProfileNoteField = QT_TRANSLATE_NOOP("Profiles", "N&ote:");
//: under the fields of the profile dialog
inline constexpr const char *kProfileHint = QT_TRANSLATE_NOOP(
    "Profiles", "The window's values are kept under this name, for example for a battery or a bike "
                "model; File > Profiles puts them back into the window.");
//: %1 the profile's name
inline constexpr const char *kReplaceProfile =
    QT_TRANSLATE_NOOP("Profiles", "A profile named \"%1\" exists already. Replace it?");

[[nodiscard]] inline QString profileText(const char *source)
{
    return translated("Profiles", source);
}

} // namespace vexlor::texts
