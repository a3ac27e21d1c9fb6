// What the print loop and the view exchange about the one printed page.
#pragma once

#include "platform/Geometry.h"

struct PrintInfo {
    int maxPage = 0;      // the view sets 1: a document prints as one page
    bool direct = false;  // print without the print dialog (print mode)
    // The drawing rectangle of the page in logical units (after the printer mapping); the
    // upper edge is `top` (y grows upwards). PageDrawRect() fills it from the device.
    CRect drawRect;
};
