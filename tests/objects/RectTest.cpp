// The rectangle family: handles per shape, the roundness handle, what each shape draws,
// selection by rectangle with the line band, property editing, clone and record.
#include "ObjectTestSupport.h"

#include "objects/ArdoRect.h"

#include <memory>

using namespace objtest;

namespace {

class RectTest : public ObjectTest {
protected:
    CArdoRect* Make(const CRect& r, int shape) { return Adopt(std::make_unique<CArdoRect>(r, shape)); }
};

TEST_F(RectTest, HandleCountsByShape) {
    const int expected[] = {8, 9, 8, 2, 2, 8, 8};
    for (int shape = 0; shape <= 6; ++shape)
        EXPECT_EQ(CArdoRect(CRect(0, 0, 10, 10), shape).GetHandleCount(), expected[shape]) << shape;
}

TEST_F(RectTest, LineHandlesAreItsEndPoints) {
    CArdoRect* line = Make(CRect(10, 20, 110, 70), SHAPE_LINE);
    EXPECT_EQ(line->GetHandle(1), CPoint(10, 20));
    EXPECT_EQ(line->GetHandle(2), CPoint(110, 70));
    EXPECT_EQ(line->GetHandleCursor(2), IDC_SIZENWSE);
    line->MoveHandleTo(2, CPoint(5, 6), nullptr);
    EXPECT_EQ(line->m_position, CRect(10, 20, 5, 6));
    EXPECT_TRUE(doc.IsModified());
    // Handle 2 of a rectangle is still the top centre.
    CArdoRect rect(CRect(0, 10, 100, 0), SHAPE_RECTANGLE);
    EXPECT_EQ(rect.GetHandle(2), CPoint(50, 10));
}

TEST_F(RectTest, RoundnessHandleSitsHalfACornerInsideTheUpperRight) {
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 10.0f; });
    CArdoRect* rr = Make(CRect(0, 1000, 2000, 0), SHAPE_ROUNDRECT);
    EXPECT_EQ(rr->GetHandle(9), CPoint(2000 - 80, 1000 - 80));  // 16 mm * 10 / 2
    EXPECT_EQ(rr->GetHandleCursor(9), IDC_SIZE);
    // Other shapes have no handle 9: it is handle 1.
    CArdoRect plain(CRect(0, 1000, 2000, 0), SHAPE_RECTANGLE);
    EXPECT_EQ(plain.GetHandle(9), CPoint(0, 1000));
}

TEST_F(RectTest, DraggingTheRoundnessHandleSetsTheCorner) {
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 10.0f; });
    CArdoRect* rr = Make(CRect(0, 1000, 2000, 0), SHAPE_ROUNDRECT);
    rr->MoveHandleTo(9, CPoint(1000, 500), nullptr);  // the centre
    EXPECT_EQ(rr->m_roundness, CPoint(200, 100));     // as wide and high as the rectangle
    EXPECT_EQ(rr->m_position, CRect(0, 1000, 2000, 0));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, std::vector<int>{HINT_OBJECT});

    rr->MoveHandleTo(9, CPoint(-50, -50), &view);  // below the centre: clamped to it
    EXPECT_EQ(rr->m_roundness, CPoint(200, 100));
    EXPECT_EQ(view.invalidated.size(), 1u);

    // Beyond the upper right corner: trunc(2 / unitsPerMm) mm.
    rr->MoveHandleTo(9, CPoint(5000, 5000), nullptr);
    EXPECT_EQ(rr->m_roundness, CPoint(0, 0));
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 1.0f; });
    rr->MoveHandleTo(9, CPoint(5000, 5000), nullptr);
    EXPECT_EQ(rr->m_roundness, CPoint(2, 2));
}

// --- drawing ---------------------------------------------------------------------------------

class RectDrawTest : public RectTest {
protected:
    Canvas c;
};

TEST_F(RectDrawTest, RectangleUsesTheStoredPenWithConvertedWidth) {
    CArdoRect* r = Make(CRect(0, 100, 200, 0), SHAPE_RECTANGLE);
    r->m_logpen = LOGPEN{PS_INSIDEFRAME, {35, 35}, RGB(1, 2, 3)};
    r->m_bBrush = 1;
    r->m_logbrush.lbColor = RGB(9, 8, 7);
    r->Draw(&c.dc, kEverywhere);
    const DrawRecord* rec = c.backend.Last(DrawRecord::Kind::Rectangle);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->pen.style, PS_INSIDEFRAME);
    EXPECT_EQ(rec->pen.width, 70);  // 35/100 mm at 200 units per mm
    EXPECT_EQ(rec->pen.color, RGB(1, 2, 3));
    EXPECT_EQ(rec->brush.style, BS_SOLID);
    EXPECT_EQ(rec->brush.color, RGB(9, 8, 7));
    EXPECT_EQ(r->m_logpen.lopnWidth, CPoint(35, 35));  // stored width unchanged
}

TEST_F(RectDrawTest, PenWidthIsComputedInSinglePrecision) {
    // 0.35f * 100 is 35.0000014 in float but 34.99999... when 0.35f is widened first.
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 0.35f; });
    CArdoRect* r = Make(CRect(0, 100, 200, 0), SHAPE_RECTANGLE);
    r->m_logpen.lopnWidth = {10000, 10000};
    r->Draw(&c.dc, kEverywhere);
    ASSERT_NE(c.backend.Last(DrawRecord::Kind::Rectangle), nullptr);
    EXPECT_EQ(c.backend.Last(DrawRecord::Kind::Rectangle)->pen.width, 35);
}

TEST_F(RectDrawTest, UnfilledShapesUseTheNullBrushAndRestoreTheDeviceContext) {
    CArdoRect* r = Make(CRect(0, 100, 200, 0), SHAPE_ELLIPSE);
    const LOGPEN pen0 = c.dc.GetCurrentPen();
    const LOGBRUSH brush0 = c.dc.GetCurrentBrush();
    r->Draw(&c.dc, kEverywhere);
    const DrawRecord* rec = c.backend.Last(DrawRecord::Kind::Ellipse);
    ASSERT_NE(rec, nullptr);
    EXPECT_TRUE(rec->brush.IsNull());
    EXPECT_EQ(c.dc.GetCurrentPen(), pen0);
    EXPECT_EQ(c.dc.GetCurrentBrush(), brush0);
}

TEST_F(RectDrawTest, RoundedCornersAreRoundnessTimesUnitsPerMm) {
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 10.0f; });
    CArdoRect* r = Make(CRect(0, 1000, 2000, 0), SHAPE_ROUNDRECT);
    r->m_roundness = {16, 3};
    r->Draw(&c.dc, kEverywhere);
    const DrawRecord* rec = c.backend.Last(DrawRecord::Kind::RoundRect);
    ASSERT_NE(rec, nullptr);
    EXPECT_EQ(rec->corner, CSize(160, 30));
}

TEST_F(RectDrawTest, LineDrawsFromFirstToSecondPoint) {
    CArdoRect* r = Make(CRect(10, 20, 300, 400), SHAPE_LINE);
    r->Draw(&c.dc, kEverywhere);
    ASSERT_EQ(c.backend.Records().size(), 1u);
    const DrawRecord& rec = c.backend.Records()[0];
    EXPECT_EQ(rec.kind, DrawRecord::Kind::Polyline);
    EXPECT_EQ(rec.points, (std::vector<CPoint>{{10, 20}, {300, 400}}));
}

TEST_F(RectDrawTest, UnknownShapesDrawNothing) {
    for (int shape : {6, 1000, -1}) {
        CArdoRect r(CRect(0, 100, 200, 0), shape);
        r.Draw(&c.dc, kEverywhere);
    }
    EXPECT_TRUE(c.backend.Records().empty());
}

TEST_F(RectDrawTest, SubPixelObjectsAreSkippedButFlatLinesDrawn) {
    c.dc.SetMapMode(MM_ANISOTROPIC);
    c.dc.SetWindowExt(1000, 1000);
    c.dc.SetViewportExt(1, -1);
    Make(CRect(0, 100, 100, 0), SHAPE_RECTANGLE)->Draw(&c.dc, kEverywhere);
    EXPECT_TRUE(c.backend.Records().empty());
    Make(CRect(0, 0, 5000, 0), SHAPE_LINE)->Draw(&c.dc, kEverywhere);
    EXPECT_EQ(c.backend.Count(DrawRecord::Kind::Polyline), 1u);
}

TEST_F(RectDrawTest, ClipDecidesWithFlatLinesWidened) {
    CArdoRect* line = Make(CRect(0, 50, 100, 50), SHAPE_LINE);
    line->Draw(&c.dc, CRect(0, 200, 100, 100));
    EXPECT_TRUE(c.backend.Records().empty());
    line->Draw(&c.dc, CRect(0, 51, 100, 100));  // within the 2 units added around it
    EXPECT_EQ(c.backend.Records().size(), 1u);
}

// --- selection by rectangle ---------------------------------------------------------------------

TEST_F(RectTest, AreaShapesAreSelectedByOverlap) {
    for (int shape : {SHAPE_RECTANGLE, SHAPE_ROUNDRECT, SHAPE_ELLIPSE, SHAPE_DIMRECT}) {
        const CArdoRect r(CRect(0, 100, 100, 0), shape);
        EXPECT_TRUE(r.Intersects(CRect(99, 99, 101, 101))) << shape;
        EXPECT_FALSE(r.Intersects(CRect(100, 0, 120, 100))) << shape;
    }
    EXPECT_FALSE(CArdoRect(CRect(0, 100, 100, 0), 6).Intersects(CRect(10, 10, 20, 20)));
}

TEST_F(RectTest, DiagonalLineIsSelectedOnlyWithinItsBand) {
    // d = max(trunc((1 + 5) * 200 / 100 / 200), 200) = 200 units.
    CArdoRect* line = Make(CRect(0, 0, 10000, 10000), SHAPE_LINE);
    EXPECT_TRUE(line->Intersects(CRect(4999, 4999, 5001, 5001)));
    EXPECT_TRUE(line->Intersects(CRect(5100, 4900, 5102, 4902)));   // ~141 units off the line
    EXPECT_FALSE(line->Intersects(CRect(5200, 4800, 5202, 4802)));  // ~280 units off
    EXPECT_FALSE(line->Intersects(CRect(9000, 100, 9900, 1000)));   // in the bounds, far away
    EXPECT_TRUE(line->Intersects(CRect(9000, 100, 9900, 9000)));    // reaches the band
    // The dimension line uses the same band.
    line->m_shape = SHAPE_DIMLINE;
    EXPECT_FALSE(line->Intersects(CRect(5200, 4800, 5202, 4802)));
    EXPECT_TRUE(line->Intersects(CRect(4999, 4999, 5001, 5001)));
}

TEST_F(RectTest, FlatLinesAreWidenedByTheBandAndTheQuery) {
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 10.0f; });  // d = 10
    CArdoRect* horizontal = Make(CRect(0, 500, 1000, 500), SHAPE_LINE);
    EXPECT_TRUE(horizontal->Intersects(CRect(100, 519, 200, 600)));  // 19 < d + 10
    EXPECT_FALSE(horizontal->Intersects(CRect(100, 520, 200, 600)));
    EXPECT_TRUE(horizontal->Intersects(CRect(400, 480, 402, 482)));     // a click below it
    EXPECT_FALSE(horizontal->Intersects(CRect(1010, 499, 1020, 501)));  // beside its end

    CArdoRect* vertical = Make(CRect(500, 0, 500, 1000), SHAPE_LINE);
    EXPECT_TRUE(vertical->Intersects(CRect(519, 100, 600, 200)));
    EXPECT_FALSE(vertical->Intersects(CRect(520, 100, 600, 200)));
    // A zero-width rectangle shape is widened the same way.
    EXPECT_TRUE(CArdoRect(CRect(0, 0, 0, 100), SHAPE_RECTANGLE).Intersects(CRect(5, 10, 6, 20)));
}

TEST_F(RectTest, ThickerLinesAtSmallScalesGetAWiderBand) {
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 10.0f; });
    doc.EditStoredSettings(
        [&](DocumentSettings& s) { s.m_fScale = 0.01f; });  // t = trunc((195 + 5) * 10 / 0.01 / 200) = 1000
    CArdoRect* line = Make(CRect(0, 0, 10000, 10000), SHAPE_LINE);
    line->m_logpen.lopnWidth = {190, 200};
    EXPECT_TRUE(line->Intersects(CRect(5600, 4400, 5602, 4402)));  // ~850 off the line
}

// --- properties, clone, record ----------------------------------------------------------------------

TEST_F(RectTest, PlainShapesEditLineAndFillMeasuringShapesDoNot) {
    CArdoRect* r = Make(CRect(0, 100, 100, 0), SHAPE_LINE);
    dialogs.answer = LineFillValues{20, 1, 2, 1};
    EXPECT_EQ(r->OnEditProperties(&view), 1);
    EXPECT_EQ(r->m_logpen.lopnWidth, CPoint(20, 20));
    EXPECT_EQ(dialogs.calls, 1);

    CArdoRect* dim = Make(CRect(0, 100, 100, 0), SHAPE_DIMLINE);
    EXPECT_EQ(dim->OnEditProperties(&view), 0);
    EXPECT_EQ(dialogs.calls, 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(RectTest, CloneKeepsShapeAndRoundness) {
    CArdoRect* r = Make(CRect(0, 100, 100, 0), SHAPE_ROUNDRECT);
    r->m_roundness = {3, 4};
    r->m_bBrush = 1;
    r->m_flags = 0;
    std::unique_ptr<CArdoObj> clone = r->Clone();
    ASSERT_EQ(clone->GetRuntimeClass(), RUNTIME_CLASS(CArdoRect));
    const auto& c = static_cast<const CArdoRect&>(*clone);
    EXPECT_EQ(c.m_shape, SHAPE_ROUNDRECT);
    EXPECT_EQ(c.m_roundness, CPoint(3, 4));
    EXPECT_EQ(c.m_bBrush, 1);
    EXPECT_EQ(c.m_flags, 0xFFFFFFEFu);
    EXPECT_EQ(doc.Objects().size(), 1u);
}

TEST_F(RectTest, RecordIs58BytesAndKeepsShapeAndRoundness) {
    CArdoRect r(CRect(100, 0, 0, 100), SHAPE_ROUNDRECT);
    r.m_roundness = {-7, 9};
    const std::vector<uint8_t> bytes = RecordOf(r);
    ASSERT_EQ(bytes.size(), 58u);
    EXPECT_EQ(bytes[48], 1);
    EXPECT_EQ(bytes[49], 0);
    CArdoRect read;
    ReadRecord(read, bytes, &doc);
    EXPECT_EQ(read.m_position, r.m_position);
    EXPECT_EQ(read.m_shape, SHAPE_ROUNDRECT);
    EXPECT_EQ(read.m_roundness, CPoint(-7, 9));
    EXPECT_EQ(read.GetDocument(), &doc);
}

TEST_F(RectTest, UnknownShapeFromAFileIsKeptAndDrawsNothing) {
    CArdoRect r(CRect(0, 100, 100, 0), 0xFFFF);
    CArdoRect read;
    ReadRecord(read, RecordOf(r), &doc);
    EXPECT_EQ(read.m_shape, 0xFFFF);  // zero-extended
    Canvas c;
    read.Draw(&c.dc, kEverywhere);
    EXPECT_TRUE(c.backend.Records().empty());
    EXPECT_EQ(read.GetHandleCount(), 8);
}

TEST_F(RectTest, ObjectsTravelThroughTheArchiveByClassName) {
    CArdoRect r(CRect(1, 2, 3, 4), SHAPE_ELLIPSE);
    std::vector<uint8_t> bytes;
    {
        CArchive out(bytes);
        out.WriteObject(&r);
    }
    CArchive in{std::span<const uint8_t>(bytes)};
    in.m_pDocument = static_cast<ObjectOwner*>(&doc);
    const std::unique_ptr<CObject> read = in.ReadOwnedObject(RUNTIME_CLASS(CArdoObj));
    ASSERT_EQ(read->GetRuntimeClass(), RUNTIME_CLASS(CArdoRect));
    EXPECT_EQ(static_cast<CArdoRect&>(*read).m_shape, SHAPE_ELLIPSE);
    EXPECT_EQ(static_cast<CArdoRect&>(*read).m_position, CRect(1, 2, 3, 4));
}

}  // namespace
