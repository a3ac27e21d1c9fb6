// Text labels: one line of text in a box of four corners that turns about its insertion
// point (the bottom-left corner). The box is as wide and high as the text in its font.
#pragma once

#include "objects/ArdoObj.h"

#include <cstdint>
#include <string>

class CArdoText : public CArdoObj {
    DECLARE_SERIAL(CArdoText)
public:
    // The initial height of a new document's labels (CArdoDoc::m_nInitialTextHeight).
    static constexpr int16_t kDefaultInitialHeight = -9;

    CArdoText();  // for reading: four corners, the rest from the record
    // initialHeight: the document's height for labels not yet measured.
    explicit CArdoText(const CRect& position, int16_t initialHeight = kDefaultInitialHeight);

    void Serialize(CArchive& ar) override;
    int GetHandleCount() const override { return 4; }
    CPoint GetHandle(int nHandle) const override;
    int GetHandleCursor(int nHandle) const override {
        (void)nHandle;
        return IDC_ARROW;
    }
    void Draw(CDC* pDC, CRect clip) override;
    void MoveTo(const CRect& position, ObjectView* pView, int bQuiet = 0) override;
    int Intersects(const CRect& rect) const override;
    void MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) override;
    int OnEditProperties(ObjectView* pView) override;
    std::unique_ptr<CArdoObj> Clone() const override;

    // The label dialog; false when it was cancelled (nothing changes then).
    bool EditText(ObjectView* pView);
    // Stores the text and the font (the document's label font when none is given) and the
    // document's label colour, and measures the text.
    void SetText(ObjectView* pView, const std::string& text, const LOGFONT* pFont);
    void AddCorner(CPoint point, ObjectView* pView);
    bool RecalcBounds(ObjectView* pView);
    // Sets all four corners of a horizontal box standing on `insertion` and fits the
    // bounds; the plan import places its texts this way.
    void PlaceHorizontal(CPoint insertion);

    // m_logfont with height and width turned from points into logical units.
    LOGFONT DrawingFont() const;

    int m_nCorners = 0;
    CPoint m_corners[4];  // bottom-left (insertion), top-left, top-right, bottom-right
    std::string m_text;
    int m_cy = 0;      // text height, logical units
    int m_cx = 0;      // text width, logical units
    int m_nAngle = 0;  // degrees, counter-clockwise
    int m_bFixedAngle = 0;
    LOGFONT m_logfont{};

private:
    void ReadAngleSetting();
    // Rebuilds the side opposite the one handle n belongs to, from that side, at m_cy.
    void RebuildOppositeSide(int nHandle);
};
