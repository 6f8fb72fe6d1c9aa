#include "setup_wizard.h"

#include "setup_pages.h"

#include <QAbstractButton>

namespace vexlor {

SetupWizard::SetupWizard(const SetupStart &start, QWidget *parent) : QWizard(parent), m_start(start)
{
    setObjectName(QStringLiteral("SetupWizard"));
    //: the window title of File > New Bike Setup…
    setWindowTitle(WizardText::tr("New Bike Setup"));
    setWizardStyle(QWizard::ClassicStyle); // the same on every desktop
    setOption(QWizard::NoBackButtonOnStartPage);
    //: the last page's button that puts the ticked values into the window (nothing is sent)
    setButtonText(QWizard::FinishButton, WizardText::tr("&Apply"));
    m_battery = new BatteryPage(start, this);
    m_motor = new MotorPage(this);
    m_road = new RoadPage(start, this);
    m_proposal = new ProposalPage(this);
    addPage(m_battery);
    addPage(m_motor);
    addPage(m_road);
    m_proposalId = addPage(m_proposal);
    button(QWizard::FinishButton)->setObjectName(QStringLiteral("ApplyButton"));
    button(QWizard::CancelButton)->setObjectName(QStringLiteral("CancelButton"));
    button(QWizard::NextButton)->setObjectName(QStringLiteral("NextButton"));
    resize(qMax(sizeHint().width(), 860), qMax(sizeHint().height(), 560));
}

void SetupWizard::initializePage(int id)
{
    QWizard::initializePage(id);
    if (id != m_proposalId)
        return;
    BikeParts parts;
    m_battery->fill(parts);
    m_motor->fill(parts);
    m_road->fill(parts);
    const SetupProposal proposal = proposeSetup(parts, m_start.now, m_start.format);
    m_proposal->showProposal(proposal, proposalRows(proposal, m_start.now, m_start.format, m_start.setting.units),
                             roadClassName(*parts.roadClass));
}

SetupChoice SetupWizard::choice() const
{
    if (result() != QDialog::Accepted)
        return {};
    return {m_proposal->tickedValues(), m_road->setting()};
}

} // namespace vexlor
