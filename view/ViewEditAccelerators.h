// Keys as data: the shell maps each entry to its key handling. A character entry fires on
// the typed character (whatever keys produce it); a key entry on a virtual key with
// modifiers.
#pragma once

#include <vector>

struct Accelerator {
    enum Kind { character, virtualKey };
    enum Modifier : unsigned { kNone = 0, kShift = 1, kControl = 2, kAlt = 4 };
    Kind kind = virtualKey;
    unsigned key = 0;        // the character, or a virtual key code (VK_...)
    unsigned modifiers = 0;  // Modifier bits, virtual keys only
    int command = 0;
};

// Virtual key codes used by the accelerator tables.
constexpr unsigned VK_BACK = 0x08;
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_SUBTRACT = 0x6D;   // numeric-pad minus
constexpr unsigned VK_OEM_PLUS = 0xBB;   // main-keyboard plus
constexpr unsigned VK_OEM_MINUS = 0xBD;  // main-keyboard minus
