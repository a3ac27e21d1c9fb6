// The sheet, its axes, grid lines and border; the snap rounding; the coordinate readout.
#pragma once

#include "platform/DeviceContext.h"
#include "platform/Geometry.h"

#include <string>

class CArdoDoc;

// Grid line spacing in logical units before the device check: the real-world spacing times
// units per millimetre over the scale, truncated, at least 1.
CSize GridSpacing(const CArdoDoc& doc);

// Draws the sheet (white on the screen, hollow when printing), the dash-dot axes, the
// dotted grid lines when showLines is set, and the solid border, on a prepared context.
void DrawSheetAndGrid(CDC& dc, const CArdoDoc& doc, bool showLines);

// The snap step in logical units: snap spacing (mm) x units per mm / scale.
double SnapStep(const CArdoDoc& doc);
// Rounds one coordinate to the snap step: trunc(v + d/2), trunc(/ d), trunc(x d).
// A step of 0 or less (a snap spacing of 0) leaves the value as it is.
int32_t SnapCoordinate(int32_t v, double step);
CPoint SnapLogicalPoint(CPoint logical, const CArdoDoc& doc);

// Status pane 1: "%0.2f, %0.2f [%s]" of the position relative to the origin, in the
// display unit.
std::string FormatCoordinateReadout(const CArdoDoc& doc, CPoint logical);
