#include "controller_commands.h"

#include "road_class_options.h"
#include "shell_opener.h"
#include "write_safety_options.h"
#include "write_warnings.h"
#include "dialogs/difference_table.h"
#include "dialogs/message_boxes.h"
#include "dialogs/safety_dialogs.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"
#include "basics/program_info.h"
#include "basics/window_texts.h"

#include "files/data_files.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "params/settings_fingerprint.h"
#include "protocol/transaction_texts.h"
#include "session/controller_session.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QUrl>

#include <utility>

namespace vexlor {
namespace {

// The button of the boxes that offer the connection doctor, as Help names it.
QString doctorOffer()
{
    return WindowTexts::tr("Connection Doctor…");
}

} // namespace

ControllerCommands::ControllerCommands(ControllerSession &session, View view, Values values,
                                       WriteGuards guards, Desktop desktop,
                                       NumberFormat numberFormat, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_options(guards.options)
    , m_roadClass(guards.roadClass)
    , m_numberFormat(numberFormat)
    , m_read(session, numberFormat)
    , m_write(session, guards.backups, numberFormat)
    , m_comparison(session, numberFormat)
    , m_strip(view.strip)
    , m_actions(view.actions)
    , m_values(values)
    , m_desktop(desktop)
{
    connectSession();
    connectCommands();
}

ControllerCommands::~ControllerCommands() = default;

void ControllerCommands::connectSession()
{
    ControllerSession *s = &m_session;
    connect(s, &ControllerSession::deviceStateChanged, this, &ControllerCommands::showDeviceState);
    connect(s, &ControllerSession::duplicateDeviceReport, this,
            &ControllerCommands::showDuplicateDevice);
    connect(s, &ControllerSession::accessRefused, this, &ControllerCommands::showAccessRefused);
    connect(s, &ControllerSession::connectionCheckStarted, this,
            &ControllerCommands::onExchangeStarted);
    connect(s, &ControllerSession::connectionChecked, this, &ControllerCommands::onConnectionChecked);
    connect(s, &ControllerSession::released, this, &ControllerCommands::released);
}

void ControllerCommands::connectCommands()
{
    // A read puts each value into its control as it arrives, with the side
    // effects the user's own change would have.
    connect(&m_read, &ControllerRead::valueDecoded, this,
            [this](const ControlAssignment &assignment) { m_values.binding.apply(assignment); });
    connect(&m_read, &ControllerRead::valueReceived, this,
            [this](int index, quint16 value) { m_known.take(index, value); });
    connect(&m_read, &ControllerRead::finished, this, &ControllerCommands::onReadFinished);
    connect(&m_write, &GuardedWrite::finished, this, &ControllerCommands::onWriteFinished);
    connect(&m_comparison, &ControllerComparison::finished, this,
            &ControllerCommands::onComparisonFinished);
    for (const SessionCommand *command : std::initializer_list<const SessionCommand *>{
             &m_read, &m_write, &m_comparison})
        connect(command, &SessionCommand::progress, m_strip.progress, &QProgressBar::setValue);
}

// ---- start-up and the device monitor ----------------------------------------

void ControllerCommands::startUp()
{
    m_session.startUp();
    m_session.watchDevice();
}

void ControllerCommands::showDeviceState(DeviceState state)
{
    setStatusLabel(m_strip.linkState, deviceStateText(state),
                   state == DeviceState::Connected ? kLime : kRed);
}

void ControllerCommands::showDuplicateDevice(const UserMessage &message)
{
    // Without waiting: the monitor's tick must return, and the session raises
    // no second report until this one is closed, so ticks never stack boxes.
    QPointer<ControllerSession> session(&m_session);
    m_desktop.boxes.showError(message.caption, message.text, [session] {
        if (session)
            session->duplicateReportClosed();
    });
}

void ControllerCommands::showAccessRefused(const UserMessage &message)
{
    // Without waiting, as the duplicate report; the session raises it once
    // per connect cycle, so ticks never stack it. Label15 says "Device Lost".
    QPointer<ControllerCommands> self(this);
    const auto offerTaken = [self] {
        if (self)
            emit self->connectionDoctorWanted();
    };
    // What the doctor finds for this very node: a pseudo-terminal or a
    // built-in port needs another fix than the cable.
    const QString path = m_session.portPath();
    const CheckResult access = m_accessAdvisor ? m_accessAdvisor(path) : CheckResult{};
    if (access.status == CheckStatus::Fail) {
        m_desktop.boxes.showLaidOutErrorWithOffer(
            message.caption, accessBoxText(inputForMessage(path), access), doctorOffer(), offerTaken);
        return;
    }
    m_desktop.boxes.showErrorWithOffer(message.caption, message.text, doctorOffer(), offerTaken);
}

// ---- connection test --------------------------------------------------------

void ControllerCommands::testConnection()
{
    // Refused while an exchange runs.
    if (!m_releasing && m_session.checkConnection() == ExchangeStart::Started)
        m_testRequested = true;
}

void ControllerCommands::onConnectionChecked(const ConnectionCheckResult &result)
{
    setLinkCommandsEnabled(true);
    if (result.ok)
        m_known.setVersion(result.versionText);
    if (!std::exchange(m_testRequested, false))
        return; // the connection doctor's, which shows it itself
    later([this, result] {
        if (!result.ok) {
            showErrorOfferingDoctor(result.message);
            return;
        }
        // Yes reads the configuration exactly as the Read command does.
        if (m_desktop.boxes.question(result.message.caption, result.message.text))
            readController();
    });
}

// ---- read, write and compare -------------------------------------------------

void ControllerCommands::readController()
{
    const auto window = takeWindowValues();
    if (!window || (m_mayReplaceValues && !m_mayReplaceValues()))
        return;
    beginExchange(kProtocolItemCount);
    if (m_read.start(window->values) != ExchangeStart::Started)
        showIdle();
}

void ControllerCommands::writeController()
{
    const auto window = takeWindowValues();
    if (!window)
        return;
    const WriteWarnings warnings = writeWarnings(window->snapshot, window->values, m_roadClass.current(),
                                                 m_roadClass.tire(m_numberFormat), m_numberFormat, speedUnits());
    if (!warnings.isEmpty() && !m_desktop.dialogs.confirmWriteAnyway(warnings))
        return;
    m_written = window->values;
    m_writtenSnapshot = window->snapshot;
    const WriteSafety safety = m_options.current();
    // "Busy" before the first frame goes out; the bar spans every phase.
    beginExchange(GuardedWrite::totalFrames(safety));
    if (m_write.start(window->snapshot, window->values, safety) != ExchangeStart::Started)
        showIdle();
}

void ControllerCommands::compareWithController()
{
    const auto window = takeWindowValues();
    if (!window)
        return;
    m_compared = window->values;
    beginExchange(kProtocolItemCount);
    if (m_comparison.start(window->values) != ExchangeStart::Started)
        showIdle();
}

std::optional<ControllerCommands::WindowValues> ControllerCommands::takeWindowValues()
{
    if (m_releasing || m_session.isBusy())
        return std::nullopt;
    // The value being edited is bounded first, as leaving its field would.
    if (!m_values.rules.applyPendingRules())
        return std::nullopt;
    // All sixty values are taken now: edits made while the frames go out do
    // not reach them. A value that cannot be sent stops everything here.
    WindowValues window{m_values.binding.snapshot(), {}};
    const EncodedSet set = encodeAll(window.snapshot, m_numberFormat);
    if (!set.ok()) {
        m_desktop.boxes.standardError(set.error);
        return std::nullopt;
    }
    window.values = set.values;
    return window;
}

void ControllerCommands::beginExchange(int frames)
{
    m_strip.progress->setMaximum(frames);
    setStatusLabel(m_strip.activity, transactionText(texts::kBusy), kRed);
    onExchangeStarted();
}

void ControllerCommands::onExchangeStarted()
{
    // One exchange at a time: the link has one reply state.
    setLinkCommandsEnabled(false);
}

void ControllerCommands::onReadFinished(const TransactionOutcome &outcome)
{
    m_known.readFinished(outcome.passed);
    if (outcome.passed)
        emit valuesMatchController(m_values.binding.snapshot());
    finishExchange(outcome.passed, [this, outcome] { showOutcome(outcome); });
}

void ControllerCommands::onWriteFinished(const GuardedWriteOutcome &outcome)
{
    if (outcome.outcome.passed) {
        m_known.holds(m_written);
        emit valuesMatchController(m_writtenSnapshot);
    } else {
        m_known.forget();
    }
    if (!outcome.differences.isEmpty()) {
        const QList<DifferenceRow> rows = differenceRows(outcome.differences, m_numberFormat, speedUnits());
        finishExchange(false, [this, rows] { m_desktop.dialogs.showVerifyFailure(rows); });
        return;
    }
    finishExchange(outcome.outcome.passed, [this, o = outcome.outcome] { showOutcome(o); });
}

void ControllerCommands::onComparisonFinished(const ComparisonOutcome &outcome)
{
    if (!outcome.outcome.passed) {
        m_known.forget();
        finishExchange(false, [this, o = outcome.outcome] { showOutcome(o); });
        return;
    }
    m_known.take(0, outcome.controllerValues[0]);
    m_known.holds(outcome.controllerValues);
    const FingerprintPair fingerprints{settingsFingerprint(m_compared),
                                       settingsFingerprint(outcome.controllerValues)};
    finishExchange(true, [this, outcome, fingerprints] {
        switch (m_desktop.dialogs.showComparison(differenceRows(outcome.differences, m_numberFormat, speedUnits()), fingerprints)) {
        case ComparisonChoice::LoadControllerValues:
            // In index order, as a read puts them: the level count before its levels.
            for (const ControlAssignment &assignment : outcome.controllerAssignments)
                m_values.binding.apply(assignment);
            break;
        case ComparisonChoice::WriteWindowValues:
            writeController();
            break;
        case ComparisonChoice::Close:
            break;
        }
    });
}

void ControllerCommands::finishExchange(bool passed, std::function<void()> report)
{
    if (passed) {
        setStatusLabel(m_strip.result, transactionText(texts::kPass), kLime);
        showIdle();
        later(std::move(report));
        return;
    }
    setStatusLabel(m_strip.result, transactionText(texts::kFail), kRed);
    // A failure is reported while the strip still shows "Busy"; the link
    // commands come back only once the user has seen why it failed.
    later([this, report = std::move(report)] {
        report();
        showIdle();
    });
}

void ControllerCommands::showIdle()
{
    setStatusLabel(m_strip.activity, transactionText(texts::kIdle), kLime);
    setLinkCommandsEnabled(true);
}

void ControllerCommands::showOutcome(const TransactionOutcome &outcome)
{
    // The controller did not answer (or stopped): the doctor may tell why.
    // A failed store has its own notice and guide.
    if (!outcome.passed && !outcome.openInstallationGuide && outcome.message.icon == MessageIcon::Error)
        showErrorOfferingDoctor(outcome.message);
    else
        showMessage(outcome.message);
    if (outcome.openInstallationGuide)
        openInstallationGuide();
}

void ControllerCommands::openInstallationGuide()
{
    // Beside the executable first (a build tree, a portable copy), else the
    // installed copy in the data folder.
    const QString name = QString::fromLatin1(texts::kInstallationGuideFile);
    const QString beside = executableFolder() + name;
    const QString path = QFileInfo::exists(beside) ? beside : locateDataFile(name);
    m_desktop.shell.open(QUrl::fromLocalFile(path));
}

// ---- closing ----------------------------------------------------------------

void ControllerCommands::release()
{
    if (m_releasing)
        return;
    m_releasing = true;
    setLinkCommandsEnabled(false);
    m_session.release();
}

bool ControllerCommands::isReleased() const
{
    return m_session.isReleased();
}

// ---- helpers ----------------------------------------------------------------

void ControllerCommands::setLinkCommandsEnabled(bool enabled)
{
    // The tool-bar buttons follow their actions.
    enabled = enabled && !m_releasing;
    m_actions.testConnection->setEnabled(enabled);
    m_actions.readSettings->setEnabled(enabled);
    m_actions.writeSettings->setEnabled(enabled);
    m_actions.compare->setEnabled(enabled);
}

void ControllerCommands::later(std::function<void()> show)
{
    QMetaObject::invokeMethod(
        this,
        [this, show = std::move(show)] {
            if (!m_releasing)
                show();
        },
        Qt::QueuedConnection);
}

void ControllerCommands::showErrorOfferingDoctor(const UserMessage &message)
{
    if (m_desktop.boxes.errorWithOffer(message.caption, message.text, doctorOffer()))
        emit connectionDoctorWanted();
}

void ControllerCommands::showMessage(const UserMessage &message)
{
    switch (message.icon) {
    case MessageIcon::Error:
        m_desktop.boxes.error(message.caption, message.text);
        break;
    case MessageIcon::Information:
        m_desktop.boxes.information(message.caption, message.text);
        break;
    case MessageIcon::Question:
        (void)m_desktop.boxes.question(message.caption, message.text);
        break;
    }
}

} // namespace vexlor
