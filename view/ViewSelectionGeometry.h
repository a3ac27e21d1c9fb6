// Rectangle arithmetic for the selection: bounds that include degenerate rectangles (a
// horizontal line has no height but still has a place on the paper), and offsets that
// cannot overflow 32-bit coordinates.
#pragma once

#include "platform/Geometry.h"

#include <algorithm>
#include <cstdint>
#include <limits>

// A normalised rectangle in 64-bit coordinates.
struct WideRect {
    int64_t left = 0, top = 0, right = 0, bottom = 0;

    static WideRect From(const CRect& r) {
        const CRect n = r.Normalized();
        return {n.left, n.top, n.right, n.bottom};
    }
    // The smallest rectangle holding both, zero-sized ones included.
    WideRect Hull(const WideRect& o) const {
        return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
    }
    WideRect Offset(CSize d) const { return {left + d.cx, top + d.cy, right + d.cx, bottom + d.cy}; }
    double Area() const { return double(right - left) * double(bottom - top); }
    bool operator==(const WideRect&) const = default;
};

inline int32_t ClampToInt32(int64_t v) {
    return int32_t(std::clamp<int64_t>(v, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

// r moved by d, each coordinate held in the 32-bit range.
inline CRect OffsetClamped(const CRect& r, CSize d) {
    return CRect(ClampToInt32(int64_t(r.left) + d.cx), ClampToInt32(int64_t(r.top) + d.cy),
                 ClampToInt32(int64_t(r.right) + d.cx), ClampToInt32(int64_t(r.bottom) + d.cy));
}

// The union of the normalised rectangles, counting zero-sized ones too; empty when none.
template <class Range, class GetRect>
CRect BoundsOf(const Range& items, GetRect rectOf) {
    bool any = false;
    WideRect hull;
    for (const auto& item : items) {
        const WideRect r = WideRect::From(rectOf(item));
        hull = any ? hull.Hull(r) : r;
        any = true;
    }
    if (!any) return CRect();
    return CRect(int32_t(hull.left), int32_t(hull.top), int32_t(hull.right), int32_t(hull.bottom));
}
