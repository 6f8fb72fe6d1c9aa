#include "unit_options.h"

#include "dialogs/message_boxes.h"
#include "pages/parameter_binding.h"

#include "settings/units_setting.h"

#include <QAction>

namespace vexlor {

UnitOptions::UnitOptions(QList<QAction *> items, SettingsFile &settings, ParameterBinding &binding,
                         MessageBoxes &boxes, QObject *parent)
    : QObject(parent), m_items(std::move(items)), m_settings(settings), m_binding(binding), m_boxes(boxes)
{
    // Only the user's own choices are written: load() ticks without triggering.
    for (QAction *item : std::as_const(m_items))
        connect(item, &QAction::triggered, this, [this, item] { choose(item); });
}

void UnitOptions::load()
{
    m_binding.showSpeedsIn(readSpeedUnitsSetting(m_settings));
    tick();
}

void UnitOptions::choose(QAction *item)
{
    const SpeedUnits units = speedUnitsFromId(item->data().toString()).value_or(SpeedUnits::Metric);
    m_binding.showSpeedsIn(units);
    tick();
    // The choice holds for this session even when the file cannot keep it.
    const SettingsWriteResult written = writeSpeedUnitsSetting(m_settings, units);
    if (!written.ok())
        m_boxes.standardError(written.error);
}

void UnitOptions::tick()
{
    const QString shown = QString::fromLatin1(speedUnitsId(m_binding.speedUnits()));
    for (QAction *item : std::as_const(m_items))
        item->setChecked(item->data().toString() == shown);
}

} // namespace vexlor
