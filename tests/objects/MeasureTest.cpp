// Measuring objects: values and placement of their labels, their records, the dimension
// dialog and unit changes.
#include "document/ArdoDoc.h"
#include "document/DocumentView.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "objects/MeasureDrawing.h"
#include "objects/ObjectDialogs.h"
#include "platform/Archive.h"
#include "platform/RecordingBackend.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

const CRect kEverywhere(-1000000, -1000000, 1000000, 1000000);

// A view that remembers the updates it received.
class FakeView : public DocumentView {
public:
    std::vector<int> hints;
    void OnUpdate(DocumentView*, int hint, const UpdateHint&) override { hints.push_back(hint); }
    void RemoveFromSelection(CArdoObj*) override {}
    bool IsSelected(const CArdoObj*) const override { return false; }
    bool IsActiveView() const override { return true; }
    void OnExtentChanged(CSize) override {}
    CRect GetLogicalClipRect(CDC*) const override { return kEverywhere; }
    int GetHandleSize() const override { return 3; }
    void InvalidateObject(const CArdoObj*) override {}
};

// Dimension dialog that records its preset and answers with scripted values.
class ScriptedDimensionDialog : public IObjectDialogs {
public:
    bool ok = true;
    DimensionDialogValues answer;
    DimensionDialogValues preset;
    int calls = 0;
    bool EditLineAndFill(LineFillValues&) override { return false; }
    bool EditDimensions(DimensionDialogValues& values) override {
        ++calls;
        preset = values;
        if (!ok) return false;
        values.nChoice = answer.nChoice;
        values.strTextHeight = answer.strTextHeight;
        return true;
    }
};

class MeasureTest : public ::testing::Test {
protected:
    // 1:100, 10 units per millimetre, metres: k = 0.01 m per unit. The device maps one
    // logical unit to one pixel with y up, as the view does.
    void SetUp() override {
        doc.EditStoredSettings([&](DocumentSettings& s) {
            s.m_fUnitsPerMm = 10.0f;
            s.m_fScale = 100.0f;
        });
        SetUnit(1000);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(1, -1);
    }
    void TearDown() override { SetObjectDialogs(nullptr); }

    void SetUnit(int divisor) {
        doc.EditStoredSettings([&](DocumentSettings& s) { s.m_nUnitDivisor = divisor; });
        doc.UpdateScaleText();
    }

    CArdoRect* AddRect(CRect r, int shape) {
        auto* obj = doc.AddObject(std::make_unique<CArdoRect>(r, shape));
        return obj;
    }

    CArdoPolyMeasure* AddMeasure(std::vector<CPoint> pts, int bEdges, int bArea) {
        auto* obj = doc.AddObject(std::make_unique<CArdoPolyMeasure>(CRect(pts.front(), pts.front())));
        for (CPoint p : pts) obj->AddPoint(p, nullptr);
        obj->m_bEdges = bEdges;
        obj->m_bArea = bArea;
        return obj;
    }

    std::vector<DrawRecord> Texts() const {
        std::vector<DrawRecord> out;
        for (const DrawRecord& r : backend.Records())
            if (r.kind == DrawRecord::Kind::TextOut) out.push_back(r);
        return out;
    }
    std::vector<std::string> TextStrings() const {
        std::vector<std::string> out;
        for (const DrawRecord& r : Texts()) out.push_back(r.text);
        return out;
    }

    CArdoDoc doc;
    RecordingBackend backend;
    CDC dc{backend};
};

// --- dimension line and dimension rectangle ------------------------------------------------

TEST_F(MeasureTest, DimensionLineIsLabelledWithItsLengthAlongTheLine) {
    CArdoRect* line = AddRect(CRect(0, 0, 300, 400), SHAPE_DIMLINE);
    line->m_logpen.lopnWidth = CPoint(50, 50);
    line->m_logpen.lopnColor = RGB(255, 0, 0);
    line->Draw(&dc, kEverywhere);

    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    const DrawRecord& t = texts[0];
    EXPECT_EQ(t.text, "5.00");
    EXPECT_EQ(t.points.at(0), CPoint(150, -200));  // the middle, y flipped on the device
    EXPECT_EQ(t.style.font.lf.lfHeight, 50);       // 5 mm at 10 units per mm
    EXPECT_EQ(t.style.font.lf.lfWeight, FW_BOLD);
    EXPECT_EQ(t.style.font.lf.FaceName(), "Arial");
    EXPECT_EQ(t.style.font.lf.lfEscapement, 531);  // 53.13° up to the right, as drawn
    EXPECT_EQ(t.style.align, TA_CENTER | TA_BASELINE);
    EXPECT_EQ(t.style.bkMode, TRANSPARENT);
    EXPECT_EQ(t.style.color, 0u);

    // The line itself is thin and black, and the stored pen says so from now on.
    const DrawRecord* stroke = backend.Last(DrawRecord::Kind::Polyline);
    ASSERT_NE(stroke, nullptr);
    EXPECT_EQ(stroke->points, (std::vector<CPoint>{{0, 0}, {300, -400}}));
    EXPECT_EQ(stroke->pen.color, 0u);
    EXPECT_EQ(line->m_logpen.lopnWidth, CPoint(0, 0));
    EXPECT_EQ(line->m_logpen.lopnColor, 0u);
}

TEST_F(MeasureTest, DimensionLineOfLengthZeroIsLabelledZero) {
    // The rectangle frame skips objects without device size, so draw the measure directly.
    CArdoRect* line = AddRect(CRect(70, 80, 70, 80), SHAPE_DIMLINE);
    measure::DrawRectMeasure(*line, &dc);
    EXPECT_EQ(TextStrings(), std::vector<std::string>{"0.00"});
}

TEST_F(MeasureTest, DimensionRectangleIsUnfilledAndLabelledWithItsArea) {
    CArdoRect* rect = AddRect(CRect(0, 400, 300, 0), SHAPE_DIMRECT);
    rect->m_bBrush = 1;
    rect->Draw(&dc, kEverywhere);

    const DrawRecord* box = backend.Last(DrawRecord::Kind::Rectangle);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->brush.IsNull());
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "12.00 m\u00B2");
    EXPECT_EQ(texts[0].style.font.lf.lfEscapement, 0);
    EXPECT_EQ(texts[0].points.at(0), CPoint(150, -200));
}

TEST_F(MeasureTest, LabelsFollowTheUnitAndTheScale) {
    CArdoRect* line = AddRect(CRect(0, 0, 300, 400), SHAPE_DIMLINE);
    CArdoRect* rect = AddRect(CRect(0, 0, 300, 400), SHAPE_DIMRECT);
    const auto drawBoth = [&] {
        backend.Clear();
        line->Draw(&dc, kEverywhere);
        rect->Draw(&dc, kEverywhere);
        return TextStrings();
    };
    EXPECT_EQ(drawBoth(), (std::vector<std::string>{"5.00", "12.00 m\u00B2"}));
    SetUnit(10);
    EXPECT_EQ(drawBoth(), (std::vector<std::string>{"500.00", "120000.00 cm\u00B2"}));
    SetUnit(1);
    EXPECT_EQ(drawBoth(), (std::vector<std::string>{"5000.00", "12000000.00 mm\u00B2"}));
    SetUnit(1000);
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fScale = 50.0f; });
    EXPECT_EQ(drawBoth(), (std::vector<std::string>{"2.50", "3.00 m\u00B2"}));
}

TEST_F(MeasureTest, TextHeightIsSharedByAllLabelsAndScaledToTheDevice) {
    CArdoRect* line = AddRect(CRect(0, 0, 300, 0), SHAPE_DIMLINE);
    CArdoPolyMeasure* chain = AddMeasure({{0, 0}, {0, 300}}, 1, 0);
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_nDimTextHeight = 8; });
    dc.SetViewportExt(1, -2);  // half size on the device
    dc.SetWindowExt(2, 4);
    line->Draw(&dc, kEverywhere);
    chain->Draw(&dc, kEverywhere);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].style.font.lf.lfHeight, 40);
    EXPECT_EQ(texts[1].style.font.lf.lfHeight, 40);
}

// --- readable label angles -----------------------------------------------------------------

TEST_F(MeasureTest, LabelsReadLeftToRightWhicheverWayTheSegmentWasDrawn) {
    // Escapement in tenths of a degree, counter-clockwise as seen on the screen.
    EXPECT_EQ(measure::ReadableEscapement(dc, {0, 0}, {300, 0}), 0);
    EXPECT_EQ(measure::ReadableEscapement(dc, {300, 0}, {0, 0}), 0);
    EXPECT_EQ(measure::ReadableEscapement(dc, {0, 0}, {300, 400}), 531);
    EXPECT_EQ(measure::ReadableEscapement(dc, {300, 400}, {0, 0}), 531);
    EXPECT_EQ(measure::ReadableEscapement(dc, {0, 400}, {300, 0}), -531);
    EXPECT_EQ(measure::ReadableEscapement(dc, {300, 0}, {0, 400}), -531);
    // Vertical segments read from bottom to top, up or down.
    EXPECT_EQ(measure::ReadableEscapement(dc, {300, 0}, {300, 400}), 900);
    EXPECT_EQ(measure::ReadableEscapement(dc, {300, 400}, {300, 0}), 900);
    // Almost vertical: never below -90°.
    EXPECT_EQ(measure::ReadableEscapement(dc, {0, 100000}, {1, 0}), 900);
    // Under a y-down mapping the same segment leans the other way on the screen.
    CDC textDc(backend);
    EXPECT_EQ(measure::ReadableEscapement(textDc, {0, 0}, {300, 400}), -531);
    EXPECT_EQ(measure::ReadableEscapement(textDc, {300, 0}, {300, 400}), 900);
}

TEST_F(MeasureTest, DrawnLabelsCarryTheReadableEscapement) {
    CArdoRect* back = AddRect(CRect(300, 0, 0, 0), SHAPE_DIMLINE);  // drawn right to left
    CArdoRect* down = AddRect(CRect(300, 400, 300, 0), SHAPE_DIMLINE);
    back->Draw(&dc, kEverywhere);
    down->Draw(&dc, kEverywhere);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].style.font.lf.lfEscapement, 0);
    EXPECT_EQ(texts[0].style.font.lf.lfOrientation, 0);
    EXPECT_EQ(texts[0].text, "3.00");
    EXPECT_EQ(texts[1].style.font.lf.lfEscapement, 900);
    EXPECT_EQ(texts[1].style.font.lf.lfOrientation, 900);
    EXPECT_EQ(texts[1].text, "4.00");
}

// --- chain length and polygon area ----------------------------------------------------------

TEST_F(MeasureTest, ChainLabelsEverySegmentAndStaysOpen) {
    CArdoPolyMeasure* chain = AddMeasure({{0, 0}, {300, 0}, {300, 400}}, 1, 0);
    chain->SetLineWidthSilent(2000);  // 2000 x 10 / 100 / 100 = 2 units
    chain->Draw(&dc, kEverywhere);

    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "3.00");
    EXPECT_EQ(texts[0].points.at(0), CPoint(150, 0));
    EXPECT_EQ(texts[0].style.font.lf.lfEscapement, 0);
    EXPECT_EQ(texts[1].text, "4.00");
    EXPECT_EQ(texts[1].points.at(0), CPoint(300, -200));
    EXPECT_EQ(texts[1].style.font.lf.lfEscapement, 900);

    ASSERT_EQ(backend.Count(DrawRecord::Kind::Polyline), 2u);  // no closing line
    EXPECT_EQ(backend.Last(DrawRecord::Kind::Polyline)->pen.width, 2);
}

TEST_F(MeasureTest, ChainSuppressesLabelsOfVeryShortSegments) {
    doc.EditStoredSettings([&](DocumentSettings& s) { s.m_fUnitsPerMm = 200.0f; });  // k = 0.0005 m per unit
    CArdoPolyMeasure* chain = AddMeasure({{0, 0}, {10, 0}, {30, 0}, {2030, 0}}, 1, 0);
    chain->Draw(&dc, kEverywhere);
    // 10 units are 0.005 m (left out); 20 units are 0.01 m.
    EXPECT_EQ(TextStrings(), (std::vector<std::string>{"0.01", "1.00"}));
    EXPECT_EQ(backend.Count(DrawRecord::Kind::Polyline), 3u);  // every segment is still drawn
}

TEST_F(MeasureTest, AreaIsClosedAndLabelledAtTheMeanOfItsVertices) {
    // An L shape: 400 x 100 plus 100 x 300 = 70000 units², 7 m². The mean of the
    // vertices lies outside the shape.
    CArdoPolyMeasure* area = AddMeasure({{0, 0}, {400, 0}, {400, 100}, {100, 100}, {100, 400}, {0, 400}}, 0, 1);
    area->Draw(&dc, kEverywhere);

    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "7.00 m\u00B2");
    EXPECT_EQ(texts[0].style.font.lf.lfEscapement, 0);
    EXPECT_EQ(texts[0].points.at(0), CPoint(166, -166));
    ASSERT_EQ(backend.Count(DrawRecord::Kind::Polyline), 6u);  // five sides and the closing one
    EXPECT_EQ(backend.Last(DrawRecord::Kind::Polyline)->points.back(), CPoint(0, 0));
}

TEST_F(MeasureTest, EdgesAndAreaLabelTheClosingSegmentToo) {
    CArdoPolyMeasure* both = AddMeasure({{0, 0}, {300, 0}, {300, 400}, {0, 400}}, 1, 1);
    both->Draw(&dc, kEverywhere);
    EXPECT_EQ(TextStrings(), (std::vector<std::string>{"3.00", "4.00", "3.00", "4.00", "12.00 m\u00B2"}));
    EXPECT_EQ(Texts().back().points.at(0), CPoint(150, -200));
}

TEST_F(MeasureTest, DegenerateAreasAreLabelledZero) {
    CArdoPolyMeasure* two = AddMeasure({{0, 0}, {300, 0}}, 0, 1);
    two->Draw(&dc, kEverywhere);
    EXPECT_EQ(TextStrings(), std::vector<std::string>{"0.00 m\u00B2"});
    EXPECT_EQ(backend.Count(DrawRecord::Kind::Polyline), 2u);  // there and back

    backend.Clear();
    CArdoPolyMeasure* one = AddMeasure({{50, 60}}, 0, 1);
    one->Draw(&dc, kEverywhere);
    const auto texts = Texts();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "0.00 m\u00B2");
    EXPECT_EQ(texts[0].points.at(0), CPoint(50, -60));
}

TEST_F(MeasureTest, MeasureWithoutPointsOrOutsideTheClipDrawsNothing) {
    auto* empty = doc.AddObject(std::make_unique<CArdoPolyMeasure>(CRect(0, 0, 10, 10)));
    empty->m_bArea = 1;
    empty->Draw(&dc, kEverywhere);
    CArdoPolyMeasure* far = AddMeasure({{0, 0}, {300, 0}}, 1, 1);
    far->Draw(&dc, CRect(1000, 1000, 2000, 2000));
    EXPECT_TRUE(backend.Records().empty());
}

TEST_F(MeasureTest, DrawingLeavesTheTextStateAsItWas) {
    dc.SetTextAlign(TA_LEFT | TA_TOP);
    dc.SetBkMode(OPAQUE);
    dc.SetTextColor(RGB(1, 2, 3));
    AddMeasure({{0, 0}, {300, 0}, {300, 400}}, 1, 1)->Draw(&dc, kEverywhere);
    EXPECT_EQ(dc.GetTextAlign(), TA_LEFT | TA_TOP);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
}

// --- record -----------------------------------------------------------------------------------

TEST_F(MeasureTest, RecordRoundTripKeepsPointsCapacityAndFlags) {
    CArdoPolyMeasure* original = AddMeasure({{1, 2}, {-300, 40}, {500, -6}}, 1, 0);
    std::vector<uint8_t> bytes;
    {
        CArchive out(bytes);
        original->Serialize(out);
    }
    ASSERT_EQ(bytes.size(), 48u + 8u + 3u * 8u);
    // Counts and flags follow the 48-byte base record as 16-bit words.
    EXPECT_EQ(bytes[48], 3);   // points
    EXPECT_EQ(bytes[50], 10);  // capacity
    EXPECT_EQ(bytes[52], 0);   // area
    EXPECT_EQ(bytes[54], 1);   // edges

    CArdoPolyMeasure copy;
    CArchive in(std::span<const uint8_t>(bytes.data(), bytes.size()));
    copy.Serialize(in);
    EXPECT_EQ(copy.m_points, original->m_points);
    EXPECT_EQ(copy.m_nAllocPoints, 10);
    EXPECT_EQ(copy.m_bEdges, 1);
    EXPECT_EQ(copy.m_bArea, 0);
    EXPECT_EQ(copy.m_position, original->m_position);
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST_F(MeasureTest, RecordTravelsByClassName) {
    CArdoPolyMeasure* original = AddMeasure({{0, 0}, {300, 0}, {300, 400}}, 1, 1);
    std::vector<uint8_t> bytes;
    {
        CArchive out(bytes);
        out.WriteObject(original);
    }
    CArchive in(std::span<const uint8_t>(bytes.data(), bytes.size()));
    const std::unique_ptr<CObject> read = in.ReadOwnedObject(RUNTIME_CLASS(CArdoObj));
    auto* copy = dynamic_cast<CArdoPolyMeasure*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_points, original->m_points);
    EXPECT_EQ(copy->m_bArea, 1);
    EXPECT_EQ(copy->m_bEdges, 1);
}

TEST_F(MeasureTest, DamagedRecordsAreRefused) {
    CArdoPolyMeasure* original = AddMeasure({{0, 0}, {300, 0}, {300, 400}}, 1, 0);
    std::vector<uint8_t> bytes;
    {
        CArchive out(bytes);
        original->Serialize(out);
    }
    const auto readFails = [](std::vector<uint8_t> data) {
        CArdoPolyMeasure obj;
        CArchive in(std::span<const uint8_t>(data.data(), data.size()));
        EXPECT_THROW(obj.Serialize(in), CArchiveException);
    };
    auto moreThanCapacity = bytes;
    moreThanCapacity[48] = 11;  // 11 points in a capacity of 10
    readFails(moreThanCapacity);
    auto hugeCount = bytes;  // 65535 points announced, three present
    hugeCount[48] = hugeCount[49] = hugeCount[50] = hugeCount[51] = 0xFF;
    readFails(hugeCount);
    readFails(std::vector<uint8_t>(bytes.begin(), bytes.end() - 1));
}

// --- clone and dimension dialog -----------------------------------------------------------

TEST_F(MeasureTest, CloneCopiesPointsAndFlags) {
    CArdoPolyMeasure* original = AddMeasure({{0, 0}, {300, 0}, {300, 400}}, 1, 1);
    std::unique_ptr<CArdoObj> clone = original->Clone();
    auto* copy = dynamic_cast<CArdoPolyMeasure*>(clone.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->m_points, original->m_points);
    EXPECT_EQ(copy->m_bArea, 1);
    EXPECT_EQ(copy->m_bEdges, 1);
    EXPECT_EQ(copy->m_position, original->m_position);
}

TEST_F(MeasureTest, PolygonDialogPresetsTheKindAndAppliesTheChoice) {
    ScriptedDimensionDialog dialog;
    SetObjectDialogs(&dialog);
    FakeView view;
    doc.AddView(&view);
    CArdoPolyMeasure* chain = AddMeasure({{0, 0}, {300, 0}, {300, 400}}, 1, 0);
    doc.SetModifiedFlag(false);
    view.hints.clear();

    dialog.answer.nChoice = DimensionDialogValues::kEdgesAndArea;
    dialog.answer.strTextHeight = "12";
    EXPECT_EQ(chain->OnEditProperties(&view), 1);
    EXPECT_TRUE(dialog.preset.bForPolygon);
    EXPECT_EQ(dialog.preset.nChoice, DimensionDialogValues::kEdges);
    EXPECT_EQ(dialog.preset.strTextHeight, "5");
    EXPECT_EQ(chain->m_bEdges, 1);
    EXPECT_EQ(chain->m_bArea, 1);
    EXPECT_EQ(doc.DimTextHeight(), 12);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_FALSE(view.hints.empty());
    EXPECT_EQ(view.hints.front(), HINT_ALL);

    // Closed now: the closing segment is labelled and the area added.
    chain->Draw(&dc, kEverywhere);
    EXPECT_EQ(TextStrings().size(), 4u);

    dialog.answer.nChoice = DimensionDialogValues::kArea;
    dialog.answer.strTextHeight = "0";
    EXPECT_EQ(chain->OnEditProperties(&view), 1);
    EXPECT_EQ(dialog.preset.nChoice, DimensionDialogValues::kEdgesAndArea);
    EXPECT_EQ(dialog.preset.strTextHeight, "12");
    EXPECT_EQ(chain->m_bEdges, 0);
    EXPECT_EQ(chain->m_bArea, 1);
    EXPECT_EQ(doc.DimTextHeight(), 1);

    chain->m_bArea = 0;  // neither flag opens as area
    dialog.answer.nChoice = DimensionDialogValues::kEdges;
    dialog.answer.strTextHeight = "x";
    EXPECT_EQ(chain->OnEditProperties(&view), 1);
    EXPECT_EQ(dialog.preset.nChoice, DimensionDialogValues::kArea);
    EXPECT_EQ(chain->m_bEdges, 1);
    EXPECT_EQ(chain->m_bArea, 0);
    EXPECT_EQ(doc.DimTextHeight(), 1);
    doc.RemoveView(&view);
}

TEST_F(MeasureTest, RectangleDialogOffersNoKindAndSetsTheSharedHeight) {
    ScriptedDimensionDialog dialog;
    SetObjectDialogs(&dialog);
    CArdoRect* line = AddRect(CRect(0, 0, 300, 400), SHAPE_DIMLINE);
    CArdoRect* rect = AddRect(CRect(0, 0, 300, 400), SHAPE_DIMRECT);
    doc.SetModifiedFlag(false);

    dialog.answer.strTextHeight = "9";
    EXPECT_EQ(line->OnEditProperties(nullptr), 1);
    EXPECT_FALSE(dialog.preset.bForPolygon);
    EXPECT_EQ(dialog.preset.nChoice, DimensionDialogValues::kArea);
    EXPECT_EQ(dialog.preset.strTextHeight, "5");
    EXPECT_EQ(doc.DimTextHeight(), 9);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(line->m_shape, SHAPE_DIMLINE);

    // The other measuring object picks the new height up at its next repaint.
    rect->Draw(&dc, kEverywhere);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].style.font.lf.lfHeight, 90);
}

TEST_F(MeasureTest, CancelledDimensionDialogChangesNothing) {
    ScriptedDimensionDialog dialog;
    dialog.ok = false;
    SetObjectDialogs(&dialog);
    CArdoPolyMeasure* chain = AddMeasure({{0, 0}, {300, 0}}, 1, 0);
    CArdoRect* line = AddRect(CRect(0, 0, 300, 400), SHAPE_DIMLINE);
    doc.SetModifiedFlag(false);
    EXPECT_EQ(chain->OnEditProperties(nullptr), 0);
    EXPECT_EQ(line->OnEditProperties(nullptr), 0);
    EXPECT_EQ(dialog.calls, 2);
    EXPECT_EQ(chain->m_bEdges, 1);
    EXPECT_EQ(chain->m_bArea, 0);
    EXPECT_EQ(doc.DimTextHeight(), 5);
    EXPECT_FALSE(doc.IsModified());

    SetObjectDialogs(nullptr);  // without a user interface the dialog cancels
    EXPECT_EQ(chain->OnEditProperties(nullptr), 0);
}

TEST(MeasureTextTest, TextHeightParsing) {
    EXPECT_EQ(measure::ParseTextHeight("7"), 7);
    EXPECT_EQ(measure::ParseTextHeight(" 42"), 42);
    EXPECT_EQ(measure::ParseTextHeight("0"), 1);
    EXPECT_EQ(measure::ParseTextHeight(""), 1);
    EXPECT_EQ(measure::ParseTextHeight("ab"), 1);
    EXPECT_EQ(measure::ParseTextHeight("-5"), 1);
    EXPECT_EQ(measure::ParseTextHeight("9x"), 9);
    EXPECT_EQ(measure::ParseTextHeight("123456789012345678901"), 99);
}

TEST(MeasureTextTest, LabelTextsUseTwoDecimalsAndThePointEverywhere) {
    EXPECT_EQ(measure::FormatLength(5.0f), "5.00");
    EXPECT_EQ(measure::FormatLength(0.125), "0.12");  // exact binary half rounds to even
    EXPECT_EQ(measure::FormatLength(1234567.0f), "1234567.00");
    EXPECT_EQ(measure::FormatArea(12.0, "cm"), "12.00 cm\u00B2");
}

}  // namespace
