// The edit commands of the view: routing and update rules, select all, z-order, colours,
// Esc, the keys and the context menu.
#include "view/ArdoView.h"

#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "tools/ToolCommands.h"

#include <algorithm>

const std::vector<Accelerator>& EditAccelerators() {
    using A = Accelerator;
    static const std::vector<Accelerator> keys = {
        {A::virtualKey, 'A', A::kControl, EditCmd::SelectAll},
        {A::virtualKey, 'C', A::kControl, EditCmd::Copy},
        {A::virtualKey, VK_INSERT, A::kControl, EditCmd::Copy},
        {A::virtualKey, 'V', A::kControl, EditCmd::Paste},
        {A::virtualKey, VK_INSERT, A::kShift, EditCmd::Paste},
        {A::virtualKey, 'X', A::kControl, EditCmd::Cut},
        {A::virtualKey, VK_DELETE, A::kShift, EditCmd::Cut},
        {A::virtualKey, VK_DELETE, A::kNone, EditCmd::Delete},
        {A::virtualKey, VK_ESCAPE, A::kNone, EditCmd::Cancel},
        {A::virtualKey, VK_RETURN, A::kAlt, ToolCmd::Properties},
        {A::character, '+', 0, EditCmd::ToFront},
        {A::character, '-', 0, EditCmd::ToBack},
        {A::character, '_', 0, EditCmd::ToBack},
        {A::virtualKey, VK_OEM_PLUS, A::kControl, EditCmd::Forward},
        {A::virtualKey, VK_OEM_MINUS, A::kControl, EditCmd::Backward},
        {A::virtualKey, VK_SUBTRACT, A::kNone, EditCmd::Backward},
        {A::virtualKey, VK_SUBTRACT, A::kControl, EditCmd::ToBack},
        {A::character, 'S', 0, ToolCmd::SelectMode},
        {A::character, 's', 0, ToolCmd::SelectMode},
    };
    return keys;
}

const std::vector<MenuItem>& ContextMenuItems() {
    static const std::vector<MenuItem> items = {
        {ToolCmd::SelectMode, "&Auswahl-Modus"},
        {EditCmd::Cut, "Ausschneiden"},
        {EditCmd::Copy, "&Kopieren"},
        {EditCmd::Paste, "&Einfügen"},
        {ViewCmd::Zoom, "Zoomen"},
        {ViewCmd::FullView, "Vollbild"},
        {32861, "Fangraster..."},
        {ToolCmd::Properties, "Eigenschaften..."},
    };
    return items;
}

ContextMenuRequest CArdoView::OnContextMenu(CPoint screenPoint, CPoint clientOriginOnScreen) const {
    ContextMenuRequest request;
    request.items = &ContextMenuItems();
    request.screenPoint = screenPoint == CPoint(-1, -1)
                              ? CPoint(clientOriginOnScreen.x + 5, clientOriginOnScreen.y + 5)
                              : screenPoint;
    return request;
}

void CArdoView::EndGestureInProgress() {
    if (m_host.HasCapture() && !m_zoomDragging) m_host.ReleaseCapture();
    if (m_toolSink) m_toolSink->EndInputsUnderWay();
}

bool CArdoView::OnEditCommand(int id) {
    switch (id) {
    case EditCmd::Cancel: OnCancel(); return true;
    case EditCmd::Cut: OnEditCut(); return true;
    case EditCmd::Copy: OnEditCopy(); return true;
    case EditCmd::Paste: OnEditPaste(); return true;
    case EditCmd::Delete: OnEditDelete(); return true;
    case EditCmd::SelectAll: OnEditSelectAll(); return true;
    case EditCmd::ToFront:
    case EditCmd::ToBack:
    case EditCmd::Forward:
    case EditCmd::Backward: OnZOrder(id); return true;
    case EditCmd::LineColor: OnLineColor(); return true;
    case EditCmd::FillColor: OnFillColor(); return true;
    case EditCmd::ShowObjects:
        m_showEmbeddedObjects = !m_showEmbeddedObjects;
        m_doc.UpdateAllViews(nullptr, HINT_EMBEDDED);
        return true;
    default: return false;
    }
}

std::optional<CommandUpdate> CArdoView::OnUpdateEditCommand(int id) const {
    const bool any = !m_selection.empty();
    switch (id) {
    case EditCmd::Cut:
    case EditCmd::Copy:
    case EditCmd::Delete: return CommandUpdate{any, false};
    case EditCmd::Paste: return CommandUpdate{m_services.clipboard->HasFormat(kKovelClipboardFormat), false};
    case EditCmd::SelectAll: return CommandUpdate{!m_doc.m_objects.empty(), false};
    case EditCmd::ToFront:
    case EditCmd::ToBack:
    case EditCmd::Forward:
    case EditCmd::Backward: return CommandUpdate{m_selection.size() == 1, false};
    case EditCmd::ShowObjects: return CommandUpdate{true, m_showEmbeddedObjects};
    case EditCmd::Cancel:
    case EditCmd::LineColor:
    case EditCmd::FillColor: return CommandUpdate{true, false};
    default: return std::nullopt;
    }
}

void CArdoView::OnEditSelectAll() {
    EndGestureInProgress();
    for (const auto& obj : m_doc.m_objects) Select(obj.get(), true);
    m_services.status->SetPaneText(0, "Alle Objekte ausgewählt");
    if (m_toolSink) m_toolSink->SelectSelectionTool();
}

void CArdoView::OnZOrder(int id) {
    if (m_selection.size() != 1) return;
    CArdoObj* obj = m_selection.front();
    ObjectList& list = m_doc.m_objects;
    auto it = std::find_if(list.begin(), list.end(), [obj](const auto& p) { return p.get() == obj; });
    if (it == list.end()) return;
    const auto before = it;
    switch (id) {
    case EditCmd::ToFront: std::rotate(it, it + 1, list.end()); break;
    case EditCmd::ToBack: std::rotate(list.begin(), it, it + 1); break;
    case EditCmd::Forward:
        if (it + 1 == list.end()) return;
        std::iter_swap(it, it + 1);
        break;
    case EditCmd::Backward:
        if (it == list.begin()) return;
        std::iter_swap(it, it - 1);
        break;
    default: return;
    }
    // The drawing order is part of the file: a real change must be saved.
    if (before->get() != obj) m_doc.SetModifiedFlag(true);
    InvalidateObject(obj);
    m_doc.UpdateAllViews(this, HINT_ALL);
}

void CArdoView::OnLineColor() {
    COLORREF color = m_doc.m_crLine;
    if (!m_services.colorDialog->ChooseColor(color)) return;
    const std::vector<CArdoObj*> selection = m_selection;
    for (CArdoObj* obj : selection) obj->SetLineColor(color);
    m_doc.m_crLine = color;
}

void CArdoView::OnFillColor() {
    COLORREF color = m_doc.m_crFill;
    if (!m_services.colorDialog->ChooseColor(color)) return;
    const std::vector<CArdoObj*> selection = m_selection;
    for (CArdoObj* obj : selection) obj->SetFillColor(color);
    m_doc.m_crFill = color;
}
