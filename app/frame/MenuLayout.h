// The two menu bars as data: menu 3 while a document is open, menu 2 without one. Each popup
// lists command ids in order; 0 is a separator.
#pragma once

#include <vector>

struct PopupLayout {
    const char* title;
    std::vector<int> items;
};

// Commands whose menu item grows into the recent-file list.
constexpr int kRecentFilesPlaceholder = -1;
// Where the "&Fenster" popup lists the open windows.
constexpr int kWindowListPlaceholder = -2;

const std::vector<PopupLayout>& DocumentMenuLayout();    // menu 3
const std::vector<PopupLayout>& NoDocumentMenuLayout();  // menu 2
