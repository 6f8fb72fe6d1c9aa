#pragma once

#include <QComboBox>
#include <QStringList>

namespace vexlor {

// The wheel-size list. Qt's own accessible drop-down list on Linux takes
// the current item for the list's name, so a screen reader would announce
// "26"" where it should say what the list is for; this one is announced by
// its accessible name, its current item as its value.
class WheelSizeList : public QComboBox {
    Q_OBJECT
public:
    explicit WheelSizeList(QWidget *parent = nullptr);
};

// The wheel sizes offered by the wheel-size list, in list order: 10" to 26"
// in steps of two inches, then 700C, then 28". The first item carries the
// double-prime sign, the others an ASCII double quote as inch mark.
[[nodiscard]] QStringList wheelSizeItems();

// Index of the 26" item, the one selected when the window starts.
inline constexpr int kDefaultWheelSizeIndex = 8;

} // namespace vexlor
