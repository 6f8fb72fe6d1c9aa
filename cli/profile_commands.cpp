// The profiles from the command line: the list, and --profile NAME for FILE.

#include "commands.h"
#include "profile_option.h"

#include "backups/profile_store.h"
#include "params/message_input.h"

namespace vexlor::cli {

QString replaceProfileOptions(QStringList &args)
{
    const ProfileStore profiles(ProfileStore::defaultFolder());
    for (qsizetype i = 0; i < args.size(); ++i) {
        QString name;
        if (args[i] == u"--profile" && i + 1 < args.size()) {
            name = args.takeAt(i + 1);
        } else if (args[i].startsWith(QLatin1String("--profile="))) {
            name = args[i].mid(10);
        } else {
            continue;
        }
        if (const QString error = ProfileStore::nameError(name); !error.isEmpty())
            return error;
        const std::optional<Profile> profile = profiles.find(name);
        if (!profile)
            return ProfileStore::notFoundMessage(name);
        args[i] = profile->path;
    }
    return {};
}

int runProfiles(CliContext &context, const QStringList &args)
{
    if (!args.isEmpty())
        return context.usage("profiles");
    // NAME and NOTE, tab-separated; a note's line breaks shown escaped.
    for (const Profile &profile : ProfileStore(ProfileStore::defaultFolder()).list())
        context.out() << profile.name << '\t' << escapedForDisplay(profile.note) << '\n';
    context.out().flush();
    return kExitDone;
}

} // namespace vexlor::cli
