// The edit commands of the view: routing and update rules, select all, z-order, colours,
// Esc and where the context menu opens.
#include "view/ArdoView.h"

#include "commands/CommandIds.h"
#include "commands/CommandLayout.h"
#include "document/ArdoDoc.h"
#include "document/ChangeNames.h"
#include "document/DocumentChange.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <algorithm>

namespace {
constexpr int IDS_ALL_SELECTED = 41022;  // "Alle Objekte ausgewählt"
}

ContextMenuRequest CArdoView::OnContextMenu(CPoint screenPoint, CPoint clientOriginOnScreen) const {
    ContextMenuRequest request;
    request.items = &ViewContextMenu();
    request.screenPoint =
        screenPoint == CPoint(-1, -1) ? CPoint(clientOriginOnScreen.x + 5, clientOriginOnScreen.y + 5) : screenPoint;
    return request;
}

void CArdoView::EndGestureInProgress() {
    if (m_host.HasCapture() && !m_zoomDragging) m_host.ReleaseCapture();
    if (m_toolSink) m_toolSink->EndInputsUnderWay();
}

bool CArdoView::OnEditCommand(int id) {
    switch (id) {
    case cmd::Cancel: OnCancel(); return true;
    case cmd::EditUndo:
        EndGestureInProgress();
        m_doc.Undo();
        return true;
    case cmd::EditRedo:
        EndGestureInProgress();
        m_doc.Redo();
        return true;
    case cmd::EditCut: OnEditCut(); return true;
    case cmd::EditCopy: OnEditCopy(); return true;
    case cmd::EditPaste: OnEditPaste(); return true;
    case cmd::EditDelete: OnEditDelete(); return true;
    case cmd::EditSelectAll: OnEditSelectAll(); return true;
    case cmd::ToFront:
    case cmd::ToBack:
    case cmd::ForwardOne:
    case cmd::BackOne: OnZOrder(id); return true;
    case cmd::LineColor: OnLineColor(); return true;
    case cmd::FillColor: OnFillColor(); return true;
    case cmd::ShowEmbedded:
        m_showEmbeddedObjects = !m_showEmbeddedObjects;
        m_doc.UpdateAllViews(nullptr, HINT_EMBEDDED);
        return true;
    default: return false;
    }
}

namespace {
// Undo and redo name the step they would take.
CommandUpdate HistoryCommandUpdate(const std::string& stepName, int namedText, int namedHelp) {
    if (stepName.empty()) return CommandUpdate{false, false};
    return CommandUpdate{true, FormatString1(namedText, stepName), FormatString1(namedHelp, stepName)};
}
}  // namespace

std::optional<CommandUpdate> CArdoView::OnUpdateEditCommand(int id) const {
    const bool any = !m_selection.empty();
    switch (id) {
    case cmd::EditUndo: return HistoryCommandUpdate(m_doc.UndoName(), history::UndoNamed, history::UndoHelpNamed);
    case cmd::EditRedo: return HistoryCommandUpdate(m_doc.RedoName(), history::RedoNamed, history::RedoHelpNamed);
    case cmd::EditCut:
    case cmd::EditCopy:
    case cmd::EditDelete: return CommandUpdate{any, false};
    case cmd::EditPaste: return CommandUpdate{m_services.clipboard->HasFormat(kKovelClipboardFormat), false};
    case cmd::EditSelectAll: return CommandUpdate{!m_doc.Objects().empty(), false};
    case cmd::ToFront:
    case cmd::ToBack:
    case cmd::ForwardOne:
    case cmd::BackOne: return CommandUpdate{m_selection.size() == 1, false};
    case cmd::ShowEmbedded: return CommandUpdate{true, m_showEmbeddedObjects};
    case cmd::Cancel:
    case cmd::LineColor:
    case cmd::FillColor: return CommandUpdate{true, false};
    default: return std::nullopt;
    }
}

void CArdoView::OnEditSelectAll() {
    EndGestureInProgress();
    for (const auto& obj : m_doc.Objects()) Select(obj.get(), true);
    m_services.status->SetPaneText(kPanePrompt, LoadString(IDS_ALL_SELECTED));
    if (m_toolSink) m_toolSink->SelectSelectionTool();
}

void CArdoView::OnZOrder(int id) {
    if (m_selection.size() != 1) return;
    using Order = CArdoDoc::Order;
    const Order where = id == cmd::ToFront      ? Order::ToFront
                        : id == cmd::ToBack     ? Order::ToBack
                        : id == cmd::ForwardOne ? Order::ForwardOne
                                                : Order::BackOne;
    m_doc.MoveObjectInOrder(m_selection.front(), where, this);
}

void CArdoView::OnLineColor() {
    COLORREF color = m_doc.CurrentLineColor();
    if (!m_services.colorDialog->ChooseColor(color)) return;
    DocumentChange change(m_doc, change::LineColor);
    const std::vector<CArdoObj*> selection = m_selection;
    for (CArdoObj* obj : selection) obj->SetLineColor(color);
    m_doc.SetCurrentLineColor(color);
}

void CArdoView::OnFillColor() {
    COLORREF color = m_doc.CurrentFillColor();
    if (!m_services.colorDialog->ChooseColor(color)) return;
    DocumentChange change(m_doc, change::FillColor);
    const std::vector<CArdoObj*> selection = m_selection;
    for (CArdoObj* obj : selection) obj->SetFillColor(color);
    m_doc.SetCurrentFillColor(color);
}
