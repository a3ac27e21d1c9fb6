#include "app/frame/MenuLayout.h"

#include "app/frame/CommandIds.h"

using namespace cmd;

const std::vector<PopupLayout>& DocumentMenuLayout() {
    static const std::vector<PopupLayout> menu = {
        {"&Datei",
         {FileNew, ImportPlan, FileOpen, FileClose, FileSave, FileSaveAs, 0, FilePrint, PrintGrid, PrintPreview,
          PrintSetup, 0, kRecentFilesPlaceholder, 0, AppExit}},
        {"&Bearbeiten",
         {Zoom, FullView, 0, LineColor, FillColor, BackgroundColor, 0, SelectMode, 0, EditCut, EditCopy, EditPaste, EditDelete,
          EditSelectAll, 0, Properties, 0, ToFront, ToBack, ForwardOne, BackOne, 0, InsertObject, ShowEmbedded,
          EditLinks, ObjectVerbs}},
        {"&Fenster",
         {WindowNew, WindowCascade, WindowTile, WindowArrange, 0, ViewToolbar, ViewStatusBar, kWindowListPlaceholder}},
        {"&Toolbox", {ToggleMeasureBox, ToggleLinesBox, ToggleFurnitureBox}},
        {"Einrichtung",
         {RoomLiving, RoomSleeping, RoomKitchen, RoomBath, RoomOffice, RoomAppliances, RoomConnections, 0,
          StoreSelectionAsSymbol}},
        {"M&essen",
         {ScaleAndUnit, Origin, SnapSetup, 0, MeasureLine, MeasureChain, MeasureRect, MeasurePolygon}},
        {"H&ilfslinien",
         {Marker, 0, ToolLine, ToolPolyline, ToolRect, ToolRoundRect, ToolEllipse, ToolPolygon, 0, ToolText, 0,
          GridLines, GridSetup}},
        {"&?", {AppAbout}},
    };
    return menu;
}

const std::vector<PopupLayout>& NoDocumentMenuLayout() {
    static const std::vector<PopupLayout> menu = {
        {"&Datei", {FileNew, FileOpen, PrintSetup, 0, kRecentFilesPlaceholder, 0, AppExit}},
        {"&Ansicht", {ViewToolbar, ViewStatusBar}},
        {"&?", {HelpIndex, HelpUsing, 0, AppAbout}},
    };
    return menu;
}
