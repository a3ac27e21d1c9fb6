// Elliptic arcs of a plan (record G): the segment rule and the path they add.
#pragma once

#include "plan/PlanPath.h"

struct PlanArc {
    float cx = 0, cy = 0;  // centre, plot mm
    float rx = 0, ry = 0;  // radii
    float start = 0;       // start angle, radians
    float sweep = 0;       // sweep angle, radians
    float rotation = 0;    // rotation of the ellipse, radians
};

// Segments for an arc: the step angle follows the radius relative to the resolution base
// (header parameter 3); at least 20. Quotients beyond the int range give INT_MAX.
int PlanArcSegmentCount(const PlanArc& arc, float resolution);

// Moves to the arc's start, appends its points and moves to the centre, which ends the
// arc's path and leaves the pen there. Stops early once the path buffer is full (further
// points would be dropped anyway) or after a bounded number of steps, so that a damaged
// sweep or resolution cannot loop for billions of steps.
void AppendPlanArc(PlanPathBuilder& path, const PlanArc& arc, float resolution);
