#pragma once

// Texts of the read and write transactions, shared by the window and the CLI.
namespace vexlor::texts {

// Label43, the activity label: "Busy" on red while frames are exchanged, "Idle" on lime.
inline constexpr const char *kBusy = "Busy";
inline constexpr const char *kIdle = "Idle";
// Label44, the result of the last transaction: "Pass" on lime, "Fail" on red.
inline constexpr const char *kPass = "Pass";
inline constexpr const char *kFail = "Fail";

inline constexpr const char *kErrorCaption = "Error";
inline constexpr const char *kCommunicationFailed = "Communication with controller failed!";
inline constexpr const char *kCommunicationInterrupted = "Communication with controller interrupted!";

inline constexpr const char *kNoticeCaption = "Notice";
inline constexpr const char *kStoreFailedNotice =
    "This error may be caused by controller MCU flash write protection. Please re-program .hex "
    "file to the controller with the write option bytes. Read Page 7 of "
    "ST-LINK_Installation_EN.pdf";
// Opened beside the executable after a failed store.
inline constexpr const char *kInstallationGuideFile = "ST-LINK_Installation_EN.pdf";

inline constexpr const char *kReadSucceeded = "Configuration of the controller was read successfully.";
inline constexpr const char *kReadCaption = "Read controller result";
inline constexpr const char *kWriteSucceeded =
    "Configuration of the controller was written successfully.";
inline constexpr const char *kWriteCaption = "Write controller result";

} // namespace vexlor::texts
