// The drawing object base: position, line and fill attributes, the eight selection
// handles, hit tests, moving and resizing with redraw requests, cloning, the line-and-fill
// property edit, and the 48-byte head of every object's record.
#pragma once

#include "platform/DeviceContext.h"
#include "platform/GdiTypes.h"
#include "platform/Geometry.h"
#include "platform/RuntimeClass.h"

#include <memory>

class ObjectOwner;
class ObjectView;

// Selection state handed to DrawTracker.
enum TrackerState { normal = 0, selected = 1, active = 2 };

// What the objects need of a view: its handle size and a redraw of one object's area.
class ObjectView {
public:
    virtual ~ObjectView() = default;
    // Logical size of 3 device pixels (half the side of a handle square).
    virtual int GetHandleSize() const = 0;
    virtual void InvalidateObject(const class CArdoObj* obj) = 0;
    // Redraws the whole window, its cached background too.
    virtual void RedrawAll() = 0;
};

class CArdoObj : public CObject {
    DECLARE_SERIAL(CArdoObj)
public:
    CArdoObj();                                // for reading: m_bPen 1, m_bBrush 0, rest from the record
    explicit CArdoObj(const CRect& position);  // positioned: default attributes of a new object
    ~CArdoObj() override = default;

    void Serialize(CArchive& ar) override;

    // --- virtual operations, in the order of the class's table ---------------------------
    virtual int GetHandleCount() const;
    virtual CPoint GetHandle(int nHandle) const;
    virtual int GetHandleCursor(int nHandle) const;  // a cursor id (IDC_...)
    virtual int GetSymbolId() const { return -1; }

    virtual void SetLineColor(COLORREF color);
    virtual COLORREF GetLineColor() const { return m_logpen.lopnColor; }
    virtual void SetLineColorSilent(COLORREF color);
    virtual void SetFillColor(COLORREF color);
    virtual COLORREF GetFillColor() const { return m_logbrush.lbColor; }
    virtual void SetFillColorSilent(COLORREF color);
    virtual void SetFilled(int bFill);
    virtual int IsFilled() const { return m_bBrush; }
    virtual void SetFilledSilent(int bFill);
    virtual void SetLineWidth(int width);
    virtual void SetLineWidthSilent(int width);
    virtual void GetLineWidth(int& x, int& y) const {
        x = m_logpen.lopnWidth.x;
        y = m_logpen.lopnWidth.y;
    }

    virtual void Draw(CDC* pDC, CRect clip);
    virtual void DrawTracker(CDC* pDC, TrackerState state, float unitsPerMm);
    virtual void MoveTo(const CRect& position, ObjectView* pView, int bQuiet = 0);
    virtual void ScaleTo(float cx, float cy) {
        (void)cx;
        (void)cy;
    }
    virtual void Transform(CPoint origin, float m11, float m12, float m21, float m22) {
        (void)origin;
        (void)m11;
        (void)m12;
        (void)m21;
        (void)m22;
    }
    virtual int HitTest(CPoint point, ObjectView* pView, int bSelected) const;
    virtual int Intersects(const CRect& rect) const;
    virtual void MoveHandleTo(int nHandle, CPoint point, ObjectView* pView);
    virtual int OnEditProperties(ObjectView* pView);
    // A copy that belongs to no document yet; the caller adds it where it belongs.
    virtual std::unique_ptr<CArdoObj> Clone() const;

    // --- non-virtual ------------------------------------------------------------------------
    // Asks the document to redraw this object in every view (hint 1).
    void Invalidate();
    CRect GetHandleRect(int nHandle, const ObjectView* pView) const;
    ObjectOwner* GetDocument() const { return m_pDocument; }
    void SetDocument(ObjectOwner* pDoc) { m_pDocument = pDoc; }

    // Bit of m_flags: the box has corner handles only (the side handles are not drawn or hit).
    static constexpr uint32_t kCornerHandlesOnly = 0x10;
    // m_flags of a new object: every bit but kCornerHandlesOnly.
    static constexpr uint32_t kNewObjectFlags = ~kCornerHandlesOnly;

    // --- fields -------------------------------------------------------------------------------
    CRect m_position;
    ObjectOwner* m_pDocument = nullptr;
    int m_bPen = 1;
    LOGPEN m_logpen{PS_INSIDEFRAME, {1, 1}, 0};
    int m_bBrush = 0;
    LOGBRUSH m_logbrush{BS_SOLID, RGB(192, 192, 192), 0};
    uint32_t m_flags = kNewObjectFlags;

protected:
    // Redraw request: the view's InvalidateObject when a view is given, else Invalidate().
    void RequestRedraw(ObjectView* pView);
    // Marks the owning document modified, if there is one.
    void SetDocumentModified();
    // Copies the attributes that Clone carries over (pen and brush flags and records).
    void CopyAttributesTo(CArdoObj& other) const;

    // Document values the drawing and hit-test code reads. An object that belongs to no
    // document (a fresh clone) uses the values of a new document.
    float DocUnitsPerMm() const;
    float DocScale() const;
    int DocPixelSize() const;
    // m_logpen with its width turned from 1/100 mm into logical units:
    // trunc(width * unitsPerMm / divisor / 100), x and y separately, in float.
    LOGPEN DrawingPen(float divisor = 1.0f) const;

public:
    // Float-to-coordinate conversion: truncation toward zero, saturating at the int32 range
    // (NaN gives 0), so values from damaged files or extreme zooms never overflow.
    static int32_t TruncToInt(double v);
};
