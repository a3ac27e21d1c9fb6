// The drawing object base: handles, hit tests, moving, attribute setters, cloning, the
// line-and-fill edit and the base record.
#include "ObjectTestSupport.h"

#include <memory>

using namespace objtest;

namespace {

class BaseObjectTest : public ObjectTest {
protected:
    CArdoObj* MakeObject(const CRect& r = CRect(0, 100, 200, 0)) { return Adopt(std::make_unique<CArdoObj>(r)); }
};

TEST_F(BaseObjectTest, NewObjectHasTheDefaultAttributes) {
    const CArdoObj obj(CRect(1, 2, 3, 4));
    EXPECT_EQ(obj.m_position, CRect(1, 2, 3, 4));
    EXPECT_EQ(obj.m_bPen, 1);
    EXPECT_EQ(obj.m_logpen, (LOGPEN{PS_INSIDEFRAME, {1, 1}, 0}));
    EXPECT_EQ(obj.m_bBrush, 0);
    EXPECT_EQ(obj.m_logbrush, (LOGBRUSH{BS_SOLID, 0xC0C0C0, 0}));
    EXPECT_EQ(obj.m_flags, 0xFFFFFFEFu);
    EXPECT_EQ(obj.GetSymbolId(), -1);
}

TEST_F(BaseObjectTest, HandlesAndCursorsFollowTheTable) {
    // Odd extents: the centre truncates toward zero, also for negative coordinates.
    const CArdoObj obj(CRect(-5, 9, 0, 0));
    const CPoint expected[9] = {{}, {-5, 9}, {-3, 9}, {0, 9}, {0, 5}, {0, 0}, {-3, 0}, {-5, 0}, {-5, 5}};
    const int cursors[9] = {0,          IDC_SIZENWSE, IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE, IDC_SIZENWSE,
                            IDC_SIZENS, IDC_SIZENESW, IDC_SIZEWE};
    ASSERT_EQ(obj.GetHandleCount(), 8);
    for (int n = 1; n <= 8; ++n) {
        EXPECT_EQ(obj.GetHandle(n), expected[n]) << "handle " << n;
        EXPECT_EQ(obj.GetHandleCursor(n), cursors[n]) << "handle " << n;
    }
    for (int n : {0, 9, -1, 1000}) {
        EXPECT_EQ(obj.GetHandle(n), expected[1]) << "handle " << n;
        EXPECT_EQ(obj.GetHandleCursor(n), IDC_SIZENWSE) << "handle " << n;
    }
}

TEST_F(BaseObjectTest, BodyHitIncludesLeftAndTopEdgesOnly) {
    const CArdoObj obj(CRect(0, 100, 200, 0));        // top is the larger y
    EXPECT_EQ(obj.HitTest({0, 100}, nullptr, 0), 1);  // left and top edge
    EXPECT_EQ(obj.HitTest({100, 50}, nullptr, 0), 1);
    EXPECT_EQ(obj.HitTest({200, 50}, nullptr, 0), 0);  // right edge
    EXPECT_EQ(obj.HitTest({100, 0}, nullptr, 0), 0);   // bottom edge
    EXPECT_EQ(obj.HitTest({-1, 50}, nullptr, 0), 0);
    EXPECT_EQ(obj.HitTest({100, 101}, nullptr, 0), 0);
    // A rectangle with top < bottom is never hit by the point test.
    const CArdoObj flipped(CRect(0, 0, 200, 100));
    EXPECT_EQ(flipped.HitTest({100, 50}, nullptr, 0), 0);
}

TEST_F(BaseObjectTest, SelectedHitTestFindsHandlesOnly) {
    CArdoObj obj(CRect(0, 100, 200, 0));
    view.handleSize = 3;
    EXPECT_EQ(obj.HitTest({0, 100}, &view, 1), 1);
    EXPECT_EQ(obj.HitTest({-3, 97}, &view, 1), 1);  // left/top of the square belong to it
    EXPECT_EQ(obj.HitTest({3, 100}, &view, 1), 0);  // right edge does not
    EXPECT_EQ(obj.HitTest({0, 103}, &view, 1), 0);  // nor the bottom edge
    EXPECT_EQ(obj.HitTest({100, 100}, &view, 1), 2);
    EXPECT_EQ(obj.HitTest({0, 50}, &view, 1), 8);
    EXPECT_EQ(obj.HitTest({100, 40}, &view, 1), 0);  // inside the body, on no handle

    // Bit 0x10 leaves the corner handles only.
    obj.m_flags |= 0x10;
    EXPECT_EQ(obj.HitTest({100, 100}, &view, 1), 0);
    EXPECT_EQ(obj.HitTest({0, 50}, &view, 1), 0);
    EXPECT_EQ(obj.HitTest({200, 0}, &view, 1), 5);
}

TEST_F(BaseObjectTest, IntersectsNeedsAreaInCommon) {
    const CArdoObj obj(CRect(200, 0, 0, 100));  // any orientation
    EXPECT_TRUE(obj.Intersects(CRect(199, 99, 300, 300)));
    EXPECT_TRUE(obj.Intersects(CRect(300, 300, 199, 99)));
    EXPECT_FALSE(obj.Intersects(CRect(200, 0, 300, 100)));  // shares an edge only
    const CArdoObj flat(CRect(0, 50, 200, 50));
    EXPECT_FALSE(flat.Intersects(CRect(-10, -10, 300, 300)));
}

TEST_F(BaseObjectTest, MoveToRedrawsOnlyForRealChanges) {
    CArdoObj* obj = MakeObject();
    obj->MoveTo(obj->m_position, nullptr, 0);
    EXPECT_TRUE(view.hints.empty());
    EXPECT_FALSE(doc.IsModified());

    obj->MoveTo(CRect(1, 2, 3, 4), nullptr, 1);  // quiet: store only
    EXPECT_EQ(obj->m_position, CRect(1, 2, 3, 4));
    EXPECT_TRUE(view.hints.empty());
    EXPECT_FALSE(doc.IsModified());

    obj->MoveTo(CRect(5, 6, 7, 8), nullptr, 0);  // old and new area through the document
    EXPECT_EQ(view.hints, (std::vector<int>{HINT_OBJECT, HINT_OBJECT}));
    EXPECT_EQ(view.hintObjects[0], obj);
    EXPECT_TRUE(doc.IsModified());

    view.Reset();
    obj->MoveTo(CRect(9, 9, 9, 9), &view, 0);  // through the given view only
    EXPECT_TRUE(view.hints.empty());
    EXPECT_EQ(view.invalidated.size(), 2u);
}

struct HandleMove {
    int handle;
    CRect expected;
};

class MoveHandleTable : public BaseObjectTest, public ::testing::WithParamInterface<HandleMove> {};

TEST_P(MoveHandleTable, ReplacesTheControlledCoordinates) {
    CArdoObj* obj = MakeObject(CRect(0, 100, 200, 0));
    obj->MoveHandleTo(GetParam().handle, CPoint(500, -500), nullptr);
    EXPECT_EQ(obj->m_position, GetParam().expected);
    EXPECT_TRUE(doc.IsModified());
}

INSTANTIATE_TEST_SUITE_P(AllHandles, MoveHandleTable,
                         ::testing::Values(HandleMove{1, {500, -500, 200, 0}}, HandleMove{2, {0, -500, 200, 0}},
                                           HandleMove{3, {0, -500, 500, 0}}, HandleMove{4, {0, 100, 500, 0}},
                                           HandleMove{5, {0, 100, 500, -500}}, HandleMove{6, {0, 100, 200, -500}},
                                           HandleMove{7, {500, 100, 200, -500}}, HandleMove{8, {500, 100, 200, 0}},
                                           HandleMove{0, {500, -500, 200, 0}}, HandleMove{9, {500, -500, 200, 0}}));

TEST_F(BaseObjectTest, PlainSettersUpdateCurrentAttributesAndRedraw) {
    CArdoObj* obj = MakeObject();
    obj->SetLineWidth(35);
    obj->SetLineColor(RGB(1, 2, 3));
    obj->SetFillColor(RGB(4, 5, 6));
    obj->SetFilled(1);
    EXPECT_EQ(obj->m_logpen.lopnWidth, CPoint(35, 35));  // the colour setter kept the width
    EXPECT_EQ(obj->GetLineColor(), RGB(1, 2, 3));
    EXPECT_EQ(obj->GetFillColor(), RGB(4, 5, 6));
    EXPECT_EQ(obj->IsFilled(), 1);
    EXPECT_EQ(doc.CurrentLineWidth(), 35);
    EXPECT_EQ(doc.CurrentLineColor(), RGB(1, 2, 3));
    EXPECT_EQ(doc.CurrentFillColor(), RGB(4, 5, 6));
    EXPECT_EQ(doc.CurrentFill(), 1);
    EXPECT_EQ(view.hints.size(), 4u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(BaseObjectTest, SilentSettersNeverRedrawAndLeaveCurrentColoursAlone) {
    CArdoObj* obj = MakeObject();
    doc.SetCurrentLineColor(7);
    doc.SetCurrentFillColor(8);
    doc.SetCurrentFill(1);
    obj->SetLineColorSilent(RGB(9, 9, 9));
    obj->SetFillColorSilent(RGB(10, 10, 10));
    EXPECT_EQ(doc.CurrentLineColor(), 7u);
    EXPECT_EQ(doc.CurrentFillColor(), 8u);
    EXPECT_TRUE(doc.IsModified());

    doc.SetModifiedFlag(false);
    obj->SetFilledSilent(0);
    obj->SetLineWidthSilent(50);
    EXPECT_EQ(doc.CurrentFill(), 0);  // fill flag and width do update the current attributes
    EXPECT_EQ(doc.CurrentLineWidth(), 50);
    int x = 0, y = 0;
    obj->GetLineWidth(x, y);
    EXPECT_EQ(CPoint(x, y), CPoint(50, 50));
    EXPECT_EQ(obj->GetLineColor(), RGB(9, 9, 9));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view.hints.empty());
}

TEST_F(BaseObjectTest, SettersWorkWithoutDocument) {
    CArdoObj obj(CRect(0, 0, 1, 1));
    obj.SetLineColor(1);
    obj.SetFilled(1);
    obj.SetLineWidth(3);
    obj.MoveTo(CRect(2, 2, 3, 3), nullptr, 0);
    EXPECT_EQ(obj.m_logpen, (LOGPEN{PS_INSIDEFRAME, {3, 3}, 1}));
}

TEST_F(BaseObjectTest, TrackerInvertsEveryHandleSquareInDevicePixels) {
    CArdoObj obj(CRect(0, 1000, 2000, 0));
    Canvas c;
    obj.DrawTracker(&c.dc, normal, 200.0f);
    EXPECT_TRUE(c.backend.Records().empty());

    // 10 logical units per pixel, y flipped: the squares are still 7 x 7 pixels.
    c.dc.SetMapMode(MM_ANISOTROPIC);
    c.dc.SetWindowExt(100, 100);
    c.dc.SetViewportExt(10, -10);
    obj.DrawTracker(&c.dc, selected, 200.0f);
    ASSERT_EQ(c.backend.Count(DrawRecord::Kind::InvertRect), 8u);
    const DrawRecord& first = c.backend.Records()[0];
    // Handle 1 at (0, 1000): PatBlt(-30, 970, 70, 70).
    EXPECT_EQ(first.rect, CRect(-3, -104, 4, -97));

    c.backend.Clear();
    obj.m_flags |= 0x10;
    obj.DrawTracker(&c.dc, active, 200.0f);
    EXPECT_EQ(c.backend.Count(DrawRecord::Kind::InvertRect), 4u);
}

TEST_F(BaseObjectTest, CloneCopiesAttributesButNotFlags) {
    CArdoObj* obj = MakeObject(CRect(1, 2, 3, 4));
    obj->m_bPen = 0;
    obj->m_bBrush = 1;
    obj->m_logpen = LOGPEN{PS_DASH, {7, 8}, 9};
    obj->m_logbrush = LOGBRUSH{BS_HATCHED, 10, 11};
    obj->m_flags = 0x10;

    std::unique_ptr<CArdoObj> loose = obj->Clone();
    EXPECT_EQ(doc.Objects().size(), 1u);
    EXPECT_EQ(loose->GetDocument(), nullptr);
    EXPECT_EQ(loose->GetRuntimeClass(), RUNTIME_CLASS(CArdoObj));
    EXPECT_EQ(loose->m_position, obj->m_position);
    EXPECT_EQ(loose->m_bPen, 0);
    EXPECT_EQ(loose->m_bBrush, 1);
    EXPECT_EQ(loose->m_logpen, obj->m_logpen);
    EXPECT_EQ(loose->m_logbrush, obj->m_logbrush);
    EXPECT_EQ(loose->m_flags, 0xFFFFFFEFu);

    CArdoObj* added = doc.AddObject(obj->Clone());
    ASSERT_EQ(doc.Objects().size(), 2u);
    EXPECT_EQ(doc.Objects().back().get(), added);
    EXPECT_EQ(added->GetDocument(), &doc);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(BaseObjectTest, EditPropertiesAppliesTheDialogValues) {
    CArdoObj* obj = MakeObject();
    obj->m_logpen.lopnWidth = {25, 30};
    obj->m_bBrush = 1;

    dialogs.ok = false;
    EXPECT_EQ(obj->OnEditProperties(&view), 0);
    EXPECT_EQ(dialogs.preset.lineWidth, 25);
    EXPECT_EQ(dialogs.preset.bFill, 1);
    EXPECT_EQ(dialogs.preset.fillColor, 0xC0C0C0u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(view.hints.empty());

    dialogs.ok = true;
    dialogs.answer = LineFillValues{70, RGB(255, 0, 0), RGB(0, 255, 0), 0};
    EXPECT_EQ(obj->OnEditProperties(&view), 1);
    EXPECT_EQ(obj->m_logpen, (LOGPEN{PS_INSIDEFRAME, {70, 70}, RGB(255, 0, 0)}));
    EXPECT_EQ(obj->m_logbrush.lbColor, RGB(0, 255, 0));
    EXPECT_EQ(obj->m_bBrush, 0);
    EXPECT_EQ(obj->m_bPen, 1);
    EXPECT_EQ(doc.CurrentLineWidth(), 70);
    EXPECT_EQ(doc.CurrentLineColor(), RGB(255, 0, 0));
    EXPECT_EQ(doc.CurrentFillColor(), RGB(0, 255, 0));
    EXPECT_EQ(doc.CurrentFill(), 0);
    EXPECT_TRUE(doc.IsModified());

    // Without a pen the dialog shows width 0.
    obj->m_bPen = 0;
    dialogs.ok = false;
    obj->OnEditProperties(&view);
    EXPECT_EQ(dialogs.preset.lineWidth, 0);
}

TEST_F(BaseObjectTest, EditPropertiesRefusesAWidthOutsideTheDialogRange) {
    CArdoObj* obj = MakeObject();
    dialogs.answer = LineFillValues{-1, 1, 2, 1};
    EXPECT_EQ(obj->OnEditProperties(&view), 0);
    EXPECT_EQ(obj->m_logpen.lopnWidth, CPoint(1, 1));
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BaseObjectTest, DefaultDialogsCancel) {
    SetObjectDialogs(nullptr);
    CArdoObj* obj = MakeObject();
    EXPECT_EQ(obj->OnEditProperties(nullptr), 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(BaseObjectTest, BaseRecordIs48BytesAndRoundTrips) {
    CArdoObj obj(CRect(-1, 300, 200, -400));  // orientation kept as given
    obj.m_bPen = 0;
    obj.m_bBrush = 1;
    obj.m_logpen = LOGPEN{PS_DOT, {12, 13}, 0x123456};
    obj.m_logbrush = LOGBRUSH{BS_HATCHED, 0xABCDEF, -3};
    const std::vector<uint8_t> bytes = RecordOf(obj);
    ASSERT_EQ(bytes.size(), 48u);
    const uint8_t head[] = {0xFF, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0};
    EXPECT_TRUE(std::equal(std::begin(head), std::end(head), bytes.begin()));
    EXPECT_EQ(bytes[16], 0);  // m_bPen as a word
    EXPECT_EQ(bytes[34], 1);  // m_bBrush as a word

    CArdoObj read;
    read.m_flags = 0x42;
    ReadRecord(read, bytes, &doc);
    EXPECT_EQ(read.m_position, obj.m_position);
    EXPECT_EQ(read.m_bPen, 0);
    EXPECT_EQ(read.m_bBrush, 1);
    EXPECT_EQ(read.m_logpen, obj.m_logpen);
    EXPECT_EQ(read.m_logbrush, obj.m_logbrush);
    EXPECT_EQ(read.m_flags, 0x42u);  // not part of the record
    EXPECT_EQ(read.GetDocument(), &doc);
}

TEST_F(BaseObjectTest, RecordFlagsAreWordsReadBackZeroExtended) {
    CArdoObj obj(CRect(0, 0, 1, 1));
    obj.m_bPen = 0x1FFFF;
    obj.m_bBrush = -1;
    CArdoObj read;
    ReadRecord(read, RecordOf(obj), nullptr);
    EXPECT_EQ(read.m_bPen, 0xFFFF);
    EXPECT_EQ(read.m_bBrush, 0xFFFF);
}

TEST_F(BaseObjectTest, TruncatedRecordIsRefused) {
    CArdoObj obj(CRect(0, 0, 1, 1));
    std::vector<uint8_t> bytes = RecordOf(obj);
    bytes.resize(47);
    CArdoObj read;
    EXPECT_THROW(ReadRecord(read, bytes, &doc), CArchiveException);
}

}  // namespace
