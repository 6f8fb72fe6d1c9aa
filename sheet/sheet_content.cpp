#include "sheet_content.h"

#include "sheet_texts.h"

#include "params/comparison_texts.h"
#include "params/parameter_codec.h"
#include "params/settings_fingerprint.h"
#include "road/road_check.h"


namespace vexlor {
namespace {

// Stands in a group for the "Limit max speed" box, which has no index.
constexpr int kLimitMaxSpeedRow = -1;

struct GroupLayout {
    const char *title; // the window's own title, context "MainWindow"
    QList<int> rows;   // protocol indices, top to bottom
};

// The window's groups, each governing check box at its group's head, in the
// order of parametersInWindowOrder(): every stored parameter once. The left
// column holds the General tab's left and middle columns.
const QList<GroupLayout> &leftGroups()
{
    static const QList<GroupLayout> groups = {
        {QT_TRANSLATE_NOOP("MainWindow", "Power parameters"), {1, 2, 3, 4}},
        {QT_TRANSLATE_NOOP("MainWindow", "Pedal speed sensor functions"), {8, 9, 10, 11, 12, 13, 33}},
        {QT_TRANSLATE_NOOP("MainWindow", "Speed limit parameters"), {kLimitMaxSpeedRow, 5, 6, 7}},
        {QT_TRANSLATE_NOOP("MainWindow", "Throttle functions"), {14, 15, 16, 17, 18, 19}},
    };
    return groups;
}

// The General tab's right column, then the Motor tab.
const QList<GroupLayout> &rightGroups()
{
    static const QList<GroupLayout> groups = {
        {QT_TRANSLATE_NOOP("MainWindow", "Level limits"),
         {20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32}},
        {QT_TRANSLATE_NOOP("MainWindow", "Motor"), {40, 41}},
        {QT_TRANSLATE_NOOP("MainWindow", "Brushless motor parameters"), {42, 43, 45, 46, 47, 48, 49, 50}},
    };
    return groups;
}

SheetRow row(int index, const SheetFacts &facts)
{
    if (index == kLimitMaxSpeedRow) {
        return {translated("MainWindow", QT_TRANSLATE_NOOP("MainWindow", "Limit max speed")),
                comparisonText(facts.limitMaxSpeed ? texts::kTicked : texts::kCleared)};
    }
    const ParameterDescriptor &d = parameterAt(index);
    return {fieldLabel(d), valueInUnits(index, facts.values[index], facts.numberFormat, facts.speedUnits)};
}

QList<SheetGroup> groups(const QList<GroupLayout> &layout, const SheetFacts &facts)
{
    QList<SheetGroup> result;
    for (const GroupLayout &group : layout) {
        SheetGroup g{translated("MainWindow", group.title), {}};
        for (const int index : group.rows)
            g.rows.append(row(index, facts));
        result.append(g);
    }
    return result;
}

QStringList factLines(const SheetFacts &facts)
{
    QStringList lines;
    if (!facts.documentName.isEmpty())
        lines << sheetText(texts::kSheetDocument).arg(facts.documentName);
    else
        lines << sheetText(facts.documentChanged ? texts::kSheetWindowValues : texts::kSheetNoDocument);
    lines << sheetText(texts::kSheetDate).arg(facts.language.toString(facts.date, QLocale::LongFormat));
    lines << sheetText(texts::kSheetTool).arg(QStringLiteral("Vexlor Adjustor " VEXLOR_VERSION));
    if (!facts.controllerVersion.isEmpty())
        lines << sheetText(texts::kSheetControllerVersion).arg(facts.controllerVersion);
    lines << sheetText(texts::kSheetUnits).arg(speedUnitsName(facts.speedUnits));
    return lines;
}

QList<SheetLevel> levels(const ParameterValues &values)
{
    const int count = values[kPasLevelCountIndex];
    QList<SheetLevel> result;
    for (int level = 1; level <= kLevelLimitCount; ++level)
        result.append({values[kFirstLevelLimitIndex + level - 1], level <= count});
    return result;
}

} // namespace

SheetContent settingsSheetContent(const SheetFacts &facts)
{
    SheetContent sheet;
    sheet.title = sheetText(texts::kSheetTitle);
    sheet.facts = factLines(facts);
    sheet.fingerprintLabel = sheetText(texts::kSheetFingerprint);
    sheet.fingerprint = settingsFingerprint(facts.values);
    sheet.leftColumn = groups(leftGroups(), facts);
    sheet.rightColumn = groups(rightGroups(), facts);
    sheet.levelsTitle = sheetText(texts::kSheetAssistLevels);
    sheet.levels = levels(facts.values);
    sheet.levelUnit = shownUnit(parameterAt(kFirstLevelLimitIndex));
    sheet.checkTitle = sheetText(texts::kSheetRoadCheck);
    sheet.checkLines =
        roadCheckReport(facts.values, facts.roadClass, facts.tire, facts.numberFormat, facts.speedUnits);
    sheet.signatures = {sheetText(texts::kSheetShopSignature), sheetText(texts::kSheetCustomerSignature)};
    return sheet;
}

} // namespace vexlor
