#pragma once

#include "doctor/check_result.h"

#include <QDialog>

class QGridLayout;
class QPushButton;

namespace vexlor {

class DoctorRun;

// Help > Connection Doctor: every check of the connection, one row each with
// a picture of its outcome, what was found and the fix; "Run Again" and
// "Copy Report" (the lines of vexlor-cli doctor with the program's and the
// system's versions). Not modal: the window stays usable beside it.
class ConnectionDoctorDialog : public QDialog {
    Q_OBJECT
public:
    // `run` must outlive the dialog. `program` names the program and its
    // version in the report ("vexlor-adjustor 1.35").
    ConnectionDoctorDialog(DoctorRun &run, QString program, QWidget *parent = nullptr);

    // Shows the dialog in front and runs the checks (again).
    void showAndRun();
    // Shows these findings; with `controllerPending` a last row says the
    // controller is still being asked.
    void showResults(const QList<CheckResult> &results, bool controllerPending);
    // What Copy Report puts on the clipboard.
    [[nodiscard]] QString report() const;

private:
    void addRow(int row, const CheckResult &result);
    void addPendingRow(int row);
    void clearRows();
    void copyReport();

    DoctorRun &m_run;
    QString m_program;
    QList<CheckResult> m_results;
    QGridLayout *m_rows = nullptr;
    QPushButton *m_runAgain = nullptr;
    QPushButton *m_copy = nullptr;
};

} // namespace vexlor
