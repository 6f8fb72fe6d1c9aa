#include "profile_dialog.h"

#include "basics/profile_texts.h"

#include "backups/profile_store.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexlor {
namespace {

QLineEdit *addField(QFormLayout *form, const char *name, const char *caption)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(QString::fromLatin1(name));
    auto *label = new QLabel(texts::profileText(caption));
    label->setBuddy(edit); // its caption names it to screen readers and gives its access key
    form->addRow(label, edit);
    return edit;
}

} // namespace

ProfileDialog::ProfileDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveProfileDialog1"));
    setWindowTitle(texts::profileText(texts::kSaveProfileTitle));
    auto *form = new QFormLayout;
    m_name = addField(form, "ProfileName1", texts::kProfileNameField);
    m_name->setMaxLength(ProfileStore::kMaxNameLength);
    m_problem = new QLabel;
    m_problem->setObjectName(QStringLiteral("ProfileNameProblem1"));
    m_problem->setWordWrap(true);
    form->addRow(QString(), m_problem);
    m_note = addField(form, "ProfileNote1", texts::kProfileNoteField);
    auto *hint = new QLabel(texts::profileText(texts::kProfileHint));
    hint->setWordWrap(true);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_name, &QLineEdit::textChanged, this, &ProfileDialog::checkName);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(m_buttons);
    setMinimumWidth(420);
    checkName();
}

ProfileDraft ProfileDialog::draft() const
{
    return {m_name->text().trimmed(), m_note->text().trimmed()};
}

void ProfileDialog::checkName()
{
    // Blanks around the name are dropped, not refused; an empty name needs no
    // message while the user has not typed yet.
    const QString name = m_name->text().trimmed();
    const QString problem = ProfileStore::nameError(name);
    m_problem->setText(name.isEmpty() ? QString() : problem);
    m_problem->setVisible(!m_problem->text().isEmpty());
    m_buttons->button(QDialogButtonBox::Save)->setEnabled(problem.isEmpty());
    // The reason takes lines of its own: the dialog grows to show it whole.
    if (isVisible()) {
        layout()->activate();
        adjustSize();
    }
}

std::optional<ProfileDraft> askProfileDraft(QWidget *parent)
{
    ProfileDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.draft();
}

} // namespace vexlor
