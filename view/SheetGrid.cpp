// Sheet, axes, grid lines and border; snap rounding; the coordinate readout text.
#include "view/SheetGrid.h"

#include "document/ArdoDoc.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

CSize GridSpacing(const CArdoDoc& doc) {
    int dx = CArdoObj::TruncToInt(doc.GridX() * doc.UnitsPerMm() / doc.Scale());
    int dy = CArdoObj::TruncToInt(doc.GridY() * doc.UnitsPerMm() / doc.Scale());
    if (dx <= 0) dx = 1;
    if (dy <= 0) dy = 1;
    return {dx, dy};
}

void DrawSheetAndGrid(CDC& dc, const CArdoDoc& doc, bool showLines) {
    const int SW = doc.Extent().cx, SH = doc.Extent().cy;

    if (dc.IsPrinting()) {
        const LOGBRUSH oldBrush = dc.GetCurrentBrush();
        dc.SelectStockObject(StockObject::NullBrush);
        dc.Rectangle(0, 0, SW, SH);
        dc.SelectBrush(oldBrush);
    } else {
        dc.Rectangle(0, 0, SW, SH);
    }

    const LOGPEN oldPen = dc.SelectPen(LOGPEN{PS_DASHDOT, {0, 0}, doc.GridColor()});
    dc.MoveTo(0, SH);
    dc.LineTo(0, 0);
    dc.LineTo(SW, 0);

    dc.SelectPen(LOGPEN{PS_DOT, {0, 0}, doc.GridColor()});
    CSize spacing = GridSpacing(doc);
    // Lines closer than 2 pixels are drawn 5 pixels apart.
    CSize device = spacing;
    dc.LPtoDP(&device);
    CSize five(5, 5);
    dc.DPtoLP(&five);
    if (std::abs(device.cx) < 2) spacing.cx = std::max(1, std::abs(five.cx));
    if (std::abs(device.cy) < 2) spacing.cy = std::max(1, std::abs(five.cy));

    if (showLines) {
        for (int64_t x = spacing.cx; x < SW; x += spacing.cx) {
            dc.MoveTo(int(x), SH);
            dc.LineTo(int(x), 0);
        }
        for (int64_t y = int64_t(SH / spacing.cy) * spacing.cy; y > 0; y -= spacing.cy) {
            dc.MoveTo(0, int(y));
            dc.LineTo(SW, int(y));
        }
    }

    const COLORREF oldBk = dc.SetBkColor(doc.PaperColor());
    dc.SelectPen(LOGPEN{PS_SOLID, {1, 0}, doc.GridColor()});
    dc.MoveTo(0, SH);
    dc.LineTo(SW, SH);
    dc.LineTo(SW, 0);
    dc.LineTo(0, 0);
    dc.LineTo(0, SH);

    dc.SelectPen(oldPen);
    dc.SetBkColor(oldBk);
}

double SnapStep(const CArdoDoc& doc) {
    return double(float(uint32_t(doc.SnapSpacing())) * (doc.UnitsPerMm() / doc.Scale()));
}

int32_t SnapCoordinate(int32_t v, double step) {
    if (!(step > 0.0) || !std::isfinite(step)) return v;
    double r = std::trunc(v + step / 2);
    r = std::trunc(r / step);
    return CArdoObj::TruncToInt(r * step);
}

CPoint SnapLogicalPoint(CPoint logical, const CArdoDoc& doc) {
    const double step = SnapStep(doc);
    return {SnapCoordinate(logical.x, step), SnapCoordinate(logical.y, step)};
}

std::string FormatCoordinateReadout(const CArdoDoc& doc, CPoint logical) {
    const float x = (float(logical.x) + doc.OriginX()) * doc.RealPerUnit();
    const float y = (float(logical.y) + doc.OriginY()) * doc.RealPerUnit();
    char text[160];
    std::snprintf(text, sizeof text, "%0.2f, %0.2f [%s]", double(x), double(y), doc.UnitName().c_str());
    return text;
}
