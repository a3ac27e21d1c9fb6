// What the measuring objects share: the conversion to display units, the label texts, the
// label font and its readable angle, and the drawing and dimension dialog of the two
// rectangle-based measuring shapes (dimension line and dimension rectangle).
#pragma once

#include "platform/DeviceContext.h"
#include "platform/GdiTypes.h"
#include "platform/Geometry.h"

#include <string>

class CArdoObj;
class CArdoRect;
class ObjectOwner;
class ObjectView;

namespace measure {

// Labels of segments shorter than this (in display units) are left out of a chain.
constexpr float kMinLabelledLength = 0.009f;
constexpr int kMinTextHeight = 1;
constexpr int kMaxTextHeight = 99;

// Display units per logical unit: scale / unit divisor / units per mm, in single precision.
float UnitsFactor(const ObjectOwner& doc);

// Length of a -> b in display units, with each difference scaled by k first (float).
float SegmentLength(CPoint a, CPoint b, float k);
// "%0.2f", independent of the process locale.
std::string FormatLength(double length);
// "%0.2f %s²" (UTF-8 superscript two), independent of the process locale.
std::string FormatArea(double area, const std::string& unit);

// Point halfway between a and b, each coordinate halved toward zero.
CPoint Midpoint(CPoint a, CPoint b);

// Bold Arial of the document's dimension text height (paper mm), escapement 0.
LOGFONT LabelFont(const ObjectOwner& doc);
// Escapement, in tenths of a degree counter-clockwise on the device, that lays a label
// along the segment from -> to so that it reads left to right (or bottom to top when the
// segment is vertical) under the device context's current mapping: the angle lies in
// (-90°, 90°]. Degrees are converted as trunc(radians * 1800 / 3.1415).
int ReadableEscapement(const CDC& dc, CPoint from, CPoint to);

// Sets the label text state (centred on the baseline, transparent, black) for the
// lifetime of the scope and restores the previous state afterwards.
class LabelTextState {
public:
    explicit LabelTextState(CDC* pDC);
    ~LabelTextState();
    LabelTextState(const LabelTextState&) = delete;
    LabelTextState& operator=(const LabelTextState&) = delete;

private:
    CDC* m_pDC;
    uint32_t m_oldAlign;
    int m_oldBkMode;
    COLORREF m_oldColor;
};

// Selects a copy of `font` turned by `escapement`, draws one text at `at`, selects the
// previous font back.
void DrawLabel(CDC* pDC, const LOGFONT& font, int escapement, CPoint at, const std::string& text);

// The measuring drawing of a CArdoRect of shape 4 or 5, inside its drawing frame (the
// frame's pen is selected). Other shapes draw nothing here.
void DrawRectMeasure(CArdoRect& obj, CDC* pDC);

// The text height typed into the dimension dialog: its leading integer, 1 when it is no
// number or below 1, at most 99.
int ParseTextHeight(const std::string& text);

// The dimension dialog for a dimension line or rectangle (no kind choice): on OK the
// document's text height is taken, the object redrawn and the document marked modified.
// Returns 1 after OK, 0 after cancel.
int EditRectMeasureProperties(CArdoRect& obj, ObjectView* pView);

}  // namespace measure
