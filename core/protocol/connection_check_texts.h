#pragma once

#include "translation.h"

// Texts of the connection check, shared by the window and the CLI;
// translation context "ConnectionCheck". Its caption is the link's
// (link/link_texts.h), which the duplicate-device message shares.
namespace vexlor::texts {

// The window's question after a good check; %1 is the version, "1-35".
//: %1 the controller's software version such as 1-35, after the letter v
inline constexpr const char *kConnectionOkQuestion = QT_TRANSLATE_NOOP(
    "ConnectionCheck", "Connection to controller is OK!\nController software version: v%1\n\n"
                       "Would you like to read the controller's configuration now?");
// The command line's report of a good check, without the question.
//: %1 the controller's software version such as 1-35, after the letter v
inline constexpr const char *kConnectionOkReport = QT_TRANSLATE_NOOP(
    "ConnectionCheck", "Connection to controller is OK!\nController software version: v%1");
inline constexpr const char *kConnectionNotDetected =
    QT_TRANSLATE_NOOP("ConnectionCheck", "Connection to controller is not detected!");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString connectionCheckText(const char *text)
{
    return translated("ConnectionCheck", text);
}

} // namespace vexlor
