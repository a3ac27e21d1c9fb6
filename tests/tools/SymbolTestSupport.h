// A tool fixture with a small symbol library in the document and a palette that records
// what the symbol commands ask of it.
#pragma once

#include "ToolTestSupport.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoSymbol.h"
#include "tools/SymbolCommands.h"
#include "tools/SymbolPalette.h"
#include "tools/SymbolTool.h"

#include <string>
#include <vector>

namespace tooltest {

// A closed polygon over the rectangle's corners, in library units.
inline std::unique_ptr<CArdoObj> PolygonOver(const CRect& r) {
    auto poly = std::make_unique<CArdoPoly>(r);
    poly->AddPointSilent({r.left, r.top});
    poly->AddPointSilent({r.right, r.top});
    poly->AddPointSilent({r.right, r.bottom});
    poly->AddPointSilent({r.left, r.bottom});
    poly->RecalcBounds(nullptr);
    return poly;
}

class RecordingPalette : public ISymbolPalette {
public:
    void Fill(CArdoDoc& doc, const std::vector<int>& indexes) override {
        filledDoc = &doc;
        filled = indexes;
    }
    void Show() override {
        ++shows;
        if (filledDoc) filledDoc->SetCurrentSymbol(-1);
    }
    void Hide() override { ++hides; }
    void ForgetDocument(const CArdoDoc&) override {}

    CArdoDoc* filledDoc = nullptr;
    std::vector<int> filled;
    int shows = 0;
    int hides = 0;
};

class SymbolFixture : public ToolFixture {
protected:
    void SetUp() override {
        ToolFixture::SetUp();
        tools.SetPalette(&palette);
        doc->SetSymbolsLoaded(1);
    }
    void TearDown() override {
        tools.SetPalette(nullptr);
        ToolFixture::TearDown();
    }

    // A library entry of the key with its default size in mm; its frame spans the size in
    // tenths of a millimetre and holds the given strokes (default: the left half).
    int AddLibrarySymbol(int key, int lengthMm, int widthMm, const std::string& name = "Symbol",
                         std::vector<CRect> strokes = {}) {
        const CRect frame(0, 0, lengthMm * 10, widthMm * 10);
        if (strokes.empty()) strokes.push_back(CRect(0, 0, frame.right / 2, frame.bottom));
        const int index = doc->SymbolCount();
        EXPECT_EQ(AddToSymbol(*doc, PolygonOver(frame), key, name), nullptr);
        for (const CRect& r : strokes) EXPECT_EQ(AddToSymbol(*doc, PolygonOver(r), -1, ""), nullptr);
        {
            SymbolInfo entry = doc->SymbolEntry(index);
            entry.nLength = lengthMm;
            entry.nWidth = widthMm;
            doc->SetSymbolEntry(index, entry);
        }
        return index;
    }
    CArdoSymbol* LastSymbol() const { return LastAs<CArdoSymbol>(); }
    CRect PaperRect() const { return CRect(0, 0, doc->Extent().cx, doc->Extent().cy); }

    RecordingPalette palette;
};

}  // namespace tooltest
