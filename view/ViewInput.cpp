// Mouse, key and command entry points of the view: the zoom rubber band, the coordinate
// readout, the scroll and grid commands, and forwarding to the current tool.
#include "view/ArdoView.h"

#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "view/SheetGrid.h"

void CArdoView::OnLButtonDown(unsigned flags, CPoint point) {
    if (m_zoomDragging) {
        // The second press ends the zoom rectangle and is not the tool's.
        EndZoomRect(point);
        return;
    }
    if (m_zoomMode) StartZoomRect(point);
    if (m_active && m_toolSink) m_toolSink->OnButtonDown(*this, flags, point);
}

void CArdoView::OnLButtonUp(unsigned flags, CPoint point) {
    if (m_active && m_toolSink) m_toolSink->OnButtonUp(*this, flags, point);
}

void CArdoView::OnLButtonDblClk(unsigned flags, CPoint point) {
    if (m_active && m_toolSink) m_toolSink->OnDoubleClick(*this, flags, point);
}

void CArdoView::OnMouseMove(unsigned flags, CPoint point) {
    if (m_zoomDragging) {
        DrawRubberBand();
        m_zoomCorner = point;
        DrawRubberBand();
    } else if (m_active && m_toolSink) {
        m_toolSink->OnMouseMove(*this, flags, point);
    }
    if (m_active) UpdateCoordinateReadout(point);
}

void CArdoView::OnRButtonDown(unsigned, CPoint) {
    // The context menu of the edit commands is the shell's; nothing to do in the core yet.
}

void CArdoView::OnKeyDown(unsigned key, unsigned, unsigned) {
    switch (key) {
    case VK_DOWN: OnCommand(cmd::ScrollDown); break;
    case VK_UP: OnCommand(cmd::ScrollUp); break;
    case VK_LEFT: OnCommand(cmd::ScrollLeft); break;
    case VK_RIGHT: OnCommand(cmd::ScrollRight); break;
    default: break;
    }
}

void CArdoView::OnChar(unsigned ch, unsigned repeat, unsigned flags) {
    if (m_active && m_toolSink) m_toolSink->OnChar(*this, ch, repeat, flags);
}

void CArdoView::OnCancel() {
    m_host.ReleaseCapture();
    if (m_toolSink) {
        m_toolSink->OnCancel(*this);
        m_toolSink->SelectSelectionTool();
    }
}

void CArdoView::UpdateCoordinateReadout(CPoint client) {
    CDC dc = PreparedClientDC();
    m_services.status->SetPaneText(kPanePosition, FormatCoordinateReadout(m_doc, dc.DPtoLP(client)));
}

// --- commands -------------------------------------------------------------------------------

void CArdoView::ToggleGrid() {
    m_gridVisible = !m_gridVisible;
    m_services.settings->WriteProfileInt("UserSettings", "Grid", m_gridVisible ? 1 : 0);
    DiscardBackground();
    m_host.Invalidate(false);
}

void CArdoView::TogglePrintGrid() {
    m_printGrid = !m_printGrid;
    m_services.settings->WriteProfileInt("UserSettings", "PrintRaster", m_printGrid ? 1 : 0);
}

bool CArdoView::OnCommand(int id) {
    switch (id) {
    case cmd::GridLines: ToggleGrid(); return true;
    case cmd::PrintGrid: TogglePrintGrid(); return true;
    case cmd::Zoom: ToggleZoomMode(); return true;
    case cmd::FullView:
        if (m_zoomed) FullView();
        return true;
    // The arrow keys move the sheet in the arrow's direction.
    case cmd::ScrollDown: ArrowScroll(CSize(0, -2)); return true;
    case cmd::ScrollUp: ArrowScroll(CSize(0, 2)); return true;
    case cmd::ScrollLeft: ArrowScroll(CSize(2, 0)); return true;
    case cmd::ScrollRight: ArrowScroll(CSize(-2, 0)); return true;
    default: return OnEditCommand(id) || (m_toolSink && m_toolSink->OnCommand(*this, id));
    }
}

std::optional<CommandUpdate> CArdoView::OnUpdateCommand(int id) const {
    switch (id) {
    case cmd::GridLines: return CommandUpdate{true, m_gridVisible};
    case cmd::PrintGrid: return CommandUpdate{true, m_printGrid};
    case cmd::Zoom: return CommandUpdate{!m_zoomDragging, m_zoomMode};
    case cmd::FullView: return CommandUpdate{m_zoomed, false};
    default:
        if (auto update = OnUpdateEditCommand(id)) return update;
        if (m_toolSink) return m_toolSink->OnUpdateCommand(*this, id);
        return std::nullopt;
    }
}
