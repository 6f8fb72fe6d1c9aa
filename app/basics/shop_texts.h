#pragma once

#include "translation.h"

#include <QString>

// The window's texts of what a bike shop needs to hand a bike back: the road
// class, its check, the fingerprint and the settings sheet (the texts they
// share with the CLI and the sheet are in road/road_texts.h). Translation
// context "Shop".
namespace vexlor::texts {

// Menu items.
//: Connect > Road Class: the submenu of legal classes writes are checked against
inline constexpr const char *kRoadClassMenu = QT_TRANSLATE_NOOP("Shop", "Roa&d Class");
//: Connect > Road Class > None: writes are checked against no class
inline constexpr const char *kNoRoadClassItem = QT_TRANSLATE_NOOP("Shop", "&None");
//: the check dialog's choice of no road class
inline constexpr const char *kNoRoadClass = QT_TRANSLATE_NOOP("Shop", "None");
inline constexpr const char *kCheckRoadClassItem = QT_TRANSLATE_NOOP("Shop", "C&heck Road Class…");
inline constexpr const char *kExportSheetItem = QT_TRANSLATE_NOOP("Shop", "Ex&port Settings Sheet…");

// The check dialog.
inline constexpr const char *kCheckTitle = QT_TRANSLATE_NOOP("Shop", "Check Road Class");
inline constexpr const char *kRoadClassField = QT_TRANSLATE_NOOP("Shop", "&Road class:");
inline constexpr const char *kTireField = QT_TRANSLATE_NOOP("Shop", "&Tire:");
//: under the tire field; keep 57-584, 26x2.1, 29x2.6 and 700x38c as they are
inline constexpr const char *kTireHint = QT_TRANSLATE_NOOP(
    "Shop", "The tire's ETRTO size, width and bead seat diameter in millimetres (57-584), a common "
            "size such as 26x2.1, or the size printed on it in inches or French, such as 29x2.6 or "
            "700x38c. Without a tire the wheel perimeter is not checked.");

// Asking before a write that breaks the chosen class, alone or with values
// beyond the fields' limits (then the limits' title stands).
inline constexpr const char *kClassBrokenTitle = QT_TRANSLATE_NOOP("Shop", "Road Class Not Kept");

// The fingerprint in the status strip and in the comparison.
//: in the status strip: %1 the fingerprint of the controller's settings, such as 3F2A-91C0
inline constexpr const char *kFingerprintStatus = QT_TRANSLATE_NOOP("Shop", "Fingerprint %1");
//: the status strip's fingerprint label as a screen reader names it
inline constexpr const char *kFingerprintName = QT_TRANSLATE_NOOP("Shop", "Fingerprint");
//: in the comparison: %1 the fingerprint of the window's settings, %2 the controller's
inline constexpr const char *kComparisonFingerprints =
    QT_TRANSLATE_NOOP("Shop", "Fingerprint of the window's settings: %1\nFingerprint of the controller's settings: %2");

// Exporting the settings sheet.
inline constexpr const char *kSheetDialogTitle = QT_TRANSLATE_NOOP("Shop", "Export Settings Sheet");
//: the file dialog's filter; keep "(*.pdf)" as it is
inline constexpr const char *kSheetFilter = QT_TRANSLATE_NOOP("Shop", "PDF Documents (*.pdf)");
//: in the status strip once the sheet is written: %1 the sheet's full path
inline constexpr const char *kSheetSaved = QT_TRANSLATE_NOOP("Shop", "Settings sheet saved to %1");
//: in the status strip when the sheet is written but no program opens PDF files: %1 its full path
inline constexpr const char *kSheetSavedNoViewer =
    QT_TRANSLATE_NOOP("Shop", "No PDF viewer could be started; settings sheet saved to %1");

// A text of this header as the window shows it, in the user's language.
[[nodiscard]] inline QString shopText(const char *source)
{
    return translated("Shop", source);
}

} // namespace vexlor::texts
