#pragma once

#include <QComboBox>

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

} // namespace vexlor
