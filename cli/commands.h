#pragma once

#include "cli_context.h"

#include <QStringList>

#include <span>

namespace vexlor::cli {

// One vexlor-cli command. `run` gets the arguments after the command's name
// and returns the exit code (see ExitCode). A command that talks to the
// controller may start the event loop with QCoreApplication::exec() and
// return when it quits.
struct Command {
    const char *name;     // "encode"
    const char *synopsis; // "encode FILE"
    const char *summary;  // one line for --help; a "Cli" text, CliText::tr(summary)
    int (*run)(CliContext &context, const QStringList &args);
    // Takes --port DEVICE after its name too, as its synopsis shows; main
    // hands it over like the --port before the name.
    bool portAfterName = false;
    bool drawsPages = false; // needs Qt Gui's fonts and painter: main starts it (offscreen)
    // Reads --profile NAME itself; for the others main puts the profile's
    // file in its place (profile_option.h).
    bool ownsProfileOption = false;
};

// Every command, in the order --help lists them (the table is in commands.cpp).
[[nodiscard]] std::span<const Command> commands();

// The command with this name, or nullptr.
[[nodiscard]] const Command *findCommand(const QString &name);

// The commands' run functions, one file each (or one file per area).
int runEncode(CliContext &context, const QStringList &args);
int runPorts(CliContext &context, const QStringList &args);
int runTest(CliContext &context, const QStringList &args);
int runRead(CliContext &context, const QStringList &args);
int runWrite(CliContext &context, const QStringList &args);
int runDiff(CliContext &context, const QStringList &args);
int runCompare(CliContext &context, const QStringList &args);
int runBackups(CliContext &context, const QStringList &args);
int runDoctor(CliContext &context, const QStringList &args);
int runClasses(CliContext &context, const QStringList &args);
int runCheck(CliContext &context, const QStringList &args);
int runFingerprint(CliContext &context, const QStringList &args);
int runSheet(CliContext &context, const QStringList &args);
int runPropose(CliContext &context, const QStringList &args);
int runExport(CliContext &context, const QStringList &args);
int runImport(CliContext &context, const QStringList &args);
int runProfiles(CliContext &context, const QStringList &args);
int runHistory(CliContext &context, const QStringList &args);
int runExplain(CliContext &context, const QStringList &args);

} // namespace vexlor::cli
