#pragma once

#include "translation.h"

// Texts of the read and write transactions, shared by the window and the CLI;
// translation context "Transactions".
namespace vexlor::texts {

// Label43, the activity label: "Busy" on red while frames are exchanged, "Idle" on lime.
//: status strip, 34 pixels wide: frames are being exchanged with the controller
inline constexpr const char *kBusy = QT_TRANSLATE_NOOP("Transactions", "Busy");
//: status strip, 34 pixels wide: nothing is being exchanged
inline constexpr const char *kIdle = QT_TRANSLATE_NOOP("Transactions", "Idle");
// Label44, the result of the last transaction: "Pass" on lime, "Fail" on red.
//: status strip, 38 pixels wide: the last read or write succeeded
inline constexpr const char *kPass = QT_TRANSLATE_NOOP("Transactions", "Pass");
//: status strip, 38 pixels wide: the last read or write failed
inline constexpr const char *kFail = QT_TRANSLATE_NOOP("Transactions", "Fail");

inline constexpr const char *kErrorCaption = QT_TRANSLATE_NOOP("Transactions", "Error");
inline constexpr const char *kCommunicationFailed =
    QT_TRANSLATE_NOOP("Transactions", "Communication with controller failed!");
inline constexpr const char *kCommunicationInterrupted =
    QT_TRANSLATE_NOOP("Transactions", "Communication with controller interrupted!");

inline constexpr const char *kNoticeCaption = QT_TRANSLATE_NOOP("Transactions", "Notice");
//: %1 the programming guide's file name, ST-LINK_Installation_EN.pdf
inline constexpr const char *kStoreFailedNotice = QT_TRANSLATE_NOOP(
    "Transactions",
    "This error may be caused by controller MCU flash write protection. Please re-program .hex "
    "file to the controller with the write option bytes. Read Page 7 of %1");
// Opened beside the executable after a failed store; a file name, not translated.
inline constexpr const char *kInstallationGuideFile = "ST-LINK_Installation_EN.pdf";

inline constexpr const char *kReadSucceeded =
    QT_TRANSLATE_NOOP("Transactions", "Configuration of the controller was read successfully.");
inline constexpr const char *kReadCaption = QT_TRANSLATE_NOOP("Transactions", "Read controller result");
inline constexpr const char *kWriteSucceeded =
    QT_TRANSLATE_NOOP("Transactions", "Configuration of the controller was written successfully.");
inline constexpr const char *kWriteCaption =
    QT_TRANSLATE_NOOP("Transactions", "Write controller result");

} // namespace vexlor::texts

namespace vexlor {

// A text of this header as the user reads it.
[[nodiscard]] inline QString transactionText(const char *text)
{
    return translated("Transactions", text);
}

// The notice after a failed store, naming the programming guide.
[[nodiscard]] inline QString storeFailedNotice()
{
    return transactionText(texts::kStoreFailedNotice)
        .arg(QString::fromLatin1(texts::kInstallationGuideFile));
}

} // namespace vexlor
