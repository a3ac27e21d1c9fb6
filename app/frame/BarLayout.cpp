#include "app/frame/BarLayout.h"

#include "app/frame/CommandIds.h"

using namespace cmd;

const std::vector<BarDefinition>& BarDefinitions() {
    static const std::vector<BarDefinition> bars = {
        {kStandardToolbarId,
         "StandardToolbar",
         "",
         {FileNew, FileOpen, FileSave, 0, EditCut, EditCopy, EditPaste, 0, FilePrint, 0, SelectMode, ToolText, Marker, 0,
          ToggleFurnitureButton, ToggleMeasureBox, ToggleLinesBox, 0, Zoom, FullView, 0, ToFront, ToBack}},
        {kFurnitureBoxId,
         "Einrichtung",
         "Einrichtung",
         {RoomLiving, RoomSleeping, RoomKitchen, RoomBath, RoomOffice, RoomAppliances, RoomConnections}},
        {kLinesBoxId,
         "Hilfslinien",
         "Hilfslinien",
         {ToolLine, ToolPolyline, ToolRect, ToolRoundRect, ToolEllipse, ToolPolygon}},
        {kMeasureBoxId, "Messen", "Messen", {MeasureLine, MeasureChain, MeasureRect, MeasurePolygon}},
    };
    return bars;
}

const std::vector<PaneDefinition>& StatusPaneDefinitions() {
    static const std::vector<PaneDefinition> panes = {
        {0, 0},        // prompts and help lines
        {57446, 180},  // "Position"
        {57460, 60},   // "M 1:1"
        {57459, 60},   // "ZOOM"
    };
    return panes;
}
