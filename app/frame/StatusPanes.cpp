#include "app/frame/StatusPanes.h"

namespace {
constexpr int IDS_INDICATOR_POSITION = 57446;  // "Position"
constexpr int IDS_INDICATOR_SCALE = 57460;     // "M 1:1"
constexpr int IDS_INDICATOR_ZOOM = 57459;      // "ZOOM"
}  // namespace

const std::vector<PaneDefinition>& StatusPaneDefinitions() {
    static const std::vector<PaneDefinition> panes = {
        {0, 0},                         // prompts and help lines
        {IDS_INDICATOR_POSITION, 180},  // the pointer's position
        {IDS_INDICATOR_SCALE, 60},      // the scale
        {IDS_INDICATOR_ZOOM, 60},       // zoomed or whole sheet
    };
    return panes;
}
