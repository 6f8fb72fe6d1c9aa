#include "road_class_options.h"

#include "dialogs/message_boxes.h"

#include "settings/road_class_setting.h"

#include <QAction>

namespace vexlor {

RoadClassOptions::RoadClassOptions(QList<QAction *> items, SettingsFile &settings,
                                   MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_items(std::move(items)), m_settings(settings), m_boxes(boxes)
{
    // Only the user's own choices are written: load() ticks without triggering.
    for (QAction *item : std::as_const(m_items))
        connect(item, &QAction::triggered, this, [this, item] { choose(item); });
}

void RoadClassOptions::load()
{
    const QString saved = readRoadClassSetting(m_settings);
    tick(findRoadClass(saved) ? saved : QString());
}

const RoadClass *RoadClassOptions::current() const
{
    for (const QAction *item : m_items) {
        if (item->isChecked())
            return findRoadClass(item->data().toString());
    }
    return nullptr;
}

void RoadClassOptions::adopt(const RoadClass *roadClass, const QString &tireText)
{
    m_tireText = tireText;
    if (roadClass == current())
        return;
    const QString id = roadClass ? QString::fromLatin1(roadClass->id) : QString();
    tick(id);
    for (QAction *item : std::as_const(m_items)) {
        if (item->data().toString() == id)
            choose(item);
    }
}

void RoadClassOptions::choose(QAction *item)
{
    // The choice holds for this session even when the file cannot keep it.
    const SettingsWriteResult written = writeRoadClassSetting(m_settings, item->data().toString());
    if (!written.ok())
        m_boxes.standardError(written.error);
}

void RoadClassOptions::tick(const QString &id)
{
    for (QAction *item : std::as_const(m_items))
        item->setChecked(item->data().toString() == id);
}

} // namespace vexlor
