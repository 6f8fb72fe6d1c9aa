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
    Compare,    // two sheets side by side
    RestoreBackup, // a box with an arrow coming out of it
    Help,
    WhatsThis,  // a question mark beside a pointer
    Mail,
    About,
    Language,   // a globe with its meridian and parallels
    Doctor,     // a white first-aid cross on green
    SettingsSheet, // a page of rows, signed at its foot
    RoadCheck,  // a round speed-limit sign
    BikeSetup,  // a wand with a star: the setup assistant
};

// The picture drawn for the tool bar and the menus, whatever the desktop's
// icon theme.
[[nodiscard]] QIcon toolIcon(ToolPicture picture);

} // namespace vexlor
