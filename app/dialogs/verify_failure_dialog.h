#pragma once

#include "safety_dialogs.h"

#include <QDialog>

namespace vexlor {

// The box after a write whose check found differences: each differing
// parameter with the value written and the value the controller holds.
class VerifyFailureDialog : public QDialog {
    Q_OBJECT
public:
    explicit VerifyFailureDialog(const QList<DifferenceRow> &rows, QWidget *parent = nullptr);
};

} // namespace vexlor
