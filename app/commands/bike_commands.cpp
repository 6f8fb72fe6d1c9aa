#include "bike_commands.h"

#include "operation_records.h"
#include "dialogs/message_boxes.h"
#include "basics/status_strip.h"
#include "basics/window_texts.h"

namespace vexlor {

BikeCommands::BikeCommands(OperationRecords &records, MessageBoxes &boxes, QLabel *bikeLabel,
                           QObject *parent)
    : QObject(parent)
    , m_records(records)
    , m_boxes(boxes)
    , m_label(bikeLabel)
{
}

void BikeCommands::setBike(const QString &label)
{
    // One line: a label pasted with its line break stays one record field.
    const QString kept = label.simplified().left(kMaxLength);
    m_records.setBike(kept);
    showBikeLabel(m_label, kept);
}

void BikeCommands::chooseBike()
{
    //: the box of Connect > Bike...: its title and the caption of its one field
    const auto label = m_boxes.askText(WindowTexts::tr("Bike"),
                                       WindowTexts::tr("Label of the bike (frame number, customer); "
                                                       "every operation is recorded with it:"),
                                       m_records.bike());
    if (label)
        setBike(*label);
}

} // namespace vexlor
