#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vexlor {

// A pair of arrow buttons bound to a separate (read-only) field: each press
// moves a whole number by one within [minimum, maximum], stopping at the ends,
// and writes it into the field as text. The Up and Down keys do the same while
// the field has the focus. The field may hold any text a file or a controller
// read put there; the up-down then takes its position from it, clamped.
class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget *parent = nullptr);

    void setBuddy(QLineEdit *field);
    [[nodiscard]] QLineEdit *buddy() const { return m_buddy; }

    void setRange(int minimum, int maximum);
    [[nodiscard]] int minimum() const { return m_minimum; }
    [[nodiscard]] int maximum() const { return m_maximum; }

    // The count the field's text stands for, clamped into the range; the last
    // known position when the text is not a whole number.
    [[nodiscard]] int position() const;

    // Takes the position from the field's text (clamped), as after a file or
    // a controller read wrote the field.
    void syncWithBuddy() { m_lastPosition = position(); }

    // Moves by `steps` from position(); writes the field and emits clicked()
    // unless nothing changes (already at that end with the text showing it).
    void stepBy(int steps);

    [[nodiscard]] QSize sizeHint() const override;

signals:
    // The user moved the count with an arrow button or arrow key.
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *m_buddy = nullptr;
    QToolButton *m_up = nullptr;
    QToolButton *m_down = nullptr;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_lastPosition = 0;
};

} // namespace vexlor
