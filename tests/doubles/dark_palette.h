#pragma once

// A dark desktop's palette, as a platform theme hands it to the application
// (Adwaita-dark's colours): the window tests and the screenshot tool show the
// window under it with the Fusion style.

#include <QColor>
#include <QPalette>

inline QPalette darkDesktopPalette()
{
    const QColor text(238, 238, 236);
    const QColor disabledText(145, 145, 144);
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, QColor(45, 45, 45));
    dark.setColor(QPalette::AlternateBase, QColor(60, 60, 60));
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::BrightText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(53, 132, 228));
    dark.setColor(QPalette::ToolTipBase, QColor(30, 30, 30));
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::PlaceholderText, disabledText);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabledText);
    return dark;
}
