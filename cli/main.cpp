#include "cli_context.h"
#include "cli_texts.h"
#include "commands.h"
#include "profile_option.h"

#include "backups/backup_store.h"
#include "cables/cable.h"
#include "doctor/host_system.h"
#include "params/message_input.h"
#include "port/platform_link.h"
#include "protocol/widened_reply_window.h"
#include "session/controller_session.h"
#include "settings/register_setting.h"

#include "language_choice.h"
#include "open_register.h"
#include "server_address.h"
#include "translators.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>

#include <cstdio>
#include <memory>
#include <optional>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#endif

using namespace vexlor;
using namespace vexlor::cli;

namespace {

QString commandList()
{
    QString text = u'\n' + CliText::tr("Commands:") + u'\n';
    for (const Command &command : commands()) {
        text += QStringLiteral("  %1\n      %2\n")
                    .arg(QLatin1String(command.synopsis), CliText::tr(command.summary));
    }
    //: %1 the backup folder, %2 how many backups are kept; keep --backup-dir as it is
    text += u'\n'
        + CliText::tr("Backups go to %1 unless --backup-dir names another folder; the newest %2 "
                      "are kept.")
              .arg(BackupStore::defaultFolder(), QString::number(BackupStore::kKeptBackups));
    //: diff(1) is the Unix command diff; keep command names (diff, compare, write) and --force as they are
    text += QStringLiteral("\n\n")
        + CliText::tr(
            "Exit codes: 0 done, 1 controller or link failure, 2 bad input or usage.\n"
            "diff exits as diff(1) does: 0 no difference, 1 some differ, 2 bad input or usage.\n"
            "compare exits 0 when the controller holds the file's values, 3 when some differ, 1 on a "
            "controller or link failure, 2 on bad input or usage.\n"
            "write exits 1 also when the read-back finds other values than were written (they are "
            "printed as compare prints them), and 2 when the backup cannot be kept or, without "
            "--force, values are outside the window's limits (nothing is written).")
        + u'\n'
        //: keep the command name check as it is
        + CliText::tr("check exits 0 when the file keeps to the road class, 3 when some value breaks "
                      "it, 2 on bad input or usage.")
        + u'\n'
        //: keep write --each as it is
        + CliText::tr("write --each exits 0 when no bike failed (also when none came), 1 when some "
                      "failed.")
        + u'\n';
    return text;
}

// The --NAME VALUE (or --NAME=VALUE) among a command's arguments, taken out
// of them; nullopt when there is none (an empty value is a value).
std::optional<QString> takeOption(QStringList &args, QLatin1String name)
{
    const QString option = QStringLiteral("--") + name;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == option && i + 1 < args.size()) {
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(option + u'=')) {
            const QString value = args[i].mid(option.size() + 1);
            args.remove(i);
            return value;
        }
    }
    return std::nullopt;
}

QString takePortOption(QStringList &args)
{
    return takeOption(args, QLatin1String("port")).value_or(QString());
}

// The --port the command is given: after its name when it takes one there
// (taken out of `args`), else the one before it.
QString portOf(const Command &command, QStringList &args, const QString &portBeforeName)
{
    const QString after = command.portAfterName ? takePortOption(args) : QString();
    return after.isEmpty() ? portBeforeName : after;
}

// The bike's label: --bike after the command's name (every command takes
// it there, and history filters by it), else the one before it.
QString bikeOf(QStringList &args, const QString &bikeBeforeName)
{
    return takeOption(args, QLatin1String("bike")).value_or(bikeBeforeName);
}

void print(FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// The units of --units, before the command's name or after it (taken out of
// `args`): metric when none is given; nullopt, the message on stderr, for
// units the tool does not know.
std::optional<SpeedUnits> speedUnitsOf(QStringList &args, const QString &beforeName)
{
    const QString after = takeOption(args, QLatin1String("units")).value_or(QString());
    const QString given = after.isEmpty() ? beforeName : after;
    if (given.isEmpty())
        return SpeedUnits::Metric;
    const std::optional<SpeedUnits> units = speedUnitsFromId(given);
    if (!units) {
        //: %1 what was given after --units; keep --units, metric and imperial as they are
        print(stderr, CliText::tr("'%1' names no units: give --units metric or --units imperial.")
                          .arg(inputForMessage(given))
                      + u'\n');
    }
    return units;
}

// What each record of this run carries, and where the records go.
struct RecordOptions {
    QString bike;
    QString server; // the shop's register: --register, else config.ini's; empty for this bench only
};

// The shop's server: --register URL after the command's name or before it,
// else [Register] Database in the window's config.ini. nullopt, the message
// on stderr, for an address refused (one that carries a password).
std::optional<QString> registerServerOf(QStringList &args, const std::optional<QString> &beforeName)
{
    const std::optional<QString> given = takeOption(args, QLatin1String("register"));
    const std::optional<QString> option = given ? given : beforeName;
    if (!option) {
        const SettingsFile settings(windowSettingsPath(QCoreApplication::applicationDirPath()));
        return readRegisterServerSetting(settings);
    }
    if (namesServer(*option)) {
        if (const ParsedServerAddress parsed = parseServerAddress(*option); !parsed.address) {
            print(stderr, parsed.error + u'\n');
            return std::nullopt;
        }
    }
    return option;
}

// The composition root: the real controller side, built here and nowhere
// else, then the command. `portOption` is --port (empty when not given);
// it wins over VEXLOR_PORT, which wins over the scan.
int runCommand(const Command &command, const QStringList &args, QString portOption,
               const RecordOptions &recording, bool limitMaxSpeed, const QString &language, SpeedUnits units)
{
    const QString portOverride = portOption.isEmpty() ? portOverrideFromEnvironment() : portOption;
    const NumberFormat format = NumberFormat::fromLocale(QLocale());
    PlatformPortLister lister;
    CableBridgeLines bridges(lister);
    // Declared first: the session holds it until its end.
    const std::unique_ptr<ReplyDeadline> widenedWindow = widenedReplyWindowFromEnvironment();
    ControllerSession session(std::make_unique<PlatformSerialPort>(), lister, bridges, portOverride);
    if (widenedWindow)
        session.closeReplyWindowsBy(widenedWindow.get());
    const HostSystem system;
    const std::unique_ptr<Register> records = openRegister(defaultRegisterPath(), recording.server);
    CliContext context({lister, session, portOverride, system}, {*records, recording.bike}, limitMaxSpeed, format,
                       language);
    context.setSpeedUnits(units);
    return command.run(context, args);
}

// The command named on the command line, before Qt reads it: the one word
// that is no option and no option's value.
const Command *commandNamedIn(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray word(argv[i]);
        if (word == "--port" || word == "--units" || word == "--bike" || word == "--register")
            ++i;
        else if (!word.startsWith('-'))
            return findCommand(QString::fromLocal8Bit(word));
    }
    return nullptr;
}

// A command that draws pages gets Qt Gui's fonts and painter. On Linux it
// runs on the offscreen platform, the same with no display at all; Windows'
// own platform needs no display and is the one its package carries.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
    const Command *command = commandNamedIn(argc, argv);
    if (command && command->drawsPages) {
#ifndef Q_OS_WIN
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

// The command `word` names; nullptr, and the message on stderr, for none.
const Command *knownCommand(const QString &word)
{
    const Command *command = findCommand(word);
    if (!command) {
        //: %1 the word given as a command; keep "vexlor-cli --help" as it is
        print(stderr, CliText::tr("Unknown command '%1'. Run vexlor-cli --help for the list.")
                              .arg(inputForMessage(word))
                          + u'\n');
    }
    return command;
}

// "vexlor-cli read --help" asks for that command's usage, not for a read:
// printed on stdout, with the line --help lists it with.
bool printedCommandHelp(const Command &command, const QStringList &args)
{
    if (!args.contains(u"--help") && !args.contains(u"-h"))
        return false;
    print(stdout, usageText(command.synopsis) + QStringLiteral("\n  ") + CliText::tr(command.summary)
                      + u'\n');
    return true;
}

// The same bytes as on Linux: a .vxc file written to stdout keeps its own
// CR LF line ends instead of gaining a second CR, and scripts see LF.
void writeStandardStreamsAsBytes()
{
#ifdef Q_OS_WIN
    (void)_setmode(_fileno(stdout), _O_BINARY);
    (void)_setmode(_fileno(stderr), _O_BINARY);
#endif
}

// The options given before the command's name, besides --help and --version.
struct GlobalOptions {
    QCommandLineOption port{QStringLiteral("port"),
                            //: DEVICE as in "--port <DEVICE>": keep it as it is
                            CliText::tr("Use the serial DEVICE instead of looking for the cable."),
                            QStringLiteral("DEVICE")};
    QCommandLineOption noSpeedLimit{
        QStringLiteral("no-speed-limit"),
        //: "Limit max speed" is the window's check box of that name
        CliText::tr("Treat \"Limit max speed\" as cleared: the speed limit is sent as 9000.")};
    QCommandLineOption units{
        QStringLiteral("units"),
        //: UNITS as in "--units <UNITS>"; keep UNITS, metric and imperial as they are
        CliText::tr("Print speeds in UNITS, metric (km/h, the default) or imperial (mph), before or "
                    "after the command; files and the controller keep km/h."),
        QStringLiteral("UNITS")};
    QCommandLineOption bike{QStringLiteral("bike"),
                            //: LABEL as in "--bike <LABEL>": keep it as it is
                            CliText::tr("Record the operation for the bike LABEL (a frame number, a "
                                        "customer); history shows only its records."),
                            QStringLiteral("LABEL")};
    QCommandLineOption registerServer{
        QStringLiteral("register"),
        //: URL as in "--register <URL>"; keep URL, config.ini and postgresql://USER@HOST[:PORT]/DB as they are
        CliText::tr("Keep the records in the shop's register on the server URL, "
                    "postgresql://USER@HOST[:PORT]/DB, instead of the one config.ini names; records "
                    "wait on this computer while the server cannot be reached."),
        QStringLiteral("URL")};
};

// The options of a run besides its port, before the command's name or after
// it (taken out of `args`); nullopt, the message on stderr, for a bad one.
struct RunOptions {
    SpeedUnits units = SpeedUnits::Metric;
    RecordOptions recording;
};

std::optional<RunOptions> runOptionsOf(QStringList &args, const QCommandLineParser &parser,
                                       const GlobalOptions &options)
{
    const std::optional<SpeedUnits> units = speedUnitsOf(args, parser.value(options.units));
    if (!units)
        return std::nullopt;
    const QString bike = bikeOf(args, parser.value(options.bike));
    const std::optional<QString> server = registerServerOf(
        args, parser.isSet(options.registerServer) ? std::optional(parser.value(options.registerServer)) : std::nullopt);
    if (!server)
        return std::nullopt;
    return RunOptions{*units, {bike, *server}};
}

} // namespace

int main(int argc, char *argv[])
{
    writeStandardStreamsAsBytes();
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vexlor-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PROJECT_VERSION));
    // Messages follow the environment's language like any Linux tool's; under
    // LANG=C, or a language the tool does not speak, they are English.
    const UiTranslators translators(
        chooseUiLanguage(QString(), desktopLanguages(QProcessEnvironment::systemEnvironment())));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        CliText::tr("Reads, writes and checks the settings of a Vexlor FOC motor controller."));
    const QCommandLineOption helpOption = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const GlobalOptions options;
    parser.addOptions({options.port, options.bike, options.noSpeedLimit, options.units, options.registerServer});
    parser.addPositionalArgument(QStringLiteral("command"), CliText::tr("The command to run (see below)."),
                                 QStringLiteral("COMMAND [ARGS...]"));
    // Everything after the command belongs to it.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);

    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, inputForMessage(parser.errorText()) + u'\n'); // it quotes the bad option
        return kExitBadInput;
    }
    if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
        print(stdout, parser.helpText() + commandList());
        return kExitDone;
    }
    if (parser.isSet(versionOption)) {
        print(stdout, QStringLiteral("vexlor-cli %1\n").arg(QCoreApplication::applicationVersion()));
        return kExitDone;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty()) {
        print(stderr, parser.helpText() + commandList());
        return kExitBadInput;
    }
    const Command *command = knownCommand(positional.first());
    if (!command)
        return kExitBadInput;
    QStringList args = positional.mid(1);
    if (printedCommandHelp(*command, args))
        return kExitDone;
    const QString port = portOf(*command, args, parser.value(options.port));
    if (const QString error = command->ownsProfileOption ? QString() : replaceProfileOptions(args);
        !error.isEmpty()) {
        print(stderr, error + u'\n');
        return kExitBadInput;
    }
    const std::optional<RunOptions> run = runOptionsOf(args, parser, options);
    if (!run)
        return kExitBadInput;
    return runCommand(*command, args, port, run->recording, !parser.isSet(options.noSpeedLimit),
                      translators.language(), run->units);
}
