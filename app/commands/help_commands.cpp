#include "help_commands.h"

#include "shell_opener.h"
#include "support_link.h"
#include "dialogs/message_boxes.h"
#include "basics/program_info.h"
#include "basics/window_caption.h"
#include "basics/window_texts.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace vexlor {

HelpCommands::HelpCommands(ShellOpener &shell, MessageBoxes &boxes, const WindowCaption &caption,
                           QString language, QObject *parent)
    : QObject(parent), m_shell(shell), m_boxes(boxes), m_caption(caption),
      m_language(std::move(language))
{
}

void HelpCommands::showHelpTopics()
{
    // A bare name, resolved against the current folder, not the executable's:
    // the guide in the language in use when that folder has it.
    const QDir here = QDir::current();
    const QString name = helpDocumentName(
        m_language, [&here](const QString &file) { return QFileInfo(here.absoluteFilePath(file)).isFile(); });
    m_shell.open(QUrl::fromLocalFile(here.absoluteFilePath(name)));
}

void HelpCommands::contactSupport()
{
    // There is no support mailbox of our own: the address a distributor built
    // in, else the guide's "Getting help".
    m_shell.open(supportTarget(builtInSupportUrl(), m_language));
}

void HelpCommands::showAbout()
{
    //: the About box's last credit line
    const QString rights = WindowTexts::tr("All rights reserved.");
    m_boxes.information(WindowTexts::tr("About"), m_caption.programTitle() + QStringLiteral("\n\n")
                                                      + QLatin1String(kAboutAuthors) + u'\n' + rights);
}

} // namespace vexlor
