#pragma once

#include <QObject>

class QLabel;

namespace vexlor {

class MessageBoxes;
class OperationRecords;

// Connect > Bike...: the short label (a frame number, a customer) each
// record of the register carries until another is set; shown in the status
// strip. Empty is allowed: no label.
class BikeCommands : public QObject {
    Q_OBJECT
public:
    // All must outlive the commands; `bikeLabel` is the strip's BikeLabel.
    BikeCommands(OperationRecords &records, MessageBoxes &boxes, QLabel *bikeLabel,
                 QObject *parent = nullptr);

    // The longest label kept: a frame number and a name fit.
    static constexpr int kMaxLength = 80;

    // Sets the label as if typed (trimmed, shortened to kMaxLength).
    void setBike(const QString &label);

public slots:
    void chooseBike();

private:
    OperationRecords &m_records;
    MessageBoxes &m_boxes;
    QLabel *m_label;
};

} // namespace vexlor
