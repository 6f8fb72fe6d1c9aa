#pragma once

#include <QObject>
#include <QString>

namespace vexlor {

class MessageBoxes;
class ShellOpener;
class WindowCaption;

// The Help menu: the user guide, technical support and the About box.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    // `language` is the language in use ("en", "de", ...): its own guide is
    // opened when there is one.
    HelpCommands(ShellOpener &shell, MessageBoxes &boxes, const WindowCaption &caption,
                 QString language, QObject *parent = nullptr);

public slots:
    void showHelpTopics();
    void contactSupport();
    void showAbout();

private:
    ShellOpener &m_shell;
    MessageBoxes &m_boxes;
    const WindowCaption &m_caption;
    QString m_language;
};

} // namespace vexlor
