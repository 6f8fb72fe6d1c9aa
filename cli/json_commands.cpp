// The settings as JSON and back: export and import.

#include "cli_texts.h"
#include "commands.h"

#include "backups/profile_store.h"
#include "files/settings_json.h"
#include "files/vxc_reader.h"
#include "files/vxc_writer.h"
#include "params/message_input.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <optional>

namespace vexlor::cli {
namespace {

constexpr const char *kExportSynopsis = "export FILE --json";
constexpr const char *kImportSynopsis = "import JSON (-o FILE | --profile NAME [--note TEXT]) [--force]";

// The JSON's bytes, from stdin for "-"; nullopt (message on stderr) when
// they cannot be read. Only a regular file is opened: a FIFO may never end.
std::optional<QByteArray> jsonBytes(CliContext &context, const QString &path)
{
    const QString shown = inputForMessage(path);
    const bool fromStdin = path == u"-";
    if (!fromStdin && QFileInfo::exists(path) && !QFileInfo(path).isFile()) {
        context.fail(kExitBadInput, QCoreApplication::translate("Files", "Cannot open file %1: it is not a "
                                                                         "regular file.").arg(shown));
        return std::nullopt;
    }
    QFile file(fromStdin ? QString() : path);
    const bool opened = fromStdin ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    const QByteArray bytes = opened ? file.read(kMaxConfigurationFileSize + 1) : QByteArray();
    if (!opened || file.error() != QFileDevice::NoError) {
        context.fail(kExitBadInput, QCoreApplication::translate("Files", "Cannot open file %1").arg(shown));
        return std::nullopt;
    }
    if (bytes.size() > kMaxConfigurationFileSize) {
        context.fail(kExitBadInput, QCoreApplication::translate(
            "Files", "File %1 is too large to be a configuration file (more than 1 MiB).").arg(shown));
        return std::nullopt;
    }
    return bytes;
}

// Where an import goes: a file, or a profile with its note.
struct ImportTarget {
    QString file;
    QString profile;
    std::optional<QString> note;
    bool force = false;
    QString json;
};

std::optional<ImportTarget> parseImport(const QStringList &args)
{
    QCommandLineParser parser;
    const QCommandLineOption output(QStringLiteral("o"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption profile(QStringLiteral("profile"), QString(), QStringLiteral("NAME"));
    const QCommandLineOption note(QStringLiteral("note"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption force(QStringLiteral("force"));
    parser.addOptions({output, profile, note, force});
    if (!parser.parse(QStringList{QStringLiteral("vexlor-cli")} + args)
        || parser.positionalArguments().size() != 1 || parser.isSet(output) == parser.isSet(profile)
        || (parser.isSet(note) && !parser.isSet(profile)))
        return std::nullopt;
    ImportTarget target{parser.value(output), parser.value(profile), std::nullopt, parser.isSet(force),
                        parser.positionalArguments().first()};
    if (parser.isSet(note))
        target.note = parser.value(note);
    return target;
}

// A file that is there and is no configuration is never written over.
bool mayReplace(CliContext &context, const QString &path)
{
    if (path == u"-" || !QFileInfo::exists(path))
        return true;
    QString refusal = configurationTargetError(path);
    if (refusal.isEmpty() && !readConfigurationFile(path, context.numberFormat()).ok())
        //: %1 the path given after -o
        refusal = CliText::tr("%1 is no configuration file: it is left as it is.").arg(inputForMessage(path));
    if (refusal.isEmpty())
        return true;
    context.fail(kExitBadInput, refusal);
    return false;
}

bool saveAsProfile(CliContext &context, const ImportTarget &target, const ParameterSnapshot &snapshot)
{
    const ProfileStore profiles(ProfileStore::defaultFolder());
    // A profile taken again keeps its note unless a new one is given.
    const std::optional<Profile> earlier = profiles.find(target.profile);
    const QString note = target.note.value_or(earlier ? earlier->note : QString());
    const QString error = profiles.save(target.profile, note, snapshot);
    if (!error.isEmpty())
        context.fail(kExitBadInput, error);
    return error.isEmpty();
}

} // namespace

int runExport(CliContext &context, const QStringList &args)
{
    if (args.size() != 2 || !args.contains(QStringLiteral("--json")))
        return context.usage(kExportSynopsis);
    const QString path = args[0] == u"--json" ? args[1] : args[0];
    const auto snapshot = context.stateWithFile(path);
    if (!snapshot)
        return kExitBadInput;
    return context.writeStdout(settingsJson(*snapshot)) ? kExitDone : kExitBadInput;
}

int runImport(CliContext &context, const QStringList &args)
{
    const std::optional<ImportTarget> target = parseImport(args);
    if (!target)
        return context.usage(kImportSynopsis);
    if (!target->profile.isEmpty() && !ProfileStore::nameError(target->profile).isEmpty())
        return context.fail(kExitBadInput, ProfileStore::nameError(target->profile));
    const std::optional<QByteArray> bytes = jsonBytes(context, target->json);
    if (!bytes)
        return kExitBadInput;
    const JsonLimits limits = target->force ? JsonLimits::Accept : JsonLimits::Refuse;
    const SettingsJsonRead read = readSettingsJson(*bytes, limits);
    for (const QString &line : read.errors + read.warnings)
        context.err() << line << '\n';
    if (!read.ok()) {
        // Refused for its limits alone: --force would take it.
        if (!target->force && readSettingsJson(*bytes, JsonLimits::Accept).ok())
            context.err() << CliText::tr(texts::kNothingWrittenUseForce) << '\n';
        context.err().flush();
        return kExitBadInput;
    }
    context.err().flush();
    if (!target->profile.isEmpty())
        return saveAsProfile(context, *target, read.snapshot) ? kExitDone : kExitBadInput;
    if (!mayReplace(context, target->file))
        return kExitBadInput;
    return context.saveSnapshot(read.snapshot, target->file) ? kExitDone : kExitBadInput;
}

} // namespace vexlor::cli
