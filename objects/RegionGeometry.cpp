// The rectangle is cut into vertical slabs at every x where something changes inside it: the
// polygon's vertices and the points where edges cross the rectangle's top or bottom line.
// Inside one slab no edge starts, ends or crosses those lines, so each edge lies wholly below
// the rectangle, wholly above it, or within its height, and two edges that are not on one
// line meet in at most one x. The region then has area inside the slab exactly when the
// edges below give an inside count, or when some line carries edges that do not cancel.
// Slab borders are rationals; every comparison is done with 128-bit integers, so the answer
// is exact for all 32-bit coordinates.
#include "objects/RegionGeometry.h"

#include "platform/GdiTypes.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <tuple>
#include <vector>

namespace region {
namespace {

// GCC and Clang have 128-bit integers; __extension__ says so under -Wpedantic.
__extension__ using I128 = __int128;

// num / den with den > 0.
struct Frac {
    I128 num;
    I128 den;
};

int Sign(I128 v) { return (v > 0) - (v < 0); }

int Compare(const Frac& a, const Frac& b) { return Sign(a.num * b.den - b.num * a.den); }

int Compare(int64_t v, const Frac& f) { return Sign(I128(v) * f.den - f.num); }

// The line an edge lies on, as a*x + b*y = c reduced to lowest terms with b > 0, so that
// edges on one line share one key.
struct LineKey {
    int64_t a;
    int64_t b;
    I128 c;
    bool operator<(const LineKey& o) const { return std::tie(a, b, c) < std::tie(o.a, o.b, o.c); }
    bool operator==(const LineKey& o) const { return a == o.a && b == o.b && c == o.c; }
};

// A non-vertical edge oriented left to right; dir remembers the direction it was traced.
struct Edge {
    int64_t x1, y1, x2, y2;
    int dir;
    LineKey key;
};

Edge MakeEdge(CPoint p, CPoint q) {
    Edge e{};
    e.dir = q.x > p.x ? 1 : -1;
    if (q.x < p.x) std::swap(p, q);
    e.x1 = p.x;
    e.y1 = p.y;
    e.x2 = q.x;
    e.y2 = q.y;
    int64_t a = e.y2 - e.y1;
    int64_t b = e.x1 - e.x2;  // never 0: vertical edges are left out
    const int64_t g = std::gcd(a < 0 ? -a : a, b < 0 ? -b : b);
    a /= g;
    b /= g;
    if (b < 0) {
        a = -a;
        b = -b;
    }
    e.key = {a, b, I128(a) * e.x1 + I128(b) * e.y1};
    return e;
}

// Sign of (the edge's y at x) - level, for x = f.
int SideOf(const Edge& e, const Frac& f, int64_t level) {
    const I128 v = I128(e.y1 - level) * (e.x2 - e.x1) * f.den + (f.num - I128(e.x1) * f.den) * (e.y2 - e.y1);
    return Sign(v);
}

// The x at which the edge passes `level` (which lies strictly inside its y range).
Frac CrossingAt(const Edge& e, int64_t level) {
    Frac f{I128(e.x1) * (e.y2 - e.y1) + I128(level - e.y1) * (e.x2 - e.x1), I128(e.y2 - e.y1)};
    if (f.den < 0) {
        f.num = -f.num;
        f.den = -f.den;
    }
    return f;
}

std::vector<Edge> EdgesOf(std::span<const CPoint> pts) {
    std::vector<Edge> edges;
    const size_t n = pts.size();
    edges.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const CPoint p = pts[i], q = pts[(i + 1) % n];
        if (p.x != q.x) edges.push_back(MakeEdge(p, q));
    }
    return edges;
}

bool IsInsideCount(int64_t count, int fillMode) { return fillMode == WINDING ? count != 0 : (count & 1) != 0; }

// Whether the region of `all` has area inside the open box (l, t) - (r, b), l < r, t < b.
bool AreaInsideBox(const std::vector<Edge>& all, int fillMode, int64_t l, int64_t t, int64_t r, int64_t b) {
    const bool winding = fillMode == WINDING;
    std::vector<const Edge*> edges;
    for (const Edge& e : all)
        if (e.x1 < r && e.x2 > l && std::min(e.y1, e.y2) < b) edges.push_back(&e);
    if (edges.empty()) return false;

    std::vector<Frac> cuts{{l, 1}, {r, 1}};
    for (const Edge* e : edges) {
        if (e->x1 > l) cuts.push_back({e->x1, 1});
        if (e->x2 < r) cuts.push_back({e->x2, 1});
        for (const int64_t level : {t, b}) {
            if (std::min(e->y1, e->y2) < level && level < std::max(e->y1, e->y2)) {
                const Frac x = CrossingAt(*e, level);
                if (Compare(l, x) < 0 && Compare(r, x) > 0) cuts.push_back(x);
            }
        }
    }
    std::sort(cuts.begin(), cuts.end(), [](const Frac& a, const Frac& c) { return Compare(a, c) < 0; });
    cuts.erase(std::unique(cuts.begin(), cuts.end(), [](const Frac& a, const Frac& c) { return Compare(a, c) == 0; }),
               cuts.end());

    std::sort(edges.begin(), edges.end(), [](const Edge* a, const Edge* c) { return a->x1 < c->x1; });
    std::vector<const Edge*> active;
    std::vector<std::pair<LineKey, int>> within;  // edges within the box's height: line, weight
    size_t next = 0;
    for (size_t i = 0; i + 1 < cuts.size(); ++i) {
        const Frac& xa = cuts[i];
        const Frac& xb = cuts[i + 1];
        while (next < edges.size() && Compare(edges[next]->x1, xa) <= 0) active.push_back(edges[next++]);
        std::erase_if(active, [&](const Edge* e) { return Compare(e->x2, xa) <= 0; });

        int64_t below = 0;
        within.clear();
        for (const Edge* e : active) {
            const int weight = winding ? e->dir : 1;
            if (SideOf(*e, xa, t) <= 0 && SideOf(*e, xb, t) <= 0) {
                below += weight;
            } else if (SideOf(*e, xa, b) < 0 || SideOf(*e, xb, b) < 0) {
                within.emplace_back(e->key, weight);
            }
        }
        // Just above the bottom line the count of the edges below decides.
        if (IsInsideCount(below, fillMode)) return true;
        // Otherwise the count changes inside the box unless the edges on every line cancel.
        std::sort(within.begin(), within.end(), [](const auto& a, const auto& c) { return a.first < c.first; });
        for (size_t j = 0; j < within.size();) {
            int64_t sum = 0;
            size_t k = j;
            for (; k < within.size() && within[k].first == within[j].first; ++k) sum += within[k].second;
            if (IsInsideCount(sum, fillMode)) return true;
            j = k;
        }
    }
    return false;
}

bool AllOnOneLine(std::span<const CPoint> pts) {
    const CPoint p0 = pts[0];
    size_t i = 1;
    while (i < pts.size() && pts[i] == p0) ++i;
    if (i == pts.size()) return true;
    const CPoint p1 = pts[i];
    for (const CPoint& q : pts) {
        const I128 cross =
            I128(int64_t(p1.x) - p0.x) * (int64_t(q.y) - p0.y) - I128(int64_t(p1.y) - p0.y) * (int64_t(q.x) - p0.x);
        if (cross != 0) return false;
    }
    return true;
}

}  // namespace

bool PolygonMeetsRect(std::span<const CPoint> points, int fillMode, const CRect& rect) {
    const CRect q = rect.Normalized();
    if (q.left == q.right || q.top == q.bottom || points.size() < 3) return false;
    return AreaInsideBox(EdgesOf(points), fillMode, q.left, q.top, q.right, q.bottom);
}

bool PolygonRegionIsEmpty(std::span<const CPoint> points, int fillMode) {
    if (points.size() < 3 || AllOnOneLine(points)) return true;
    int64_t l = points[0].x, r = l, t = points[0].y, b = t;
    for (const CPoint& p : points) {
        l = std::min<int64_t>(l, p.x);
        r = std::max<int64_t>(r, p.x);
        t = std::min<int64_t>(t, p.y);
        b = std::max<int64_t>(b, p.y);
    }
    return !AreaInsideBox(EdgesOf(points), fillMode, l, t, r, b);
}

}  // namespace region
