// Where the commands appear: the two menu bars, the standard toolbar and the three
// toolboxes, the view's pop-up menu and the frame's pop-up menu of bars. Items are command
// ids in order; kSeparator draws a line.
#pragma once

#include <vector>

constexpr int kSeparator = 0;
// Where a menu lists the recently opened files.
constexpr int kRecentFilesPlaceholder = -1;
// Where a menu lists the open windows.
constexpr int kWindowListPlaceholder = -2;

struct MenuPopup {
    const char* title;
    std::vector<int> items;
};

// The menu bar while a document window is open.
const std::vector<MenuPopup>& DocumentMenuBar();
// The menu bar while no document window is open.
const std::vector<MenuPopup>& NoDocumentMenuBar();

// The commands of the pop-up menu a right click in a view opens.
const std::vector<int>& ViewContextMenu();
// The show/hide commands of the pop-up menu over the frame's bars.
const std::vector<int>& BarsContextMenu();

// Control ids of the bars: the shell finds its bars by them.
constexpr int kStandardToolbarId = 32817;
constexpr int kFurnitureBoxId = 32816;  // "Einrichtung"
constexpr int kLinesBoxId = 32832;      // "Hilfslinien"
constexpr int kMeasureBoxId = 32833;    // "Messen"
constexpr int kStatusBarId = 59393;

struct BarDefinition {
    int controlId;
    const char* objectName;  // the bar's name in the stored "General" layout
    const char* title;       // window title; empty for the standard toolbar
    std::vector<int> buttons;
};

// In creation order: the standard toolbar, then "Einrichtung", "Hilfslinien", "Messen".
const std::vector<BarDefinition>& BarDefinitions();
