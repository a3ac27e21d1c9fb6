// The palette's layout: candidates at 90 % of the width, centred, 15 pixels apart, the hit
// walk on the strokes, and entries that cannot be drawn.
#include "SymbolTestSupport.h"
#include "platform/RecordingBackend.h"
#include "tools/SymbolPaletteLayout.h"

namespace tooltest {
namespace {

class SymbolPaletteLayoutTest : public SymbolFixture {
protected:
    // An entry whose one stroke fills its frame (in library units).
    int AddFilled(int w, int h) {
        const int index = doc->SymbolCount();
        AddToSymbol(*doc, PolygonOver(CRect(0, 0, w, h)), 28, "filled");
        AddToSymbol(*doc, PolygonOver(CRect(0, 0, w, h)), -1, "");
        return index;
    }
    // Device bounds of every polygon drawn.
    std::vector<CRect> PaintedPolygons(const CSymbolPaletteLayout& layout, int width, int height, int scroll = 0) {
        RecordingBackend device;
        CDC dc(device);
        layout.Paint(dc, width, height, scroll);
        std::vector<CRect> out;
        for (const DrawRecord& r : device.Records()) {
            if (r.kind != DrawRecord::Kind::Polygon) continue;
            CRect b(r.points[0], r.points[0]);
            for (CPoint p : r.points) {
                b.left = std::min(b.left, p.x);
                b.right = std::max(b.right, p.x);
                b.top = std::min(b.top, p.y);
                b.bottom = std::max(b.bottom, p.y);
            }
            out.push_back(b);
        }
        return out;
    }
};

void ExpectNear(const CRect& actual, const CRect& expected) {
    EXPECT_NEAR(actual.left, expected.left, 1);
    EXPECT_NEAR(actual.right, expected.right, 1);
    EXPECT_NEAR(actual.top, expected.top, 1);
    EXPECT_NEAR(actual.bottom, expected.bottom, 1);
}

TEST_F(SymbolPaletteLayoutTest, CandidatesOfDifferentSizesAreStackedAtNinetyPercentCentred) {
    const int wide = AddFilled(1000, 500);
    const int tall = AddFilled(200, 800);
    const int flat = AddFilled(3000, 300);
    CSymbolPaletteLayout layout;
    layout.Fill(*doc, {wide, tall, flat});
    ASSERT_EQ(layout.Count(), 3u);

    // At a width of 200 the bands are 100, 800 and 20 pixels high, 15 apart, from y = 5.
    const std::vector<CRect> drawn = PaintedPolygons(layout, 200, 2000);
    ASSERT_EQ(drawn.size(), 3u);
    ExpectNear(drawn[0], CRect(10, 5 + 5, 190, 5 + 95));
    ExpectNear(drawn[1], CRect(10, 120 + 40, 190, 120 + 760));
    ExpectNear(drawn[2], CRect(10, 935 + 1, 190, 935 + 19));
    EXPECT_EQ(layout.StackedHeight(200), 5 + 100 + 15 + 800 + 15 + 20 + 15);
    EXPECT_EQ(layout.HeightForWidth(10), layout.StackedHeight(20));  // at least 20 wide

    // Scrolled down by 120 the second candidate starts at the top; the first is not drawn.
    const std::vector<CRect> scrolled = PaintedPolygons(layout, 200, 2000, 120);
    ASSERT_EQ(scrolled.size(), 2u);
    ExpectNear(scrolled[0], CRect(10, 40, 190, 760));
}

TEST_F(SymbolPaletteLayoutTest, HitWalkFindsStrokesNotTheEmptyPartOfTheFrame) {
    // Strokes only in the left half of the frame.
    const int half = AddLibrarySymbol(28, 100, 50, "Halb");
    const int full = AddFilled(1000, 500);
    CSymbolPaletteLayout layout;
    layout.Fill(*doc, {half, full});
    // Width 200: candidate 0 is drawn from x 10 to 190, its stroke from 10 to 100.
    EXPECT_EQ(layout.HitTest({50, 50}, 200, 0), 0);
    EXPECT_EQ(layout.HitTest({150, 50}, 200, 0), -1);   // beside the stroke
    EXPECT_EQ(layout.HitTest({100, 112}, 200, 0), -1);  // in the gap between the bands
    EXPECT_EQ(layout.HitTest({100, 170}, 200, 0), 1);
    EXPECT_EQ(layout.HitTest({100, 170 - 120}, 200, 120), 1);
    EXPECT_EQ(layout.SymbolIndex(1), full);
}

TEST_F(SymbolPaletteLayoutTest, EntriesThatCannotBeDrawnAreSkipped) {
    const int good = AddFilled(1000, 500);
    const int noWidth = AddFilled(0, 500);
    const int noHeight = AddFilled(1000, 0);
    // Frames as a damaged library may hold them, without width or height.
    doc->LibraryGeometry(noWidth)[0]->m_position = CRect(0, 0, 0, 500);
    doc->LibraryGeometry(noHeight)[0]->m_position = CRect(0, 0, 1000, 0);
    const int frameOnly = doc->SymbolCount();
    AddToSymbol(*doc, PolygonOver(CRect(0, 0, 100, 100)), 28, "leer");
    const int deleted = AddFilled(100, 100);
    doc->SetCurrentSymbol(deleted);
    DeleteCurrentSymbol(*doc);
    doc->SetCurrentSymbol(-1);

    CSymbolPaletteLayout layout;
    layout.Fill(*doc, {noWidth, -1, good, noHeight, 4000, deleted, frameOnly, kMaxSymbols});
    // The frame-only entry has nothing to draw but keeps its place; the others are gone.
    ASSERT_EQ(layout.Count(), 2u);
    EXPECT_EQ(layout.SymbolIndex(0), good);
    EXPECT_EQ(layout.SymbolIndex(1), frameOnly);
    EXPECT_EQ(PaintedPolygons(layout, 200, 300).size(), 1u);
    EXPECT_TRUE(PaintedPolygons(layout, 0, 0).size() <= 1u);  // a window without width divides by nothing
    EXPECT_EQ(layout.HitTest({0, 0}, 0, 0), -1);
    EXPECT_EQ(layout.HitTest({100, 1000000}, 200, 0), -1);
}

}  // namespace
}  // namespace tooltest
