#pragma once

#include <QColor>
#include <QString>

class QFrame;
class QLabel;
class QProgressBar;
class QWidget;

namespace vexlor {

// Good states show on lime, bad ones on red: the pure colours.
inline const QColor kLime{0, 255, 0};
inline const QColor kRed{255, 0, 0};

// The strip along the window's bottom (Panel1). From the right edge:
// Label15 (link state), Label43 (activity), Label44 (result), the
// fingerprint of the controller's settings once known (FingerprintLabel),
// and ProgressBar1 filling the rest, separated by thin dividers. Once a
// command has something to report, such as where a file went, the message
// (StatusMessage) stands at the left and shares the room with the bar.
struct StatusStrip {
    QFrame *frame = nullptr;        // Panel1
    QLabel *linkState = nullptr;    // Label15
    QLabel *activity = nullptr;     // Label43
    QLabel *result = nullptr;       // Label44
    QProgressBar *progress = nullptr; // ProgressBar1
    QLabel *fingerprint = nullptr;  // FingerprintLabel
    QLabel *message = nullptr;      // StatusMessage, hidden until the first message
    QLabel *bike = nullptr;         // BikeLabel, the bike's label (Connect > Bike...), hidden while none
};
[[nodiscard]] StatusStrip buildStatusStrip(QWidget *parent);

// Puts `text` on `background`; an invalid colour means the strip's own colour.
void setStatusLabel(QLabel *label, const QString &text, const QColor &background = QColor());

// Shows the bike's label in the strip ("Bike: WBX 1"); hides it for none.
void showBikeLabel(QLabel *bike, const QString &label);

// Shows `text` as the strip's message: shortened in its middle where the
// strip is too narrow, whole in its tool tip and to a screen reader.
void showStatusMessage(QLabel *message, const QString &text);

} // namespace vexlor
