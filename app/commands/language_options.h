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
    // data ("" follows the desktop); everything must outlive the options.
    LanguageOptions(QList<QAction *> items, MessageBoxes &boxes, QObject *parent = nullptr);

    // Start-up: ticks the item `settings` names (the desktop's when it names
    // none the tool speaks); from then on each choice is written to it.
    void load(SettingsFile &settings);

private:
    void choose(QAction *item);

    QList<QAction *> m_items;
    MessageBoxes &m_boxes;
    SettingsFile *m_settings = nullptr;
};

} // namespace vexlor
