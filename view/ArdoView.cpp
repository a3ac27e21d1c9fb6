// Mapping from sheet to window, scroll sizes, zoom rectangle and full view.
#include "view/ArdoView.h"

#include "document/ArdoDoc.h"
#include "platform/MulDiv.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "view/SheetGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {
constexpr int kMaxScrollExtent = 32767;
constexpr int IDS_ZOOM_LIMIT = 41010;    // "Maximale Vergrößerung erreicht"
constexpr int IDS_ZOOM_CAPTION = 41011;  // "Zoom"
constexpr int IDS_ZOOM_FIRST_POINT = 41012;
constexpr int IDS_ZOOM_SECOND_POINT = 41013;

int32_t Trunc(double v) { return CArdoObj::TruncToInt(v); }

// The default page and line steps of a scroll view: a tenth of the total, a tenth of that.
CSize DefaultPage(CSize total) { return {total.cx / 10, total.cy / 10}; }
CSize DefaultLine(CSize total) { return {total.cx / 100, total.cy / 100}; }
}  // namespace

CArdoView::CArdoView(CArdoDoc& doc, ViewHost& host, Services& services)
    : m_doc(doc), m_host(host), m_services(services) {
    m_gridVisible = m_services.settings->GetProfileInt("UserSettings", "Grid", 1) != 0;
    m_printGrid = m_services.settings->GetProfileInt("UserSettings", "PrintRaster", 0) != 0;
    m_doc.AddView(this);
}

CArdoView::~CArdoView() {
    if (m_toolSink) m_toolSink->OnViewDestroyed(*this);
    m_doc.RemoveView(this);
}

CRect CArdoView::ClientRect() const {
    const CSize s = m_host.GetClientSize();
    return CRect(0, 0, s.cx, s.cy);
}

CDC CArdoView::PreparedClientDC() {
    CDC dc(m_host.ClientDevice());
    OnPrepareDC(dc);
    return dc;
}

// --- mapping -----------------------------------------------------------------------------

void CArdoView::OnPrepareDC(CDC& dc, const PrintInfo* info) {
    // The scroll view's own preparation: text mapping, viewport at minus the scroll position.
    dc.SetMapMode(MM_TEXT);
    const bool printing = dc.IsPrinting() || info != nullptr;
    const CPoint scroll = printing ? CPoint() : m_host.GetScrollPosition();
    dc.SetViewportOrg(-scroll.x, -scroll.y);
    dc.SetMapMode(MM_ANISOTROPIC);
    if (printing)
        PreparePrinterMapping(dc);
    else
        PrepareScreenMapping(dc);
}

void CArdoView::PrepareScreenMapping(CDC& dc) {
    const double SW = m_doc.Extent().cx, SH = m_doc.Extent().cy;
    if (!m_zoomed) m_zoomClientRect = ClientRect();
    const double W = m_zoomClientRect.Width(), H = m_zoomClientRect.Height();
    const double A = W * m_zoomFactor, B = H * m_zoomFactor;

    // The sheet fills the window along the governing axis and scrolls along the other.
    // (The 16-bit rescaling of the old consumer systems does not apply here.)
    double V, S;
    if (SW / SH < W / H) {
        V = A;
        S = SW;
    } else {
        V = B;
        S = SH;
    }
    m_pixelsPerUnit = V / S;

    m_scrollTotal = CSize(Trunc(SW * m_pixelsPerUnit), Trunc(SH * m_pixelsPerUnit));
    if (!m_zoomed) {
        m_scrollTotal.cx += m_host.GetSystemMetrics(SM_CXVSCROLL);
        m_scrollTotal.cy += m_host.GetSystemMetrics(SM_CYHSCROLL);
    }
    if (m_appliedPixelsPerUnit != m_pixelsPerUnit) {
        m_appliedPixelsPerUnit = m_pixelsPerUnit;
        ApplyScrollSizes(true);
    }
    m_negPixelsPerUnit = -m_pixelsPerUnit;
    if (!m_zoomed) m_fullViewPixelsPerUnit = m_pixelsPerUnit;

    dc.SetViewportExt(Trunc(V), Trunc(V));
    dc.SetWindowExt(Trunc(S), -Trunc(S));
    dc.SetWindowOrg(0, 0);
    dc.OffsetWindowOrg(0, m_doc.Extent().cy);

    // Values the objects and the tools use between paints.
    const int winX = std::abs(dc.GetWindowExt().cx), vpX = std::abs(dc.GetViewportExt().cx);
    m_handleSize = MulDiv(3, winX, vpX);
    m_originDevice = dc.LPtoDP(CPoint(0, 0));
    m_doc.SetPixelSize(MulDiv(1, winX, vpX));
    m_clientLogical = ClientRect();
    dc.DPtoLP(&m_clientLogical);
}

void CArdoView::PreparePrinterMapping(CDC& dc) {
    const int SW = m_doc.Extent().cx, SH = m_doc.Extent().cy;
    const double P = dc.GetDeviceCaps(HORZRES) * m_printZoom;
    const double Q = dc.GetDeviceCaps(VERTRES) * m_printZoom;
    if (P / SW < Q / SH) {
        dc.SetViewportExt(Trunc(P), Trunc(P));
        dc.SetWindowExt(SW, -SW);
        m_printUnitFactor = double(dc.GetDeviceCaps(HORZSIZE)) * m_doc.UnitsPerMm() / SW;
    } else {
        dc.SetViewportExt(Trunc(Q), Trunc(Q));
        dc.SetWindowExt(SH, -SH);
        m_printUnitFactor = double(dc.GetDeviceCaps(VERTSIZE)) * m_doc.UnitsPerMm() / SH;
    }
    if (m_zoomed)
        dc.SetWindowOrg(m_zoomOrigin.x, m_zoomOrigin.y - SH);
    else
        dc.SetWindowOrg(0, 0);
    dc.OffsetWindowOrg(0, SH);
    // The screen-derived values (handle size, pixel size, device origin, client rectangle)
    // are left as the screen mapping set them: tools convert mouse points with them, and a
    // printout must not leave them holding printer values until the next paint.
}

bool CArdoView::ApplyScrollSizes(bool apply) {
    if (m_scrollTotal.cx >= 0 && m_scrollTotal.cy >= 0 &&
        (m_scrollTotal.cx > kMaxScrollExtent || m_scrollTotal.cy > kMaxScrollExtent)) {
        m_zoomTooLarge = true;
        m_services.messages->MessageBox(LoadString(IDS_ZOOM_LIMIT), LoadString(IDS_ZOOM_CAPTION), MB_ICONEXCLAMATION);
        return false;
    }
    if (apply) {
        m_appliedScrollTotal = m_scrollTotal;
        m_host.SetScrollSizes(m_scrollTotal, DefaultPage(m_scrollTotal), DefaultLine(m_scrollTotal));
    }
    return true;
}

void CArdoView::ClientToLogical(CPoint& point) const {
    point.x = Trunc((point.x - m_originDevice.x) / m_pixelsPerUnit);
    point.y = Trunc((point.y - m_originDevice.y) / m_negPixelsPerUnit);
}

void CArdoView::ClientToLogical(CRect& rect) const {
    CPoint a = rect.TopLeft(), b = rect.BottomRight();
    ClientToLogical(a);
    ClientToLogical(b);
    rect = CRect(a, b);
}

void CArdoView::LogicalToClient(CRect& rect) const {
    rect.left = Trunc(rect.left * m_pixelsPerUnit) + m_originDevice.x;
    rect.right = Trunc(rect.right * m_pixelsPerUnit) + m_originDevice.x;
    rect.top = Trunc(rect.top * m_negPixelsPerUnit) + m_originDevice.y;
    rect.bottom = Trunc(rect.bottom * m_negPixelsPerUnit) + m_originDevice.y;
    rect.NormalizeRect();
}

CPoint CArdoView::SnapToGrid(CPoint client) {
    CDC dc = PreparedClientDC();
    return SnapLogicalPoint(dc.DPtoLP(client), m_doc);
}

CRect CArdoView::GetLogicalClipRect(CDC*) const { return m_clientLogical.Normalized(); }

// --- life cycle and sizing ----------------------------------------------------------------

void CArdoView::OnInitialUpdate() {
    const CSize total(Trunc(m_doc.Extent().cx * m_zoomFactor / m_doc.UnitsPerMm()),
                      Trunc(m_doc.Extent().cy * m_zoomFactor / m_doc.UnitsPerMm()));
    m_appliedScrollTotal = total;
    m_host.SetScrollSizes(total, DefaultPage(total), DefaultLine(total));
    m_zoomOrigin = CPoint(0, m_doc.Extent().cy);
    m_initialised = true;
    // The full-view path always runs once.
    m_zoomed = true;
    FullView();
    // A missing library is reported once per document: by its first view, not again for
    // each further window onto the same document.
    const bool firstView = !m_doc.Views().empty() && m_doc.Views().front() == this;
    if (!m_doc.SymbolsLoaded() && firstView)
        m_services.messages->MessageBox(LoadString(57456), LoadString(57455), MB_ICONERROR);
}

void CArdoView::OnSize(int, int cx, int cy) {
    if (cx > 0 && cy > 0) {
        if (m_initialised) {
            CDC dc(m_host.ClientDevice());
            dc.SetWindowOrg(0, 0);
            OnPrepareDC(dc);
        }
        ApplyScrollSizes(false);
    }
    DiscardBackground();
}

void CArdoView::OnExtentChanged(CSize) {
    // The new sheet extent gives a new mapping: force the scroll sizes to be applied again.
    m_appliedPixelsPerUnit = 0.0;
    DiscardBackground();
    if (m_initialised) PreparedClientDC();
    m_host.Invalidate(false);
}

// --- scrolling ------------------------------------------------------------------------------

CPoint CArdoView::ClampScroll(CPoint pos) const {
    const CSize client = m_host.GetClientSize();
    const int maxX = std::max(0, m_appliedScrollTotal.cx - client.cx);
    const int maxY = std::max(0, m_appliedScrollTotal.cy - client.cy);
    return CPoint(std::clamp(pos.x, 0, maxX), std::clamp(pos.y, 0, maxY));
}

void CArdoView::ScrollTo(CPoint pos) { m_host.ScrollToPosition(ClampScroll(pos)); }

bool CArdoView::OnScroll(int bar, int code, int thumbPos, bool doScroll) {
    DiscardBackground();
    const bool horz = bar == SB_HORZ;
    const CSize client = m_host.GetClientSize();
    const int page = horz ? std::max(1, std::min(client.cx, m_appliedScrollTotal.cx / 10))
                          : std::max(1, std::min(client.cy, m_appliedScrollTotal.cy / 10));
    const int line = std::max(1, page / 10);
    const int current = horz ? m_host.GetScrollPosition().x : m_host.GetScrollPosition().y;
    const int total = horz ? m_appliedScrollTotal.cx : m_appliedScrollTotal.cy;
    int delta = 0;
    switch (code) {
    case SB_LINEUP: delta = -line; break;
    case SB_LINEDOWN: delta = line; break;
    case SB_PAGEUP: delta = -page; break;
    case SB_PAGEDOWN: delta = page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: delta = thumbPos - current; break;
    case SB_TOP: delta = -current; break;
    case SB_BOTTOM: delta = total - current; break;
    default: return false;
    }
    return OnScrollBy(horz ? CSize(delta, 0) : CSize(0, delta), doScroll);
}

bool CArdoView::OnScrollBy(CSize amount, bool doScroll) {
    DiscardBackground();
    const CPoint old = m_host.GetScrollPosition();
    const CPoint target = ClampScroll(CPoint(old.x + amount.cx, old.y + amount.cy));
    if (target == old) return false;
    // Without doScroll the caller only asks whether a scroll is possible.
    if (!doScroll) return true;
    m_host.ScrollToPosition(target);

    CDC dc = PreparedClientDC();
    m_zoomOrigin = dc.DPtoLP(CPoint(0, 0));
    if (m_zoomDragging) {
        // The rubber band stays on the same sheet area: erase, move, draw again.
        const CSize moved = target - old;
        DrawRubberBand();
        m_zoomAnchor = m_zoomAnchor - moved;
        m_zoomCorner = m_zoomCorner - moved;
        DrawRubberBand();
    }
    m_host.UpdateWindow();
    return true;
}

bool CArdoView::OnMouseWheel(int zDelta) {
    const int lines = MulDiv(-zDelta, 3, 120);
    const int line = std::max(1, m_appliedScrollTotal.cy / 100);
    return OnScrollBy(CSize(0, lines * line), true);
}

void CArdoView::ArrowScroll(CSize delta) {
    DiscardBackground();
    ScrollTo(m_host.GetScrollPosition() + delta);
    m_zoomOrigin = PreparedClientDC().DPtoLP(CPoint(0, 0));
}

// --- zoom -----------------------------------------------------------------------------------

void CArdoView::DrawRubberBand() {
    CDC dc(m_host.ClientDevice());
    dc.DrawFocusRect(CRect(m_zoomAnchor, m_zoomCorner).Normalized());
}

void CArdoView::ToggleZoomMode() {
    m_zoomMode = !m_zoomMode;
    if (m_zoomMode) {
        m_services.status->SetPaneText(kPanePrompt, LoadString(IDS_ZOOM_FIRST_POINT));
        if (m_toolSink) m_toolSink->SelectSelectionTool();
    }
}

void CArdoView::StartZoomRect(CPoint client) {
    m_zoomAnchor = m_zoomCorner = client;
    m_zoomTopLeft = client;
    ClientToLogical(m_zoomTopLeft);
    m_host.SetCapture();
    m_host.SetCursor(IDC_DRAWING);
    m_services.status->SetPaneText(kPanePrompt, LoadString(IDS_ZOOM_SECOND_POINT));
    m_zoomDragging = true;
}

void CArdoView::EndZoomRect(CPoint client) {
    m_zoomMode = false;
    const CRect r = CRect(m_zoomAnchor, client).Normalized();
    if (r.Width() > 0 && r.Height() > 0) {
        ZoomToRect(client);
    } else if (m_host.HasCapture()) {
        // An empty rectangle ends the request; the capture taken at its start goes too.
        m_host.SetCursor(IDC_ARROW);
        m_host.ReleaseCapture();
    }
    m_zoomDragging = false;
    m_services.status->SetPaneText(kPanePrompt, "");
    m_host.Invalidate(true);
}

void CArdoView::ZoomToRect(CPoint client) {
    const double SW = m_doc.Extent().cx, SH = m_doc.Extent().cy;
    m_zoomDragging = false;
    m_zoomCorner = client;
    if (!m_zoomed) m_fullViewScroll = m_host.GetScrollPosition();

    CDC dc = PreparedClientDC();

    // A rectangle dragged beyond the right or bottom edge is shifted back onto the sheet.
    CRect sheet(0, m_doc.Extent().cy, m_doc.Extent().cx, 0);
    dc.LPtoDP(&sheet);
    sheet.NormalizeRect();
    if (m_zoomCorner.x > sheet.right) {
        const int excess = m_zoomCorner.x - sheet.right;
        m_zoomCorner.x -= excess;
        m_zoomAnchor.x -= excess;
        if (m_zoomAnchor.x < sheet.left) m_zoomAnchor.x = sheet.left;
    }
    if (m_zoomCorner.y > sheet.bottom) {
        const int excess = m_zoomCorner.y - sheet.bottom;
        m_zoomCorner.y -= excess;
        m_zoomAnchor.y -= excess;
        if (m_zoomAnchor.y < sheet.top) m_zoomAnchor.y = sheet.top;
    }

    const CRect R = CRect(m_zoomAnchor, m_zoomCorner).Normalized();
    CRect L = R;
    dc.DPtoLP(&L);
    const double oldPrintZoom = m_printZoom;
    if (R.Width() <= 0 || R.Height() <= 0 || L.Width() == 0 || L.Height() == 0) {
        // Shifting squeezed the rectangle to nothing: keep the view as it is.
        m_host.SetCursor(IDC_ARROW);
        m_host.ReleaseCapture();
        return;
    }
    m_printZoom = std::min(std::fabs(SW / L.Width()), std::fabs(SH / L.Height()));

    m_zoomAnchor = R.TopLeft();
    m_host.SetCursor(IDC_ARROW);
    m_host.ReleaseCapture();
    m_zoomTopLeft = m_zoomAnchor;
    ClientToLogical(m_zoomTopLeft);

    const CSize clientSize = m_host.GetClientSize();
    const double F = std::min(double(clientSize.cx) / R.Width(), double(clientSize.cy) / R.Height());
    const double oldZoomFactor = m_zoomFactor;
    m_zoomFactor = F * oldZoomFactor;

    dc.SetWindowOrg(0, 0);
    OnPrepareDC(dc);

    if (m_zoomTooLarge) {
        m_zoomTooLarge = false;
        m_zoomFactor = oldZoomFactor;
        m_printZoom = oldPrintZoom;
        return;
    }
    if (ApplyScrollSizes(false)) {
        m_zoomOrigin = m_zoomTopLeft;
        m_zoomed = true;
        const CPoint scroll(Trunc(m_scrollTotal.cx * m_zoomTopLeft.x / SW),
                            Trunc((1.0 - m_zoomTopLeft.y / SH) * m_scrollTotal.cy));
        ApplyScrollSizes(true);
        ScrollTo(scroll);
        m_services.status->SetPaneText(kPaneZoom, LoadString(IDS_PANE_ZOOMED));
        if (m_toolSink) m_toolSink->SelectSelectionTool();
        DiscardBackground();
        return;
    }
    m_zoomTooLarge = false;
    m_zoomFactor = m_zoomFactor / F;
    if (m_zoomFactor > 1.0001) {
        const double G = std::min(clientSize.cx * m_zoomFactor, clientSize.cy * m_zoomFactor);
        ScrollTo(CPoint(Trunc(m_zoomTopLeft.x * G), Trunc((SH - m_zoomTopLeft.y) * G)));
        m_zoomOrigin = m_zoomTopLeft;
        m_zoomed = true;
        DiscardBackground();
    } else {
        FullView();
    }
    m_services.status->SetPaneText(kPaneZoom, LoadString(IDS_PANE_ZOOMED));
}

void CArdoView::FullView() {
    m_zoomFactor = 1.0;
    m_zoomOrigin = CPoint(0, m_doc.Extent().cy);
    m_zoomMode = false;
    if (!m_zoomed) return;

    m_zoomed = false;
    m_host.Invalidate(true);
    DiscardBackground();
    m_printZoom = 1.0;
    m_pixelsPerUnit = m_fullViewPixelsPerUnit;
    m_negPixelsPerUnit = -m_fullViewPixelsPerUnit;

    CDC dc(m_host.ClientDevice());
    dc.SetWindowOrg(0, 0);
    dc.SetMapMode(MM_TEXT);
    OnPrepareDC(dc);

    ApplyScrollSizes(true);
    m_host.SetCursor(IDC_ARROW);
    ScrollTo(m_fullViewScroll);
    m_services.status->SetPaneText(kPaneZoom, LoadString(IDS_PANE_FULL_VIEW));
}
