// The printed page: one page, the title header, then the sheet as the view draws it.
#include "view/ViewPrinting.h"

#include "document/ArdoDoc.h"
#include "view/ArdoView.h"

#include <algorithm>

LOGFONT PrintHeaderFont(float unitsPerMm, double printZoom, double printUnitFactor) {
    LOGFONT lf{};
    lf.SetFaceName("Arial");
    lf.lfWeight = FW_BOLD;
    const double height =
        printUnitFactor != 0.0 && printZoom != 0.0 ? unitsPerMm * (12.0 / printZoom) / printUnitFactor / 2.84 : 0.0;
    lf.lfHeight = CArdoObj::TruncToInt(height);
    return lf;
}

CRect PageDrawRect(const CDC& dc) {
    CRect r(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
    dc.DPtoLP(&r);
    // Upper edge in top: with y growing upwards that is the larger y.
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top < r.bottom) std::swap(r.top, r.bottom);
    return r;
}

void CArdoView::OnPreparePrinting(PrintInfo& info) {
    info.maxPage = 1;
    if (m_host.IsPrintMode()) info.direct = true;
}

void CArdoView::OnBeginPrinting(CDC&, PrintInfo&) { m_doc.SetPaperSize(m_doc.PaperSize().cx, m_doc.PaperSize().cy, 1); }

void CArdoView::OnPrint(CDC& dc, PrintInfo& info) {
    const std::string title = m_doc.GetTitle();
    const LOGFONT lf = PrintHeaderFont(m_doc.UnitsPerMm(), m_printZoom, m_printUnitFactor);
    if (info.drawRect.IsRectNull()) info.drawRect = PageDrawRect(dc);

    const uint32_t oldAlign = dc.SetTextAlign(TA_CENTER | TA_BASELINE);
    const int oldBkMode = dc.SetBkMode(OPAQUE);
    const COLORREF oldColor = dc.SetTextColor(RGB(0, 0, 0));
    const LOGFONT oldFont = dc.SelectFont(lf);
    // Centred, one header height below the upper edge of the page.
    CRect r = info.drawRect;
    r.OffsetRect(0, -lf.lfHeight);
    dc.TextOut(r.left + (r.right - r.left) / 2, r.top, title);
    dc.SelectFont(oldFont);
    dc.SetTextColor(oldColor);
    dc.SetBkMode(oldBkMode);
    dc.SetTextAlign(oldAlign);

    OnDraw(dc);
}

void CArdoView::OnEndPrinting(CDC&, PrintInfo&) {
    if (m_host.IsPrintMode()) m_doc.SetModifiedFlag(false);
}
