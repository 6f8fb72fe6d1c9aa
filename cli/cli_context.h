#pragma once

#include "params/number_text.h"
#include "params/parameter_comparison.h"
#include "params/parameter_snapshot.h"
#include "params/speed_units.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTextStream>

#include <optional>

namespace vexlor {
class ControllerSession;
class PortLister;
class SystemView;
} // namespace vexlor

namespace vexlor::cli {

// What vexlor-cli returns to the shell.
// No fixed underlying type: lupdate loses track of the classes after one.
enum ExitCode {
    kExitDone = 0,        // the command did what was asked
    kExitLinkFailure = 1, // the controller or the link failed
    kExitDifferent = 1,   // diff only, as diff(1): the files differ
    kExitBadInput = 2,    // bad usage, a bad file or a value that cannot be sent
    kExitSomeDiffer = 3,  // compare only: the controller holds other values than the file
    kExitBreaksClass = 3, // check only: the file breaks the road class (or, strict, looks implausible)
};

// "Usage: vexlor-cli <synopsis>".
[[nodiscard]] QString usageText(const char *synopsis);

// The controller side as main builds it: the system's port list, the
// session on the real serial port and the system the doctor reads. All
// outlive every command.
struct ControllerAccess {
    const PortLister &lister;
    ControllerSession &session;
    QString portOverride; // --port DEVICE, else VEXLOR_PORT; empty for the scan
    const SystemView &system; // what the connection doctor reads
};

// A file over the initial state, and the sixty values a write sends for it.
struct EncodedState {
    ParameterSnapshot snapshot;
    ParameterValues values{};
};

// Everything a command needs besides its own arguments: the global options,
// the user's number format, the controller, the output streams, and the
// shared ways of getting a parameter set in and out.
class CliContext {
public:
    // `language` is the code of the language the messages are in ("en", "de").
    CliContext(ControllerAccess controller, bool limitMaxSpeed, NumberFormat format,
               QString language = QStringLiteral("en"));

    [[nodiscard]] const QString &portOverride() const { return m_controller.portOverride; }
    [[nodiscard]] const PortLister &portLister() const { return m_controller.lister; }
    [[nodiscard]] ControllerSession &session() { return m_controller.session; }
    [[nodiscard]] const SystemView &system() const { return m_controller.system; }
    [[nodiscard]] bool limitMaxSpeed() const { return m_limitMaxSpeed; } // false with --no-speed-limit
    [[nodiscard]] NumberFormat numberFormat() const { return m_format; }
    [[nodiscard]] const QString &language() const { return m_language; }
    // The units speeds are printed in (--units); files and the controller keep km/h.
    [[nodiscard]] SpeedUnits speedUnits() const { return m_speedUnits; }
    void setSpeedUnits(SpeedUnits units) { m_speedUnits = units; }

    [[nodiscard]] QTextStream &out() { return m_out; }
    [[nodiscard]] QTextStream &err() { return m_err; }

    // Prints the message on stderr and returns `code`, so a command can
    // `return ctx.fail(kExitBadInput, message);`.
    int fail(int code, const QString &message);
    // "Usage: vexlor-cli <synopsis>" on stderr; returns kExitBadInput.
    int usage(const char *synopsis);

    // The window's initial state: the shipped default.vxc read over the
    // built-in defaults, as New does, with "Limit max speed" from the options.
    // On failure the reader's message is on stderr and nullopt returned.
    [[nodiscard]] std::optional<ParameterSnapshot> initialState();

    // The initial state with the .vxc file at `path` applied, as the window's
    // Open would; nullopt (message on stderr) when either file is bad.
    [[nodiscard]] std::optional<ParameterSnapshot> stateWithFile(const QString &path);
    // The initial state, and the one with the file at `path` applied,
    // encoded as a write would send them; nullopt (the message on stderr)
    // when a file is bad or a value cannot be sent.
    [[nodiscard]] std::optional<EncodedState> encodedInitialState();
    [[nodiscard]] std::optional<EncodedState> encodedStateWithFile(const QString &path);

    // Writes a snapshot as a .vxc file to `path`, or to stdout when path is
    // empty or "-". False (message on stderr) when the file cannot be written.
    [[nodiscard]] bool saveSnapshot(const ParameterSnapshot &snapshot, const QString &path);

    // Raw bytes to stdout, in order with what went through out().
    [[nodiscard]] bool writeStdout(const QByteArray &bytes);

private:
    [[nodiscard]] bool applyFile(ParameterSnapshot &snapshot, const QString &path);
    [[nodiscard]] std::optional<EncodedState> encoded(const std::optional<ParameterSnapshot> &snapshot);

    ControllerAccess m_controller;
    bool m_limitMaxSpeed = true;
    NumberFormat m_format;
    QString m_language;
    SpeedUnits m_speedUnits = SpeedUnits::Metric;
    QFile m_stdout;
    QFile m_stderr;
    QTextStream m_out;
    QTextStream m_err;
};

} // namespace vexlor::cli
