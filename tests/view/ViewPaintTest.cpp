// The paint path with its cached background, invalidation and update hints, and the page.
#include "ViewTestSupport.h"

#include "view/ViewPrinting.h"

namespace viewtest {
namespace {

using Kind = DrawRecord::Kind;

TEST_F(ViewFixture, BackgroundIsCachedUntilDiscarded) {
    AddRect(CRect(2100, 29000, 4200, 27000));  // within the visible top of the sheet
    RecordingBackend window;

    view->OnPaint(window);
    // Paint buffer (1) and cache (2): the cache is copied into the empty buffer first, the
    // objects are drawn over it, then the buffer goes to the window.
    ASSERT_EQ(2, host.surfaceCount);
    ASSERT_EQ(2u, host.blits.size());
    EXPECT_EQ(2, host.blits[0].fromId);
    EXPECT_EQ(host.surfaces[0].get(), host.blits[0].to);
    EXPECT_EQ(0u, host.blits[0].recordsInTarget);
    EXPECT_EQ(1, host.blits[1].fromId);
    EXPECT_EQ(&window, host.blits[1].to);
    EXPECT_EQ(1, host.waitCursors);
    EXPECT_TRUE(view->m_backgroundValid);

    // The cache: paper colour everywhere, then the white sheet.
    const auto& cache = host.surfaces[1]->Records();
    ASSERT_GE(cache.size(), 2u);
    EXPECT_EQ(Kind::FillSolidRect, cache[0].kind);
    EXPECT_EQ(doc->PaperColor(), cache[0].color);
    EXPECT_EQ(Kind::Rectangle, cache[1].kind);
    EXPECT_EQ(RGB(255, 255, 255), cache[1].brush.color);
    EXPECT_EQ(1u, host.surfaces[0]->Count(Kind::Rectangle));  // the object

    // Second paint: a new buffer, the same cache, not redrawn.
    const size_t cacheRecords = cache.size();
    view->OnPaint(window);
    EXPECT_EQ(3, host.surfaceCount);
    ASSERT_EQ(4u, host.blits.size());
    EXPECT_EQ(2, host.blits[2].fromId);
    EXPECT_EQ(cacheRecords, host.surfaces[1]->Records().size());
    EXPECT_EQ(1, host.waitCursors);

    // The grid toggle discards it; the next paint builds a new one, now without grid lines.
    view->OnCommand(cmd::GridLines);
    EXPECT_FALSE(view->m_backgroundValid);
    EXPECT_EQ(0, services().settings.GetProfileInt("UserSettings", "Grid", 1));
    EXPECT_FALSE(view->OnUpdateCommand(cmd::GridLines)->checked);
    view->OnPaint(window);
    EXPECT_EQ(5, host.surfaceCount);
    EXPECT_EQ(2, host.waitCursors);
    EXPECT_EQ(5, host.blits[4].fromId);
}

TEST_F(ViewFixture, WithoutOffscreenPicturesOnlyTheObjectsArePainted) {
    AddRect(CRect(2100, 29000, 4200, 27000));
    host.failOffscreen = true;
    RecordingBackend window;
    view->OnPaint(window);
    EXPECT_EQ(0u, window.Count(Kind::FillSolidRect));
    EXPECT_EQ(1u, window.Count(Kind::Rectangle));
    EXPECT_FALSE(view->m_backgroundValid);
}

TEST_F(ViewFixture, ObjectsInvalidateTheirAreaAndHandleMarginsOnlyWhenShown) {
    Prepare();
    CArdoRect* obj = AddRect(CRect(4200, 6300, 8400, 2100));
    view->InvalidateObject(obj);
    ASSERT_EQ(1u, host.invalidated.size());
    // x 4200..8400 -> 200..400; y 6300..2100 -> 1119..1319; one pixel more around.
    EXPECT_EQ(CRect(199, 1118, 401, 1320), host.invalidated.back());

    // Selected in an inactive view: still no margin.
    view->Select(obj);
    EXPECT_EQ(CRect(199, 1118, 401, 1320), host.invalidated.back());

    // Activation redraws the selection with 4 mm (800) left/top and 5 mm (1000) right/bottom.
    host.invalidated.clear();
    view->OnActivateView(true);
    ASSERT_EQ(1u, host.invalidated.size());
    CRect expected(4200 - 800, 6300 + 800, 8400 + 1000, 2100 - 1000);
    view->LogicalToClient(expected);
    expected.InflateRect(1, 1);
    EXPECT_EQ(expected, host.invalidated.back());
    EXPECT_EQ("Vollbild", Pane(kPaneZoom));
}

TEST_F(ViewFixture, HandlesBeyondTheMarginAreRepaintedToo) {
    Prepare();
    view->OnActivateView(true);
    // A rounded rectangle 2 mm wide: its roundness handle sits 8 mm inside the upper right
    // corner, that is 6 mm beyond the left edge, past the 4 mm margin.
    auto* obj = doc->AddObject(std::make_unique<CArdoRect>(CRect(4200, 6300, 4600, 5900), SHAPE_ROUNDRECT));
    view->Select(obj);
    host.invalidated.clear();
    view->InvalidateObject(obj);
    ASSERT_EQ(1u, host.invalidated.size());
    CRect handle = obj->GetHandleRect(9, view.get()).Normalized();
    view->LogicalToClient(handle);
    CRect covered;
    covered.IntersectRect(host.invalidated.back(), handle);
    EXPECT_EQ(handle, covered);
}

TEST_F(ViewFixture, RemovalHintsLeaveTheSelectionAloneWhenItIsTheList) {
    Prepare();
    CArdoRect* a = AddRect(CRect(0, 100, 100, 0));
    CArdoRect* b = AddRect(CRect(200, 300, 300, 200));
    view->Select(a);
    view->Select(b, true);
    host.invalidated.clear();

    UpdateHint self;
    self.objects = &view->m_selection;
    view->OnUpdate(nullptr, HINT_REMOVING, self);
    EXPECT_TRUE(host.invalidated.empty());
    EXPECT_EQ(2u, view->Selection().size());

    const std::vector<CArdoObj*> removing{a};
    UpdateHint other;
    other.objects = &removing;
    view->OnUpdate(nullptr, HINT_REMOVING, other);
    EXPECT_EQ(1u, host.invalidated.size());
    EXPECT_FALSE(view->IsSelected(a));
    EXPECT_TRUE(view->IsSelected(b));
}

TEST_F(ViewFixture, ScaleHintRedrawsOnlyMeasuringObjectsAndHintZeroRebuilds) {
    Prepare();
    AddRect(CRect(0, 100, 100, 0), SHAPE_RECTANGLE);
    AddRect(CRect(0, 100, 100, 0), SHAPE_DIMLINE);
    AddRect(CRect(0, 100, 100, 0), SHAPE_DIMRECT);
    view->OnUpdate(nullptr, HINT_MEASURES, {});
    EXPECT_EQ(2u, host.invalidated.size());

    RecordingBackend window;
    view->OnPaint(window);
    ASSERT_TRUE(view->m_backgroundValid);
    doc->UpdateAllViews(nullptr, HINT_ALL);
    EXPECT_FALSE(view->m_backgroundValid);
    EXPECT_EQ(1, host.invalidateAll - 1);  // the initial full view invalidated once

    host.printMode = true;
    doc->UpdateAllViews(nullptr, HINT_ALL);
    EXPECT_EQ(1, host.printCommands);
}

class PrintFixture : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        printer.SetPrinting(true);
        printer.SetDeviceCaps(HORZRES, 2000);
        printer.SetDeviceCaps(VERTRES, 2800);
        printer.SetDeviceCaps(HORZSIZE, 200);
        printer.SetDeviceCaps(VERTSIZE, 280);
    }
    void PrintPage() {
        CDC dc(printer);
        PrintInfo info;
        view->OnPreparePrinting(info);
        EXPECT_EQ(1, info.maxPage);
        view->OnBeginPrinting(dc, info);
        view->OnPrepareDC(dc, &info);
        view->OnPrint(dc, info);
        view->OnEndPrinting(dc, info);
    }
    RecordingBackend printer;
};

TEST_F(PrintFixture, PageHasTitleObjectsAndNoHandlesOrSurround) {
    doc->SetTitle("Wohnung");
    CArdoRect* obj = AddRect(CRect(2100, 4200, 4200, 2100));
    view->OnActivateView(true);
    view->Select(obj);
    PrintPage();

    const DrawRecord* title = printer.Last(Kind::TextOut);
    ASSERT_NE(nullptr, title);
    EXPECT_EQ("Wohnung", title->text);
    EXPECT_EQ(TA_CENTER | TA_BASELINE, title->style.align);
    EXPECT_EQ(FW_BOLD, title->style.font.lf.lfWeight);
    // Centred; one header height (trunc(200 * 12 / 1.8792 / 2.84) = 449 units) below the top.
    const LOGFONT lf = PrintHeaderFont(200.0f, 1.0, 280.0 * 200 / 29800);
    EXPECT_EQ(449, lf.lfHeight);
    CDC dc(printer);
    view->OnPrepareDC(dc, nullptr);
    const CRect page = PageDrawRect(dc);
    EXPECT_EQ(CRect(0, 29800, 21286, 0), page);
    EXPECT_EQ(dc.LPtoDP(CPoint(page.right / 2, 29800 - 449)), title->points[0]);

    // "Rasterlinien drucken" is off: no frame; only the object, without handles.
    EXPECT_EQ(1u, printer.Count(Kind::Rectangle));
    EXPECT_EQ(0u, printer.Count(Kind::FillSolidRect));
}

TEST_F(PrintFixture, PrintGridDrawsHollowFrameAndGridOnlyWithGridLines) {
    view->OnCommand(cmd::PrintGrid);
    EXPECT_EQ(1, services().settings.GetProfileInt("UserSettings", "PrintRaster", 0));
    view->m_gridVisible = false;
    PrintPage();
    const DrawRecord* frame = printer.Last(Kind::Rectangle);
    ASSERT_NE(nullptr, frame);
    EXPECT_TRUE(frame->brush.IsNull());
    size_t dotted = 0;
    for (const auto& r : printer.Records()) dotted += r.pen.style == PS_DOT;
    EXPECT_EQ(0u, dotted);

    printer.Clear();
    view->m_gridVisible = true;
    PrintPage();
    dotted = 0;
    for (const auto& r : printer.Records()) dotted += r.pen.style == PS_DOT;
    EXPECT_EQ(10u + 14u, dotted);
}

TEST_F(PrintFixture, PrintModeDoesNotLeaveTheDocumentModified) {
    host.printMode = true;
    doc->SetModifiedFlag(true);
    PrintInfo info;
    view->OnPreparePrinting(info);
    EXPECT_TRUE(info.direct);
    PrintPage();
    EXPECT_FALSE(doc->IsModified());
}

}  // namespace
}  // namespace viewtest
