#pragma once

#include "parameter_controls.h"

#include <QList>
#include <QString>

#include <initializer_list>

class QGroupBox;
class QRect;
class QVBoxLayout;
class QWidget;

namespace vexlor {

// Creates a titled group at a fixed place on its page.
[[nodiscard]] QGroupBox *makeGroup(const char *objectName, const QString &title,
                                   const QRect &geometry, QWidget *page);

// The widest caption column that leaves room inside `group` for the rest of a
// field row: `rest` pixels of field, unit and what follows them, with the
// form's usual margins and caption gap.
[[nodiscard]] int captionRoom(const QGroupBox *group, int rest);

// Stacks rows of controls inside a group, top to bottom. Field rows put the
// caption at the left, right-aligned in a column of `captionWidth` pixels (0:
// as wide as the caption), the edit 3 pixels after it, then the unit.
class GroupForm {
public:
    GroupForm(QGroupBox *group, int captionWidth, int spacing);

    // A field row; `extra` widgets follow the unit on the same row, `gap`
    // pixels apart.
    void addField(const LabeledField &field, std::initializer_list<QWidget *> extra = {},
                  int gap = 3);
    // Widgets side by side from the left edge, `spacing` pixels apart or
    // closer where the group is too narrow for them.
    void addRow(std::initializer_list<QWidget *> widgets, int spacing = 3);
    // A caption in the caption column followed by widgets.
    void addCaptionedRow(QWidget *caption, std::initializer_list<QWidget *> widgets);
    void addStretch();

private:
    void widenColumnFor(QWidget *caption);

    QGroupBox *m_group;
    QVBoxLayout *m_rows;
    int m_captionWidth;
    QList<QWidget *> m_captions; // the column's, to widen them together
};

} // namespace vexlor
