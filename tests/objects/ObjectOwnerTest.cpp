// Objects in an owner that is not a document: everything they need of their document goes
// through ObjectOwner.
#include "objects/ArdoRect.h"
#include "objects/ArdoSymbol.h"
#include "objects/MeasureDrawing.h"
#include "objects/ObjectOwner.h"
#include "objects/SymbolInfo.h"
#include "platform/RecordingBackend.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CRect kEverywhere(-1000000, -1000000, 1000000, 1000000);

class FakeOwner : public ObjectOwner {
public:
    float unitsPerMm = 10.0f;
    float scale = 100.0f;
    int divisor = 100;
    std::string unit = "cm";
    int dimTextHeight = 5;
    COLORREF line = 0, fill = 0;
    int bFill = -1, lineWidth = -1;
    std::vector<SymbolInfo> library;
    std::vector<ObjectList> geometry;
    std::vector<CArdoObj*> redrawn;
    int modified = 0;

    float UnitsPerMm() const override { return unitsPerMm; }
    float Scale() const override { return scale; }
    int UnitDivisor() const override { return divisor; }
    std::string UnitName() const override { return unit; }
    int PixelSize() const override { return 1; }
    int DimTextHeight() const override { return dimTextHeight; }
    void SetDimTextHeight(int height) override { dimTextHeight = height; }
    int FileVersion() const override { return 23; }
    void SetCurrentLineColor(COLORREF color) override { line = color; }
    void SetCurrentFillColor(COLORREF color) override { fill = color; }
    void SetCurrentFill(int b) override { bFill = b; }
    void SetCurrentLineWidth(int width) override { lineWidth = width; }
    LOGFONT TextFont() const override { return {}; }
    COLORREF TextColor() const override { return 0; }
    void SetTextFont(const LOGFONT&, COLORREF) override {}
    const SymbolInfo* LibrarySymbol(int id) const override {
        return id >= 0 && id < int(library.size()) ? &library[id] : nullptr;
    }
    const ObjectList& LibraryGeometry(int id) const override { return geometry.at(id); }
    void RedrawObject(CArdoObj* obj) override { redrawn.push_back(obj); }
    void MarkModified(const CArdoObj&) override { ++modified; }
    int16_t InitialTextHeight() const override { return -9; }
    void SetInitialTextHeight(int16_t) override {}
};

TEST(ObjectOwnerTest, SettersMakeTheirValuesCurrentRedrawAndMarkModified) {
    FakeOwner owner;
    CArdoRect rect(CRect(0, 100, 100, 0), SHAPE_RECTANGLE);
    rect.SetDocument(&owner);
    rect.SetLineColor(RGB(1, 2, 3));
    rect.SetFillColor(RGB(4, 5, 6));
    rect.SetFilled(0);
    rect.SetLineWidth(7);
    EXPECT_EQ(owner.line, RGB(1, 2, 3));
    EXPECT_EQ(owner.fill, RGB(4, 5, 6));
    EXPECT_EQ(owner.bFill, 0);
    EXPECT_EQ(owner.lineWidth, 7);
    EXPECT_EQ(owner.redrawn, (std::vector<CArdoObj*>(4, &rect)));
    EXPECT_GE(owner.modified, 4);

    // The silent setters change the object and the modified flag only.
    owner.redrawn.clear();
    rect.SetLineColorSilent(RGB(9, 9, 9));
    EXPECT_EQ(owner.line, RGB(1, 2, 3));
    EXPECT_TRUE(owner.redrawn.empty());
}

TEST(ObjectOwnerTest, ACloneBelongsToNoOwnerUntilItIsAdded) {
    FakeOwner owner;
    CArdoRect rect(CRect(0, 100, 100, 0), SHAPE_ELLIPSE);
    rect.SetDocument(&owner);
    rect.m_logpen.lopnColor = RGB(10, 20, 30);
    const std::unique_ptr<CArdoObj> clone = rect.Clone();
    EXPECT_EQ(clone->m_logpen.lopnColor, RGB(10, 20, 30));
    EXPECT_EQ(clone->GetDocument(), nullptr);
}

TEST(ObjectOwnerTest, MeasuresAreLabelledInTheOwnersScaleAndUnit) {
    FakeOwner owner;  // 1:100, 10 units per mm, centimetres: 0.1 cm per unit
    RecordingBackend backend;
    CDC dc{backend};
    CArdoRect area(CRect(0, 0, 300, 400), SHAPE_DIMRECT);
    area.SetDocument(&owner);
    measure::DrawRectMeasure(area, &dc);
    const DrawRecord* text = backend.Last(DrawRecord::Kind::TextOut);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "1200.00 cm\u00B2");
    EXPECT_EQ(text->style.font.lf.lfHeight, 50);  // 5 mm of paper

    owner.unit = std::string(1, 'm');  // not = "m", on which GCC 12 warns falsely
    owner.divisor = 1000;
    owner.dimTextHeight = 2;
    backend.Clear();
    measure::DrawRectMeasure(area, &dc);
    text = backend.Last(DrawRecord::Kind::TextOut);
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text, "12.00 m\u00B2");
    EXPECT_EQ(text->style.font.lf.lfHeight, 20);
}

TEST(ObjectOwnerTest, ASymbolDrawsOnlyWhatTheOwnersLibraryHolds) {
    FakeOwner owner;
    RecordingBackend backend;
    CDC dc{backend};
    CArdoSymbol symbol(CRect(0, 100, 100, 0), 0);
    symbol.SetDocument(&owner);
    symbol.Draw(&dc, kEverywhere);
    EXPECT_TRUE(backend.Records().empty());

    // An entry with its frame and one rectangle in it: the rectangle is drawn.
    owner.library.resize(1);
    owner.geometry.resize(1);
    owner.geometry[0].emplace_back(new CArdoRect(CRect(0, 100, 100, 0), SHAPE_RECTANGLE));
    owner.geometry[0].emplace_back(new CArdoRect(CRect(10, 90, 90, 10), SHAPE_RECTANGLE));
    symbol.Draw(&dc, kEverywhere);
    EXPECT_FALSE(backend.Records().empty());
}

}  // namespace
