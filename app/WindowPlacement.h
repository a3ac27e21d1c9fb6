// The main window's placement record as the settings store keeps it in the ten "Outline"
// values of "UserSettings", its defaults, and the checks that turn stored nonsense (negative
// sizes, positions off every screen) into a usable window.
#pragma once

#include <QList>
#include <QRect>

#include <optional>

class ISettingsStore;

struct WindowPlacement {
    int flags = 0;
    int showCmd = 1;
    int minX = 0, minY = 0;                        // minimised position
    int maxX = 0, maxY = 0;                        // maximised position
    int left = 0, top = 0, right = 0, bottom = 0;  // normal rectangle
};

constexpr int SW_HIDE_ = 0;
constexpr int SW_SHOWNORMAL_ = 1;
constexpr int SW_SHOWMAXIMIZED_ = 3;
constexpr int SW_SHOW_ = 5;

// No stored placement: shown, the middle 80 % of a screen of the given size.
WindowPlacement DefaultPlacement(int screenWidth, int screenHeight);
// The stored placement when "OutlineSaved" is not 0, its values defaulting as above.
std::optional<WindowPlacement> ReadStoredPlacement(ISettingsStore& store, int screenWidth, int screenHeight);
// The placement to start with: the stored one with its maximised position forced to (0, 0),
// or the default.
WindowPlacement StartPlacement(ISettingsStore& store, int screenWidth, int screenHeight);
// Writes the ten values with flags 0, and "OutlineSaved" = 1.
void WritePlacement(ISettingsStore& store, const WindowPlacement& placement);

// The normal rectangle made usable on the given screens (available areas; the first is the
// primary): too small or inverted rectangles and rectangles whose title strip lies off every
// screen fall back to the default rectangle of the primary screen; oversized ones shrink to
// their screen.
QRect UsableNormalRect(const WindowPlacement& placement, const QList<QRect>& screens);
// Whether the window starts maximised; minimised or hidden starts become normal ones.
bool StartsMaximized(const WindowPlacement& placement);
