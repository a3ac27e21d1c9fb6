// Polygon regions against rectangles, computed exactly in integer arithmetic.
//
// A polygon region is the area that a closed polygon encloses under a fill rule (ALTERNATE:
// odd crossing count; WINDING: non-zero winding number). Boundaries have no area, so an
// edge traced forth and back encloses nothing and a rectangle that only touches the region
// along a line or at a point does not count as meeting it.
#pragma once

#include "platform/Geometry.h"

#include <span>

namespace region {

// True when the region of `points` (closed implicitly) shares an area with `rect`.
// `rect` is normalised first; a rectangle without area meets nothing.
bool PolygonMeetsRect(std::span<const CPoint> points, int fillMode, const CRect& rect);

// True when the region of `points` encloses no area at all: fewer than three distinct
// points, all points on one line, or edges that cancel each other out.
bool PolygonRegionIsEmpty(std::span<const CPoint> points, int fillMode);

}  // namespace region
