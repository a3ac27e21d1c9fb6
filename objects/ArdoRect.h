// Rectangle family: one class for rectangle, rounded rectangle, ellipse, line, and the two
// rectangle-based measuring shapes, chosen by a shape code.
#pragma once

#include "objects/ArdoObj.h"

enum RectShape {
    SHAPE_RECTANGLE = 0,
    SHAPE_ROUNDRECT = 1,
    SHAPE_ELLIPSE = 2,
    SHAPE_LINE = 3,
    SHAPE_DIMLINE = 4,
    SHAPE_DIMRECT = 5,
};

class CArdoRect : public CArdoObj {
    DECLARE_SERIAL(CArdoRect)
public:
    CArdoRect() = default;  // for reading
    CArdoRect(const CRect& position, int shape);

    void Serialize(CArchive& ar) override;
    int GetHandleCount() const override;
    CPoint GetHandle(int nHandle) const override;
    int GetHandleCursor(int nHandle) const override;
    void Draw(CDC* pDC, CRect clip) override;
    int Intersects(const CRect& rect) const override;
    void MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) override;
    int OnEditProperties(ObjectView* pView) override;
    std::unique_ptr<CArdoObj> Clone() const override;

    int m_shape = SHAPE_RECTANGLE;
    CPoint m_roundness{16, 16};  // corner ellipse of a rounded rectangle, mm on paper

protected:
    // Drawing of the dimension line and dimension rectangle (shapes 4, 5), called inside the
    // drawing frame with the object's pen and brush selected.
    void DrawMeasure(CDC* pDC);
    // Property dialog of the dimension line and dimension rectangle; 1 after OK.
    int EditMeasureProperties(ObjectView* pView);

private:
    // Lines have two handles, the end points: handle 2 stands for 5.
    int MapHandle(int nHandle) const;
    void MoveRoundnessHandle(CPoint p, ObjectView* pView);
    // Half-width, in logical units, of the band around a line that a selection must reach.
    int BandHalfWidth() const;
    bool LineBandMeets(const CRect& normalizedQuery, int halfWidth) const;
};
