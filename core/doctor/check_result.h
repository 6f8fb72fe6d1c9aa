#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace vexlor {

// How one check of the connection doctor came out.
enum class CheckStatus {
    Ok,
    Warn, // works, but something may get in the way
    Fail, // the cable cannot work until this is fixed
    Skip, // does not apply here; the detail says why
};

// The checks, in the order they run and are reported.
namespace checks {
inline constexpr const char *kCable = "cable";
inline constexpr const char *kDriver = "driver";
inline constexpr const char *kAccess = "access";
inline constexpr const char *kBusy = "busy";
inline constexpr const char *kModemManager = "modemmanager";
inline constexpr const char *kBrltty = "brltty";
inline constexpr const char *kLatency = "latency";
inline constexpr const char *kSandbox = "sandbox";
inline constexpr const char *kController = "controller";
} // namespace checks

struct CheckResult {
    CheckStatus status = CheckStatus::Skip;
    QString check;  // one of checks::, never translated
    QString detail; // what was found, in the user's language
    QString fix;    // for warn and fail: the one fix that works; empty otherwise

    friend bool operator==(const CheckResult &, const CheckResult &) = default;
};

// "ok", "warn", "fail", "skip": the status as the report writes it.
[[nodiscard]] const char *statusName(CheckStatus status);

// Whether any check failed: what decides the doctor's exit code.
[[nodiscard]] bool anyFailed(const QList<CheckResult> &results);

// One line of the report: STATUS, CHECK, DETAIL and, when there is one, the
// fix, separated by tabs, with no tab or line break inside a field.
[[nodiscard]] QString reportLine(const CheckResult &result);

// The report as a JSON array of objects {status, check, detail, fix}, keys in
// English, fix null when there is none.
[[nodiscard]] QByteArray reportJson(const QList<CheckResult> &results);

// The report to paste into a request for help: every line, then the program
// (`program`, "vexlor-adjustor 1.35") with its Qt, and the system.
[[nodiscard]] QString reportWithVersions(const QList<CheckResult> &results, const QString &program);

} // namespace vexlor
