#pragma once

#include "translation.h"

// Texts of the settings sheet; translation context "SettingsSheet". The
// sheet's group titles are the window's own ("MainWindow"), its check the
// road check's ("RoadCheck").
namespace vexlor::texts {

inline constexpr const char *kSheetTitle = QT_TRANSLATE_NOOP("SettingsSheet", "Settings Sheet");
//: %1 the configuration file's name, "bike.vxc"
inline constexpr const char *kSheetDocument = QT_TRANSLATE_NOOP("SettingsSheet", "Document: %1");
inline constexpr const char *kSheetNoDocument =
    QT_TRANSLATE_NOOP("SettingsSheet", "Document: not saved to a file");
//: in place of the document's name when the values were changed after it was opened or saved
inline constexpr const char *kSheetWindowValues =
    QT_TRANSLATE_NOOP("SettingsSheet", "Values: the window's, not saved to a file");
//: %1 the path of a file that is not a PDF, such as a configuration
inline constexpr const char *kSheetNotPdf =
    QT_TRANSLATE_NOOP("SettingsSheet", "%1 is not a PDF file, and a settings sheet replaces no other file. "
                                       "Choose another name.");
//: %1 the date in the user's language
inline constexpr const char *kSheetDate = QT_TRANSLATE_NOOP("SettingsSheet", "Date: %1");
//: %1 the tool's name and version, "Vexlor Adjustor 1.35"
inline constexpr const char *kSheetTool = QT_TRANSLATE_NOOP("SettingsSheet", "Made with: %1");
//: %1 the controller's software version such as 1-35, after the letter v
inline constexpr const char *kSheetControllerVersion =
    QT_TRANSLATE_NOOP("SettingsSheet", "Controller software version: v%1");
//: %1 the units speeds are shown in: "Metric (km/h)" or "Imperial (mph)"
inline constexpr const char *kSheetUnits = QT_TRANSLATE_NOOP("SettingsSheet", "Units: %1");
//: a short mark of the whole configuration, such as 3F2A-91C0, shown above it
inline constexpr const char *kSheetFingerprint = QT_TRANSLATE_NOOP("SettingsSheet", "Fingerprint");
//: the title of a bar chart of the nine assist levels' limits, in percent
inline constexpr const char *kSheetAssistLevels = QT_TRANSLATE_NOOP("SettingsSheet", "Assist levels");
inline constexpr const char *kSheetRoadCheck = QT_TRANSLATE_NOOP("SettingsSheet", "Road class check");
//: under the line where the bike shop signs
inline constexpr const char *kSheetShopSignature =
    QT_TRANSLATE_NOOP("SettingsSheet", "Bike shop: date and signature");
//: under the line where the customer signs
inline constexpr const char *kSheetCustomerSignature =
    QT_TRANSLATE_NOOP("SettingsSheet", "Customer: date and signature");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString sheetText(const char *text)
{
    return translated("SettingsSheet", text);
}

} // namespace vexlor
