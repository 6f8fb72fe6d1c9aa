#pragma once

#include <QIcon>

namespace vexlor {

// The pictures of the tool bar and the menu items.
enum class ToolPicture {
    NewPage,    // blank page
    OpenFolder, // folder with a bent arrow
    Save,       // diskette
    SaveAs,
    Reopen,
    Exit,
    Connection, // double-headed horizontal arrow
    ReadUp,     // arrow pointing up
    WriteDown,  // arrow pointing down
    Help,
    Mail,
    About,
};

// The desktop icon theme's picture where it has one, else our own drawing.
[[nodiscard]] QIcon toolIcon(ToolPicture picture);

// Our own drawing only (what the theme falls back to).
[[nodiscard]] QIcon drawnToolIcon(ToolPicture picture);

} // namespace vexlor
