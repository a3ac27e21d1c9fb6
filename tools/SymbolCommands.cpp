// Choosing symbols by key, the text command, and the two commands on the symbol library.
#include "tools/SymbolCommands.h"

#include "document/ArdoDoc.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoSymbol.h"
#include "objects/ObjectDialogs.h"
#include "platform/Services.h"
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
    if (!(doc.m_fUnitsPerMm > 0.0f)) return 0;
    return CArdoObj::TruncToInt(float(logical) * doc.m_fScale / doc.m_fUnitsPerMm);
}

}  // namespace

const std::vector<SymbolCommandInfo>& SymbolCommands() {
    static const std::vector<SymbolCommandInfo> table = {
        {32789, 1, nullptr, nullptr},   {32790, 2, nullptr, nullptr},   {32791, 4, nullptr, nullptr},
        {32792, 5, nullptr, nullptr},   {32793, 6, nullptr, nullptr},   {32794, 7, nullptr, nullptr},
        {32795, 8, nullptr, nullptr},   {32835, 9, nullptr, nullptr},   {32796, 10, nullptr, nullptr},
        {32797, 11, nullptr, nullptr},  {32798, 12, nullptr, nullptr},  {32799, 13, nullptr, nullptr},
        {32800, 14, nullptr, nullptr},  {32801, 15, nullptr, nullptr},  {32802, 16, nullptr, nullptr},
        {32825, 17, nullptr, nullptr},  {32826, 18, nullptr, nullptr},  {32827, 20, nullptr, nullptr},
        {32828, 21, nullptr, nullptr},  {32829, 22, nullptr, nullptr},  {32830, 23, nullptr, nullptr},
        {32831, 24, nullptr, nullptr},  {32836, 25, nullptr, nullptr},  {32837, 26, nullptr, nullptr},
        {SymbolCmd::Marker, 27, nullptr, "Marker absetzen und anschließend ausrichten"},
        {32851, 28, "Wohnen: Gegenstand anklicken", nullptr},
        {32852, 29, "Schlafzimmer: Gegenstand anklicken", nullptr},
        {32853, 30, "Küche: Gegenstand anklicken", nullptr},
        {32854, 31, "Bad: Gegenstand anklicken", nullptr},
        {32855, 32, "Büro: Gegenstand anklicken", nullptr},
        {32856, 33, "Maschine anklicken", nullptr},
        {32857, 34, "Anschluß anklicken", nullptr},
    };
    return table;
}

std::vector<int> SymbolsWithKey(const CArdoDoc& doc, int key) {
    std::vector<int> indexes;
    if (!doc.m_bSymbolsLoaded) return indexes;
    const int count = std::clamp(doc.m_nSymbols, 0, kMaxSymbols);
    for (int i = 0; i < count; ++i)
        if (doc.m_symbolInfo[i].nClass == key) indexes.push_back(i);
    return indexes;
}

void ChooseSymbolsByKey(CArdoView& view, int key) {
    CArdoDoc& doc = view.GetDocument();
    CToolFramework* tools = ToolsOf(view);
    HeadlessSymbolPalette headless(view.GetServices());
    ISymbolPalette& palette = tools ? tools->Palette() : headless;
    doc.m_nCurrentSymbol = -1;
    const std::vector<int> indexes = SymbolsWithKey(doc, key);
    if (indexes.empty()) return;
    if (indexes.size() == 1) {
        doc.m_nCurrentSymbol = indexes.front();
        palette.Hide();
        SymbolInfo& info = doc.m_symbolInfo[indexes.front()];
        if (info.nClass == CArdoSymbol::kMarkerClass) info.nFlags |= CArdoSymbol::kCornerScales;
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

    const int entry = std::clamp(doc.m_nSymbols, 0, kMaxSymbols);
    if (AddToSymbol(doc, std::move(frame), values.nGroup + kGroupKeyOffset, values.strName)) return false;
    // A new symbol is placed at the size it has on the plan.
    SymbolInfo& info = doc.m_symbolInfo[entry];
    info.nLength = RealMillimetres(doc, int64_t(frameRect.right) - frameRect.left);
    info.nWidth = RealMillimetres(doc, int64_t(frameRect.bottom) - frameRect.top);

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
    SymbolInfo& info = doc.m_symbolInfo[index];
    SymbolAttributeValues values{info.strDescription, info.nFlags, info.nLength, info.nWidth};
    if (!ObjectDialogs().EditSymbolAttributes(values)) return false;
    info.strDescription = values.strDescription;
    info.nFlags = values.nFlags;
    if (values.nFlags & CArdoSymbol::kDefaultSize) {
        info.nLength = values.nLength;
        info.nWidth = values.nWidth;
    }
    // Every placed instance reads the entry when it is drawn.
    doc.UpdateAllViews(nullptr, HINT_ALL);
    return true;
}

bool RunSymbolCommand(CArdoView& view, int id) {
    if (id == SymbolCmd::Text) {
        ChangeCurrentTool(view, TOOL_TEXT);
        // The dialog opens at once, without a click.
        if (CToolFramework* tools = ToolsOf(view))
            if (CInputTool* tool = tools->FindTool(TOOL_TEXT)) tool->onButtonDown(view, 0, CPoint(1, 1));
        return true;
    }
    if (id == SymbolCmd::StoreSelection) {
        StoreSelectionAsSymbol(view);
        return true;
    }
    if (id == SymbolCmd::EditAttributes) {
        EditCurrentSymbolAttributes(view);
        return true;
    }
    const SymbolCommandInfo* info = FindSymbolCommand(id);
    if (!info) return false;
    ChangeCurrentTool(view, TOOL_SYMBOL);
    if (info->promptBefore) view.GetServices().status->SetPaneText(0, info->promptBefore);
    ChooseSymbolsByKey(view, info->key);
    if (info->promptAfter) view.GetServices().status->SetPaneText(0, info->promptAfter);
    return true;
}

std::optional<CommandUpdate> UpdateSymbolCommand(const CArdoView& view, int id) {
    const CArdoDoc& doc = view.GetDocument();
    const CToolFramework* tools = ToolsOf(view);
    const int current = tools ? tools->State().currentTool : TOOL_SELECT;
    if (id == SymbolCmd::Text) return CommandUpdate{true, current == TOOL_TEXT};
    if (id == SymbolCmd::StoreSelection) return CommandUpdate{!view.m_selection.empty(), false};
    if (id == SymbolCmd::EditAttributes) return CommandUpdate{UsableCurrentSymbol(doc) >= 0, false};
    const SymbolCommandInfo* info = FindSymbolCommand(id);
    if (!info) return std::nullopt;
    return CommandUpdate{doc.m_bSymbolsLoaded != 0, current == TOOL_SYMBOL && ChosenSymbolKey(view) == info->key};
}
