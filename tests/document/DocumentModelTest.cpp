// The document's state: construction, sheet and scale, the object lists and the views.
#include "DocTestSupport.h"

#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"
#include "platform/DeviceContext.h"
#include "platform/RecordingBackend.h"

using namespace doctest;

namespace {

class DocumentModelTest : public DocTest {};

std::unique_ptr<CArdoRect> NewRect(int l, int t, int r, int b) {
    return std::make_unique<CArdoRect>(CRect(l, t, r, b), SHAPE_RECTANGLE);
}

TEST_F(DocumentModelTest, NewDocumentHasDefaultSheetScaleAndFont) {
    CArdoDoc doc;
    EXPECT_EQ(services().status.PaneText(kPaneScale), "1:100");
    EXPECT_EQ(doc.UnitName(), "m");
    EXPECT_EQ(doc.Extent(), CSize(21000, 29800));
    EXPECT_EQ(doc.PaperSize(), CSize(105, 149));
    EXPECT_EQ(doc.UnitsPerMm(), 200.0f);
    EXPECT_EQ(doc.RealPerUnit(), 100.0f / 200.0f / 1000.0f);
    EXPECT_EQ(doc.FileVersion(), 23);
    EXPECT_EQ(doc.TextFont().lfHeight, 6);
    EXPECT_EQ(doc.TextFont().FaceName(), "Arial");
    EXPECT_EQ(doc.GridColor(), RGB(0, 0, 128));
    EXPECT_EQ(doc.Snap(), 1);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocumentModelTest, GridColourAndSnapComeFromUserSettingsMaskedToBytes) {
    services().settings.WriteProfileInt("UserSettings", "GridColorRed", 0x1FF);
    services().settings.WriteProfileInt("UserSettings", "GridColorGreen", 0x12);
    services().settings.WriteProfileInt("UserSettings", "GridColorBlue", -1);
    services().settings.WriteProfileInt("UserSettings", "Grid", 0);
    CArdoDoc doc;
    EXPECT_EQ(doc.GridColor(), 0x00FF12FFu);
    EXPECT_EQ(doc.Snap(), 0);
}

TEST_F(DocumentModelTest, ScaleTextShowsFractionOnlyBeyondOneThousandth) {
    CArdoDoc doc;
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fScale = 12.5f; });
    doc.UpdateScaleText();
    EXPECT_EQ(services().status.PaneText(kPaneScale), "1:12.50");
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fScale = 100.0004f; });
    doc.UpdateScaleText();
    EXPECT_EQ(services().status.PaneText(kPaneScale), "1:100");
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_nUnitDivisor = 10; });
    doc.UpdateScaleText();
    EXPECT_EQ(doc.UnitName(), "cm");
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_nUnitDivisor = 7; });
    doc.UpdateScaleText();
    EXPECT_EQ(doc.UnitName(), "-");
}

TEST_F(DocumentModelTest, SetPaperSizeReducesUnitsToLeadingDigit) {
    CArdoDoc doc;
    FakeView view;
    doc.AddView(&view);
    doc.SetPaperSize(297, 210, 1);
    EXPECT_EQ(doc.UnitsPerMm(), 100.0f);
    EXPECT_EQ(doc.Extent(), CSize(29700, 21000));
    ASSERT_EQ(view.extents.size(), 1u);
    EXPECT_EQ(view.extents[0], CSize(29700, 21000));

    doc.SetPaperSize(297, 210, 1);  // unchanged extent: views are not told again
    EXPECT_EQ(view.extents.size(), 1u);

    doc.SetPaperSize(50, 0, 0);  // height 0 keeps the current height
    EXPECT_EQ(doc.UnitsPerMm(), 1.0f);
    EXPECT_EQ(doc.Extent(), CSize(50, 210));

    doc.SetPaperSize(-3, -7, 1);  // below 1: the default sheet
    EXPECT_EQ(doc.PaperSize(), CSize(105, 149));
    EXPECT_EQ(doc.UnitsPerMm(), 200.0f);
}

TEST_F(DocumentModelTest, SmallUnitsKeepTheirFractionAndExtentIsAtLeastTheMillimetres) {
    CArdoDoc doc;
    doc.SetPaperSize(3000, 4000, 1);
    EXPECT_EQ(doc.UnitsPerMm(), 32767.0f / 4000.0f);
    EXPECT_EQ(doc.Extent(), CSize(int(3000 * (32767.0f / 4000.0f)), int(4000 * (32767.0f / 4000.0f))));

    doc.SetPaperSize(100000, 100000, 1);  // fewer than one unit per millimetre
    EXPECT_LT(doc.UnitsPerMm(), 1.0f);
    EXPECT_EQ(doc.Extent(), CSize(100000, 100000));
}

TEST_F(DocumentModelTest, ObjectAtFindsTopmostForegroundObjectOnly) {
    CArdoDoc doc;
    CArdoRect* lower = doc.AddObject(NewRect(0, 0, 100, 100));
    CArdoRect* upper = doc.AddObject(NewRect(50, 50, 150, 150));
    doc.AddBackgroundObject(NewRect(200, 200, 300, 300));
    EXPECT_EQ(doc.ObjectAt(CPoint(75, 75)), upper);
    EXPECT_EQ(doc.ObjectAt(CPoint(10, 10)), lower);
    EXPECT_EQ(doc.ObjectAt(CPoint(250, 250)), nullptr);  // background is never hit
    EXPECT_EQ(doc.ObjectAt(CPoint(1000, 1000)), nullptr);
}

TEST_F(DocumentModelTest, AddingTakesOwnershipAndMarksModified) {
    CArdoDoc doc;
    CArdoRect* rect = doc.AddBackgroundObject(NewRect(0, 0, 10, 10));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(rect->GetDocument(), &doc);
    ASSERT_EQ(doc.Background().size(), 1u);
    EXPECT_EQ(doc.Background()[0].get(), rect);
}

TEST_F(DocumentModelTest, RemoveObjectHandsObjectBackAndClearsSelections) {
    CArdoDoc doc;
    FakeView view;
    doc.AddView(&view);
    CArdoRect* fg = doc.AddObject(NewRect(0, 0, 10, 10));
    CArdoRect* bg = doc.AddBackgroundObject(NewRect(0, 0, 10, 10));
    view.selection = {fg};
    doc.SetModifiedFlag(false);

    std::unique_ptr<CArdoObj> removed = doc.RemoveObject(fg);
    EXPECT_EQ(removed.get(), fg);
    EXPECT_TRUE(doc.Objects().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(view.selection.empty());

    EXPECT_EQ(doc.RemoveObject(bg).get(), bg);  // the background list is searched too
    EXPECT_TRUE(doc.Background().empty());

    // Not in the document: no change of the modified flag, but the views still forget it.
    doc.SetModifiedFlag(false);
    CArdoRect stray(CRect(0, 0, 1, 1), SHAPE_RECTANGLE);
    EXPECT_EQ(doc.RemoveObject(&stray), nullptr);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(view.removed.back(), &stray);
}

TEST_F(DocumentModelTest, ClearBackgroundRepaintsOnlyWhenSomethingWasThere) {
    CArdoDoc doc;
    FakeView view;
    doc.AddView(&view);
    doc.ClearBackground();
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(view.hints.empty());

    doc.AddBackgroundObject(NewRect(0, 0, 1, 1));
    doc.SetModifiedFlag(false);
    doc.ClearBackground();
    EXPECT_TRUE(doc.Background().empty());
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, std::vector<int>{HINT_ALL});
}

TEST_F(DocumentModelTest, UpdateAllViewsSkipsTheSender) {
    CArdoDoc doc;
    FakeView a, b;
    doc.AddView(&a);
    doc.AddView(&b);
    doc.AddView(&a);  // registered once
    doc.UpdateAllViews(&a, HINT_OBJECT);
    EXPECT_TRUE(a.hints.empty());
    EXPECT_EQ(b.hints, std::vector<int>{HINT_OBJECT});
    doc.RemoveView(&b);
    doc.UpdateAllViews(nullptr, HINT_ALL);
    EXPECT_EQ(a.hints, std::vector<int>{HINT_ALL});
    EXPECT_EQ(b.hints.size(), 1u);
}

TEST_F(DocumentModelTest, ScaleDialogAutoAdjustKeepsGridOnPaper) {
    CArdoDoc doc;
    FakeView view;
    doc.AddView(&view);
    ScaleDialogResult preset = doc.ScaleDialogPreset();
    EXPECT_EQ(preset.scale, 100.0f);
    EXPECT_EQ(preset.scaleText, "1");
    EXPECT_EQ(preset.unitChoice, 0);

    doc.ApplyScaleDialog({50.0f, "50", 1, 0});
    EXPECT_EQ(doc.GridX(), 500.0f);
    EXPECT_EQ(doc.GridY(), 500.0f);
    EXPECT_EQ(doc.Scale(), 50.0f);
    EXPECT_EQ(services().status.PaneText(kPaneScale), "1:50");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, std::vector<int>{HINT_MEASURES});
}

TEST_F(DocumentModelTest, ScaleDialogWithoutAutoAdjustOrChangeLeavesGridAndViews) {
    CArdoDoc doc;
    FakeView view;
    doc.AddView(&view);
    doc.ApplyScaleDialog({100.0f, "1", 1, 0});  // same values: nothing changes
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.CanUndo());
    doc.ApplyScaleDialog({100.0f, "1", 0, 0});  // same text, same unit: the grid stays
    EXPECT_EQ(doc.GridX(), 1000.0f);
    EXPECT_TRUE(view.hints.empty());
    // The file keeps the auto-adjust flag: the document differs from its file now.
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.UndoName(), "Maßstab");

    doc.ApplyScaleDialog({100.0f, "1", 0, 2});  // unit change alone updates
    EXPECT_EQ(doc.UnitDivisor(), 1);
    EXPECT_EQ(doc.UnitName(), "mm");
    EXPECT_EQ(doc.ScaleDialogPreset().unitChoice, 2);
    EXPECT_EQ(view.hints, std::vector<int>{HINT_MEASURES});
}

TEST_F(DocumentModelTest, ForegroundDrawsHandlesOfSelectedObjectsInActiveViewOnly) {
    CArdoDoc doc;
    FakeView view;
    CArdoRect* rect = doc.AddObject(NewRect(10, 10, 40, 40));
    view.selection = {rect};
    RecordingBackend backend;
    CDC dc(backend);

    doc.DrawForeground(&dc, &view);
    const size_t withHandles = backend.Count(DrawRecord::Kind::InvertRect);
    EXPECT_EQ(withHandles, 8u);

    backend.Clear();
    view.active = false;
    doc.DrawForeground(&dc, &view);
    EXPECT_EQ(backend.Count(DrawRecord::Kind::InvertRect), 0u);

    backend.Clear();
    view.active = true;
    backend.SetPrinting(true);
    backend.SetDeviceCaps(HORZRES, 1000);
    backend.SetDeviceCaps(VERTRES, 1000);
    doc.DrawForeground(&dc, &view);
    EXPECT_EQ(backend.Count(DrawRecord::Kind::InvertRect), 0u);
    EXPECT_GT(backend.Records().size(), 0u);
}

TEST_F(DocumentModelTest, DestructionDeletesEveryOwnedObject) {
    // Run under the sanitizers this catches leaks and double deletes of owned objects.
    auto doc = std::make_unique<CArdoDoc>();
    doc->AddObject(NewRect(0, 0, 1, 1));
    doc->AddBackgroundObject(std::make_unique<CArdoPolyline>(CRect(0, 0, 1, 1)));
    AddToSymbol(*doc, NewRect(0, 0, 2, 2), 28, "");
    AddToSymbol(*doc, NewRect(0, 0, 3, 3), 28, "");
    doc.reset();
}

}  // namespace
