#include "cli_context.h"

#include "cli_texts.h"

#include "files/data_files.h"
#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "params/message_input.h"
#include "params/parameter_codec.h"
#include "register/register_texts.h"
#include "session/controller_session.h"

#include "translation.h"
#include "cables/port_discovery.h"

#include <QCoreApplication>

#include <cstdio>

namespace vexlor::cli {

CliContext::CliContext(ControllerAccess controller, RecordKeeping keeping, bool limitMaxSpeed,
                       NumberFormat format, QString language)
    : m_controller(std::move(controller))
    , m_keeping(std::move(keeping))
    , m_limitMaxSpeed(limitMaxSpeed)
    , m_format(format)
    , m_language(std::move(language))
{
    (void)m_stdout.open(stdout, QIODevice::WriteOnly);
    (void)m_stderr.open(stderr, QIODevice::WriteOnly);
    m_out.setDevice(&m_stdout);
    m_err.setDevice(&m_stderr);
}

RegisterRecord CliContext::newRecord(const char *operation) const
{
    RegisterRecord record = newRegisterRecord(operation, QCoreApplication::applicationVersion());
    record.bike = m_keeping.bike;
    record.port = m_controller.session.portPath();
    if (record.port.isEmpty())
        record.port = discoverPort(m_controller.lister, m_controller.portOverride).path;
    if (const auto entry = m_controller.lister.portAt(record.port))
        record.cableSerial = entry->usb.serialNumber;
    return record;
}

void CliContext::keep(const RegisterRecord &record)
{
    // A build without a register says so in history, not after every command.
    if (!m_keeping.records.unavailableReason().isEmpty())
        return;
    const QString error = m_keeping.records.add(record);
    if (!error.isEmpty())
        m_err << translated("Register", vexlor::texts::kNotRecorded).arg(error) << Qt::endl;
    else if (const QString note = m_keeping.records.waitingNote(); !note.isEmpty())
        m_err << note << Qt::endl;
}

int CliContext::fail(int code, const QString &message)
{
    m_err << message << Qt::endl;
    return code;
}

QString usageText(const char *synopsis)
{
    //: %1 the command's synopsis such as "encode FILE"; keep vexlor-cli as it is
    return CliText::tr("Usage: vexlor-cli %1").arg(QLatin1String(synopsis));
}

int CliContext::usage(const char *synopsis)
{
    return fail(kExitBadInput, usageText(synopsis));
}

std::optional<ParameterSnapshot> CliContext::initialState()
{
    ParameterSnapshot snapshot = ParameterSnapshot::initial();
    if (!applyFile(snapshot, locateDataFile(QStringLiteral("default.vxc"))))
        return std::nullopt;
    snapshot.limitMaxSpeed = m_limitMaxSpeed;
    return snapshot;
}

std::optional<ParameterSnapshot> CliContext::stateWithFile(const QString &path)
{
    auto snapshot = initialState();
    if (!snapshot || !applyFile(*snapshot, path))
        return std::nullopt;
    return snapshot;
}

std::optional<EncodedState> CliContext::encodedInitialState()
{
    return encoded(initialState());
}

std::optional<EncodedState> CliContext::encodedStateWithFile(const QString &path)
{
    return encoded(stateWithFile(path));
}

std::optional<EncodedState> CliContext::encoded(const std::optional<ParameterSnapshot> &snapshot)
{
    if (!snapshot)
        return std::nullopt;
    const EncodedSet encoded = encodeAll(*snapshot, m_format);
    if (!encoded.ok()) {
        fail(kExitBadInput, encoded.error);
        return std::nullopt;
    }
    return EncodedState{*snapshot, encoded.values};
}

bool CliContext::saveSnapshot(const ParameterSnapshot &snapshot, const QString &path)
{
    if (path.isEmpty() || path == u"-")
        return writeStdout(configurationFileBytes(snapshot));
    const FileWriteResult written = writeConfigurationFile(path, snapshot);
    if (!written.ok()) {
        fail(kExitBadInput, written.error);
        return false;
    }
    return true;
}

bool CliContext::writeStdout(const QByteArray &bytes)
{
    m_out.flush();
    const bool written = m_stdout.write(bytes) == bytes.size() && m_stdout.flush();
    if (!written)
        fail(kExitBadInput, CliText::tr("Cannot write to the standard output."));
    return written;
}

bool CliContext::applyFile(ParameterSnapshot &snapshot, const QString &path)
{
    const ConfigurationRead read = readConfigurationFile(path, m_format);
    if (!read.ok()) {
        fail(kExitBadInput, read.error);
        return false;
    }
    // The window asks which Hall sensors the motor has; a command line cannot
    // ask, and guessing would send a wrong motor setting.
    for (const ConfigurationEntry &entry : read.entries) {
        if (entry.asksOldVersionQuestion) {
            //: %1 the file's path
            fail(kExitBadInput,
                 CliText::tr("%1 lacks the Hall sensor type (a fault of an old version). Open it in "
                             "the window, answer its question and save it, then try again.")
                     .arg(inputForMessage(path)));
            return false;
        }
    }
    applyToSnapshot(snapshot, read.entries, {});
    return true;
}

} // namespace vexlor::cli
