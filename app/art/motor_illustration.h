#pragma once

#include <QWidget>

class QPainter;

namespace vexlor {

// A cut-away drawing of an outer-rotor hub motor: the rotor ring with its
// magnets (N and S), the stator teeth with their coils, the bearing and the
// axle, with the parts named at the side. It has no behaviour.
class MotorIllustration : public QWidget {
    Q_OBJECT
public:
    explicit MotorIllustration(QWidget *parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override { return {440, 360}; }

    // Draws into any painter, so the splash banner can reuse the drawing;
    // with the parts named in `captionInk`, none where it is no colour.
    static void paintMotor(QPainter &painter, const QRectF &area, const QColor &captionInk = QColor());

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace vexlor
