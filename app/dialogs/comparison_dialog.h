#pragma once

#include "safety_dialogs.h"

#include <QDialog>

namespace vexlor {

// Compare with Controller: the parameters whose values differ between the
// window and the controller, or the sentence that the controller holds the
// window's settings; then load the controller's values, write the window's,
// or close. Load and write are offered only when something differs. Below
// the list, the fingerprints of both sides' settings, when known.
class ComparisonDialog : public QDialog {
    Q_OBJECT
public:
    explicit ComparisonDialog(const QList<DifferenceRow> &rows, const FingerprintPair &fingerprints = {},
                              QWidget *parent = nullptr);

    [[nodiscard]] ComparisonChoice choice() const { return m_choice; }

private:
    void choose(ComparisonChoice choice);

    ComparisonChoice m_choice = ComparisonChoice::Close;
};

} // namespace vexlor
