// The key, mouse and scroll codes the view's entry points take, and the state of a command.
// The command ids are in commands/CommandIds.h.
#pragma once

#include <string>
#include <utility>

#include "commands/CommandIds.h"
#include "commands/CommandKeys.h"

// Mouse-key flags of the button and move events.
constexpr unsigned MK_LBUTTON = 0x0001;
constexpr unsigned MK_RBUTTON = 0x0002;
constexpr unsigned MK_SHIFT = 0x0004;
constexpr unsigned MK_CONTROL = 0x0008;

// Scroll bar codes of OnScroll.
enum ScrollCode {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};
enum ScrollBar { SB_HORZ = 0, SB_VERT = 1 };

// The drawing cursor of the zoom rectangle.
constexpr int IDC_DRAWING = 139;

// Enabled and checked state of a command, for menus and toolbar buttons; a command whose
// item names what it will do ("&Rückgängig: Verschieben") also gives its text and help line
// (empty: the command's own).
struct CommandUpdate {
    CommandUpdate(bool isEnabled = true, bool isChecked = false) : enabled(isEnabled), checked(isChecked) {}
    CommandUpdate(bool isEnabled, std::string itemText, std::string itemHelpLine)
        : enabled(isEnabled), text(std::move(itemText)), helpLine(std::move(itemHelpLine)) {}

    bool enabled = true;
    bool checked = false;
    std::string text;
    std::string helpLine;
};
