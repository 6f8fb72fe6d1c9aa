#include "controller_commands.h"

#include "input_rules.h"
#include "message_boxes.h"
#include "parameter_binding.h"
#include "program_info.h"
#include "shell_opener.h"

#include "config/data_files.h"
#include "params/parameter_codec.h"
#include "protocol/transaction_texts.h"
#include "session/controller_session.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QUrl>

namespace vexlor {

ControllerCommands::ControllerCommands(ControllerSession &session, const StatusStrip &strip,
                                       const LinkActions &actions, ParameterBinding &binding,
                                       InputRules &rules, MessageBoxes &boxes, ShellOpener &shell,
                                       const NumberFormat &numberFormat, QObject *parent)
    : QObject(parent)
    , m_session(session)
    , m_strip(strip)
    , m_actions(actions)
    , m_binding(binding)
    , m_rules(rules)
    , m_boxes(boxes)
    , m_shell(shell)
    , m_numberFormat(numberFormat)
{
    connectSession();
}

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
    connect(s, &ControllerSession::transactionStarted, this,
            &ControllerCommands::onTransactionStarted);
    connect(s, &ControllerSession::progress, m_strip.progress, &QProgressBar::setValue);
    connect(s, &ControllerSession::valueDecoded, this, &ControllerCommands::onValueDecoded);
    connect(s, &ControllerSession::transactionFinished, this,
            &ControllerCommands::onTransactionFinished);
    connect(s, &ControllerSession::released, this, &ControllerCommands::released);
}

// ---- start-up and the device monitor ----------------------------------------

void ControllerCommands::startUp()
{
    m_session.startUp();
}

void ControllerCommands::onMonitorTick()
{
    m_session.monitorTick();
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
    m_boxes.showError(message.caption, message.text, [session] {
        if (session)
            session->duplicateReportClosed();
    });
}

void ControllerCommands::showAccessRefused(const UserMessage &message)
{
    // Without waiting, as the duplicate report; the session raises it once
    // per connect cycle, so ticks never stack it. Label15 says "Device Lost".
    m_boxes.showError(message.caption, message.text, {});
}

// ---- connection test --------------------------------------------------------

void ControllerCommands::testConnection()
{
    if (!m_releasing)
        (void)m_session.checkConnection(); // refused while an exchange runs
}

void ControllerCommands::onConnectionChecked(const ConnectionCheckResult &result)
{
    setLinkCommandsEnabled(true);
    later([this, result] {
        if (!result.ok) {
            showMessage(result.message);
            return;
        }
        // Yes reads the configuration exactly as the Read command does.
        if (m_boxes.question(result.message.caption, result.message.text))
            readController();
    });
}

// ---- read and write ---------------------------------------------------------

void ControllerCommands::readController()
{
    runTransaction(TransactionMode::Read);
}

void ControllerCommands::writeController()
{
    runTransaction(TransactionMode::Write);
}

void ControllerCommands::runTransaction(TransactionMode mode)
{
    if (m_releasing || m_session.isBusy())
        return;
    // The value being edited is bounded first, as leaving its field would.
    if (!m_rules.applyPendingRules())
        return;
    // All sixty values are taken now: edits made while the frames go out do
    // not reach them. A value that cannot be sent stops everything here.
    const EncodedSet set = encodeAll(m_binding.snapshot(), m_numberFormat);
    if (!set.ok()) {
        m_boxes.standardError(set.error);
        return;
    }
    (void)m_session.runTransaction(mode, set.values);
}

void ControllerCommands::onTransactionStarted()
{
    setStatusLabel(m_strip.activity, QString::fromLatin1(texts::kBusy), kRed);
    onExchangeStarted();
}

void ControllerCommands::onExchangeStarted()
{
    // One exchange at a time: the link has one reply state.
    setLinkCommandsEnabled(false);
}

void ControllerCommands::onValueDecoded(const ControlAssignment &assignment)
{
    m_binding.apply(assignment);
}

void ControllerCommands::onTransactionFinished(const TransactionOutcome &outcome)
{
    if (outcome.passed)
        setStatusLabel(m_strip.result, QString::fromLatin1(texts::kPass), kLime);
    else
        setStatusLabel(m_strip.result, QString::fromLatin1(texts::kFail), kRed);
    if (outcome.passed) {
        setStatusLabel(m_strip.activity, QString::fromLatin1(texts::kIdle), kLime);
        setLinkCommandsEnabled(true);
        later([this, outcome] { showMessage(outcome.message); });
        return;
    }
    // A failure is reported while the strip still shows "Busy"; the link
    // commands come back only once the user has seen why it failed.
    later([this, outcome] {
        showMessage(outcome.message);
        if (outcome.openInstallationGuide)
            openInstallationGuide();
        setStatusLabel(m_strip.activity, QString::fromLatin1(texts::kIdle), kLime);
        setLinkCommandsEnabled(true);
    });
}

void ControllerCommands::openInstallationGuide()
{
    // Beside the executable first (a build tree, a portable copy), else the
    // installed copy in the data folder.
    const QString name = QString::fromLatin1(texts::kInstallationGuideFile);
    const QString beside = executableFolder() + name;
    const QString path = QFileInfo::exists(beside) ? beside : locateDataFile(name);
    m_shell.open(QUrl::fromLocalFile(path));
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

void ControllerCommands::showMessage(const UserMessage &message)
{
    switch (message.icon) {
    case MessageIcon::Error:
        m_boxes.error(message.caption, message.text);
        break;
    case MessageIcon::Information:
        m_boxes.information(message.caption, message.text);
        break;
    case MessageIcon::Question:
        (void)m_boxes.question(message.caption, message.text);
        break;
    }
}

} // namespace vexlor
