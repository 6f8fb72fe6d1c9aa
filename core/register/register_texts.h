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


// The shop's server, one register for all its benches.
//: %1 what was given; keep postgresql://USER@HOST[:PORT]/DB as it is
inline constexpr const char *kNotAServer =
    QT_TRANSLATE_NOOP("Register", "%1 names no shop server: give postgresql://USER@HOST[:PORT]/DB.");
//: %1 the address with the password left out; keep ~/.pgpass and PGPASSWORD as they are
inline constexpr const char *kPasswordInAddress = QT_TRANSLATE_NOOP(
    "Register", "%1 carries a password, which is never taken from there: give the address without it and "
                "put the password in ~/.pgpass or PGPASSWORD.");
//: QPSQL is the name of Qt's PostgreSQL driver
inline constexpr const char *kServerNotInBuild = QT_TRANSLATE_NOOP(
    "Register", "the shop server is not available in this build (Qt's PostgreSQL driver QPSQL is missing).");
//: %1 why the server cannot be reached now (naming it)
inline constexpr const char *kWaitsLocally = QT_TRANSLATE_NOOP(
    "Register", "Recorded on this bench; it goes to the shop server once it can be reached: %1");
//: %1 the server's address
inline constexpr const char *kReadFromServer = QT_TRANSLATE_NOOP("Register", "The shop's register on %1.");
//: %1 why the server cannot be reached
inline constexpr const char *kReadLocally = QT_TRANSLATE_NOOP(
    "Register", "Only this bench's records: the shop server cannot be reached. %1");

} // namespace vexlor::texts
