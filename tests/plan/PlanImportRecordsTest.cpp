// Drawing records of a plan: paths into lines, polylines and polygons, colours, widths,
// arcs, texts and the ways the record stream ends.
#include "PlanImportTestSupport.h"

#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoText.h"
#include "plan/PlanArc.h"

#include <cmath>
#include <limits>

namespace {

constexpr float kPi = 3.14159265f;

class PlanImportRecordsTest : public PlanImportTestBase {
protected:
    // The default document has 200 units per mm.
    static constexpr int U = 200;
};

TEST_F(PlanImportRecordsTest, MoveAndLineMakeOneLine) {
    PlanWriter w;
    w.Move(0, 0);
    w.Line(10, 0);
    w.End();
    const PlanImportReport r = Import(w);
    ASSERT_EQ(1u, doc->Background().size());
    auto* line = Background<CArdoRect>(0);
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(SHAPE_LINE, line->m_shape);
    EXPECT_EQ(CRect(0, 0, 10 * U, 0), line->m_position);
    EXPECT_EQ(PlanStreamEnd::endRecord, r.end);
    EXPECT_EQ('Z', r.endCode);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(PlanImportRecordsTest, LineKeepsFirstPointAndTruncatedDifference) {
    PlanWriter w;
    w.Move(1.0f, 2.0f);
    w.Line(-3.5f, 7.25f);
    Import(w);
    auto* line = Background<CArdoRect>(0);
    ASSERT_NE(nullptr, line);
    EXPECT_EQ(CRect(200, 400, 200 - 900, 400 + 1050), line->m_position);
}

TEST_F(PlanImportRecordsTest, ThreePointsMakeAPolylineWithRoundedPoints) {
    PlanWriter w;
    w.Move(0, 0);
    w.Line(10, 0);
    w.Line(10, 10.0026f);  // 2000.52 rounds up
    Import(w);
    ASSERT_EQ(1u, doc->Background().size());
    auto* poly = Background<CArdoPolyline>(0);
    ASSERT_NE(nullptr, poly);
    EXPECT_EQ((std::vector<CPoint>{{0, 0}, {2000, 0}, {2000, 2001}}), poly->m_points);
    EXPECT_EQ(CRect(0, 0, 2000, 2001), poly->m_position);
    EXPECT_FALSE(poly->IsFilled());
}

TEST_F(PlanImportRecordsTest, FilledPolygonNeedsItsClosingPoint) {
    PlanWriter closed;
    closed.Polygon({{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    Import(closed);
    ASSERT_EQ(1u, doc->Background().size());
    auto* poly = Background<CArdoPoly>(0);
    ASSERT_NE(nullptr, poly);
    EXPECT_EQ(RUNTIME_CLASS(CArdoPoly), poly->GetRuntimeClass());
    EXPECT_EQ(4, poly->PointCount());
    EXPECT_TRUE(poly->IsFilled());

    PlanWriter open;
    open.Polygon({{0, 0}, {10, 0}, {10, 10}});
    const PlanImportReport r = Import(open);
    EXPECT_TRUE(doc->Background().empty());  // the previous plan went, nothing came
    EXPECT_EQ(1, r.paths.unbuiltPaths);
}

TEST_F(PlanImportRecordsTest, PolygonStartsAtTheFirstOccurrenceOfTheClosingPoint) {
    PlanWriter w;
    w.Polygon({{5, 5}, {0, 0}, {10, 0}, {10, 10}, {0, 0}});
    Import(w);
    auto* poly = Background<CArdoPoly>(0);
    ASSERT_NE(nullptr, poly);
    EXPECT_EQ((std::vector<CPoint>{{0, 0}, {2000, 0}, {2000, 2000}, {0, 0}}), poly->m_points);
}

TEST_F(PlanImportRecordsTest, TwoCornerLoopAndRoundingDuplicatesMakeNoPolygon) {
    PlanWriter w;
    w.Polygon({{0, 0}, {10, 0}, {0, 0}});                         // A B A
    w.Polygon({{0, 0}, {0.001f, 0}, {10, 0}, {10, 10}, {0, 0}});  // first two round alike
    const PlanImportReport r = Import(w);
    ASSERT_EQ(1u, doc->Background().size());
    EXPECT_EQ(4, Background<CArdoPoly>(0)->PointCount());
    EXPECT_EQ(1, r.paths.unbuiltPaths);
}

TEST_F(PlanImportRecordsTest, RepeatedPointIsStoredOnce) {
    PlanWriter w;
    w.Line(5, 5);
    w.Line(5, 5);
    w.Line(6, 5);
    Import(w);
    auto* line = Background<CArdoRect>(0);
    ASSERT_NE(nullptr, line);  // two points: a line, not a polyline of three
    EXPECT_EQ(CRect(1000, 1000, 1200, 1000), line->m_position);
}

TEST_F(PlanImportRecordsTest, PureBlackAndWhiteLineColoursSwap) {
    PlanWriter w;
    const uint8_t colours[][3] = {{255, 255, 255}, {0, 0, 0}, {255, 0, 0}, {128, 128, 128}};
    for (const auto& c : colours) {
        w.LineColorBytes(c[0], c[1], c[2]);
        w.Move(0, 0);
        w.Line(1, 1);
    }
    Import(w);
    ASSERT_EQ(4u, doc->Background().size());
    EXPECT_EQ(RGB(0, 0, 0), doc->Background()[0]->GetLineColor());
    EXPECT_EQ(RGB(255, 255, 255), doc->Background()[1]->GetLineColor());
    EXPECT_EQ(RGB(255, 0, 0), doc->Background()[2]->GetLineColor());
    EXPECT_EQ(RGB(128, 128, 128), doc->Background()[3]->GetLineColor());
}

TEST_F(PlanImportRecordsTest, AttributesAreCapturedWhenThePathStarts) {
    PlanWriter w;
    w.LineColorBytes(10, 20, 30);
    w.FillColor(1, 2, 3);
    w.Width(0.35f);
    w.Move(0, 0);
    w.LineColorBytes(99, 99, 98);  // too late for this path
    w.Width(2.0f);
    w.Line(5, 0);
    w.Line(5, 5);
    w.Polygon({{0, 0}, {1, 0}, {1, 1}, {0, 0}});
    Import(w);
    ASSERT_EQ(2u, doc->Background().size());
    CArdoObj* polyline = doc->Background()[0].get();
    EXPECT_EQ(RGB(10, 20, 30), polyline->GetLineColor());
    int wx = 0, wy = 0;
    polyline->GetLineWidth(wx, wy);
    EXPECT_EQ(35, wx);  // trunc(0.35f * 100) in float
    EXPECT_EQ(35, wy);
    CArdoObj* polygon = doc->Background()[1].get();
    EXPECT_EQ(RGB(99, 99, 98), polygon->GetLineColor());
    EXPECT_EQ(RGB(1, 2, 3), polygon->GetFillColor());
    polygon->GetLineWidth(wx, wy);
    EXPECT_EQ(200, wx);
    // The silent fill and width setters made the last shape's values the defaults.
    EXPECT_EQ(200, doc->CurrentLineWidth());
    EXPECT_EQ(1, doc->CurrentFill());
}

TEST_F(PlanImportRecordsTest, PathKeepsItsFirst512Points) {
    PlanWriter w;
    w.Move(0, 0);
    for (int i = 1; i < 600; ++i) w.Line(float(i), float(i % 2));
    const PlanImportReport r = Import(w);
    auto* poly = Background<CArdoPolyline>(0);
    ASSERT_NE(nullptr, poly);
    ASSERT_EQ(512, poly->PointCount());
    EXPECT_EQ(CPoint(511 * U, 1 * U), poly->m_points.back());
    EXPECT_EQ(88, r.paths.droppedPoints);
}

TEST_F(PlanImportRecordsTest, ArcSegmentCounts) {
    // A large full circle takes more than 20 segments, a tiny one exactly 20.
    const PlanArc large{0, 0, 100, 100, 0, 2 * kPi, 0};
    const PlanArc tiny{0, 0, 0.1f, 0.1f, 0, 0.1f, 0};
    EXPECT_GT(PlanArcSegmentCount(large, 1.0f), 20);
    EXPECT_EQ(20, PlanArcSegmentCount(tiny, 1.0f));
    // g = 50: h = 41.067 / 50.4667 + 2 = 2.8137 degrees, 360 / 2.8137 = 127.9.
    EXPECT_EQ(127, PlanArcSegmentCount(PlanArc{0, 0, 50, 20, 0, 2 * kPi, 0}, 1.0f));
    // g = 1000 uses the rule for large radii: h = 46.0042 / 1000.508 + 0.5 = 0.546.
    EXPECT_EQ(659, PlanArcSegmentCount(PlanArc{0, 0, 1000, 1000, 0, 2 * kPi, 0}, 1.0f));
    // Negative sweeps run clockwise with the minimum count.
    EXPECT_EQ(20, PlanArcSegmentCount(PlanArc{0, 0, 50, 50, 0, -kPi, 0}, 1.0f));

    PlanWriter w;
    w.SetParameter(PLAN_ARC_RESOLUTION, 1.0f);
    w.Arc(50, 50, 50, 20, 0, 2 * kPi, 0);
    Import(w);
    auto* poly = Background<CArdoPolyline>(0);
    ASSERT_NE(nullptr, poly);
    EXPECT_EQ(128, poly->PointCount());  // start point and 127 segments
    EXPECT_EQ(CPoint(100 * U, 50 * U), poly->m_points.front());
}

TEST_F(PlanImportRecordsTest, DamagedArcsStopWhenThePathIsFull) {
    // A huge sweep, a tiny or negative resolution and non-finite values must neither loop
    // for billions of steps nor overflow the coordinates.
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    for (float resolution : {1.0f, 1e-30f, -21.0f, 0.0f, nan}) {
        PlanWriter w;
        w.SetParameter(PLAN_ARC_RESOLUTION, resolution);
        w.Arc(10, 10, 5, 5, 0, 1e30f, 0);
        w.Arc(10, 10, 0, 0, 0, 1e30f, 0);  // every point repeats the centre
        w.Arc(10, 10, inf, 5, 0, inf, nan);
        w.Arc(nan, 1e30f, 5, 5, nan, 2, 0);
        const PlanImportReport r = Import(w);
        EXPECT_EQ(PlanStreamEnd::endOfFile, r.end);
        for (const auto& obj : doc->Background())
            if (auto* poly = dynamic_cast<CArdoPoly*>(obj.get())) {
                EXPECT_LE(poly->PointCount(), 512);
            }
    }
}

TEST_F(PlanImportRecordsTest, TextStandsAtThePenPosition) {
    PlanWriter w;
    w.Move(10, 20);
    w.Text(
        "K\xFC"
        "che");  // Windows-1252
    w.Arc(50, 60, 5, 5, 0, 1, 0);
    w.Text("Mitte");
    Import(w);
    ASSERT_EQ(3u, doc->Background().size());
    auto* text = Background<CArdoText>(0);
    ASSERT_NE(nullptr, text);
    EXPECT_EQ("Küche", text->m_text);
    EXPECT_EQ(CPoint(10 * U, 20 * U), text->m_corners[0]);
    EXPECT_EQ(4, text->m_nCorners);
    // A horizontal box as wide and high as the measured text.
    EXPECT_GT(text->m_cx, 0);
    EXPECT_EQ(CPoint(10 * U + text->m_cx, 20 * U), text->m_corners[3]);
    EXPECT_EQ(CPoint(10 * U, 20 * U + text->m_cy), text->m_corners[1]);
    EXPECT_EQ(CRect(10 * U, 20 * U, 10 * U + text->m_cx, 20 * U + text->m_cy), text->m_position);
    EXPECT_EQ(doc->TextColor(), text->m_logbrush.lbColor);
    auto* centred = Background<CArdoText>(2);
    ASSERT_NE(nullptr, centred);
    EXPECT_EQ(CPoint(50 * U, 60 * U), centred->m_corners[0]);
}

TEST_F(PlanImportRecordsTest, StreamEnds) {
    struct Case {
        const char* name;
        void (*records)(PlanWriter&);
        PlanStreamEnd end;
        size_t objects;
    };
    const Case cases[] = {
        {"unknown code",
         [](PlanWriter& w) {
             w.Move(0, 0);
             w.Line(1, 0);
             w.Code('Q');
             w.Move(0, 0);
             w.Line(2, 0);
         },
         PlanStreamEnd::unknownCode, 1},
        {"N",
         [](PlanWriter& w) {
             w.Move(0, 0);
             w.Line(1, 0);
             w.Code('N');
             w.Float(0);
             w.Float(0);
             w.Move(0, 0);
             w.Line(2, 0);
         },
         PlanStreamEnd::endRecord, 1},
        {"O",
         [](PlanWriter& w) {
             w.Code('O');
             w.Float(0);
             w.Float(0);
             w.Float(0);
             w.Move(0, 0);
             w.Line(2, 0);
         },
         PlanStreamEnd::endRecord, 0},
        {"page below 1",
         [](PlanWriter& w) {
             w.Page(0);
             w.Move(0, 0);
             w.Line(2, 0);
         },
         PlanStreamEnd::pageEnd, 0},
        {"page 1 goes on",
         [](PlanWriter& w) {
             w.Page(1);
             w.Move(0, 0);
             w.Line(2, 0);
         },
         PlanStreamEnd::endOfFile, 1},
        {"empty text",
         [](PlanWriter& w) {
             w.Code('M');
             w.Float(0);
             w.Move(0, 0);
             w.Line(2, 0);
         },
         PlanStreamEnd::textEnd, 1},
        {"cut short",
         [](PlanWriter& w) {
             w.Move(0, 0);
             w.Line(1, 0);
             w.Code('C');
             w.Float(5);
         },
         PlanStreamEnd::cutShort, 1},
        {"2 GB text in a small file",
         [](PlanWriter& w) {
             w.Code('M');
             w.Float(2.1e9f);
             w.Raw("abc");
         },
         PlanStreamEnd::cutShort, 0},
        {"NaN text length",
         [](PlanWriter& w) {
             w.Code('M');
             w.Float(std::numeric_limits<float>::quiet_NaN());
             w.Raw("abc");
         },
         PlanStreamEnd::textEnd, 1},
        {"huge polygon count",
         [](PlanWriter& w) {
             w.Code('I');
             w.Float(1e9f);
             w.Float(1);
             w.Float(1);
         },
         PlanStreamEnd::cutShort, 0},
        {"zero codes and ignored records",
         [](PlanWriter& w) {
             w.Byte(0);
             w.Code('X');
             w.Float(1);
             w.Code('Y');
             w.Float(1);
             w.Move(0, 0);
             w.Code('A');
             w.Float(0);
             w.Line(1, 1);
             w.Line(2, 1);
         },
         PlanStreamEnd::endOfFile, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlanWriter w;
        c.records(w);
        const PlanImportReport r = Import(w);
        EXPECT_EQ(c.end, r.end);
        EXPECT_EQ(c.objects, doc->Background().size());
    }
}

TEST_F(PlanImportRecordsTest, SwitchesOfTheHeader) {
    PlanWriter stop;
    stop.SetParameter(PLAN_STOP_FLAG, 1);
    stop.Move(0, 0);
    stop.Line(1, 0);  // the path is dropped, not made
    stop.Line(1, 1);
    PlanImportReport r = Import(stop);
    EXPECT_EQ(PlanStreamEnd::stopFlag, r.end);
    EXPECT_EQ(1, r.records);
    EXPECT_TRUE(doc->Background().empty());

    PlanWriter text;
    text.SetParameter(PLAN_STOP_FLAG, 0);
    text.SetParameter(PLAN_TEXT_SWITCH, 0);
    text.Text("eins");
    text.Text("zwei");
    r = Import(text);
    EXPECT_EQ(PlanStreamEnd::textEnd, r.end);
    EXPECT_EQ(1u, doc->Background().size());  // the text is still made

    PlanWriter page;
    page.SetParameter(PLAN_PAGE_SWITCH, 0);
    page.Page(1);
    page.Move(0, 0);
    page.Line(1, 0);
    r = Import(page);
    EXPECT_EQ(PlanStreamEnd::pageEnd, r.end);
    EXPECT_TRUE(doc->Background().empty());
}

}  // namespace
