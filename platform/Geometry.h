// Integer geometry value types: points, sizes and rectangles in 32-bit coordinates.
#pragma once

#include <algorithm>
#include <cstdint>

struct CSize {
    int32_t cx = 0;
    int32_t cy = 0;
    constexpr CSize() = default;
    constexpr CSize(int32_t x, int32_t y) : cx(x), cy(y) {}
    constexpr bool operator==(const CSize&) const = default;
};

struct CPoint {
    int32_t x = 0;
    int32_t y = 0;
    constexpr CPoint() = default;
    constexpr CPoint(int32_t px, int32_t py) : x(px), y(py) {}
    constexpr bool operator==(const CPoint&) const = default;
    constexpr CPoint operator+(CSize s) const { return {x + s.cx, y + s.cy}; }
    constexpr CPoint operator-(CSize s) const { return {x - s.cx, y - s.cy}; }
    constexpr CSize operator-(CPoint p) const { return {x - p.x, y - p.y}; }
    constexpr void Offset(int32_t dx, int32_t dy) {
        x += dx;
        y += dy;
    }
};

// A rectangle with no enforced orientation: left/top/right/bottom are stored as given.
// NormalizeRect puts the smaller x into left and the smaller y into top.
struct CRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    constexpr CRect() = default;
    constexpr CRect(int32_t l, int32_t t, int32_t r, int32_t b) : left(l), top(t), right(r), bottom(b) {}
    constexpr CRect(CPoint tl, CPoint br) : left(tl.x), top(tl.y), right(br.x), bottom(br.y) {}
    constexpr bool operator==(const CRect&) const = default;

    constexpr int32_t Width() const { return right - left; }
    constexpr int32_t Height() const { return bottom - top; }
    constexpr CSize Size() const { return {Width(), Height()}; }
    constexpr CPoint TopLeft() const { return {left, top}; }
    constexpr CPoint BottomRight() const { return {right, bottom}; }
    constexpr CPoint CenterPoint() const { return {left + (right - left) / 2, top + (bottom - top) / 2}; }

    // Empty when it has no area: zero or negative width or height.
    constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
    constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    constexpr void SetRectEmpty() { left = top = right = bottom = 0; }

    // Half-open containment: left <= x < right and top <= y < bottom.
    constexpr bool PtInRect(CPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }

    constexpr void NormalizeRect() {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    constexpr CRect Normalized() const {
        CRect r = *this;
        r.NormalizeRect();
        return r;
    }

    constexpr void InflateRect(int32_t dx, int32_t dy) {
        left -= dx;
        right += dx;
        top -= dy;
        bottom += dy;
    }
    constexpr void InflateRect(int32_t l, int32_t t, int32_t r, int32_t b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    constexpr void OffsetRect(int32_t dx, int32_t dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    constexpr void OffsetRect(CSize s) { OffsetRect(s.cx, s.cy); }

    // Intersection of two normalised rectangles; an empty result is set to all zeros
    // and reported as false.
    constexpr bool IntersectRect(const CRect& a, const CRect& b) {
        CRect r(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom));
        if (r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    // Union of two normalised rectangles; an empty operand is ignored.
    constexpr bool UnionRect(const CRect& a, const CRect& b) {
        if (a.IsRectEmpty()) {
            *this = b;
        } else if (b.IsRectEmpty()) {
            *this = a;
        } else {
            *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                          std::max(a.bottom, b.bottom));
        }
        if (IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        return true;
    }
};

// True when two rectangles, each normalised first, share a non-empty area.
constexpr bool RectsOverlap(const CRect& a, const CRect& b) {
    CRect r;
    return r.IntersectRect(a.Normalized(), b.Normalized());
}
