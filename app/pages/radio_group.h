#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

namespace vexlor {

// A titled frame holding a vertical list of mutually exclusive options. Its
// value is the index of the selected option; -1 when none is selected, which
// only a file or a read can cause (the user can only move the selection).
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString &title, const QStringList &items, QWidget *parent = nullptr);

    [[nodiscard]] int itemIndex() const;
    // Selects item `index`; an index past the last selects the last, a
    // negative one clears the selection.
    void setItemIndex(int index);
    [[nodiscard]] int count() const;
    [[nodiscard]] QRadioButton *button(int index) const;

private:
    QButtonGroup *m_buttons = nullptr;
};

} // namespace vexlor
