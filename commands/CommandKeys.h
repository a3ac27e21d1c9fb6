// The keys that send commands, as data free of any toolkit: the shell maps each to its own
// key handling. A character key fires on the typed character (whatever keys produce it); a
// virtual key on that key with modifiers.
#pragma once

struct CommandKey {
    enum Kind { character, virtualKey };
    enum Modifier : unsigned { kNone = 0, kShift = 1, kControl = 2, kAlt = 4 };
    Kind kind = virtualKey;
    unsigned key = 0;        // the character, or a virtual key code (VK_...)
    unsigned modifiers = 0;  // Modifier bits, virtual keys only

    friend bool operator==(const CommandKey&, const CommandKey&) = default;
};

// Virtual key codes; letters and digits are their capital ASCII codes.
constexpr unsigned VK_BACK = 0x08;
constexpr unsigned VK_TAB = 0x09;
constexpr unsigned VK_RETURN = 0x0D;
constexpr unsigned VK_ESCAPE = 0x1B;
constexpr unsigned VK_LEFT = 0x25;
constexpr unsigned VK_UP = 0x26;
constexpr unsigned VK_RIGHT = 0x27;
constexpr unsigned VK_DOWN = 0x28;
constexpr unsigned VK_INSERT = 0x2D;
constexpr unsigned VK_DELETE = 0x2E;
constexpr unsigned VK_SUBTRACT = 0x6D;  // numeric-pad minus
constexpr unsigned VK_F1 = 0x70;
constexpr unsigned VK_F6 = 0x75;
constexpr unsigned VK_OEM_PLUS = 0xBB;   // main-keyboard plus
constexpr unsigned VK_OEM_MINUS = 0xBD;  // main-keyboard minus
