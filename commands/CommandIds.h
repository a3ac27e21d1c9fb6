// The command ids: menus, bars and keys send them, the view, the tools and the shell answer
// them, and the string table entry of the same number holds "help line\ntooltip". The
// numbers are stored nowhere but in the string table, so every other place names them.
#pragma once

namespace cmd {

// --- drawing, editing, the document's settings ---------------------------------------------------
constexpr int Cancel = 32768;  // Esc
constexpr int GridLines = 32769;
constexpr int SelectMode = 32770;
constexpr int ToolLine = 32771;
constexpr int ToolRect = 32772;
constexpr int ToolRoundRect = 32773;
constexpr int ToolEllipse = 32774;
constexpr int LineColor = 32775;
constexpr int FillColor = 32776;
constexpr int ToFront = 32777;
constexpr int ToBack = 32778;
constexpr int ForwardOne = 32779;
constexpr int BackOne = 32780;
constexpr int BackgroundColor = 32781;
constexpr int ToolPolygon = 32782;
constexpr int ShowEmbedded = 32784;
constexpr int Properties = 32785;
constexpr int PrintGrid = 32807;
constexpr int ToggleMeasureBox = 32808;
constexpr int ToggleFurnitureButton = 32809;
constexpr int Zoom = 32810;
constexpr int FullView = 32811;
constexpr int ScrollDown = 32812;  // the sheet moves up
constexpr int ScrollUp = 32813;
constexpr int ScrollLeft = 32814;
constexpr int ScrollRight = 32815;
constexpr int ToolText = 32818;
constexpr int ToggleLinesBox = 32819;
constexpr int MeasureLine = 32820;
constexpr int MeasureChain = 32821;
constexpr int MeasureRect = 32822;
constexpr int MeasurePolygon = 32823;
constexpr int GardenBox = 32824;
constexpr int ToolBezier = 32838;  // no menu item; reachable by its id
constexpr int ImportPlan = 32839;
constexpr int GridSetup = 32840;
constexpr int StoreSelectionAsSymbol = 32841;
constexpr int ScaleAndUnit = 32842;
constexpr int Origin = 32846;
constexpr int Marker = 32849;
constexpr int ToolPolyline = 32850;
constexpr int RoomLiving = 32851;
constexpr int RoomSleeping = 32852;
constexpr int RoomKitchen = 32853;
constexpr int RoomBath = 32854;
constexpr int RoomOffice = 32855;
constexpr int RoomAppliances = 32856;
constexpr int RoomConnections = 32857;
constexpr int ToggleFurnitureBox = 32859;
constexpr int SymbolAttributes = 32860;  // no menu item; reachable by its id
constexpr int SnapSetup = 32861;

// --- placing one class of library symbols (no menu items; reachable by their ids) ---------------
constexpr int PlaceTable = 32789;
constexpr int PlaceChair = 32790;
constexpr int PlaceArmchair = 32791;
constexpr int PlaceBed = 32792;
constexpr int PlaceCupboard = 32793;
constexpr int PlaceCarpet = 32794;
constexpr int PlaceTelevision = 32795;
constexpr int PlaceFloorVase = 32796;
constexpr int PlacePlant = 32797;
constexpr int PlaceFloorLamp = 32798;
constexpr int PlaceMachine = 32799;
constexpr int PlacePowerOutlet = 32800;
constexpr int PlaceWaterConnection = 32801;
constexpr int PlaceDrain = 32802;
constexpr int PlaceGardenChair = 32825;
constexpr int PlaceGardenTable = 32826;
constexpr int PlaceSwingSeat = 32827;
constexpr int PlacePlanter = 32828;
constexpr int PlaceFlowerBed = 32829;
constexpr int PlaceTree = 32830;
constexpr int PlaceShrub = 32831;
constexpr int PlacePiano = 32835;
constexpr int PlacePool = 32836;
constexpr int PlaceFountain = 32837;

// --- files, windows, help ---------------------------------------------------------------------
constexpr int FileOptions = 40900;  // the program's options (autosave)
constexpr int FileNew = 57600;
constexpr int FileOpen = 57601;
constexpr int FileClose = 57602;
constexpr int FileSave = 57603;
constexpr int FileSaveAs = 57604;
constexpr int PrintSetup = 57606;
constexpr int FilePrint = 57607;
constexpr int PrintPreview = 57609;
constexpr int RecentFile1 = 57616;  // 57616 ... 57619
constexpr int RecentFileLast = 57619;
constexpr int EditDelete = 57632;
constexpr int EditCopy = 57634;
constexpr int EditCut = 57635;
constexpr int EditPaste = 57637;
constexpr int EditSelectAll = 57642;
constexpr int EditUndo = 57643;
constexpr int EditRedo = 57644;
constexpr int WindowNew = 57648;
constexpr int WindowArrange = 57649;
constexpr int WindowCascade = 57650;
constexpr int WindowTile = 57651;
constexpr int AppAbout = 57664;
constexpr int AppExit = 57665;
constexpr int HelpIndex = 57666;
constexpr int HelpUsing = 57668;
constexpr int ContextHelp = 57669;  // Shift+F1
constexpr int Help = 57670;         // F1
constexpr int NextPane = 57680;     // F6
constexpr int PrevPane = 57681;     // Shift+F6
constexpr int InsertObject = 57856;
constexpr int EditLinks = 57857;
constexpr int ObjectVerbs = 57872;
constexpr int ViewToolbar = 59392;
constexpr int ViewStatusBar = 59393;

}  // namespace cmd
