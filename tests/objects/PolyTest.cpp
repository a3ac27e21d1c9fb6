// The polygon family: the point list and its capacity, bounds, moving, scaling and
// transforming, picking, what each class draws, clone and record.
#include "ObjectTestSupport.h"

#include "objects/ArdoPoly.h"

#include <memory>

using namespace objtest;

namespace {

template <class T = CArdoPoly>
T* WithPoints(T* obj, std::initializer_list<CPoint> pts) {
    for (const CPoint& p : pts) obj->AddPointSilent(p);
    obj->RecalcBounds(nullptr);
    return obj;
}

class PolyTest : public ObjectTest {
protected:
    template <class T = CArdoPoly>
    T* Make(std::initializer_list<CPoint> pts) {
        auto obj = std::make_unique<T>(CRect());
        WithPoints(obj.get(), pts);
        return Adopt(std::move(obj));
    }
};

// --- point list ----------------------------------------------------------------------------

TEST_F(PolyTest, RepeatOfTheLastPointIsRefused) {
    CArdoPoly* poly = Make({});
    EXPECT_TRUE(poly->AddPoint({1, 1}, nullptr));
    EXPECT_FALSE(poly->AddPoint({1, 1}, nullptr));
    EXPECT_EQ(poly->PointCount(), 1);
    EXPECT_TRUE(poly->AddPoint({2, 2}, nullptr));
    EXPECT_TRUE(poly->AddPoint({1, 1}, nullptr));
    EXPECT_EQ(poly->PointCount(), 3);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(PolyTest, CapacityGrowsByTenAndTheRecordCarriesIt) {
    CArdoPoly poly(CRect(0, 0, 0, 0));
    for (int i = 0; i < 10; ++i) poly.AddPointSilent({i, i * i});
    EXPECT_EQ(poly.m_nAllocPoints, 10);
    poly.AddPointSilent({10, 100});
    EXPECT_EQ(poly.m_nAllocPoints, 20);
    const std::vector<uint8_t> bytes = RecordOf(poly);
    ASSERT_EQ(bytes.size(), 48u + 4u + 11u * 8u);
    EXPECT_EQ(bytes[48] | bytes[49] << 8, 11);
    EXPECT_EQ(bytes[50] | bytes[51] << 8, 20);
}

TEST_F(PolyTest, NoMoreThan65535Points) {
    CArdoPoly poly(CRect(0, 0, 0, 0));
    for (int i = 0; i < CArdoPoly::kMaxPoints; ++i) ASSERT_TRUE(poly.AddPointSilent({i, i % 7}));
    EXPECT_FALSE(poly.AddPointSilent({-1, -1}));
    EXPECT_FALSE(poly.AddPoint({-1, -1}, nullptr));
    EXPECT_EQ(poly.PointCount(), 65535);
    EXPECT_EQ(poly.m_nAllocPoints, 65535);  // capacity fits its 16-bit field too

    CArdoPoly read;
    ReadRecord(read, RecordOf(poly), &doc);
    EXPECT_EQ(read.PointCount(), 65535);
    EXPECT_EQ(read.m_nAllocPoints, 65535);
    EXPECT_EQ(read.m_points.back(), CPoint(65534, 65534 % 7));
}

TEST_F(PolyTest, RemoveLastPointKeepsAtLeastTwo) {
    CArdoPoly* poly = Make({{0, 0}, {10, 0}, {10, 20}});
    EXPECT_EQ(poly->RemoveLastPoint(nullptr), CPoint(10, 20));
    EXPECT_EQ(poly->PointCount(), 2);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(poly->m_position, CRect(0, -2, 10, 2));

    doc.SetModifiedFlag(false);
    poly->RemoveLastPoint(nullptr);
    EXPECT_EQ(poly->PointCount(), 2);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PolyTest, BoundsAreNormalisedAndFlatBoundsWidened) {
    CArdoPoly* poly = Make({{50, 10}, {-10, 70}, {20, 30}});
    EXPECT_EQ(poly->m_position, CRect(-10, 10, 50, 70));
    CArdoPoly* flat = Make({{0, 5}, {100, 5}, {40, 5}});
    EXPECT_EQ(flat->m_position, CRect(0, 3, 100, 7));
    EXPECT_EQ(flat->m_position.Height(), 4);
    CArdoPoly* dot = Make({{7, 7}});
    EXPECT_EQ(dot->m_position, CRect(5, 5, 9, 9));

    // As a tool makes it: a zero-size rectangle at the first point, then that point.
    CArdoPoly* started = Adopt(std::make_unique<CArdoPoly>(CRect(40, 60, 40, 60)));
    started->AddPoint({40, 60}, &view);
    EXPECT_EQ(started->m_position, CRect(38, 58, 42, 62));
    // New bounds: old and new area redrawn; the same bounds again: one redraw.
    view.Reset();
    started->AddPoint({39, 60}, &view);
    EXPECT_EQ(started->m_position, CRect(39, 58, 40, 62));
    EXPECT_EQ(view.invalidated.size(), 2u);
    started->AddPoint({40, 60}, &view);
    EXPECT_EQ(view.invalidated.size(), 3u);
}

TEST_F(PolyTest, AddPointRedrawsOnceWhenTheBoundsStay) {
    CArdoPoly* poly = Make({{0, 0}, {100, 0}, {100, 100}});
    poly->AddPoint({50, 50}, &view);  // inside the bounds
    EXPECT_EQ(view.invalidated.size(), 1u);
    view.Reset();
    poly->AddPoint({200, 50}, &view);  // old and new area
    EXPECT_EQ(view.invalidated.size(), 2u);
    EXPECT_TRUE(view.hints.empty());
}

// --- moving, scaling, transforming ---------------------------------------------------------------------

TEST_F(PolyTest, MoveToTranslatesOnly) {
    CArdoPoly* poly = Make({{0, 0}, {100, 0}, {100, 50}});
    poly->MoveTo(CRect(10, 20, 500, 500), nullptr, 0);
    EXPECT_EQ(poly->m_points, (std::vector<CPoint>{{10, 20}, {110, 20}, {110, 70}}));
    EXPECT_EQ(poly->m_position, CRect(10, 20, 500, 500));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints.size(), 2u);

    doc.SetModifiedFlag(false);
    view.Reset();
    poly->MoveTo(CRect(0, 0, 100, 50), nullptr, 1);
    EXPECT_EQ(poly->m_points[0], CPoint(0, 0));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(PolyTest, MoveHandleMovesOnePoint) {
    CArdoPoly* poly = Make({{0, 0}, {100, 0}, {100, 50}});
    EXPECT_EQ(poly->GetHandleCount(), 3);
    EXPECT_EQ(poly->GetHandle(2), CPoint(100, 0));
    EXPECT_EQ(poly->GetHandleCursor(2), IDC_ARROW);
    poly->MoveHandleTo(2, CPoint(200, -10), nullptr);
    EXPECT_EQ(poly->m_points[1], CPoint(200, -10));
    EXPECT_EQ(poly->m_position, CRect(0, -10, 200, 50));
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    poly->MoveHandleTo(2, CPoint(200, -10), nullptr);  // unchanged
    poly->MoveHandleTo(4, CPoint(1, 1), nullptr);      // no such point
    poly->MoveHandleTo(0, CPoint(1, 1), nullptr);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(poly->PointCount(), 3);
}

TEST_F(PolyTest, ScaleToScalesAboutTheSheetOrigin) {
    CArdoPoly* poly = Make({{100, 100}, {300, 100}, {300, 200}});
    poly->ScaleTo(100.0f, 50.0f);  // W 200, H 100
    EXPECT_EQ(poly->m_points, (std::vector<CPoint>{{50, 50}, {150, 50}, {150, 100}}));
    EXPECT_EQ(poly->m_position, CRect(50, 50, 150, 100));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(PolyTest, ScaleToLeavesFlatObjectsAlone) {
    CArdoPoly poly(CRect(0, 0, 0, 0));
    poly.AddPointSilent({10, 10});
    poly.AddPointSilent({20, 10});
    poly.m_position = CRect(10, 10, 20, 10);  // set directly, as the plan import does
    poly.ScaleTo(5.0f, 5.0f);
    EXPECT_EQ(poly.m_points[1], CPoint(20, 10));
    EXPECT_EQ(poly.m_position, CRect(10, 10, 20, 10));
}

TEST_F(PolyTest, TransformMapsAboutTheOrigin) {
    CArdoPoly* poly = Make({{10, 10}, {30, 10}, {30, 20}});
    const auto points = poly->m_points;
    const CRect pos = poly->m_position;
    poly->Transform({5, 5}, 1.0f, 0.0f, 0.0f, 1.0f);
    EXPECT_EQ(poly->m_points, points);
    EXPECT_EQ(poly->m_position, pos);

    // A quarter turn about (10, 10): (x, y) -> (-y, x) relative to it.
    poly->Transform({10, 10}, 0.0f, 1.0f, -1.0f, 0.0f);
    EXPECT_EQ(poly->m_points, (std::vector<CPoint>{{10, 10}, {10, 30}, {0, 30}}));
    EXPECT_EQ(poly->m_position, CRect(10, 10, 0, 30));
    // Truncation toward zero.
    poly->Transform({0, 0}, 0.5f, 0.0f, 0.0f, 0.5f);
    EXPECT_EQ(poly->m_points[1], CPoint(5, 15));
    EXPECT_FALSE(doc.IsModified());
}

// --- picking ----------------------------------------------------------------------------------------------

CRect Click(int x, int y) { return CRect(x - 1, y - 1, x + 1, y + 1); }

TEST_F(PolyTest, PolygonsArePickedInsideTheirAreaFilledOrNot) {
    CArdoPoly* tri = Make({{0, 0}, {1000, 0}, {0, 1000}});
    EXPECT_TRUE(tri->Intersects(Click(100, 100)));
    EXPECT_FALSE(tri->Intersects(Click(900, 900)));  // inside the bounds, outside the area
    tri->m_bBrush = 0;
    EXPECT_TRUE(tri->Intersects(Click(100, 100)));
    EXPECT_TRUE(doc.ObjectAt({100, 100}) == tri);
    EXPECT_TRUE(tri->Intersects(CRect(-500, -500, 2000, 2000)));  // all of it inside
    EXPECT_FALSE(tri->Intersects(CRect(1000, 0, 1100, 100)));     // touches a corner only
    EXPECT_FALSE(tri->Intersects(CRect(-100, 0, 0, 500)));        // along an edge only
}

TEST_F(PolyTest, OpenSideOfAUShapedPolylineIsPicked) {
    auto* u = Make<CArdoPolyline>({{0, 1000}, {0, 0}, {1000, 0}, {1000, 1000}});
    EXPECT_TRUE(u->Intersects(Click(500, 990)));
    EXPECT_TRUE(u->Intersects(Click(500, 500)));
    EXPECT_FALSE(u->Intersects(Click(500, 1010)));
}

TEST_F(PolyTest, AlternateRuleLeavesTheStarCentreOpen) {
    // A pentagram traced through every second tip: its centre is covered twice.
    CArdoPoly* star = Make({{0, 1000}, {588, -809}, {-951, 309}, {951, 309}, {-588, -809}});
    EXPECT_FALSE(star->Intersects(Click(0, 0)));
    EXPECT_TRUE(star->Intersects(Click(0, 800)));  // a tip
}

TEST_F(PolyTest, CollinearPointsFallBackToTheWidenedBounds) {
    doc.SetPixelSize(5);
    CArdoPoly* flat = Make({{0, 100}, {500, 100}, {1000, 100}});
    EXPECT_EQ(flat->m_position, CRect(0, 98, 1000, 102));
    EXPECT_TRUE(flat->Intersects(Click(500, 106)));  // 98..102 widened by 5
    EXPECT_FALSE(flat->Intersects(Click(500, 108)));
    EXPECT_TRUE(flat->Intersects(Click(1005, 100)));
    // Two points, and a path traced forth and back, enclose nothing either.
    EXPECT_TRUE(Make({{0, 0}, {300, 300}})->Intersects(Click(10, 290)));
    EXPECT_TRUE(Make({{0, 0}, {300, 300}, {0, 300}, {300, 300}})->Intersects(Click(280, 20)));
}

// --- drawing ----------------------------------------------------------------------------------------------

class PolyDrawTest : public PolyTest {
protected:
    Canvas c;
};

TEST_F(PolyDrawTest, PolygonFollowsItsPenAndBrushFlags) {
    CArdoPoly* poly = Make({{0, 0}, {100, 0}, {100, 100}});
    poly->m_logpen.lopnWidth = {50, 50};
    poly->m_bBrush = 1;
    c.dc.SetPolyFillMode(WINDING);
    poly->Draw(&c.dc, kEverywhere);
    const DrawRecord* rec = c.backend.Last(DrawRecord::Kind::Polygon);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->fillMode, ALTERNATE);
    EXPECT_EQ(rec->pen.width, 100);
    EXPECT_EQ(rec->pen.style, PS_INSIDEFRAME);
    EXPECT_FALSE(rec->brush.IsNull());
    EXPECT_EQ(rec->points.size(), 3u);

    c.backend.Clear();
    poly->m_bPen = 0;
    poly->m_bBrush = 0;
    poly->Draw(&c.dc, kEverywhere);
    rec = c.backend.Last(DrawRecord::Kind::Polygon);
    ASSERT_NE(rec, nullptr);
    EXPECT_TRUE(rec->pen.IsNull());  // no outline
    EXPECT_TRUE(rec->brush.IsNull());
}

TEST_F(PolyDrawTest, PolylineIgnoresTheFlags) {
    auto* line = Make<CArdoPolyline>({{0, 0}, {100, 0}, {100, 100}});
    line->m_bPen = 0;
    line->m_bBrush = 0;
    const LOGPEN pen0 = c.dc.GetCurrentPen();
    line->Draw(&c.dc, kEverywhere);
    ASSERT_EQ(c.backend.Records().size(), 1u);
    const DrawRecord& rec = c.backend.Records()[0];
    EXPECT_EQ(rec.kind, DrawRecord::Kind::Polyline);
    EXPECT_FALSE(rec.pen.IsNull());
    EXPECT_EQ(rec.pen.width, 2);
    EXPECT_EQ(rec.points, (std::vector<CPoint>{{0, 0}, {100, 0}, {100, 100}}));
    EXPECT_EQ(c.dc.GetCurrentPen(), pen0);
}

TEST_F(PolyDrawTest, SubPixelAndClippedPolygonsAreNotDrawn) {
    CArdoPoly* poly = Make({{0, 0}, {100, 0}, {100, 100}});
    poly->Draw(&c.dc, CRect(200, 200, 300, 300));
    c.dc.SetMapMode(MM_ANISOTROPIC);
    c.dc.SetWindowExt(1000, 1000);
    c.dc.SetViewportExt(1, 1);
    poly->Draw(&c.dc, kEverywhere);
    EXPECT_TRUE(c.backend.Records().empty());
}

TEST_F(PolyDrawTest, BezierAreaIsClosedWithACopyOfTheFirstPoint) {
    auto* bez = Make<CArdoBezier>({{0, 0}, {10, 50}, {40, 50}, {50, 0}, {40, -50}, {10, -50}});
    bez->m_bBrush = 0;  // not consulted: always filled
    bez->m_bPen = 0;
    bez->m_logpen.lopnWidth = {1000, 1000};
    bez->Draw(&c.dc, kEverywhere);
    ASSERT_EQ(c.backend.Records().size(), 2u);
    EXPECT_EQ(c.backend.Records()[0].kind, DrawRecord::Kind::FillPath);
    EXPECT_FALSE(c.backend.Records()[0].brush.IsNull());
    const DrawRecord* outline = c.backend.Last(DrawRecord::Kind::PolyBezier);
    ASSERT_NE(outline, nullptr);
    ASSERT_EQ(outline->points.size(), 7u);
    EXPECT_EQ(outline->points.back(), CPoint(0, 0));
    EXPECT_EQ(outline->pen.width, 20);  // 1000 * 200 / 100 / 100
    EXPECT_EQ(bez->PointCount(), 6);    // the copy is not counted
    EXPECT_EQ(bez->m_nAllocPoints, 10);
}

TEST_F(PolyDrawTest, BezierNeedsWholeSegments) {
    auto* bez = Make<CArdoBezier>({{0, 0}, {10, 50}, {40, 50}, {50, 0}, {40, -50}});
    bez->Draw(&c.dc, kEverywhere);
    EXPECT_TRUE(c.backend.Records().empty());
}

TEST_F(PolyDrawTest, BezierMakesRoomForTheClosingPoint) {
    CArdoBezier bez(CRect(0, 0, 100, 100));
    for (int i = 0; i < 9; ++i) bez.AddPointSilent({i * 10, (i % 2) * 10});
    bez.RecalcBounds(nullptr);
    bez.AddPointSilent({95, 95});
    ASSERT_EQ(bez.m_nAllocPoints, 10);  // full
    bez.Draw(&c.dc, kEverywhere);
    EXPECT_EQ(bez.m_nAllocPoints, 20);
}

// --- clone and record ---------------------------------------------------------------------------------------

TEST_F(PolyTest, ClonesKeepTheirClassPointsAndCapacity) {
    auto* line = Make<CArdoPolyline>({{0, 0}, {5, 5}, {9, 0}});
    line->m_bPen = 0;
    std::unique_ptr<CArdoObj> clone = line->Clone();
    ASSERT_EQ(clone->GetRuntimeClass(), RUNTIME_CLASS(CArdoPolyline));
    const auto& c = static_cast<const CArdoPolyline&>(*clone);
    EXPECT_EQ(c.m_points, line->m_points);
    EXPECT_EQ(c.m_nAllocPoints, 10);
    EXPECT_EQ(c.m_position, line->m_position);
    EXPECT_EQ(c.m_bPen, 0);
    EXPECT_EQ(doc.Objects().size(), 1u);

    auto* bez = Make<CArdoBezier>({{0, 0}, {1, 1}, {2, 0}});
    CArdoObj* added = doc.AddObject(bez->Clone());
    EXPECT_EQ(added->GetRuntimeClass(), RUNTIME_CLASS(CArdoBezier));
    EXPECT_EQ(doc.Objects().back().get(), added);
    std::unique_ptr<CArdoObj> poly = Make({{0, 0}, {1, 1}, {2, 0}})->Clone();
    EXPECT_EQ(poly->GetRuntimeClass(), RUNTIME_CLASS(CArdoPoly));
}

TEST_F(PolyTest, RecordRoundTripKeepsThePositionAsStored) {
    CArdoPoly poly(CRect(0, 0, 0, 0));
    poly.AddPointSilent({-5, 7});
    poly.AddPointSilent({100000, -3});
    poly.m_position = CRect(1, 2, 3, 4);
    CArdoPoly read;
    ReadRecord(read, RecordOf(poly), &doc);
    EXPECT_EQ(read.m_points, poly.m_points);
    EXPECT_EQ(read.m_nAllocPoints, 10);
    EXPECT_EQ(read.m_position, CRect(1, 2, 3, 4));
}

std::vector<uint8_t> PolyRecord(uint16_t count, uint16_t capacity, size_t pointsStored) {
    CArdoObj head(CRect(0, 0, 10, 10));
    std::vector<uint8_t> bytes = RecordOf(head);
    bytes.push_back(uint8_t(count));
    bytes.push_back(uint8_t(count >> 8));
    bytes.push_back(uint8_t(capacity));
    bytes.push_back(uint8_t(capacity >> 8));
    bytes.resize(bytes.size() + 8 * pointsStored, 1);
    return bytes;
}

TEST_F(PolyTest, DamagedRecordsAreRefused) {
    CArdoPoly read;
    try {
        ReadRecord(read, PolyRecord(5, 4, 5), &doc);
        ADD_FAILURE() << "count above capacity accepted";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badIndex);
    }
    try {
        ReadRecord(read, PolyRecord(60000, 65535, 3), &doc);
        ADD_FAILURE() << "count beyond the file accepted";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    // A large capacity alone is fine and takes no memory for unused points.
    CArdoPoly ok;
    ReadRecord(ok, PolyRecord(2, 65535, 2), &doc);
    EXPECT_EQ(ok.PointCount(), 2);
    EXPECT_EQ(ok.m_nAllocPoints, 65535);
    EXPECT_LT(ok.m_points.capacity(), 100u);
}

TEST_F(PolyTest, WrittenRecordsCanAlwaysBeReadBack) {
    CArdoPoly poly(CRect(0, 0, 0, 0));
    poly.m_points = {{1, 1}, {2, 2}, {3, 1}};  // filled in directly, capacity not kept
    CArdoPoly read;
    ReadRecord(read, RecordOf(poly), &doc);
    EXPECT_EQ(read.m_points, poly.m_points);
    EXPECT_EQ(read.m_nAllocPoints, 3);

    poly.m_points.resize(70000);
    EXPECT_THROW(RecordOf(poly), CArchiveException);
}

TEST(ObjectClassesTest, RegistrationIsIdempotentAndNamesEveryClass) {
    RegisterDrawingObjectClasses();
    RegisterDrawingObjectClasses();
    EXPECT_EQ(CRuntimeClass::FromName("CArdoObj"), RUNTIME_CLASS(CArdoObj));
    EXPECT_EQ(CRuntimeClass::FromName("CArdoPoly"), RUNTIME_CLASS(CArdoPoly));
    EXPECT_EQ(CRuntimeClass::FromName("CArdoPolyline"), RUNTIME_CLASS(CArdoPolyline));
    EXPECT_EQ(CRuntimeClass::FromName("CArdoBezier"), RUNTIME_CLASS(CArdoBezier));
    EXPECT_TRUE(RUNTIME_CLASS(CArdoBezier)->IsDerivedFrom(RUNTIME_CLASS(CArdoObj)));
}

}  // namespace
