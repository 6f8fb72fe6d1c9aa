#pragma once

// Texts of parameter comparisons (compare with the controller, verify after a
// write, restore), for the window and the CLI. Plain English for now; each is
// a translatable user text.
namespace vexlor::texts {

// A check box's state in a list of values, where a tick cannot be drawn.
inline constexpr const char *kTicked = "On";
inline constexpr const char *kCleared = "Off";

} // namespace vexlor::texts
