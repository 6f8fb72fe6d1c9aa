#pragma once

#include <QString>

class QWidget;

// The window as text, one line per named widget in creation order: object
// name, class, geometry within the window, whether it shows and takes input,
// and what it says (caption, text, items, tab or menu entries). Two platforms
// that lay the window out alike give the same lines; the windows stage
// compares Windows' under Wine with Linux's.
[[nodiscard]] QString windowLayout(const QWidget &window);

// The caption as the title bar shows it: Qt's rendering of the title, whose
// "[*]" becomes the modified mark or nothing.
[[nodiscard]] QString shownTitle(const QWidget &window);
