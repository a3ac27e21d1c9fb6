// The paint path with its cached background, invalidation by update hints and activation.
// (The selection list is in ViewSelection.cpp.)
#include "view/ArdoView.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "view/SheetGrid.h"

#include <algorithm>

namespace {
// Everything outside the sheet is filled with the paper colour up to this many units.
constexpr int kSurroundExtent = 32500;
}  // namespace

void CArdoView::OnPaint(DeviceBackend& window) {
    CDC dc(window);
    OnPrepareDC(dc);
    OnDraw(dc);
}

void CArdoView::DiscardBackground() {
    m_backgroundBitmap.reset();
    m_backgroundValid = false;
}

// Renders the surround, the sheet with its grid and the background plan into the cache and
// copies the cache onto the paint buffer. A cache that cannot be made leaves this paint
// without background and the cache invalid, so the next paint tries again.
void CArdoView::DrawBackgroundInto(OffscreenSurface& target, const CRect& r) {
    if (!m_backgroundValid) {
        m_host.BeginWaitCursor();
        m_backgroundBitmap = m_host.CreateOffscreen(r.Width(), r.Height());
        if (m_backgroundBitmap) {
            CDC cache(m_backgroundBitmap->Backend());
            cache.SetWindowOrg(0, 0);
            OnPrepareDC(cache);
            cache.OffsetViewportOrg(-r.left, -r.top);
            cache.FillSolidRect(CRect(-kSurroundExtent, -kSurroundExtent, kSurroundExtent, kSurroundExtent),
                                m_doc.PaperColor());
            DrawSheetAndGrid(cache, m_doc, m_gridVisible);
            m_doc.DrawBackground(&cache, this);
            m_backgroundValid = true;
            m_host.Blit(*m_backgroundBitmap, target.Backend(), r.TopLeft());
        }
        m_host.EndWaitCursor();
        return;
    }
    m_host.Blit(*m_backgroundBitmap, target.Backend(), r.TopLeft());
}

void CArdoView::OnDraw(CDC& dc) {
    if (dc.IsPrinting()) {
        // Printed pages: no buffer, no surround, no handles; the frame and grid on request.
        if (m_printGrid) DrawSheetAndGrid(dc, m_doc, m_gridVisible);
        m_doc.DrawBackground(&dc, this);
        m_doc.DrawForeground(&dc, this);
        return;
    }

    const CRect r = ClientRect();
    std::unique_ptr<OffscreenSurface> buffer =
        r.IsRectEmpty() ? nullptr : m_host.CreateOffscreen(r.Width(), r.Height());
    if (!buffer) {
        // No off-screen picture: only the objects, straight onto the window.
        m_doc.DrawForeground(&dc, this);
        return;
    }
    CDC mem(buffer->Backend());
    OnPrepareDC(mem);
    mem.OffsetViewportOrg(-r.left, -r.top);

    DrawBackgroundInto(*buffer, r);
    m_doc.DrawForeground(&mem, this);
    m_host.Blit(*buffer, dc.Backend(), r.TopLeft());
}

// --- invalidation ---------------------------------------------------------------------------

void CArdoView::InvalidateObject(const CArdoObj* obj) {
    if (!obj) return;
    CRect r = obj->m_position.Normalized();
    if (m_active && IsSelected(obj)) {
        // Room for the handles: 4 mm of paper on the left and top, 5 mm right and bottom.
        const int a = CArdoObj::TruncToInt(4.0f * m_doc.UnitsPerMm());
        const int b = CArdoObj::TruncToInt(5.0f * m_doc.UnitsPerMm());
        r.left -= a;
        r.top -= b;  // the smaller y: the lower edge on the sheet
        r.right += b;
        r.bottom += a;  // the larger y: the upper edge
        // A handle can lie beyond that margin (the roundness handle of a small rounded
        // rectangle): its inverted square must be repainted too, or it stays behind.
        for (int n = 1; n <= obj->GetHandleCount(); ++n) r.UnionRect(r, obj->GetHandleRect(n, this).Normalized());
    }
    LogicalToClient(r);
    r.InflateRect(1, 1);
    m_host.InvalidateRect(r, false);
}

void CArdoView::InvalidateObjects(const std::vector<CArdoObj*>& objects) {
    for (CArdoObj* obj : objects) InvalidateObject(obj);
}

void CArdoView::OnUpdate(DocumentView*, int hint, const UpdateHint& what) {
    switch (hint) {
    case HINT_ALL:
        if (m_host.IsPrintMode()) {
            m_host.RunPrintCommand();
            return;
        }
        DiscardBackground();
        m_host.Invalidate(false);
        ApplyScrollSizes(false);
        return;
    case HINT_OBJECT: InvalidateObject(what.object); return;
    case HINT_OBJECTS:
        if (what.objects)
            InvalidateObjects(*what.objects);
        else
            InvalidateObjects(m_selection);
        return;
    case HINT_REMOVING: {
        if (!what.objects || what.objects == &m_selection) return;
        const std::vector<CArdoObj*> removing = *what.objects;  // the list may be the caller's
        for (CArdoObj* obj : removing) {
            InvalidateObject(obj);
            RemoveFromSelection(obj);
        }
        return;
    }
    case HINT_RESTORED:
        // A step of the history: the objects it put in place become the selection.
        m_selection = what.objects ? *what.objects : std::vector<CArdoObj*>();
        RecalcSelectionBounds();
        if (what.background) DiscardBackground();
        m_host.Invalidate(false);
        if (what.background) ApplyScrollSizes(false);
        return;
    case HINT_EMBEDDED:
        // Embedded objects are not supported yet: there is nothing of theirs to redraw.
        return;
    case HINT_MEASURES:
        for (const auto& obj : m_doc.Objects()) {
            if (obj->IsKindOf(RUNTIME_CLASS(CArdoPolyMeasure))) {
                InvalidateObject(obj.get());
            } else if (obj->IsKindOf(RUNTIME_CLASS(CArdoRect))) {
                const int shape = static_cast<const CArdoRect&>(*obj).m_shape;
                if (shape == SHAPE_DIMLINE || shape == SHAPE_DIMRECT) InvalidateObject(obj.get());
            }
        }
        return;
    default: return;
    }
}

void CArdoView::OnActivateView(bool activate) {
    if (activate != m_active) {
        if (activate) m_active = true;
        // The selection's handles appear or disappear.
        if (!m_selection.empty()) OnUpdate(nullptr, HINT_OBJECTS, {});
        m_active = activate;
        if (activate && m_toolSink) m_toolSink->OnViewActivated(*this);
    }
    m_services.status->SetPaneText(kPaneZoom, LoadString(m_zoomed ? IDS_PANE_ZOOMED : IDS_PANE_FULL_VIEW));
}
