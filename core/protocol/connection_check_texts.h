#pragma once

// Texts of the connection check, shared by the window and the CLI. Its
// caption is the link's (link/link_texts.h), which the duplicate-device
// message shares.
namespace vexlor::texts {

// The OK text is kConnectionOkPrefix + version + kConnectionOkSuffix.
inline constexpr const char *kConnectionOkPrefix =
    "Connection to controller is OK!\nController software version: v";
inline constexpr const char *kConnectionOkSuffix =
    "\n\nWould you like to read the controller's configuration now?";
inline constexpr const char *kConnectionNotDetected = "Connection to controller is not detected!";

} // namespace vexlor::texts
