#include "language_options.h"

#include "dialogs/message_boxes.h"
#include "basics/window_texts.h"

#include "settings/language_setting.h"

#include <QAction>

namespace vexlor {

LanguageOptions::LanguageOptions(QList<QAction *> items, SettingsFile &settings,
                                 MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_items(std::move(items)), m_settings(settings), m_boxes(boxes)
{
    // Only the user's own choices are written: load() ticks without triggering.
    for (QAction *item : std::as_const(m_items))
        connect(item, &QAction::triggered, this, [this, item] { choose(item); });
}

void LanguageOptions::load()
{
    const QString saved = readLanguageSetting(m_settings);
    QAction *ticked = m_items.value(0); // follow the desktop
    for (QAction *item : std::as_const(m_items)) {
        if (!saved.isEmpty() && item->data().toString() == saved)
            ticked = item;
    }
    if (ticked)
        ticked->setChecked(true);
}

void LanguageOptions::choose(QAction *item)
{
    const SettingsWriteResult written = writeLanguageSetting(m_settings, item->data().toString());
    if (!written.ok()) {
        m_boxes.standardError(written.error);
        return;
    }
    //: Help > Language: the note after choosing a language
    m_boxes.information(WindowTexts::tr("Language"),
                        WindowTexts::tr("The window will show the chosen language the next time you start "
                                        "the program."));
}

} // namespace vexlor
