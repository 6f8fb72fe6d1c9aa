#include "general_page.h"

#include "group_form.h"
#include "parameter_controls.h"
#include "radio_group.h"
#include "up_down.h"
#include "wheel_size_list.h"
#include "window_controls.h"
#include "art/compact_combo_style.h"
#include "basics/window_texts.h"

#include "params/parameter_table.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStyleFactory>

#include <algorithm>

namespace vexlor {
namespace {

// Column lefts and widths of the tab.
constexpr int kLeftX = 40;
constexpr int kMiddleX = 312;
constexpr int kRightX = 584;
constexpr int kWideColumn = 249;
constexpr int kNarrowColumn = 156;
constexpr int kGoverningBoxTop = 176; // check boxes standing just above a group at 200

constexpr int kEditWidth = 42;
constexpr int kWheelListWidth = 58; // just shows "700C" in full

QCheckBox *governingCheckBox(QCheckBox *box, int x, int y)
{
    box->move(x, y);
    box->resize(box->sizeHint());
    return box;
}

void buildPowerGroup(QWidget *page, ParameterControls &parameters)
{
    auto *group = makeGroup("GroupBox5", WindowTexts::tr("Power parameters"),
                            QRect(kLeftX, 8, kWideColumn, 153), page);
    const auto battery = makeLabeledField(parameters, "MaxBatteryCurrent", kEditWidth, group);
    const auto lowVoltage =
        makeLabeledField(parameters, "LowVoltageProtection", kEditWidth, group);
    const auto acceleration = makeTrackBar(parameters, "Acceleration", group);
    const auto brake = makeRadioPair(parameters, "BrakeVoltageLevel", group);

    GroupForm form(group, lowVoltage.caption->sizeHint().width(), 4);
    form.addField(battery);
    form.addField(lowVoltage);
    form.addCaptionedRow(acceleration.caption, {acceleration.slider});
    form.addRow({brake.caption, brake.first, brake.second}, 8);
    form.addStretch();
}

GroupSwitch buildPedalGroup(QWidget *page, ParameterControls &parameters)
{
    auto *usePedalSensor = governingCheckBox(makeCheckBox(parameters, "UsePedalSensor", page),
                                             kLeftX, kGoverningBoxTop);
    auto *group = makeGroup("GroupBox2", WindowTexts::tr("Pedal speed sensor functions"),
                            QRect(kLeftX, 200, kWideColumn, 209), page);
    const auto duty = makeRadioPair(parameters, "PedalSensorDutyCycle", group);
    const auto magnets = makeLabeledField(parameters, "PedalSensorMagnets", kEditWidth, group);
    const auto start = makeLabeledField(parameters, "PedalStartMagnets", kEditWidth, group);
    const auto stop = makeLabeledField(parameters, "PedalStopDelay", kEditWidth, group);
    const auto ratio = makeTrackBar(parameters, "PasRatio", group);
    auto *withThrottle = makeCheckBox(parameters, "PedalWithThrottle", group);

    GroupForm form(group, start.caption->sizeHint().width(), 5);
    form.addRow({duty.caption, duty.first, duty.second}, 8);
    form.addField(magnets);
    form.addField(start);
    form.addField(stop);
    form.addCaptionedRow(ratio.caption, {ratio.slider});
    form.addRow({withThrottle});
    form.addStretch();
    return {usePedalSensor, group};
}

void buildSpeedGroup(QWidget *page, WindowControls &controls)
{
    ParameterControls &parameters = controls.parameters;
    auto *limit = new QCheckBox(WindowTexts::tr("Limit max speed"), page);
    limit->setObjectName(QStringLiteral("CheckBox7"));
    limit->setChecked(true);
    governingCheckBox(limit, kMiddleX, 8);

    auto *group = makeGroup("GroupBox4", WindowTexts::tr("Speed limit parameters"),
                            QRect(kMiddleX, 32, kWideColumn, 129), page);
    const auto speed = makeLabeledField(parameters, "SpeedLimit", kEditWidth, group);
    const auto speedometer =
        makeLabeledField(parameters, "SpeedometerMagnets", kEditWidth, group);
    const auto perimeter = makeLabeledField(parameters, "WheelPerimeter", kEditWidth, group);

    // The wheel-size list only fills the perimeter field; it is no parameter.
    auto *wheel = new WheelSizeList(group);
    wheel->setObjectName(QStringLiteral("ComboBox1"));
    wheel->addItems(wheelSizeItems());
    wheel->setCurrentIndex(-1);
    wheel->setMaxVisibleItems(wheelSizeItems().size());
    wheel->setAccessibleName(WindowTexts::tr("Wheel size"));
    auto *compact = new CompactComboStyle(QStyleFactory::create(QApplication::style()->name()));
    compact->setParent(wheel);
    wheel->setStyle(compact);
    controls.limitMaxSpeed = limit;
    controls.wheelSize = wheel;
    controls.groupSwitches[2] = {limit, group};

    // The perimeter row is full to the edge, its unit and the wheel-size list
    // close beside the field. The room it leaves sets the caption column; a
    // caption wider than that takes two lines, so that the three fields stand
    // in one column and keep the same margins as every other group's.
    constexpr int kTightGap = 1;
    wheel->setFixedWidth(kWheelListWidth);
    const int column = captionRoom(group, kEditWidth + kTightGap + perimeter.unit->sizeHint().width()
                                              + kTightGap + kWheelListWidth);
    QLabel *const captions[] = {speed.caption, speedometer.caption, perimeter.caption};
    int widest = 0;
    for (QLabel *caption : captions)
        widest = std::max(widest, caption->sizeHint().width());
    for (QLabel *caption : captions)
        caption->setWordWrap(caption->sizeHint().width() > column);
    GroupForm form(group, std::min(widest, column), 4);
    form.addField(speed);
    form.addField(speedometer);
    form.addField(perimeter, {wheel}, kTightGap);
    form.addStretch();
}

GroupSwitch buildThrottleGroup(QWidget *page, ParameterControls &parameters)
{
    auto *useThrottle = governingCheckBox(makeCheckBox(parameters, "UseThrottle", page), kMiddleX,
                                          kGoverningBoxTop);
    auto *group = makeGroup("GroupBox1", WindowTexts::tr("Throttle functions"),
                            QRect(kMiddleX, 200, kWideColumn, 209), page);
    const auto output = makeLabeledField(parameters, "ThrottleMaxOutput", kEditWidth, group);
    auto *limited = makeCheckBox(parameters, "ThrottleLimitedByPasLevels", group);
    const auto start = makeLabeledField(parameters, "ThrottleStartVoltage", 38, group);
    const auto full = makeLabeledField(parameters, "ThrottleFullVoltage", 38, group);
    auto *style = makeRadioGroup(parameters, "ThrottleWorkingStyle", group);

    GroupForm form(group, start.caption->sizeHint().width(), 5);
    form.addField(output);
    form.addRow({limited});
    form.addField(start, {full.caption, full.edit, full.unit}, 2); // a full row
    form.addRow({style});
    style->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    form.addStretch();
    return {useThrottle, group};
}

UpDown *buildLevelCount(QWidget *page, ParameterControls &parameters)
{
    auto *strip = new QWidget(page);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto count = makeLabeledField(parameters, "PasLevelCount", 24, strip);
    count.edit->setReadOnly(true); // only UpDown1 changes it
    auto *upDown = new UpDown(strip);
    upDown->setObjectName(QStringLiteral("UpDown1"));
    const ParameterDescriptor &d = descriptorOf("PasLevelCount");
    upDown->setRange(d.minimum, d.maximum);
    upDown->setBuddy(count.edit);
    row->addStretch();
    row->addWidget(count.caption);
    row->addSpacing(3);
    row->addWidget(count.edit);
    row->addWidget(upDown); // the arrows sit against the field
    // Ends at the column's right edge; the caption may reach into the gap
    // left of the column.
    strip->setGeometry(kRightX - 20, 6, kNarrowColumn + 20, 23);
    return upDown;
}

void buildLevelLimitGroup(QWidget *page, ParameterControls &parameters)
{
    auto *group = makeGroup("GroupBox3", WindowTexts::tr("Level limits"),
                            QRect(kRightX, 32, kNarrowColumn, 377), page);
    static constexpr const char *kLevelLimits[] = {
        "LevelLimit1", "LevelLimit2", "LevelLimit3", "LevelLimit4", "LevelLimit5",
        "LevelLimit6", "LevelLimit7", "LevelLimit8", "LevelLimit9",
    };
    // Made in the order of their rows, which Tab follows; the walk-assist
    // caption, at the bottom, sets the caption column.
    LabeledField levels[std::size(kLevelLimits)];
    for (size_t i = 0; i < std::size(kLevelLimits); ++i)
        levels[i] = makeLabeledField(parameters, kLevelLimits[i], 36, group);
    auto *limitSpeed = makeCheckBox(parameters, "LevelLimitsSpeed", group);
    auto *limitCurrent = makeCheckBox(parameters, "LevelLimitsCurrent", group);
    const auto walk = makeLabeledField(parameters, "WalkAssistLimit", 36, group);
    GroupForm form(group, walk.caption->sizeHint().width(), 1); // level rows 24 pixels apart
    for (const LabeledField &level : levels)
        form.addField(level);
    form.addRow({limitSpeed});
    form.addRow({limitCurrent});
    form.addStretch();
    form.addField(walk);
}

} // namespace

QWidget *buildGeneralPage(QWidget *parent, WindowControls &controls)
{
    auto *page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabSheet1"));
    ParameterControls &parameters = controls.parameters;
    buildPowerGroup(page, parameters);
    controls.groupSwitches[1] = buildPedalGroup(page, parameters);
    buildSpeedGroup(page, controls);
    controls.groupSwitches[0] = buildThrottleGroup(page, parameters);
    controls.levelUpDown = buildLevelCount(page, parameters);
    buildLevelLimitGroup(page, parameters);
    return page;
}

} // namespace vexlor
