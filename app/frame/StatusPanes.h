// The status bar's panes: indicator string ids and widths of the fixed panes; the prompt
// pane stretches.
#pragma once

#include <vector>

struct PaneDefinition {
    int indicatorString;  // string table id of the pane's first text; 0 for none
    int width;            // fixed width in pixels; 0 to stretch
};
// By pane number (StatusPane in platform/Services.h).
const std::vector<PaneDefinition>& StatusPaneDefinitions();
