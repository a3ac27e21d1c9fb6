// Polygon family: a filled polygon area defined by its points, and the classes that share its
// point list, editing, hit test and record: the open polyline and the closed Bezier area.
#pragma once

#include "objects/ArdoObj.h"

#include <vector>

class CArdoPoly : public CArdoObj {
    DECLARE_SERIAL(CArdoPoly)
public:
    // The record stores counts as 16 bits.
    static constexpr int kMaxPoints = 65535;
    static constexpr int kGrowBy = 10;

    CArdoPoly() = default;  // for reading
    explicit CArdoPoly(const CRect& position);

    void Serialize(CArchive& ar) override;
    int GetHandleCount() const override { return PointCount(); }
    CPoint GetHandle(int nHandle) const override;
    int GetHandleCursor(int nHandle) const override {
        (void)nHandle;
        return IDC_ARROW;
    }
    void Draw(CDC* pDC, CRect clip) override;
    void MoveTo(const CRect& position, ObjectView* pView, int bQuiet = 0) override;
    void ScaleTo(float cx, float cy) override;
    void Transform(CPoint origin, float m11, float m12, float m21, float m22) override;
    int Intersects(const CRect& rect) const override;
    void MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) override;
    std::unique_ptr<CArdoObj> Clone() const override;

    // Appends p unless it repeats the last point; false when refused (a repeat, or full).
    bool AddPoint(CPoint p, ObjectView* pView);
    bool AddPointSilent(CPoint p);
    // Removes and returns the last point while more than two remain; otherwise returns the
    // last point (or (0,0)) and changes nothing.
    CPoint RemoveLastPoint(ObjectView* pView);
    bool RecalcBounds(ObjectView* pView);
    // The rectangle the polygon family keeps for these points (at least one): their bounds,
    // a zero width or height widened by 2 on both sides.
    static CRect BoundsOf(const std::vector<CPoint>& points);

    int PointCount() const { return int(m_points.size()); }

    // The vertices, absolute sheet coordinates; their count is the record's point count.
    std::vector<CPoint> m_points;
    // Capacity as the record carries it: grows in steps of 10 and never shrinks. Memory is
    // only taken for points in use, so a record's capacity cannot make us allocate.
    int m_nAllocPoints = 0;

protected:
    // Grows the recorded capacity by 10 when the points fill it.
    void GrowCapacityFor(size_t count);
    // Common start of Draw for polygons and polylines: false when nothing is to be drawn.
    bool PrepareDraw(CDC* pDC, const CRect& clip) const;
    CArdoPoly* CopyPointsTo(CArdoPoly* clone) const;
    // The parts of the point record, for classes that put fields of their own between the
    // counts and the points.
    void WritePointCounts(CArchive& ar) const;
    void WritePoints(CArchive& ar) const;
    // Reads the count and capacity words (refusing a count beyond the capacity); returns the count.
    uint16_t ReadPointCounts(CArchive& ar);
    // Reads count points, checked against the bytes left before anything is allocated.
    void ReadPoints(CArchive& ar, uint16_t count);
};

class CArdoPolyline : public CArdoPoly {
    DECLARE_SERIAL(CArdoPolyline)
public:
    CArdoPolyline() = default;
    explicit CArdoPolyline(const CRect& position) : CArdoPoly(position) {}
    void Draw(CDC* pDC, CRect clip) override;
    std::unique_ptr<CArdoObj> Clone() const override;
};

class CArdoBezier : public CArdoPoly {
    DECLARE_SERIAL(CArdoBezier)
public:
    CArdoBezier() = default;
    explicit CArdoBezier(const CRect& position) : CArdoPoly(position) {}
    void Draw(CDC* pDC, CRect clip) override;
    std::unique_ptr<CArdoObj> Clone() const override;
};
