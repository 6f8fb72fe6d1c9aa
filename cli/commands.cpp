#include "commands.h"

#include <array>

namespace vexlor::cli {
namespace {

// Adding a command: write its run function, declare it in commands.h, add a row here.
constexpr std::array kCommands = {
    Command{"encode", "encode FILE",
            "apply FILE over the initial state and print the sixty values a write would send",
            &runEncode},
    Command{"ports", "ports", "list the serial ports, marking the one the tool would use", &runPorts},
    Command{"test", "test", "test the connection and print the controller's software version",
            &runTest},
    Command{"read", "read [FILE]",
            "read the controller's configuration into FILE (or stdout) as a .vxc file", &runRead},
    Command{"write", "write FILE",
            "apply FILE over the initial state, write it to the controller and store it",
            &runWrite},
    Command{"diff", "diff A B",
            "print the parameters whose stored values differ between two .vxc files (exit 1 when some do)",
            &runDiff},
};

} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const Command *findCommand(const QString &name)
{
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

} // namespace vexlor::cli
