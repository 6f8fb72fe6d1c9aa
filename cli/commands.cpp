#include "commands.h"

#include <QtGlobal>

#include <array>

namespace vexlor::cli {
namespace {

// Adding a command: write its run function, declare it in commands.h, add a row here.
constexpr std::array kCommands = {
    Command{"encode", "encode FILE",
            //: FILE is the argument named in the synopsis "encode FILE": keep it as it is
            QT_TRANSLATE_NOOP("Cli", "apply FILE over the initial state and print the sixty values a "
                                     "write would send"),
            &runEncode},
    Command{"ports", "ports",
            QT_TRANSLATE_NOOP("Cli", "list the serial ports, marking the one the tool would use"),
            &runPorts},
    Command{"test", "test",
            QT_TRANSLATE_NOOP("Cli", "test the connection and print the controller's software version"),
            &runTest},
    Command{"read", "read [FILE]",
            //: FILE as in the synopsis "read [FILE]"; stdout stays as it is
            QT_TRANSLATE_NOOP("Cli", "read the controller's configuration into FILE (or stdout) as a "
                                     ".vxc file"),
            &runRead},
    Command{"write",
            "write [--force] [--no-backup] [--no-verify] [--backup-dir DIR] FILE [--each [--bike-from "
            "FILE.csv]]",
            //: FILE, FILE.csv as in the synopsis; stderr, --force, --each and --bike stay as they are
            QT_TRANSLATE_NOOP("Cli", "apply FILE over the initial state, keep the controller's settings "
                                     "as a backup (path on stderr), write FILE's and store them, read "
                                     "them back to check; values outside the window's limits are "
                                     "written only with --force; with --each the production line: every "
                                     "controller that comes is written and recorded, labelled from "
                                     "FILE.csv or numbered after --bike, one line each, until Ctrl+C"),
            &runWrite},
    Command{"compare", "compare FILE",
            //: FILE as in the synopsis; KEY, CAPTION, FILE VALUE, CONTROLLER VALUE name the columns printed
            QT_TRANSLATE_NOOP("Cli", "apply FILE over the initial state, read the controller and print "
                                     "each parameter it holds otherwise: KEY, CAPTION, FILE VALUE, "
                                     "CONTROLLER VALUE, tab-separated"),
            &runCompare},
    Command{"backups", "backups [--backup-dir DIR]",
            //: PATH, WRITE, NOTE name the columns printed
            QT_TRANSLATE_NOOP("Cli", "list the backups taken before writes, newest first: PATH, how the "
                                     "WRITE that followed ended, and a NOTE on one taken after an "
                                     "interrupted write, tab-separated"),
            &runBackups},
    Command{"diff", "diff A B",
            QT_TRANSLATE_NOOP("Cli", "print the parameters that two .vxc files set differently, as the "
                                     "controller would receive them (exit 1 when some do)"),
            &runDiff},
    Command{"doctor", "doctor [--port DEVICE] [--json]",
            //: keep the check names as they are; STATUS, CHECK, DETAIL and FIX name the fields printed
            QT_TRANSLATE_NOOP("Cli", "check the cable, its driver, access, other programs on the port, "
                                     "ModemManager, brltty, the latency timer, a sandbox and the "
                                     "controller: one line each, STATUS CHECK DETAIL [FIX], "
                                     "tab-separated (exit 1 when a check fails); --json prints them as "
                                     "JSON"),
            &runDoctor, true},
    Command{"classes", "classes",
            //: ID, NAME name the columns printed
            QT_TRANSLATE_NOOP("Cli", "list the road classes: ID, NAME, the speed and rated power they "
                                     "allow and whether a throttle may work without pedalling, "
                                     "tab-separated"),
            &runClasses},
    Command{"check", "check FILE [--class ID [--tire ETRTO]] [--strict]",
            //: FILE, ID, ETRTO as in the synopsis; STATUS, RULE, CAPTION, VALUE, LIMIT name the columns
            //: printed; keep breaks, warn and note, the words STATUS shows, and --strict
            QT_TRANSLATE_NOOP("Cli", "apply FILE over the initial state and print each value that looks "
                                     "implausible, and with --class each that breaks the road class ID or "
                                     "is worth a note: STATUS (breaks, warn or note), RULE, CAPTION, VALUE, "
                                     "LIMIT, tab-separated; with the real tire as ETRTO (57-584), a common "
                                     "size (26x2.1) or as printed (29x2.6, 700x38c) the wheel perimeter too "
                                     "(exit 3 when some break the class, with --strict also when some look "
                                     "implausible)"),
            &runCheck},
    Command{"fingerprint", "fingerprint [FILE]",
            //: FILE as in the synopsis
            QT_TRANSLATE_NOOP("Cli", "print the fingerprint of the sixty values a write of FILE sends, "
                                     "or without FILE read the controller and print the fingerprint "
                                     "of what it holds"),
            &runFingerprint},
    Command{"sheet", "sheet FILE -o OUT.pdf [--class ID] [--tire ETRTO]",
            //: FILE, OUT.pdf, ID, ETRTO as in the synopsis
            QT_TRANSLATE_NOOP("Cli", "apply FILE over the initial state and write its settings sheet, "
                                     "a one-page PDF with every parameter, the fingerprint, the road "
                                     "class check and lines to sign, to OUT.pdf"),
            &runSheet, false, true},
    Command{"propose",
            "propose --battery V --bms A --tire SIZE --class ID [--motor-voltage V] [--motor-power W] "
            "[--levels N] [FILE] -o OUT.vxc",
            //: V, A, SIZE, ID, W, N, FILE, OUT.vxc as in the synopsis; 13s, CAPTION, NOW, PROPOSED, WHY
            //: name what is given and the columns printed
            QT_TRANSLATE_NOOP("Cli", "propose values for a bike's battery (nominal V or cells as 13s), "
                                     "BMS current, tire, road class ID, motor and assist levels over FILE "
                                     "(or the initial state), write them to OUT.vxc and print CAPTION, "
                                     "NOW, PROPOSED, WHY, tab-separated"),
            &runPropose},
    Command{"export", "export FILE --json",
            //: FILE as in the synopsis; keep JSON as it is
            QT_TRANSLATE_NOOP("Cli", "apply FILE over the initial state and print its settings as JSON: "
                                     "each parameter by name with its value and unit, and the "
                                     "fingerprint (docs/settings-json.md)"),
            &runExport},
    Command{"import", "import JSON (-o FILE | --profile NAME [--note TEXT]) [--force]",
            //: JSON, FILE, NAME, TEXT as in the synopsis; keep --force as it is
            QT_TRANSLATE_NOOP("Cli", "turn the settings JSON (- for stdin) into the .vxc file FILE or "
                                     "the profile NAME; refuses unknown names, wrong types and, "
                                     "without --force, values outside the window's limits, and never "
                                     "writes over a file that is no configuration"),
            &runImport, false, false, true},
    Command{"profiles", "profiles",
            //: NAME, NOTE name the columns printed; keep --profile as it is
            QT_TRANSLATE_NOOP("Cli", "list the profiles, the configurations kept under a name: NAME and "
                                     "NOTE, tab-separated; every command taking FILE takes --profile "
                                     "NAME instead"),
            &runProfiles},
    Command{"history", "history [--bike LABEL] [--since DATE] [--csv | --json]",
            //: LABEL, DATE as in the synopsis; keep the option names as they are
            QT_TRANSLATE_NOOP("Cli", "print the register of operations, newest first, one tab-separated "
                                     "line each under a line naming the columns: only bike labels "
                                     "holding LABEL, only from DATE (YYYY-MM-DD, UTC) on; as CSV or "
                                     "JSON"),
            &runHistory},
    Command{"explain", "explain [NAME]",
            //: NAME as in the synopsis: a parameter's name, MaxBatteryCurrent; keep it as it is
            QT_TRANSLATE_NOOP("Cli", "print what the parameter NAME (MaxBatteryCurrent) does, its unit, "
                                     "the range the window allows and its initial value; without NAME "
                                     "every parameter, one block each"),
            &runExplain},
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
