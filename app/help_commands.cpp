#include "help_commands.h"

#include "message_boxes.h"
#include "program_info.h"
#include "shell_opener.h"
#include "support_link.h"
#include "window_caption.h"

#include <QDir>
#include <QUrl>

namespace vexlor {

HelpCommands::HelpCommands(ShellOpener &shell, MessageBoxes &boxes, const WindowCaption &caption,
                           QObject *parent)
    : QObject(parent), m_shell(shell), m_boxes(boxes), m_caption(caption)
{
}

void HelpCommands::showHelpTopics()
{
    // The bare name, resolved against the current folder, not the executable's.
    m_shell.open(QUrl::fromLocalFile(QDir::current().absoluteFilePath(
        QString::fromLatin1(kHelpDocumentName))));
}

void HelpCommands::contactSupport()
{
    // There is no support mailbox of our own: the address a distributor built
    // in, else the guide's "Getting help".
    m_shell.open(supportTarget(builtInSupportUrl()));
}

void HelpCommands::showAbout()
{
    m_boxes.information(QStringLiteral("About"), m_caption.programTitle() + QStringLiteral("\n\n")
                                                     + QLatin1String(kAboutCredits));
}

} // namespace vexlor
