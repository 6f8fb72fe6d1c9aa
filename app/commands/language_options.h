#pragma once

#include <QList>
#include <QObject>

class QAction;

namespace vexlor {

class MessageBoxes;
class SettingsFile;

// Help > Language: ticked as the [Language] section of config.ini says, and
// each choice written there at once. The window is built once in one
// language, so a choice applies from the next start, which a note says.
class LanguageOptions : public QObject {
    Q_OBJECT
public:
    // `items` are the menu's checkable items, each with its language code as
    // data ("" follows the desktop); `settings` is config.ini. Everything
    // must outlive the options.
    LanguageOptions(QList<QAction *> items, SettingsFile &settings, MessageBoxes &boxes,
                    QObject *parent = nullptr);

    // Start-up: ticks the item config.ini names (the desktop's when it names
    // none the tool speaks); from then on each choice is written to it.
    void load();

private:
    void choose(QAction *item);

    QList<QAction *> m_items;
    SettingsFile &m_settings;
    MessageBoxes &m_boxes;
};

} // namespace vexlor
