// Grid drawing, snapping, the coordinate readout, the scale text and the settings dialogs.
#include "ViewTestSupport.h"

#include "view/SettingsDialogs.h"
#include "view/SheetGrid.h"

namespace viewtest {
namespace {

size_t DottedLines(const RecordingBackend& b) {
    size_t n = 0;
    for (const auto& r : b.Records()) n += r.kind == DrawRecord::Kind::Polyline && r.pen.style == PS_DOT;
    return n;
}

TEST_F(ViewFixture, DefaultGridLinesAre2000UnitsApartWithoutLinesOnTheAxes) {
    EXPECT_EQ(CSize(2000, 2000), GridSpacing(*doc));
    RecordingBackend b;
    CDC dc(b);
    view->OnPrepareDC(dc);
    DrawSheetAndGrid(dc, *doc, true);
    // x = 2000 .. 20000 and y = 28000 .. 2000.
    EXPECT_EQ(10u + 14u, DottedLines(b));
    const DrawRecord* first = nullptr;
    for (const auto& r : b.Records())
        if (r.pen.style == PS_DOT) {
            first = &r;
            break;
        }
    ASSERT_NE(nullptr, first);
    EXPECT_EQ(dc.LPtoDP(CPoint(2000, 29800)), first->points[0]);

    b.Clear();
    DrawSheetAndGrid(dc, *doc, false);
    EXPECT_EQ(0u, DottedLines(b));

    // Spacing finer than 2 pixels is drawn 5 pixels (105 units) apart.
    doc->EditStoredSettings([&](DocumentSettings& s) { s.m_fGridX = 10.0f; });  // 20 units, under one pixel
    b.Clear();
    DrawSheetAndGrid(dc, *doc, true);
    EXPECT_EQ(size_t(20999 / 105) + 14u, DottedLines(b));
}

TEST_F(ViewFixture, SnapRoundsToTheNearestStepHalvesUp) {
    EXPECT_DOUBLE_EQ(20.0, SnapStep(*doc));
    EXPECT_EQ(0, SnapCoordinate(9, 20.0));
    EXPECT_EQ(20, SnapCoordinate(10, 20.0));
    EXPECT_EQ(20, SnapCoordinate(29, 20.0));
    EXPECT_EQ(40, SnapCoordinate(30, 20.0));
    // Negative values truncate toward zero at each step.
    EXPECT_EQ(0, SnapCoordinate(-15, 20.0));
    EXPECT_EQ(-20, SnapCoordinate(-30, 20.0));
    // A snap spacing of 0 leaves points where they are.
    EXPECT_EQ(37, SnapCoordinate(37, 0.0));

    Prepare();
    // Client (500, 1419) is logical (10500, 1).
    EXPECT_EQ(CPoint(10500, 0), view->SnapToGrid(CPoint(500, 1419)));
    doc->SetSnapSpacing(0);
    EXPECT_EQ(CPoint(10500, 1), view->SnapToGrid(CPoint(500, 1419)));
}

TEST_F(ViewFixture, ReadoutShowsPositionFromTheOriginInTheDisplayUnit) {
    EXPECT_EQ("1.00, 0.50 [m]", FormatCoordinateReadout(*doc, CPoint(2000, 1000)));
    doc->EditStoredSettings([&](DocumentSettings& s) {
        s.m_fOriginX = -2000.0f;
        s.m_nUnitDivisor = 10;
    });
    doc->UpdateScaleText();
    EXPECT_EQ("0.00, 50.00 [cm]", FormatCoordinateReadout(*doc, CPoint(2000, 1000)));

    // Mouse moves write pane 1 only over the active view.
    Prepare();
    view->OnMouseMove(0, CPoint(500, 1419));
    EXPECT_EQ("", Pane(kPanePosition));
    view->OnActivateView(true);
    view->OnMouseMove(0, CPoint(500, 1419));
    EXPECT_EQ("425.00, 0.05 [cm]", Pane(kPanePosition));
}

TEST_F(ViewFixture, ScaleTextInPaneTwo) {
    doc->UpdateScaleText();
    EXPECT_EQ("1:100", Pane(kPaneScale));
    doc->EditStoredSettings([&](DocumentSettings& s) { s.m_fScale = 100.5f; });
    doc->UpdateScaleText();
    EXPECT_EQ("1:100.50", Pane(kPaneScale));
}

TEST(ScaleDialog, ReadsTheAbsoluteValueAtLeastOneAndRefusesNonNumbers) {
    float scale = 0.0f;
    EXPECT_TRUE(CheckScaleDialog("-50", scale).accept);
    EXPECT_FLOAT_EQ(50.0f, scale);
    EXPECT_TRUE(CheckScaleDialog("0,5", scale).accept);  // reads 0, raised to 1
    EXPECT_FLOAT_EQ(1.0f, scale);
    EXPECT_TRUE(CheckScaleDialog("12345678999", scale).accept);  // nine characters read
    EXPECT_FLOAT_EQ(123456789.0f, scale);

    const DialogVerdict v = CheckScaleDialog("abc", scale);
    EXPECT_FALSE(v.accept);
    EXPECT_TRUE(v.beep);
    EXPECT_EQ("Die Maßstabsangabe ist ungültig. Bitte\ngeben Sie eine Zahl ein.", v.message);
    EXPECT_EQ("Eingabefehler", v.caption);
    EXPECT_EQ(MB_ICONERROR, v.icon);
    EXPECT_EQ(kScaleCombo, v.focusControl);
    EXPECT_TRUE(v.selectAll);
    EXPECT_FALSE(CheckScaleDialog("nan", scale).accept);
    EXPECT_FALSE(CheckScaleDialog("1e39", scale).accept);
}

TEST_F(ViewFixture, TypedScaleIsListedOnTopNextTime) {
    ScaleDialogList list = ScaleDialogListFor(doc->Scale());
    ASSERT_EQ(9u, list.items.size());
    EXPECT_EQ("100", list.items[size_t(list.selected)]);

    float scale = 0.0f;
    ASSERT_TRUE(CheckScaleDialog("75", scale).accept);
    ScaleDialogResult result = doc->ScaleDialogPreset();
    result.scale = scale;
    result.scaleText = "75";
    doc->ApplyScaleDialog(result);

    list = ScaleDialogListFor(doc->Scale());
    ASSERT_EQ(10u, list.items.size());
    EXPECT_EQ("75", list.items[0]);
    EXPECT_EQ(0, list.selected);
}

TEST_F(ViewFixture, GridDialogChecksAndApplies) {
    const GridDialogPreset preset = GridDialogPresetFor(*doc);
    EXPECT_EQ("1", preset.xText);
    EXPECT_EQ("m", preset.unitLabel);

    float x = 0, y = 0;
    DialogVerdict v = CheckGridDialog("abc", "1", x, y);  // not parsed: stays open silently
    EXPECT_FALSE(v.accept);
    EXPECT_TRUE(v.message.empty());
    v = CheckGridDialog("1", "-2", x, y);
    EXPECT_FALSE(v.accept);
    EXPECT_TRUE(v.beep);
    EXPECT_EQ(kGridEditY, v.focusControl);
    EXPECT_FALSE(v.selectAll);
    v = CheckGridDialog("2x", "1", x, y);  // "%f" takes it, the field transfer does not
    EXPECT_FALSE(v.accept);
    EXPECT_EQ("Geben Sie bitte eine Zahl ein.", v.message);

    Prepare();
    RecordingBackend window;
    view->OnPaint(window);
    ASSERT_TRUE(CheckGridDialog(" 2.5 ", "0.5", x, y).accept);
    ApplyGridDialog(*doc, x, y, RGB(1, 2, 3), services().settings);
    EXPECT_FLOAT_EQ(2500.0f, doc->GridX());
    EXPECT_FLOAT_EQ(500.0f, doc->GridY());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(view->m_backgroundValid);  // hint 0 reached the view
    EXPECT_EQ(3, services().settings.GetProfileInt("UserSettings", "GridColorBlue", 0));
}

TEST_F(ViewFixture, OriginDialogUnchangedReturnsTheOriginToZero) {
    doc->EditStoredSettings([&](DocumentSettings& s) {
        s.m_fOriginX = 1234.0f;
        s.m_fOriginY = -600.0f;
    });
    const OriginDialogPreset preset = OriginDialogPresetFor(*doc);
    EXPECT_EQ("0.617", preset.xText);
    float x = 0, y = 0;
    ASSERT_TRUE(CheckOriginDialog(preset.xText, preset.yText, x, y).accept);
    ApplyOriginDialog(*doc, x, y);
    EXPECT_NEAR(0.0f, doc->OriginX(), 1e-3f);
    EXPECT_NEAR(0.0f, doc->OriginY(), 1e-3f);
    EXPECT_EQ(kOriginEditY, CheckOriginDialog("1", "", x, y).focusControl);
}

TEST_F(ViewFixture, SnapDialogTakesUnsignedIntegersWithoutModifying) {
    unsigned spacing = 0;
    const DialogVerdict v = CheckSnapDialog("-3", spacing);
    EXPECT_FALSE(v.accept);
    EXPECT_EQ("Geben Sie bitte eine positive ganze Zahl ein.", v.message);
    EXPECT_FALSE(CheckSnapDialog("1.5", spacing).accept);
    ASSERT_TRUE(CheckSnapDialog("15", spacing).accept);
    ApplySnapDialog(*doc, false, spacing);
    EXPECT_EQ(15, doc->SnapSpacing());
    EXPECT_EQ(0, doc->Snap());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ("15", SnapDialogPresetFor(*doc).spacingText);
}

}  // namespace
}  // namespace viewtest
