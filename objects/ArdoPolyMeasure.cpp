// Chain-length and polygon-area measuring object.
#include "objects/ArdoPolyMeasure.h"

#include "objects/MeasureDrawing.h"
#include "objects/ObjectDialogs.h"
#include "objects/ObjectOwner.h"
#include "platform/Archive.h"

#include <algorithm>
#include <cmath>
#include <limits>

IMPLEMENT_SERIAL(CArdoPolyMeasure, CArdoPoly, 0)

namespace {

int TruncPenWidth(float v) {
    if (std::isnan(v)) return 0;
    if (v >= float(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (v <= float(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return int(v);
}

}  // namespace

void CArdoPolyMeasure::Serialize(CArchive& ar) {
    CArdoObj::Serialize(ar);
    // The flags stand between the point counts and the points.
    if (ar.IsStoring()) {
        WritePointCounts(ar);
        ar.WriteWord(uint16_t(m_bArea));
        ar.WriteWord(uint16_t(m_bEdges));
        WritePoints(ar);
    } else {
        const uint16_t count = ReadPointCounts(ar);
        m_bArea = ar.ReadWord();
        m_bEdges = ar.ReadWord();
        ReadPoints(ar, count);
    }
}

void CArdoPolyMeasure::Draw(CDC* pDC, CRect clip) {
    // A damaged file may hold a measure without points: nothing to draw or divide by.
    if (m_points.empty() || !m_pDocument) return;
    if (!RectsOverlap(clip, m_position)) return;
    CRect device = m_position;
    pDC->LPtoDP(&device);
    if (device.Width() == 0 && device.Height() == 0) return;

    const ObjectOwner& doc = *m_pDocument;
    LOGPEN pen = m_logpen;
    pen.lopnWidth.x = TruncPenWidth(float(m_logpen.lopnWidth.x) * doc.UnitsPerMm() / doc.Scale() / 100);
    pen.lopnWidth.y = TruncPenWidth(float(m_logpen.lopnWidth.y) * doc.UnitsPerMm() / doc.Scale() / 100);
    const LOGPEN oldPen = pDC->SelectPen(pen);

    const LOGFONT font = measure::LabelFont(doc);
    const measure::LabelTextState textState(pDC);
    const float k = measure::UnitsFactor(doc);

    pDC->MoveTo(m_points.front());
    for (size_t i = 1; i < m_points.size(); ++i) DrawSegment(pDC, font, m_points[i - 1], m_points[i], k);
    if (m_bArea) {
        DrawSegment(pDC, font, m_points.back(), m_points.front(), k);
        DrawAreaLabel(pDC, font, k);
    }
    pDC->SelectPen(oldPen);
}

// Continues the outline to `to` and labels the segment with its length when it has one.
void CArdoPolyMeasure::DrawSegment(CDC* pDC, const LOGFONT& font, CPoint from, CPoint to, float k) const {
    pDC->LineTo(to);
    if (!m_bEdges) return;
    const float length = measure::SegmentLength(from, to, k);
    if (length > measure::kMinLabelledLength) {
        measure::DrawLabel(pDC, font, measure::ReadableEscapement(*pDC, from, to), measure::Midpoint(from, to),
                           measure::FormatLength(length));
    }
}

// The enclosed area (shoelace formula), labelled at the mean of the vertices.
void CArdoPolyMeasure::DrawAreaLabel(CDC* pDC, const LOGFONT& font, float k) const {
    const size_t n = m_points.size();
    double twiceArea = 0;
    int64_t sumX = 0, sumY = 0;
    for (size_t j = 0; j < n; ++j) {
        const CPoint& p = m_points[j];
        const CPoint& q = m_points[(j + 1) % n];
        twiceArea += double(int64_t(p.x) * q.y - int64_t(q.x) * p.y);
        sumX += p.x;
        sumY += p.y;
    }
    const double area = std::fabs(twiceArea) * k * k / 2;
    const CPoint at(int32_t(sumX / int64_t(n)), int32_t(sumY / int64_t(n)));
    measure::DrawLabel(pDC, font, 0, at, measure::FormatArea(area, m_pDocument->UnitName()));
}

int CArdoPolyMeasure::OnEditProperties(ObjectView* pView) {
    DimensionDialogValues values;
    values.bForPolygon = true;
    if (m_bEdges && m_bArea)
        values.nChoice = DimensionDialogValues::kEdgesAndArea;
    else if (m_bEdges)
        values.nChoice = DimensionDialogValues::kEdges;
    else
        values.nChoice = DimensionDialogValues::kArea;
    values.strTextHeight = std::to_string(m_pDocument ? m_pDocument->DimTextHeight() : 5);
    if (!ObjectDialogs().EditDimensions(values)) return 0;

    if (m_pDocument) m_pDocument->SetDimTextHeight(measure::ParseTextHeight(values.strTextHeight));
    switch (values.nChoice) {
    case DimensionDialogValues::kEdges:
        m_bEdges = 1;
        m_bArea = 0;
        break;
    case DimensionDialogValues::kEdgesAndArea:
        m_bEdges = 1;
        m_bArea = 1;
        break;
    default:
        m_bEdges = 0;
        m_bArea = 1;
        break;
    }
    // The whole window of the editing view, since the text height concerns every label;
    // the other views of the document redraw this object.
    if (pView) pView->RedrawAll();
    Invalidate();
    if (m_pDocument) m_pDocument->MarkModified(*this);
    return 1;
}

std::unique_ptr<CArdoObj> CArdoPolyMeasure::Clone() const {
    auto clone = std::make_unique<CArdoPolyMeasure>(m_position);
    CopyPointsTo(clone.get());  // with the pen and brush attributes
    clone->m_bArea = m_bArea;
    clone->m_bEdges = m_bEdges;
    return clone;
}
