// The standard toolbar and the three toolboxes as data: control id, title, and the command
// ids of their buttons from left to right (0 is a separator).
#pragma once

#include <vector>

struct BarDefinition {
    int controlId;
    const char* objectName;  // the bar's name in the stored "General" layout
    const char* title;       // window title; empty for the standard toolbar
    std::vector<int> buttons;
};

constexpr int kStandardToolbarId = 32817;
constexpr int kFurnitureBoxId = 32816;  // "Einrichtung"
constexpr int kLinesBoxId = 32832;      // "Hilfslinien"
constexpr int kMeasureBoxId = 32833;    // "Messen"
constexpr int kStatusBarId = 59393;

// In creation order: the standard toolbar, then "Einrichtung", "Hilfslinien", "Messen".
const std::vector<BarDefinition>& BarDefinitions();

// Status bar panes 1 to 3: indicator string ids and widths; pane 0 stretches.
struct PaneDefinition {
    int indicatorString;
    int width;
};
const std::vector<PaneDefinition>& StatusPaneDefinitions();
