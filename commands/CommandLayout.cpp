#include "commands/CommandLayout.h"

#include "commands/CommandIds.h"

using namespace cmd;

namespace {
constexpr int Sep = kSeparator;
}  // namespace

const std::vector<MenuPopup>& DocumentMenuBar() {
    static const std::vector<MenuPopup> menu = {
        {"&Datei",
         {FileNew, ImportPlan, FileOpen, FileClose, FileSave, FileSaveAs, Sep, FilePrint, PrintGrid, PrintPreview,
          PrintSetup, FileOptions, Sep, kRecentFilesPlaceholder, Sep, AppExit}},
        {"&Bearbeiten",
         {EditUndo,   EditRedo,   Sep,     Zoom,    FullView,   Sep,       LineColor,  FillColor,     BackgroundColor,
          Sep,        SelectMode, Sep,     EditCut, EditCopy,   EditPaste, EditDelete, EditSelectAll, Sep,
          Properties, Sep,        ToFront, ToBack,  ForwardOne, BackOne,   Sep,        InsertObject,  ShowEmbedded,
          EditLinks,  ObjectVerbs}},
        {"&Fenster",
         {WindowNew, WindowCascade, WindowTile, WindowArrange, Sep, ViewToolbar, ViewStatusBar,
          kWindowListPlaceholder}},
        {"&Toolbox", {ToggleMeasureBox, ToggleLinesBox, ToggleFurnitureBox}},
        {"Einrichtung",
         {RoomLiving, RoomSleeping, RoomKitchen, RoomBath, RoomOffice, RoomAppliances, RoomConnections, Sep,
          StoreSelectionAsSymbol}},
        {"M&essen", {ScaleAndUnit, Origin, SnapSetup, Sep, MeasureLine, MeasureChain, MeasureRect, MeasurePolygon}},
        {"H&ilfslinien",
         {Marker, Sep, ToolLine, ToolPolyline, ToolRect, ToolRoundRect, ToolEllipse, ToolPolygon, Sep, ToolText, Sep,
          GridLines, GridSetup}},
        {"&?", {AppAbout}},
    };
    return menu;
}

const std::vector<MenuPopup>& NoDocumentMenuBar() {
    static const std::vector<MenuPopup> menu = {
        {"&Datei", {FileNew, FileOpen, PrintSetup, FileOptions, Sep, kRecentFilesPlaceholder, Sep, AppExit}},
        {"&Ansicht", {ViewToolbar, ViewStatusBar}},
        {"&?", {HelpIndex, HelpUsing, Sep, AppAbout}},
    };
    return menu;
}

const std::vector<int>& ViewContextMenu() {
    static const std::vector<int> items = {SelectMode, EditCut,    EditCopy, EditPaste, Zoom,    FullView,
                                           SnapSetup,  Properties, Sep,      EditUndo,  EditRedo};
    return items;
}

const std::vector<int>& BarsContextMenu() {
    static const std::vector<int> items = {ViewToolbar, ToggleFurnitureBox, ToggleLinesBox, ToggleMeasureBox,
                                           ViewStatusBar};
    return items;
}

const std::vector<BarDefinition>& BarDefinitions() {
    static const std::vector<BarDefinition> bars = {
        {kStandardToolbarId,
         "StandardToolbar",
         "",
         {FileNew,
          FileOpen,
          FileSave,
          Sep,
          EditCut,
          EditCopy,
          EditPaste,
          EditUndo,
          EditRedo,
          Sep,
          FilePrint,
          Sep,
          SelectMode,
          ToolText,
          Marker,
          Sep,
          ToggleFurnitureButton,
          ToggleMeasureBox,
          ToggleLinesBox,
          Sep,
          Zoom,
          FullView,
          Sep,
          ToFront,
          ToBack}},
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
