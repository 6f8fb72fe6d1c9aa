#pragma once

#include "window_value_access.h"
#include "access_box.h"
#include "known_controller.h"
#include "basics/status_strip.h"
#include "basics/window_actions.h"
#include "pages/parameter_binding.h"

#include "link/device_state.h"
#include "params/number_text.h"
#include "params/parameter_snapshot.h"
#include "session/controller_comparison.h"
#include "session/controller_read.h"
#include "session/guarded_write.h"

#include <QObject>

#include <functional>
#include <optional>

namespace vexlor {

class BackupStore;
class ControllerSession;
class InputRules;
class MessageBoxes;
class ParameterBinding;
class RoadClassOptions;
class SafetyDialogs;
class ShellOpener;
class WriteSafetyOptions;
struct ConnectionCheckResult;
struct UserMessage;

// The window's side of the controller: gives the session the commands the
// user gives (start-up, the device watch, the connection test, read, write
// with its backup and check, the comparison, closing) and shows what it
// reports in the status strip, in boxes and in the comparison's dialogs.
// A write breaking the chosen road class is asked about first; the
// fingerprint of what the controller holds is shown after a read, a write
// and a comparison. Nothing here waits: every exchange ends in a signal.
class ControllerCommands : public QObject {
    Q_OBJECT
public:
    // Where the commands show what the session reports: the status strip,
    // and the link commands, off while an exchange runs.
    struct View {
        StatusStrip strip;
        LinkActions actions;
    };
    using Values = WindowValueAccess;
    // What a write answers to: the backup and check options, the road class
    // it must not break, and where its backups go.
    struct WriteGuards {
        const WriteSafetyOptions &options;
        const RoadClassOptions &roadClass;
        BackupStore &backups;
    };
    // The desktop: boxes, the safety dialogs and the shell that opens the
    // cable's installation guide.
    struct Desktop {
        MessageBoxes &boxes;
        SafetyDialogs &dialogs;
        ShellOpener &shell;
    };

    // Everything must outlive the commands. `numberFormat` is the user's:
    // values are sent and read back in it.
    ControllerCommands(ControllerSession &session, View view, Values values, WriteGuards guards,
                       Desktop desktop, NumberFormat numberFormat, QObject *parent = nullptr);
    ~ControllerCommands() override;

    // Discover, close, settle, bridge line high, open, show the device state;
    // then the device watch every two seconds until closing. Runs on by
    // itself; the window goes on with its other start-up steps.
    void startUp();

    // Closing: close the port, 200 ms later drop the bridge line, then
    // released(). Every exchange still running is abandoned without a box.
    void release();
    [[nodiscard]] bool isReleased() const;

    // The controller's software version once a test or a read found it ("1-35").
    [[nodiscard]] const QString &controllerVersion() const { return m_known.version(); }

    // The box for a port refused for lack of permission says what `advisor`
    // finds; without one, or where it finds nothing to fix, the link's text.
    void setAccessAdvisor(AccessAdvisor advisor) { m_accessAdvisor = std::move(advisor); }

    // Asked before a read replaces the window's values: false stops the read
    // (the user kept unsaved changes).
    void setReplaceGuard(std::function<bool()> mayReplaceValues)
    {
        m_mayReplaceValues = std::move(mayReplaceValues);
    }

public slots:
    void testConnection();
    // Read, write and compare encode the window's values and start the
    // exchange; a value that cannot be sent stops it with the standard error
    // box before anything is sent. A write backs up and checks as the options
    // say; a comparison reads the controller beside the window and offers to
    // load its values or write the window's.
    void readController();
    void writeController();
    void compareWithController();

signals:
    // The port is closed and the bridge line low: the window may go.
    void released();
    // The user took a box's offer to see why the cable does not work.
    void connectionDoctorWanted();
    // A read or a write passed: the controller holds `values`, the window's.
    void valuesMatchController(const ParameterSnapshot &values);

private:
    // The window's values as a write would send them.
    struct WindowValues {
        ParameterSnapshot snapshot;
        std::array<quint16, kProtocolItemCount> values{};
    };

    void connectSession();
    void connectCommands();
    [[nodiscard]] std::optional<WindowValues> takeWindowValues();
    // The units the window shows speeds in, for what it reports.
    [[nodiscard]] SpeedUnits speedUnits() const { return m_values.binding.speedUnits(); }
    void showDeviceState(DeviceState state);
    void showDuplicateDevice(const UserMessage &message);
    void showAccessRefused(const UserMessage &message);
    void onExchangeStarted();
    void beginExchange(int frames);
    void onReadFinished(const TransactionOutcome &outcome);
    void onWriteFinished(const GuardedWriteOutcome &outcome);
    void onComparisonFinished(const ComparisonOutcome &outcome);
    void onConnectionChecked(const ConnectionCheckResult &result);
    // Label44 and, after `report` on a failure, "Idle" with the link commands back.
    void finishExchange(bool passed, std::function<void()> report);
    void showIdle();
    void setLinkCommandsEnabled(bool enabled);
    // Shows a box once the current signal has run to its end, as the event
    // loop's own work, unless the window is closing by then.
    void later(std::function<void()> show);
    void showOutcome(const TransactionOutcome &outcome);
    void showMessage(const UserMessage &message);
    // An error box that also offers the connection doctor.
    void showErrorOfferingDoctor(const UserMessage &message);
    void openInstallationGuide();

    ControllerSession &m_session;
    const WriteSafetyOptions &m_options;
    const RoadClassOptions &m_roadClass;
    const NumberFormat m_numberFormat;
    ControllerRead m_read;
    GuardedWrite m_write;
    ControllerComparison m_comparison;
    StatusStrip m_strip;
    KnownController m_known{m_strip.fingerprint};
    ParameterValues m_written{};  // what the running write sends
    ParameterSnapshot m_writtenSnapshot; // the window's values it sends them from
    ParameterValues m_compared{}; // the window's values the running comparison compares
    LinkActions m_actions;
    Values m_values;
    Desktop m_desktop;
    AccessAdvisor m_accessAdvisor;
    std::function<bool()> m_mayReplaceValues;
    bool m_releasing = false;
    // The user's own connection test runs; another's (the doctor's) shows no box.
    bool m_testRequested = false;
};

} // namespace vexlor
