// Choosing symbols by key, the text command, and the two commands on the symbol library.
#include "tools/SymbolCommands.h"

#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoSymbol.h"
#include "objects/ObjectDialogs.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "tools/InputTool.h"
#include "tools/SymbolPalette.h"
#include "tools/SymbolTool.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"
#include "view/ClipboardObjects.h"
#include "view/ViewSelectionGeometry.h"

#include <algorithm>
#include <map>

namespace {

// Room group index + this offset is the key of a stored symbol (0 "Marker" is key 27).
constexpr int kGroupKeyOffset = 27;

const SymbolCommandInfo* FindSymbolCommand(int id) {
    for (const SymbolCommandInfo& info : SymbolCommands())
        if (info.command == id) return &info;
    return nullptr;
}

// Real millimetres of a length in logical units.
int32_t RealMillimetres(const CArdoDoc& doc, int64_t logical) {
    if (!(doc.UnitsPerMm() > 0.0f)) return 0;
    return CArdoObj::TruncToInt(float(logical) * doc.Scale() / doc.UnitsPerMm());
}

}  // namespace

const std::vector<SymbolCommandInfo>& SymbolCommands() {
    using namespace cmd;
    static const std::vector<SymbolCommandInfo> table = {
        {PlaceTable, 1, 0, 0},           {PlaceChair, 2, 0, 0},
        {PlaceArmchair, 4, 0, 0},        {PlaceBed, 5, 0, 0},
        {PlaceCupboard, 6, 0, 0},        {PlaceCarpet, 7, 0, 0},
        {PlaceTelevision, 8, 0, 0},      {PlacePiano, 9, 0, 0},
        {PlaceFloorVase, 10, 0, 0},      {PlacePlant, 11, 0, 0},
        {PlaceFloorLamp, 12, 0, 0},      {PlaceMachine, 13, 0, 0},
        {PlacePowerOutlet, 14, 0, 0},    {PlaceWaterConnection, 15, 0, 0},
        {PlaceDrain, 16, 0, 0},          {PlaceGardenChair, 17, 0, 0},
        {PlaceGardenTable, 18, 0, 0},    {PlaceSwingSeat, 20, 0, 0},
        {PlacePlanter, 21, 0, 0},        {PlaceFlowerBed, 22, 0, 0},
        {PlaceTree, 23, 0, 0},           {PlaceShrub, 24, 0, 0},
        {PlacePool, 25, 0, 0},           {PlaceFountain, 26, 0, 0},
        {Marker, 27, 0, 41080},           // "Marker absetzen und anschließend ausrichten"
        {RoomLiving, 28, 41081, 0},       // "Wohnen: Gegenstand anklicken"
        {RoomSleeping, 29, 41082, 0},     // "Schlafzimmer: Gegenstand anklicken"
        {RoomKitchen, 30, 41083, 0},      // "Küche: Gegenstand anklicken"
        {RoomBath, 31, 41084, 0},         // "Bad: Gegenstand anklicken"
        {RoomOffice, 32, 41085, 0},       // "Büro: Gegenstand anklicken"
        {RoomAppliances, 33, 41086, 0},   // "Maschine anklicken"
        {RoomConnections, 34, 41087, 0},  // "Anschluß anklicken"
    };
    return table;
}

std::vector<int> SymbolsWithKey(const CArdoDoc& doc, int key) {
    std::vector<int> indexes;
    if (!doc.SymbolsLoaded()) return indexes;
    const int count = std::clamp(doc.SymbolCount(), 0, kMaxSymbols);
    for (int i = 0; i < count; ++i)
        if (doc.SymbolEntry(i).nClass == key) indexes.push_back(i);
    return indexes;
}

void ChooseSymbolsByKey(CArdoView& view, int key) {
    CArdoDoc& doc = view.GetDocument();
    CToolFramework* tools = ToolsOf(view);
    HeadlessSymbolPalette headless(view.GetServices());
    ISymbolPalette& palette = tools ? tools->Palette() : headless;
    doc.SetCurrentSymbol(-1);
    const std::vector<int> indexes = SymbolsWithKey(doc, key);
    if (indexes.empty()) return;
    if (indexes.size() == 1) {
        doc.SetCurrentSymbol(indexes.front());
        palette.Hide();
        SymbolInfo info = doc.SymbolEntry(indexes.front());
        if (info.nClass == CArdoSymbol::kMarkerClass) {
            info.nFlags |= CArdoSymbol::kCornerScales;
            doc.SetSymbolEntry(indexes.front(), info);
        }
    } else {
        palette.Fill(doc, indexes);
        palette.Show();
    }
    if (tools) tools->ChosenSymbolKeys()[&view] = key;
}

int ChosenSymbolKey(const CArdoView& view) {
    CToolFramework* tools = ToolsOf(view);
    if (!tools) return 0;
    const auto it = tools->ChosenSymbolKeys().find(&view);
    return it == tools->ChosenSymbolKeys().end() ? 0 : it->second;
}

void ForgetChosenSymbolKey(const CArdoView& view) {
    if (CToolFramework* tools = ToolsOf(view)) tools->ChosenSymbolKeys().erase(&view);
}

bool StoreSelectionAsSymbol(CArdoView& view) {
    CArdoDoc& doc = view.GetDocument();
    if (view.m_selection.empty()) return false;
    // The copy travels through the clipboard, as the user's own copy would.
    const bool copied = view.OnEditCopy();
    view.OnUpdate(nullptr, HINT_OBJECTS, {});
    if (!copied || !view.GetServices().clipboard->HasFormat(kKovelClipboardFormat)) return false;
    ObjectList objects = ReadClipboardObjects(view.GetServices());
    if (objects.empty()) return false;

    // The first object is the frame the others are placed in.
    std::unique_ptr<CArdoObj> frame = std::move(objects.front());
    frame->m_position.NormalizeRect();
    const CRect frameRect = frame->m_position;

    AddSymbolValues values;
    if (!ObjectDialogs().EditAddSymbol(values)) return false;

    const int entry = std::clamp(doc.SymbolCount(), 0, kMaxSymbols);
    if (AddToSymbol(doc, std::move(frame), values.nGroup + kGroupKeyOffset, values.strName)) return false;
    // A new symbol is placed at the size it has on the plan.
    SymbolInfo info = doc.SymbolEntry(entry);
    info.nLength = RealMillimetres(doc, int64_t(frameRect.right) - frameRect.left);
    info.nWidth = RealMillimetres(doc, int64_t(frameRect.bottom) - frameRect.top);
    doc.SetSymbolEntry(entry, info);

    const CSize toOrigin(ClampToInt32(-int64_t(frameRect.left)), ClampToInt32(-int64_t(frameRect.top)));
    for (size_t i = 1; i < objects.size(); ++i) {
        std::unique_ptr<CArdoObj> part = std::move(objects[i]);
        part->m_position.NormalizeRect();
        part->MoveTo(OffsetClamped(part->m_position, toOrigin), nullptr, 1);
        if (AddToSymbol(doc, std::move(part), -1, "")) break;  // the table is full
    }
    doc.UpdateAllViews(nullptr, HINT_ALL);
    return true;
}

bool EditCurrentSymbolAttributes(CArdoView& view) {
    CArdoDoc& doc = view.GetDocument();
    const int index = UsableCurrentSymbol(doc);
    if (index < 0) return false;
    SymbolInfo info = doc.SymbolEntry(index);
    SymbolAttributeValues values{info.strDescription, info.nFlags, info.nLength, info.nWidth};
    if (!ObjectDialogs().EditSymbolAttributes(values)) return false;
    info.strDescription = values.strDescription;
    info.nFlags = values.nFlags;
    if (values.nFlags & CArdoSymbol::kDefaultSize) {
        info.nLength = values.nLength;
        info.nWidth = values.nWidth;
    }
    doc.SetSymbolEntry(index, info);
    // Every placed instance reads the entry when it is drawn.
    doc.UpdateAllViews(nullptr, HINT_ALL);
    return true;
}

bool RunSymbolCommand(CArdoView& view, int id) {
    if (id == cmd::ToolText) {
        ChangeCurrentTool(view, TOOL_TEXT);
        // The dialog opens at once, without a click; through the framework, so that the text
        // and carrying it to its place are one named change.
        if (CToolFramework* tools = ToolsOf(view)) tools->OnButtonDown(view, 0, CPoint(1, 1));
        return true;
    }
    if (id == cmd::StoreSelectionAsSymbol) {
        StoreSelectionAsSymbol(view);
        return true;
    }
    if (id == cmd::SymbolAttributes) {
        EditCurrentSymbolAttributes(view);
        return true;
    }
    const SymbolCommandInfo* info = FindSymbolCommand(id);
    if (!info) return false;
    ChangeCurrentTool(view, TOOL_SYMBOL);
    if (info->promptBefore) view.GetServices().status->SetPaneText(kPanePrompt, LoadString(info->promptBefore));
    ChooseSymbolsByKey(view, info->key);
    if (info->promptAfter) view.GetServices().status->SetPaneText(kPanePrompt, LoadString(info->promptAfter));
    return true;
}

std::optional<CommandUpdate> UpdateSymbolCommand(const CArdoView& view, int id) {
    const CArdoDoc& doc = view.GetDocument();
    const CToolFramework* tools = ToolsOf(view);
    const int current = tools ? tools->State().currentTool : TOOL_SELECT;
    if (id == cmd::ToolText) return CommandUpdate{true, current == TOOL_TEXT};
    if (id == cmd::StoreSelectionAsSymbol) return CommandUpdate{!view.m_selection.empty(), false};
    if (id == cmd::SymbolAttributes) return CommandUpdate{UsableCurrentSymbol(doc) >= 0, false};
    const SymbolCommandInfo* info = FindSymbolCommand(id);
    if (!info) return std::nullopt;
    return CommandUpdate{doc.SymbolsLoaded() != 0, current == TOOL_SYMBOL && ChosenSymbolKey(view) == info->key};
}
