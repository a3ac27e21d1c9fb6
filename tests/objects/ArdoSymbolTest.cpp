// Placed furniture symbols: the box and its handles, turning and scaling, drawing from the
// library geometry, the symbol and note dialogs, cloning and the record.
#include "ObjectTestSupport.h"

#include "document/SymbolLibrary.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoSymbol.h"
#include "objects/ArdoText.h"

#include <cmath>
#include <functional>

namespace {

using objtest::Canvas;
using objtest::kEverywhere;

std::unique_ptr<CArdoObj> Poly(std::initializer_list<CPoint> pts) {
    auto poly = std::make_unique<CArdoPoly>(CRect());
    for (CPoint p : pts) poly->AddPointSilent(p);
    poly->RecalcBounds(nullptr);
    return poly;
}

class SymbolDialogs : public objtest::ScriptedDialogs {
public:
    bool symbolOk = true;
    int symbolCalls = 0;
    SymbolDialogValues symbolPreset;
    // Applied to the preset values on OK.
    std::function<void(SymbolDialogValues&)> edit = [](SymbolDialogValues&) {};
    bool EditSymbol(SymbolDialogValues& values) override {
        ++symbolCalls;
        symbolPreset = values;
        if (!symbolOk) return false;
        edit(values);
        return true;
    }
    int noteCalls = 0;
    std::string noteAnswer;
    bool EditNote(std::string& note) override {
        ++noteCalls;
        note = noteAnswer;
        return true;
    }
};

// A document whose library holds a table (entry 0: frame 1000 x 500 and one rectangle
// filling it), a marker (entry 1) and an entry with a frame of no width (entry 2).
class ArdoSymbolTest : public objtest::ObjectTest {
protected:
    void SetUp() override {
        ObjectTest::SetUp();
        SetObjectDialogs(&symbolDialogs);
        AddToSymbol(doc, Poly({{0, 0}, {1000, 0}, {1000, 500}, {0, 500}}), 28, "Testtisch");
        AddToSymbol(doc, Poly({{0, 0}, {1000, 0}, {1000, 500}, {0, 500}}), -1, "");
        {
            SymbolInfo entry = doc.SymbolEntry(0);
            entry.nLength = 2000;
            entry.nWidth = 1000;
            doc.SetSymbolEntry(0, entry);
        }
        AddToSymbol(doc, Poly({{0, 0}, {300, 0}, {300, 300}}), 27, "Marker");
        AddToSymbol(doc, Poly({{0, 0}, {300, 0}, {300, 300}}), -1, "");
        AddToSymbol(doc, std::make_unique<CArdoRect>(CRect(0, 0, 0, 500), SHAPE_RECTANGLE), 28, "Kaputt");
        AddToSymbol(doc, Poly({{0, 0}, {100, 0}, {100, 100}}), -1, "");
    }

    // A 1000 x 500 box with c0 at (1000, 1000), unturned.
    CArdoSymbol* Box(int id = 0) { return Adopt(std::make_unique<CArdoSymbol>(CRect(1000, 1000, 2000, 1500), id)); }

    SymbolDialogs symbolDialogs;
};

void ExpectCorner(const CArdoSymbol& s, int n, CPoint expected, int tolerance = 1) {
    EXPECT_NEAR(s.m_corners[n].x, expected.x, tolerance) << "corner c" << n;
    EXPECT_NEAR(s.m_corners[n].y, expected.y, tolerance) << "corner c" << n;
}

TEST_F(ArdoSymbolTest, PositionedConstructorBuildsTheBox) {
    CArdoSymbol* s = Box();
    ExpectCorner(*s, 0, {1000, 1000}, 0);
    ExpectCorner(*s, 1, {2000, 1000}, 0);
    ExpectCorner(*s, 2, {1000, 1500}, 0);
    ExpectCorner(*s, 3, {2000, 1500}, 0);
    EXPECT_EQ(s->m_u1, (CArdoSymbol::Vec{1, 0}));
    EXPECT_EQ(s->m_u2, (CArdoSymbol::Vec{0, 1}));
    EXPECT_FLOAT_EQ(s->m_fLength, 1000.0f);
    EXPECT_FLOAT_EQ(s->m_fWidth, 500.0f);
    EXPECT_FLOAT_EQ(s->m_fDiagLength, std::sqrt(1000.0f * 1000.0f + 500.0f * 500.0f));
    EXPECT_EQ(s->GetSymbolId(), 0);
    EXPECT_EQ(s->GetHandleCount(), 8);

    // A box without extent gets unit sizes and a defined direction, never NaN.
    CArdoSymbol dot(CRect(5, 5, 5, 5), 0);
    EXPECT_FLOAT_EQ(dot.m_fLength, 1.0f);
    EXPECT_FLOAT_EQ(dot.m_fWidth, 1.0f);
    EXPECT_EQ(dot.m_u1, (CArdoSymbol::Vec{1, 0}));
    EXPECT_TRUE(std::isfinite(dot.m_fDiagAngle));
}

TEST_F(ArdoSymbolTest, HandlesSitOnCornersAndEdgeMiddles) {
    CArdoSymbol* s = Box();
    const CPoint expected[] = {{1000, 1000}, {1500, 1000}, {2000, 1000}, {2000, 1250},
                               {2000, 1500}, {1500, 1500}, {1000, 1500}, {1000, 1250}};
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(s->GetHandle(n), expected[n - 1]) << "handle " << n;
    EXPECT_EQ(s->GetHandle(0), expected[0]);
    EXPECT_EQ(s->GetHandleCursor(1), IDC_SYMBOL_TURN);
    EXPECT_EQ(s->GetHandleCursor(5), IDC_SYMBOL_TURN);
    EXPECT_EQ(s->GetHandleCursor(2), IDC_SIZENS);
    EXPECT_EQ(s->GetHandleCursor(8), IDC_SIZEWE);
}

TEST_F(ArdoSymbolTest, EdgeHandlesChangeOneSizeOnly) {
    CArdoSymbol* s = Box();
    s->MoveHandleTo(4, {2500, 1234}, &view);
    ExpectCorner(*s, 1, {2500, 1000}, 0);
    ExpectCorner(*s, 3, {2500, 1500}, 0);
    EXPECT_FLOAT_EQ(s->m_fLength, 1500.0f);
    EXPECT_FLOAT_EQ(s->m_fWidth, 500.0f);
    EXPECT_EQ(s->m_position, CRect(1000, 1000, 2500, 1500));
    EXPECT_TRUE(doc.IsModified());

    s->MoveHandleTo(6, {1700, 1800}, &view);
    ExpectCorner(*s, 2, {1000, 1800}, 0);
    ExpectCorner(*s, 3, {2500, 1800}, 0);
    EXPECT_FLOAT_EQ(s->m_fWidth, 800.0f);

    s->MoveHandleTo(8, {800, 0}, &view);
    ExpectCorner(*s, 0, {800, 1000}, 0);
    ExpectCorner(*s, 2, {800, 1800}, 0);
    EXPECT_FLOAT_EQ(s->m_fLength, 1700.0f);

    s->MoveHandleTo(2, {0, 900}, &view);
    ExpectCorner(*s, 0, {800, 900}, 0);
    ExpectCorner(*s, 1, {2500, 900}, 0);
    EXPECT_FLOAT_EQ(s->m_fWidth, 900.0f);
}

TEST_F(ArdoSymbolTest, CornerHandleTurnsAboutTheOppositeCornerKeepingTheSize) {
    CArdoSymbol* s = Box();
    // c3 relative to c0 is (1000, 500); turned by 90 degrees it is (-500, 1000).
    s->MoveHandleTo(5, {500, 2000}, &view);
    ExpectCorner(*s, 0, {1000, 1000}, 0);
    ExpectCorner(*s, 1, {1000, 2000});
    ExpectCorner(*s, 2, {500, 1000});
    ExpectCorner(*s, 3, {500, 2000});
    EXPECT_NEAR(s->m_u1.x, 0.0, 1e-3);
    EXPECT_NEAR(s->m_u1.y, 1.0, 1e-3);
    EXPECT_NEAR(s->m_fLength, 1000.0f, 1.0f);
    EXPECT_NEAR(s->m_fWidth, 500.0f, 1.0f);
    EXPECT_EQ(s->m_position, s->m_position.Normalized());
}

TEST_F(ArdoSymbolTest, DraggingACornerOntoItselfKeepsTheBox) {
    for (int n : {1, 3, 5, 7}) {
        CArdoSymbol* s = Box();
        const CPoint corner = s->GetHandle(n);
        s->MoveHandleTo(n, corner, &view);
        ExpectCorner(*s, 0, {1000, 1000});
        ExpectCorner(*s, 1, {2000, 1000});
        ExpectCorner(*s, 2, {1000, 1500});
        ExpectCorner(*s, 3, {2000, 1500});
    }
}

TEST_F(ArdoSymbolTest, CornerScalingPutsTheCornerOnTheMouse) {
    CArdoSymbol* s = Box();
    s->m_flags |= CArdoSymbol::kCornerScales;
    s->MoveHandleTo(5, {3000, 2000}, &view);
    ExpectCorner(*s, 3, {3000, 2000}, 0);
    ExpectCorner(*s, 1, {3000, 1000});
    ExpectCorner(*s, 2, {1000, 2000});
    EXPECT_NEAR(s->m_fLength, 2000.0f, 1.0f);
    EXPECT_NEAR(s->m_fWidth, 1000.0f, 1.0f);

    // Level with the pivot, or on it, the step is ignored altogether.
    doc.SetModifiedFlag(false);
    const CArdoSymbol before = *s;
    s->MoveHandleTo(5, {2500, 1000}, &view);
    s->MoveHandleTo(5, {1000, 1000}, &view);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(s->m_corners[i], before.m_corners[i]);
    EXPECT_FLOAT_EQ(s->m_fLength, before.m_fLength);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ArdoSymbolTest, HandleOneKeepsItsPivotForTheWholeDrag) {
    CArdoSymbol* s = Box();
    s->MoveHandleTo(1, {1000, 1000}, &view);
    EXPECT_EQ(s->m_bCapturePivot, 0);
    // Whatever happens to c3 during the drag, the remembered pivot comes back.
    s->m_corners[3] = {9999, 9999};
    s->MoveHandleTo(1, {1100, 900}, &view);
    ExpectCorner(*s, 3, {2000, 1500}, 0);
    // Another handle ends the drag: the next drag of handle 1 captures afresh.
    s->MoveHandleTo(4, s->GetHandle(4), &view);
    EXPECT_EQ(s->m_bCapturePivot, 1);
}

TEST_F(ArdoSymbolTest, DrawFillsTheBoxWithTheLibraryGeometry) {
    CArdoSymbol* s = Adopt(std::make_unique<CArdoSymbol>(CRect(100, 100, 2100, 1100), 0));
    Canvas canvas;
    s->Draw(&canvas.dc, kEverywhere);
    // The frame is not drawn; the rectangle fills the 2000 x 1000 box.
    ASSERT_EQ(canvas.backend.Count(DrawRecord::Kind::Polygon), 1u);
    const std::vector<CPoint> expected{{100, 100}, {2100, 100}, {2100, 1100}, {100, 1100}};
    EXPECT_EQ(canvas.backend.Last(DrawRecord::Kind::Polygon)->points, expected);
    // Drawing works on copies: the library keeps its geometry.
    EXPECT_EQ(doc.LibraryGeometry(0)[1]->m_position, CRect(0, 0, 1000, 500));
}

TEST_F(ArdoSymbolTest, AngleNinetyInTheDialogTurnsAndDrawsTurned) {
    CArdoSymbol* s = Adopt(std::make_unique<CArdoSymbol>(CRect(3000, 3000, 5000, 4000), 0));
    symbolDialogs.edit = [](SymbolDialogValues& v) { v.fAngle = 90.0f; };
    EXPECT_EQ(s->OnEditProperties(&view), 1);
    EXPECT_NEAR(s->m_u1.x, 0.0, 1e-9);
    EXPECT_NEAR(s->m_u1.y, 1.0, 1e-9);
    EXPECT_NEAR(s->m_u2.x, -1.0, 1e-9);
    EXPECT_NEAR(s->m_u2.y, 0.0, 1e-9);
    ExpectCorner(*s, 0, {3000, 3000}, 0);
    ExpectCorner(*s, 1, {3000, 5000}, 0);
    ExpectCorner(*s, 2, {2000, 3000}, 0);
    ExpectCorner(*s, 3, {2000, 5000}, 0);
    EXPECT_TRUE(doc.IsModified());

    Canvas canvas;
    s->Draw(&canvas.dc, kEverywhere);
    ASSERT_EQ(canvas.backend.Count(DrawRecord::Kind::Polygon), 1u);
    const std::vector<CPoint> expected{{3000, 3000}, {3000, 5000}, {2000, 5000}, {2000, 3000}};
    EXPECT_EQ(canvas.backend.Last(DrawRecord::Kind::Polygon)->points, expected);
}

TEST_F(ArdoSymbolTest, DialogShowsDisplayUnitsAndConvertsBack) {
    // New document: 200 units per mm, 1:100, metres. 2000 units are 1 m.
    CArdoSymbol* s = Adopt(std::make_unique<CArdoSymbol>(CRect(3000, 3000, 5000, 4000), 0));
    symbolDialogs.edit = [](SymbolDialogValues& v) {
        v.fLength = 1.5f;
        v.fX = 2.0f;
        v.bDefaultSize = 1;
        v.strNote = "am Fenster";
    };
    s->m_flags = 0xFF;
    s->OnEditProperties(&view);
    const SymbolDialogValues& preset = symbolDialogs.symbolPreset;
    EXPECT_FLOAT_EQ(preset.fLength, 1.0f);
    EXPECT_FLOAT_EQ(preset.fWidth, 0.5f);
    EXPECT_FLOAT_EQ(preset.fX, 1.5f);
    EXPECT_FLOAT_EQ(preset.fY, 1.5f);
    EXPECT_FLOAT_EQ(preset.fDefaultLength, 2.0f);
    EXPECT_FLOAT_EQ(preset.fDefaultWidth, 1.0f);
    EXPECT_FLOAT_EQ(preset.fAngle, 0.0f);
    EXPECT_EQ(preset.strType, "Testtisch");
    EXPECT_EQ(preset.strUnit, "m");
    EXPECT_EQ(preset.bDefaultSize, 1);

    ExpectCorner(*s, 0, {4000, 3000}, 0);
    ExpectCorner(*s, 1, {7000, 3000}, 0);
    EXPECT_FLOAT_EQ(s->m_fLength, 3000.0f);
    EXPECT_EQ(s->m_strNote, "am Fenster");
    // The default size wins over the corner scaling.
    EXPECT_EQ(s->m_flags & 0x14u, 0x10u);
}

TEST_F(ArdoSymbolTest, CancelledDialogChangesNothingButReportsHandled) {
    CArdoSymbol* s = Box();
    symbolDialogs.symbolOk = false;
    EXPECT_EQ(s->OnEditProperties(&view), 1);
    ExpectCorner(*s, 1, {2000, 1000}, 0);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(ArdoSymbolTest, MarkerOpensOnlyTheNoteDialog) {
    CArdoSymbol* s = Box(1);
    symbolDialogs.noteAnswer = "Steckdose fehlt";
    EXPECT_EQ(s->OnEditProperties(&view), 1);
    EXPECT_EQ(symbolDialogs.symbolCalls, 0);
    EXPECT_EQ(symbolDialogs.noteCalls, 1);
    EXPECT_EQ(s->m_strNote, "Steckdose fehlt");
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(ArdoSymbolTest, UnknownIdsAndEmptyFramesDrawNothing) {
    Canvas canvas;
    Adopt(std::make_unique<CArdoSymbol>(CRect(100, 100, 2100, 1100), 99))->Draw(&canvas.dc, kEverywhere);
    Adopt(std::make_unique<CArdoSymbol>(CRect(100, 100, 2100, 1100), 2))->Draw(&canvas.dc, kEverywhere);
    CArdoSymbol loose(CRect(100, 100, 2100, 1100), 0);
    loose.Draw(&canvas.dc, kEverywhere);
    EXPECT_TRUE(canvas.backend.Records().empty());

    // The dialog of an unknown symbol still opens, with no library values.
    CArdoSymbol* unknown = Adopt(std::make_unique<CArdoSymbol>(CRect(100, 100, 2100, 1100), 99));
    symbolDialogs.symbolOk = false;
    unknown->OnEditProperties(&view);
    EXPECT_EQ(symbolDialogs.symbolPreset.strType, "");
}

TEST_F(ArdoSymbolTest, LibraryGeometryFarFromItsOwnBoundsIsSkipped) {
    // A damaged library: bounds inside the frame, but a text's corners and a polygon's point
    // near the end of the coordinate range, where the shift into place would overflow.
    constexpr int32_t kFar = 2147483392;
    auto text = std::make_unique<CArdoText>(CRect(0, 0, 100, 100));
    text->SetText(nullptr, "Kaputt", nullptr);
    for (CPoint& c : text->m_corners) c.x = kFar;
    auto poly = Poly({{0, 0}, {100, 0}, {100, 100}});
    static_cast<CArdoPoly&>(*poly).m_points[1].x = kFar;
    AddToSymbol(doc, Poly({{0, 0}, {1000, 0}, {1000, 500}, {0, 500}}), 28, "Kaputt 2");
    AddToSymbol(doc, std::move(text), -1, "");
    AddToSymbol(doc, std::move(poly), -1, "");
    ASSERT_EQ(doc.SymbolCount(), 4);

    Canvas canvas;
    Adopt(std::make_unique<CArdoSymbol>(CRect(100, 100, 1100, 600), 3))->Draw(&canvas.dc, kEverywhere);
    EXPECT_TRUE(canvas.backend.Records().empty());
}

TEST_F(ArdoSymbolTest, SymbolsInsideALibrarySymbolDrawOneLevelDeepAndStayPut) {
    // A symbol stored from a selection that held a placed symbol of its own entry.
    auto inner = std::make_unique<CArdoSymbol>(CRect(0, 0, 1000, 500), 3);
    CArdoSymbol* innerPtr = inner.get();
    AddToSymbol(doc, Poly({{0, 0}, {1000, 0}, {1000, 500}, {0, 500}}), 28, "Gruppe");
    AddToSymbol(doc, std::move(inner), -1, "");
    AddToSymbol(doc, Poly({{0, 0}, {1000, 0}, {1000, 500}}), -1, "");
    ASSERT_EQ(doc.SymbolCount(), 4);

    Canvas canvas;
    Adopt(std::make_unique<CArdoSymbol>(CRect(100, 100, 1100, 600), 3))->Draw(&canvas.dc, kEverywhere);
    // The triangle of entry 3, and once more through the nested symbol; no deeper.
    EXPECT_EQ(canvas.backend.Count(DrawRecord::Kind::Polygon), 2u);
    EXPECT_EQ(innerPtr->m_position, CRect(0, 0, 1000, 500));
}

TEST_F(ArdoSymbolTest, DefaultSizeIsTakenAtDrawing) {
    CArdoSymbol* s = Box();
    s->m_flags |= CArdoSymbol::kDefaultSize;
    Canvas canvas;
    s->Draw(&canvas.dc, kEverywhere);
    // 2000 mm x 1000 mm at 200 units per mm and 1:100.
    EXPECT_FLOAT_EQ(s->m_fLength, 4000.0f);
    EXPECT_FLOAT_EQ(s->m_fWidth, 2000.0f);
    EXPECT_EQ(s->m_position, CRect(1000, 1500, 2000, 1000));
    ExpectCorner(*s, 1, {2000, 1000}, 0);
}

TEST_F(ArdoSymbolTest, CloneTakesThePlaceAndTheSourceStepsAside) {
    CArdoSymbol* s = Box();
    s->m_strNote = "Original";
    s->m_flags = 0x1B;
    const size_t before = doc.Objects().size();
    auto* copy = static_cast<CArdoSymbol*>(doc.AddObject(s->Clone()));
    ASSERT_EQ(doc.Objects().size(), before + 1);
    EXPECT_EQ(doc.Objects().back().get(), copy);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(copy->m_corners[i], (CArdoSymbol(CRect(1000, 1000, 2000, 1500), 0).m_corners[i]));
    EXPECT_EQ(copy->m_strNote, "");
    EXPECT_EQ(copy->m_flags, 0x1Bu);
    EXPECT_EQ(copy->GetSymbolId(), 0);
    // A fifth of 1000 x 500.
    ExpectCorner(*s, 0, {1200, 1100}, 0);
    EXPECT_EQ(s->m_position, CRect(1200, 1100, 2200, 1600));
}

TEST_F(ArdoSymbolTest, RecordRoundTrip) {
    CArdoSymbol* s = Box();
    s->m_strNote = "Ecke";
    s->m_flags = 0x1B;
    symbolDialogs.edit = [](SymbolDialogValues& v) { v.fAngle = 30.0f; };
    s->OnEditProperties(&view);
    s->m_strNote = "Ecke";

    const std::vector<uint8_t> bytes = objtest::RecordOf(*s);
    EXPECT_EQ(bytes.size(), 48u + 2 + 5 + 32 + 8 + 4 + 32);
    CArdoSymbol back;
    objtest::ReadRecord(back, bytes, &doc);
    EXPECT_EQ(back.m_strNote, "Ecke");
    EXPECT_EQ(back.GetSymbolId(), 0);
    EXPECT_EQ(back.m_flags, 0x1Bu);
    EXPECT_EQ(back.m_u1, s->m_u1);
    EXPECT_EQ(back.m_u2, s->m_u2);
    EXPECT_EQ(back.m_fLength, s->m_fLength);
    EXPECT_EQ(back.m_fWidth, s->m_fWidth);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(back.m_corners[i], s->m_corners[i]);
    EXPECT_EQ(back.m_position, s->m_position);
    EXPECT_EQ(back.m_bCapturePivot, 1);
    EXPECT_FLOAT_EQ(back.m_fDiagLength, s->m_fDiagLength);
}

TEST_F(ArdoSymbolTest, RecordWithUndefinedAxesIsRebuiltFromTheCorners) {
    CArdoSymbol* s = Box();
    s->m_u1 = {NAN, NAN};
    s->m_u2 = {0, 0};
    s->m_fLength = INFINITY;
    CArdoSymbol back;
    objtest::ReadRecord(back, objtest::RecordOf(*s), &doc);
    EXPECT_EQ(back.m_u1, (CArdoSymbol::Vec{1, 0}));
    EXPECT_EQ(back.m_u2, (CArdoSymbol::Vec{0, 1}));
    EXPECT_FLOAT_EQ(back.m_fLength, 1000.0f);
}

TEST_F(ArdoSymbolTest, IntersectsTheTurnedBoxNotItsBounds) {
    CArdoSymbol* s = Adopt(std::make_unique<CArdoSymbol>(CRect(3000, 3000, 5000, 4000), 0));
    symbolDialogs.edit = [](SymbolDialogValues& v) { v.fAngle = 45.0f; };
    s->OnEditProperties(&view);
    const CPoint centre{(s->m_corners[0].x + s->m_corners[3].x) / 2, (s->m_corners[0].y + s->m_corners[3].y) / 2};
    EXPECT_TRUE(s->Intersects(CRect(centre.x - 1, centre.y - 1, centre.x + 1, centre.y + 1)));
    // Just right of c0: inside the bounds, outside the turned box.
    const CPoint beside{s->m_corners[0].x + 300, s->m_corners[0].y + 10};
    EXPECT_TRUE(s->m_position.PtInRect(beside));
    EXPECT_FALSE(s->Intersects(CRect(beside.x - 1, beside.y - 1, beside.x + 1, beside.y + 1)));
}

TEST_F(ArdoSymbolTest, MovingShiftsAllCorners) {
    CArdoSymbol* s = Box();
    s->MoveTo(CRect(1100, 900, 2100, 1400), &view, 0);
    ExpectCorner(*s, 0, {1100, 900}, 0);
    ExpectCorner(*s, 3, {2100, 1400}, 0);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    s->MoveTo(CRect(0, 0, 1000, 500), nullptr, 1);
    ExpectCorner(*s, 0, {0, 0}, 0);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
