// Helpers of the printed page: the header font and the page rectangle.
#pragma once

#include "platform/DeviceContext.h"
#include "platform/GdiTypes.h"

// The title header font: "Arial" bold, 12 points on paper whatever the zoom:
// height = trunc(unitsPerMm x (12 / printZoom) / printUnitFactor / 2.84) logical units.
LOGFONT PrintHeaderFont(float unitsPerMm, double printZoom, double printUnitFactor);

// The printable area (0, 0)-(HORZRES, VERTRES) of a prepared printer context in logical
// units, with top the upper edge.
CRect PageDrawRect(const CDC& dc);
