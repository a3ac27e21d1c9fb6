// The polygon-based measuring object: a chain whose segments are labelled with their
// lengths, or a closed polygon labelled with its area, or both.
#pragma once

#include "objects/ArdoPoly.h"

class CArdoPolyMeasure : public CArdoPoly {
    DECLARE_SERIAL(CArdoPolyMeasure)
public:
    CArdoPolyMeasure() = default;  // for reading
    explicit CArdoPolyMeasure(const CRect& position) : CArdoPoly(position) {}

    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC, CRect clip) override;
    int OnEditProperties(ObjectView* pView) override;
    std::unique_ptr<CArdoObj> Clone() const override;

    // The polygon is closed: the closing segment is drawn and the area labelled.
    int m_bArea = 0;
    // Every segment is labelled with its length.
    int m_bEdges = 0;

private:
    void DrawSegment(CDC* pDC, const LOGFONT& font, CPoint from, CPoint to, float k) const;
    void DrawAreaLabel(CDC* pDC, const LOGFONT& font, float k) const;
};
