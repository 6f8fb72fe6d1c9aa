#pragma once

#include <QtGlobal>

// The register's messages, context "Register", shown by the window's status
// strip, its History and the CLI.
namespace vexlor::texts {

//: %1 why the operation was not recorded (one of the texts below, or the database's own)
inline constexpr const char *kNotRecorded = QT_TRANSLATE_NOOP("Register", "Not recorded in the register: %1");
//: the program was built without the database module; Qt SQL is the name of that module
inline constexpr const char *kNoRegisterInBuild =
    QT_TRANSLATE_NOOP("Register", "this build keeps no register (it was made without Qt SQL).");
//: %1 the register's path, %2 the database's reason
inline constexpr const char *kCannotOpen = QT_TRANSLATE_NOOP("Register", "%1 cannot be opened: %2");
//: %1 the register's path, %2 the database's reason
inline constexpr const char *kCannotWrite = QT_TRANSLATE_NOOP("Register", "%1 cannot be written: %2");
//: %1 the register's path, %2 the database's reason
inline constexpr const char *kCannotRead = QT_TRANSLATE_NOOP("Register", "%1 cannot be read: %2");
//: %1 the register's path, %2 the schema version in the file, %3 the newest this version knows
inline constexpr const char *kNewerSchema = QT_TRANSLATE_NOOP(
    "Register", "%1 was made by a newer version of the tool (schema %2, this one knows %3).");

} // namespace vexlor::texts
