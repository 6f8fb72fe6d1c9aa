#pragma once

#include "params/number_text.h"
#include "params/parameter_comparison.h"
#include "params/parameter_snapshot.h"
#include "params/speed_units.h"
#include "road/road_class.h"
#include "setup/setup_proposal.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace vexlor {

// One parameter whose values differ, as the window would show them.
struct DifferenceRow {
    QString parameter; // its field label, "Max battery current"
    QString unit;      // "A"; empty for none
    QString expected;  // the window's value, or the value written
    QString actual;    // the value the controller holds
};

// What the user chose in the comparison with the controller.
enum class ComparisonChoice {
    Close,
    LoadControllerValues, // put the controller's values into the window
    WriteWindowValues,    // write the window's values into the controller
};

// One automatic backup, as the restore list offers it.
struct BackupRow {
    QString path;
    QDateTime time;
    int differingCount = -1; // parameters that differ from the window; -1 unknown
    QString followingWrite;  // how the write that followed it ended
    QString note;            // "Taken after an interrupted write", or empty
    QString unreadable;      // why the file cannot be loaded; then it is never offered
    int sequence = 1;        // its place among the backups of its second: 1, 2 ...
};

// The fingerprints of the window's settings and of the controller's.
struct FingerprintPair {
    QString window;
    QString controller;
};

// What a write is about to send that the user may not mean, one value a line:
// values beyond the limits the window holds its fields to, values that
// break the chosen road class, and values that hardly fit a bike or each other.
struct WriteWarnings {
    QString outsideLimits;     // empty: none
    QString roadClass;         // the broken class's name
    QString roadClassFindings; // empty: the class is kept, or none is chosen
    QString implausible;       // the plausibility rules' warnings; empty: none

    [[nodiscard]] bool isEmpty() const
    {
        return outsideLimits.isEmpty() && roadClassFindings.isEmpty() && implausible.isEmpty();
    }
};

// The road-class check as the window offers it: the values a write would
// send, checked against a class with the tire the user gives; the class and
// the tire text are what the user leaves it with.
struct RoadCheckSetting {
    const RoadClass *roadClass = nullptr; // none
    QString tire;                         // as typed; empty: none
    SpeedUnits units = SpeedUnits::Metric; // the units the report writes speeds in
};

// What the setup assistant starts from: the window's values, its class and
// tire, and the user's number format.
struct SetupStart {
    ParameterSnapshot now;
    RoadCheckSetting setting;
    NumberFormat format;
};

// What the setup assistant was left with: the values ticked when Apply was
// chosen (none after Cancel), and the class and tire they were proposed for.
struct SetupChoice {
    QList<ProposedValue> values;
    RoadCheckSetting setting;
};

// The dialogs of comparing, restoring and verifying, behind an interface so
// tests answer them instead of blocking on a modal dialog.
class SafetyDialogs {
public:
    virtual ~SafetyDialogs() = default;

    // The differences between the window and the controller (none: the
    // controller holds the window's settings), and what to do about them.
    [[nodiscard]] virtual ComparisonChoice showComparison(const QList<DifferenceRow> &rows,
                                                          const FingerprintPair &fingerprints) = 0;
    // The backups, newest first; the path of the one to load, empty for none.
    [[nodiscard]] virtual QString chooseBackup(const QList<BackupRow> &rows) = 0;
    // A write's check found the controller holding other values than written.
    virtual void showVerifyFailure(const QList<DifferenceRow> &rows) = 0;
    // Values beyond the limits the window holds its fields to, breaking the
    // road class or implausible are about to be written; true to write them
    // all the same.
    [[nodiscard]] virtual bool confirmWriteAnyway(const WriteWarnings &warnings) = 0;
    // The window's values (`values`, in `format`) checked against a road
    // class and a tire, both of which the user may change there.
    [[nodiscard]] virtual RoadCheckSetting checkRoadClass(const ParameterValues &values, NumberFormat format,
                                                          const RoadCheckSetting &setting) = 0;
    // File > New Bike Setup…: the parts asked for, the values proposed for
    // them, and the ones the user ticks.
    [[nodiscard]] virtual SetupChoice chooseSetupValues(const SetupStart &start) = 0;
};

} // namespace vexlor
