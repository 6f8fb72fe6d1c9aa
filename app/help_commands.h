#pragma once

#include <QObject>

namespace vexlor {

class MessageBoxes;
class ShellOpener;
class WindowCaption;

// The Help menu: the user guide, technical support and the About box.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(ShellOpener &shell, MessageBoxes &boxes, const WindowCaption &caption,
                 QObject *parent = nullptr);

public slots:
    void showHelpTopics();
    void contactSupport();
    void showAbout();

private:
    ShellOpener &m_shell;
    MessageBoxes &m_boxes;
    const WindowCaption &m_caption;
};

} // namespace vexlor
