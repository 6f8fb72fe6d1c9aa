#include "setup_commands.h"

#include "road_class_options.h"
#include "dialogs/safety_dialogs.h"
#include "pages/parameter_binding.h"
#include "rules/input_rules.h"

namespace vexlor {

SetupCommands::SetupCommands(Sources sources, SafetyDialogs &dialogs, NumberFormat numberFormat,
                             QObject *parent)
    : QObject(parent), m_sources(sources), m_dialogs(dialogs), m_numberFormat(numberFormat)
{
}

void SetupCommands::newBikeSetup()
{
    // The value being edited is bounded first, so "now" is what a write would send.
    if (!m_sources.rules.applyPendingRules())
        return;
    RoadClassOptions &options = m_sources.roadClass;
    const SetupChoice choice = m_dialogs.chooseSetupValues(
        {m_sources.binding.snapshot(), {options.current(), options.tireText(), m_sources.binding.speedUnits()},
         m_numberFormat});
    if (choice.values.isEmpty())
        return;
    for (const ProposedValue &v : choice.values) {
        if (v.index == kLimitMaxSpeedRow)
            m_sources.binding.applyLimitMaxSpeed(v.value.number != 0);
        else
            m_sources.binding.apply({v.index, v.value});
    }
    options.adopt(choice.setting.roadClass, choice.setting.tire);
}

} // namespace vexlor
