#pragma once

#include "safety_dialogs.h"

#include <QWizard>

namespace vexlor {

class BatteryPage;
class MotorPage;
class ProposalPage;
class RoadPage;

// File > New Bike Setup…: asks for what is printed on the parts, page by
// page, then shows the values proposed for them with a tick each. Apply
// (the last page's Finish) hands over the ticked ones; Cancel, anywhere,
// none.
class SetupWizard : public QWizard {
    Q_OBJECT
public:
    explicit SetupWizard(const SetupStart &start, QWidget *parent = nullptr);

    // What the wizard was left with: nothing unless it was accepted.
    [[nodiscard]] SetupChoice choice() const;

protected:
    void initializePage(int id) override;

private:
    SetupStart m_start;
    BatteryPage *m_battery = nullptr;
    MotorPage *m_motor = nullptr;
    RoadPage *m_road = nullptr;
    ProposalPage *m_proposal = nullptr;
    int m_proposalId = -1;
};

} // namespace vexlor
