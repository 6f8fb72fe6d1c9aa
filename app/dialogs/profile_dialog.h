#pragma once

#include "file_dialogs.h"

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

namespace vexlor {

// SaveProfileDialog1: the name (ProfileName1) and note (ProfileNote1) of a
// new profile. Save stays off while the name cannot name a profile, and the
// line under the name (ProfileNameProblem1) says why.
class ProfileDialog : public QDialog {
    Q_OBJECT
public:
    explicit ProfileDialog(QWidget *parent = nullptr);

    [[nodiscard]] ProfileDraft draft() const;

private:
    void checkName();

    QLineEdit *m_name = nullptr;
    QLineEdit *m_note = nullptr;
    QLabel *m_problem = nullptr;
    QDialogButtonBox *m_buttons = nullptr;
};

// Shows the dialog modally over `parent`; nullopt when cancelled.
[[nodiscard]] std::optional<ProfileDraft> askProfileDraft(QWidget *parent);

} // namespace vexlor
