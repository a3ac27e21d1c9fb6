// Rectangle operations of the geometry value types.
#include "platform/Geometry.h"

#include <gtest/gtest.h>

TEST(CRect, NormalizeSwapsReversedEdges) {
    CRect r(10, 20, 0, 5);
    r.NormalizeRect();
    EXPECT_EQ(r, CRect(0, 5, 10, 20));
    EXPECT_EQ(CRect(1, 9, 5, 2).Normalized(), CRect(1, 2, 5, 9));
    EXPECT_TRUE(CRect(10, 20, 0, 5).IsRectEmpty());
    EXPECT_FALSE(r.IsRectEmpty());
}

TEST(CRect, Intersect) {
    CRect r;
    EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 8)));
    EXPECT_EQ(r, CRect(5, 0, 10, 8));

    r = CRect(1, 2, 3, 4);
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(20, 20, 30, 30)));
    EXPECT_EQ(r, CRect());
    // Rectangles that only share an edge have no common area.
    EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_FALSE(RectsOverlap(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    // Overlap normalises its operands first.
    EXPECT_TRUE(RectsOverlap(CRect(10, 10, 0, 0), CRect(5, 5, 15, 15)));
}

TEST(CRect, Union) {
    CRect r;
    EXPECT_TRUE(r.UnionRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 8)));
    EXPECT_EQ(r, CRect(0, -5, 20, 10));
    // An empty operand is ignored, even when far away.
    EXPECT_TRUE(r.UnionRect(CRect(100, 100, 100, 200), CRect(1, 1, 2, 2)));
    EXPECT_EQ(r, CRect(1, 1, 2, 2));
    EXPECT_TRUE(r.UnionRect(CRect(1, 1, 2, 2), CRect()));
    EXPECT_EQ(r, CRect(1, 1, 2, 2));
    EXPECT_FALSE(r.UnionRect(CRect(5, 5, 5, 9), CRect(3, 3, 1, 1)));
    EXPECT_EQ(r, CRect());
}

TEST(CRect, InflateOffsetAndContainment) {
    CRect r(0, 0, 10, 10);
    r.InflateRect(2, 3);
    EXPECT_EQ(r, CRect(-2, -3, 12, 13));
    r.InflateRect(-2, -3);
    EXPECT_EQ(r, CRect(0, 0, 10, 10));
    r.InflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(-1, -2, 13, 14));
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(4, -7, 18, 9));
    r.OffsetRect(CSize(-4, 7));
    EXPECT_EQ(r, CRect(0, 0, 14, 16));
    EXPECT_EQ(r.Size(), CSize(14, 16));
    EXPECT_EQ(r.CenterPoint(), CPoint(7, 8));

    const CRect box(0, 0, 10, 10);
    EXPECT_TRUE(box.PtInRect({0, 0}));
    EXPECT_TRUE(box.PtInRect({9, 9}));
    EXPECT_FALSE(box.PtInRect({10, 5}));
    EXPECT_FALSE(box.PtInRect({5, 10}));
}
