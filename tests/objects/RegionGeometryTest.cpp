// Polygon regions against rectangles: fill rules, boundaries without area, exactness.
#include "objects/RegionGeometry.h"

#include "platform/GdiTypes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using region::PolygonMeetsRect;
using region::PolygonRegionIsEmpty;

const std::vector<CPoint> kSquare{{0, 0}, {100, 0}, {100, 100}, {0, 100}};

TEST(RegionGeometryTest, RectanglesInsideAroundAndAcrossASquare) {
    EXPECT_TRUE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(40, 40, 60, 60)));      // inside
    EXPECT_TRUE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(-10, -10, 200, 200)));  // around
    EXPECT_TRUE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(-10, 40, 200, 60)));    // across
    EXPECT_TRUE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(99, 99, 300, 300)));    // a corner
    EXPECT_TRUE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(60, 60, 40, 40)));      // unnormalised
    EXPECT_FALSE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(100, 0, 200, 100)));   // edge only
    EXPECT_FALSE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(100, 100, 101, 101)));
    EXPECT_FALSE(PolygonMeetsRect(kSquare, ALTERNATE, CRect(40, 40, 40, 60)));  // no area
}

TEST(RegionGeometryTest, FillRulesDifferOnDoublyCoveredAreas) {
    // The square traced twice: covered twice, so open under ALTERNATE, filled under WINDING.
    std::vector<CPoint> twice = kSquare;
    twice.insert(twice.end(), kSquare.begin(), kSquare.end());
    EXPECT_FALSE(PolygonMeetsRect(twice, ALTERNATE, CRect(40, 40, 60, 60)));
    EXPECT_TRUE(PolygonMeetsRect(twice, WINDING, CRect(40, 40, 60, 60)));
    EXPECT_TRUE(PolygonRegionIsEmpty(twice, ALTERNATE));
    EXPECT_FALSE(PolygonRegionIsEmpty(twice, WINDING));
}

TEST(RegionGeometryTest, SlantedEdgesAreDecidedExactly) {
    // Edge from (0, 0) to (3, 1): at x = 1 it is at y = 1/3.
    const std::vector<CPoint> thin{{0, 0}, {3, 1}, {3, 0}};
    EXPECT_TRUE(PolygonMeetsRect(thin, ALTERNATE, CRect(1, 0, 2, 1)));
    EXPECT_FALSE(PolygonMeetsRect(thin, ALTERNATE, CRect(0, 1, 1, 2)));  // above the edge
    EXPECT_FALSE(PolygonMeetsRect(thin, ALTERNATE, CRect(-2, 0, 0, 1)));
    // Far coordinates keep their precision.
    const int big = 2000000000;
    const std::vector<CPoint> huge{{-big, -big}, {big, -big + 1}, {big, -big}};
    EXPECT_FALSE(PolygonMeetsRect(huge, ALTERNATE, CRect(-1, -big + 1, 1, -big + 2)));
    EXPECT_TRUE(PolygonMeetsRect(huge, ALTERNATE, CRect(big - 2, -big, big, -big + 1)));
}

TEST(RegionGeometryTest, EmptyRegions) {
    EXPECT_TRUE(PolygonRegionIsEmpty(std::vector<CPoint>{}, ALTERNATE));
    EXPECT_TRUE(PolygonRegionIsEmpty(std::vector<CPoint>{{0, 0}, {5, 5}}, ALTERNATE));
    EXPECT_TRUE(PolygonRegionIsEmpty(std::vector<CPoint>{{0, 0}, {5, 5}, {10, 10}, {0, 0}}, ALTERNATE));
    EXPECT_TRUE(PolygonRegionIsEmpty(std::vector<CPoint>{{0, 0}, {0, 5}, {0, 2}}, ALTERNATE));
    EXPECT_TRUE(PolygonRegionIsEmpty(std::vector<CPoint>{{0, 0}, {10, 0}, {10, 10}, {10, 0}}, ALTERNATE));
    EXPECT_FALSE(PolygonRegionIsEmpty(kSquare, ALTERNATE));
}

}  // namespace
