#pragma once

#include "safety_dialogs.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

namespace vexlor {

// The question before a write that would send values the user may not mean,
// not yet shown: a warning box listing every kind of value, each under its
// sentence, in a view ("WriteAnywayList") that scrolls rather than outgrow
// the screen, Cancel the default button, so Enter writes nothing.
[[nodiscard]] std::unique_ptr<QMessageBox> buildWriteAnywayBox(const WriteWarnings &warnings,
                                                               QWidget *parent = nullptr);

// SafetyDialogs shown as modal dialogs over the window.
class QtSafetyDialogs final : public SafetyDialogs {
public:
    // The window the dialogs are modal to, once it exists.
    void setParentWindow(QWidget *window) { m_parent = window; }

    [[nodiscard]] ComparisonChoice showComparison(const QList<DifferenceRow> &rows,
                                                  const FingerprintPair &fingerprints) override;
    [[nodiscard]] QString chooseBackup(const QList<BackupRow> &rows) override;
    void showVerifyFailure(const QList<DifferenceRow> &rows) override;
    // buildWriteAnywayBox(); true for its "Write anyway" button.
    [[nodiscard]] bool confirmWriteAnyway(const WriteWarnings &warnings) override;
    [[nodiscard]] RoadCheckSetting checkRoadClass(const ParameterValues &values, NumberFormat format,
                                                  const RoadCheckSetting &setting) override;
    [[nodiscard]] SetupChoice chooseSetupValues(const SetupStart &start) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace vexlor
