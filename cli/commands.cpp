#include "commands.h"

#include <array>

namespace vexlor::cli {
namespace {

// Adding a command: write its run function, declare it in commands.h, add a row here.
constexpr std::array kCommands = {
    Command{"encode", "encode FILE",
            "apply FILE over the initial state and print the sixty values a write would send",
            &runEncode},
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
