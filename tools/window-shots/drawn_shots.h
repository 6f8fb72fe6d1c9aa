#pragma once

#include <QDir>
#include <QList>
#include <QString>

class QWidget;

namespace vexlor {

class ConnectionDoctorDialog;
class MainWindow;

// The window's tabs and dialogs as drawn, with where each of them shows a
// text: for every picture NAME.png a list NAME.txt, one line per text drawn
// by a caption, field, list or button that shows:
//   x y width height<TAB>kind<TAB>object name<TAB>the text as it reads
// where the box is the part of the picture the text is drawn in (frames,
// arrows and check marks left out) and kind is "field" for what the user
// edits or picks (edit fields, spin boxes, lists) and "caption" for the
// rest. The windows stage reads each box back from Wine's pictures and
// compares it with the text and with what Linux's pictures read.
// Returns the pictures' names, or none when one could not be saved.
[[nodiscard]] QStringList saveDrawnShots(MainWindow &window, ConnectionDoctorDialog &doctor, const QDir &out);

// The texts `widget` draws, with their boxes within it, as above.
[[nodiscard]] QString drawnTexts(const QWidget &widget);

} // namespace vexlor
