// Command ids the view handles and the key and scroll codes its entry points take.
#pragma once

namespace ViewCmd {
constexpr int GridLines = 32769;       // "&Rasterlinien"
constexpr int PrintGrid = 32807;       // "&Rasterlinien drucken"
constexpr int Zoom = 32810;            // "Zoomen"
constexpr int FullView = 32811;        // "Vollbild"
constexpr int ScrollDown = 32812;      // Down arrow: the sheet moves up
constexpr int ScrollUp = 32813;        // Up arrow
constexpr int ScrollLeft = 32814;      // Left arrow
constexpr int ScrollRight = 32815;     // Right arrow
constexpr int Print = 57607;           // "&Drucken..."
}  // namespace ViewCmd

// Mouse-key flags of the button and move events.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// Virtual key codes OnKeyDown understands.
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;

// Scroll bar codes of OnScroll.
enum ScrollCode {
    SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4, SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8,
};
enum ScrollBar { SB_HORZ = 0, SB_VERT = 1 };

// The drawing cursor of the zoom rectangle (cursor resource 139).
constexpr int IDC_DRAWING = 139;

// Enabled and checked state of a command, for menus and toolbar buttons.
struct CommandUpdate {
    bool enabled = true;
    bool checked = false;
};
