// The symbol library: reading Kovel.sym into the table (and refusing damaged files), adding
// and deleting symbols, the listing, and the library the program ships.
#include "DocTestSupport.h"

#include "document/SymbolListing.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoSymbol.h"
#include "objects/ObjectClasses.h"
#include "platform/Archive.h"
#include "platform/RecordingBackend.h"

#include <map>

namespace {

using doctest::ByteBuilder;
using doctest::Bytes;

std::unique_ptr<CArdoObj> Poly(std::initializer_list<CPoint> pts, bool line = false) {
    std::unique_ptr<CArdoPoly> poly;
    if (line)
        poly = std::make_unique<CArdoPolyline>(CRect());
    else
        poly = std::make_unique<CArdoPoly>(CRect());
    for (CPoint p : pts) poly->AddPointSilent(p);
    poly->RecalcBounds(nullptr);
    return poly;
}

// A library of two symbols: a table (frame and a polyline) and a marker (frame only).
Bytes SmallLibrary(int current = -1) {
    std::vector<ObjectList> geometry(2);
    geometry[0].push_back(Poly({{0, 0}, {800, 0}, {800, 400}, {0, 400}}));
    geometry[0].push_back(Poly({{0, 0}, {800, 400}}, true));
    geometry[1].push_back(Poly({{0, 0}, {300, 0}, {300, 300}}));
    const std::vector<SymbolInfo> info{{28, "Tisch", 11, 800, 400}, {27, "Marker", 8, 300, 300}};
    Bytes bytes;
    CArchive ar(bytes);
    WriteSymbolLibrary(ar, geometry, info, current);
    return bytes;
}

// A library of n symbols with empty geometry lists, hand-made.
Bytes EmptyEntries(uint16_t n) {
    ByteBuilder b;
    b.Word(n).Word(0xFFFF);
    for (int i = 0; i < n; ++i) b.Word(0);
    for (int i = 0; i < n; ++i) b.Word(28).String("x").DWord(0).Long(1).Long(1);
    return b.bytes();
}

bool TableIsEmpty(const CArdoDoc& doc) {
    for (int i = 0; i < kMaxSymbols; ++i)
        if (!doc.LibraryGeometry(i).empty()) return false;
    return doc.SymbolCount() == 0 && doc.CurrentSymbol() == -1 && doc.SymbolEntry(0).strDescription.empty();
}

class SymbolLibraryTest : public doctest::DocTest {
protected:
    void SetUp() override {
        DocTest::SetUp();
        RegisterDrawingObjectClasses();
    }
    // Writes bytes to a library file and loads it into doc.
    bool LoadBytes(const Bytes& bytes) {
        const std::string path = dir.File("Kovel.sym");
        doctest::WriteFile(path, bytes);
        return LoadSymbolLibraryFrom(doc, path);
    }
    doctest::TempDir dir;
    CArdoDoc doc;
};

TEST_F(SymbolLibraryTest, LoadsGeometryAndRecords) {
    ASSERT_TRUE(LoadBytes(SmallLibrary()));
    EXPECT_EQ(doc.SymbolsLoaded(), 1);
    EXPECT_EQ(doc.SymbolCount(), 2);
    EXPECT_EQ(doc.CurrentSymbol(), -1);  // stored as 0xFFFF
    ASSERT_EQ(doc.LibraryGeometry(0).size(), 2u);
    EXPECT_EQ(doc.LibraryGeometry(0)[0]->GetRuntimeClass(), RUNTIME_CLASS(CArdoPoly));
    EXPECT_EQ(doc.LibraryGeometry(0)[1]->GetRuntimeClass(), RUNTIME_CLASS(CArdoPolyline));
    EXPECT_EQ(doc.LibraryGeometry(0)[0]->m_position, CRect(0, 0, 800, 400));
    EXPECT_EQ(doc.LibraryGeometry(0)[1]->GetDocument(), &doc);
    EXPECT_EQ(doc.LibraryGeometry(1).size(), 1u);
    EXPECT_EQ(doc.SymbolEntry(0).nClass, 28);
    EXPECT_EQ(doc.SymbolEntry(0).strDescription, "Tisch");
    EXPECT_EQ(doc.SymbolEntry(0).nFlags, 11u);
    EXPECT_EQ(doc.SymbolEntry(0).nLength, 800);
    EXPECT_EQ(doc.SymbolEntry(1).nWidth, 300);
    EXPECT_TRUE(services().messages.Calls().empty());

    // The table written back gives the same bytes.
    EXPECT_EQ(WriteSymbolLibrary(doc), SmallLibrary());
}

TEST_F(SymbolLibraryTest, ChosenEntryOnlyWhenInTheTable) {
    ASSERT_TRUE(LoadBytes(SmallLibrary(1)));
    EXPECT_EQ(doc.CurrentSymbol(), 1);

    CArdoDoc other;
    Bytes bytes = SmallLibrary();
    bytes[2] = 7;  // chosen entry 7 of 2
    bytes[3] = 0;
    doctest::WriteFile(dir.File("b.sym"), bytes);
    ASSERT_TRUE(LoadSymbolLibraryFrom(other, dir.File("b.sym")));
    EXPECT_EQ(other.CurrentSymbol(), -1);
}

TEST_F(SymbolLibraryTest, EmptyLibraryLoads) {
    EXPECT_TRUE(LoadBytes(EmptyEntries(0)));
    EXPECT_EQ(doc.SymbolsLoaded(), 1);
    EXPECT_EQ(doc.SymbolCount(), 0);
}

TEST_F(SymbolLibraryTest, FullTableLoadsAndALargerOneIsDamaged) {
    ASSERT_TRUE(LoadBytes(EmptyEntries(512)));
    EXPECT_EQ(doc.SymbolCount(), 512);

    CArdoDoc other;
    doctest::WriteFile(dir.File("big.sym"), EmptyEntries(513));
    EXPECT_FALSE(LoadSymbolLibraryFrom(other, dir.File("big.sym")));
    EXPECT_EQ(other.SymbolsLoaded(), 0);
    EXPECT_TRUE(TableIsEmpty(other));
    ASSERT_NE(services().messages.LastCall(), nullptr);
    EXPECT_EQ(services().messages.LastCall()->text, "Unerwartetes Dateiformat.");
}

TEST_F(SymbolLibraryTest, EveryTruncationIsRefusedAndLeavesTheTableEmpty) {
    const Bytes full = SmallLibrary();
    for (size_t n = 0; n < full.size(); ++n) {
        const Bytes part(full.begin(), full.begin() + std::ptrdiff_t(n));
        EXPECT_THROW(ReadSymbolLibrary(doc, part), CArchiveException) << "length " << n;
        EXPECT_TRUE(TableIsEmpty(doc)) << "length " << n;
    }
}

TEST_F(SymbolLibraryTest, CountsBeyondTheFileFailBeforeAllocating) {
    // 500 entries announced, nothing behind them.
    const Bytes bytes = ByteBuilder().Word(500).Word(0).bytes();
    try {
        ReadSymbolLibrary(doc, bytes);
        FAIL() << "accepted";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
    // A geometry list claiming 60000 objects in a short file.
    const Bytes list = ByteBuilder().Word(1).Word(0).Word(60000).Word(0).bytes();
    EXPECT_THROW(ReadSymbolLibrary(doc, list), CArchiveException);
    EXPECT_TRUE(TableIsEmpty(doc));
}

TEST_F(SymbolLibraryTest, GeometryOfAnUnknownClassOrListedTwiceIsDamaged) {
    const Bytes unknown = ByteBuilder().Word(1).Word(0).Word(1).NewClass("CNoSuchClass").bytes();
    EXPECT_THROW(ReadSymbolLibrary(doc, unknown), CArchiveException);
    // Entry 1 lists the object of entry 0 again (reference to index 2).
    ByteBuilder b;
    b.Word(2).Word(0xFFFF).Word(1).NewClass("CArdoPoly").BaseRecord(0, 0, 10, 10).Word(0).Word(0);
    b.Word(1).Word(2);
    EXPECT_THROW(ReadSymbolLibrary(doc, b.bytes()), CArchiveException);
    EXPECT_TRUE(TableIsEmpty(doc));
}

TEST_F(SymbolLibraryTest, MissingFileFailsSilentlyAndLoadingTwiceReadsOnce) {
    EXPECT_FALSE(LoadSymbolLibraryFrom(doc, dir.File("none.sym")));
    EXPECT_EQ(doc.SymbolsLoaded(), 0);
    EXPECT_TRUE(services().messages.Calls().empty());
    EXPECT_FALSE(LoadSymbolLibrary(doc));  // the fixture points at no library

    ASSERT_TRUE(LoadBytes(SmallLibrary()));
    doctest::WriteFile(dir.File("Kovel.sym"), EmptyEntries(0));
    EXPECT_TRUE(LoadSymbolLibraryFrom(doc, dir.File("Kovel.sym")));
    EXPECT_EQ(doc.SymbolCount(), 2);
}

TEST_F(SymbolLibraryTest, DamagedLibraryNeverFailsTheDocument) {
    doctest::WriteFile(dir.File("Kovel.sym"), Bytes{0x02, 0x00, 0xFF});
    SetSymbolLibraryPath(dir.File("Kovel.sym"));
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(doc.SymbolsLoaded(), 0);
    EXPECT_TRUE(TableIsEmpty(doc));
    EXPECT_EQ(services().messages.Calls().size(), 1u);
}

TEST_F(SymbolLibraryTest, AddToSymbolStartsAndContinuesEntries) {
    EXPECT_EQ(AddToSymbol(doc, Poly({{0, 0}, {10, 0}, {10, 10}}), 28, "Regal"), nullptr);
    EXPECT_EQ(AddToSymbol(doc, Poly({{1, 1}, {5, 5}}, true), -1, ""), nullptr);
    EXPECT_EQ(AddToSymbol(doc, Poly({{2, 2}, {6, 6}}, true), -1, ""), nullptr);
    EXPECT_EQ(doc.SymbolCount(), 1);
    ASSERT_EQ(doc.LibraryGeometry(0).size(), 3u);
    EXPECT_EQ(doc.LibraryGeometry(0)[2]->GetDocument(), &doc);
    EXPECT_EQ(doc.SymbolEntry(0).nClass, 28);
    EXPECT_EQ(doc.SymbolEntry(0).strDescription, "Regal");
    EXPECT_EQ(doc.SymbolEntry(0).nFlags, 0u);
    EXPECT_EQ(doc.SymbolEntry(0).nLength, 0);
}

TEST_F(SymbolLibraryTest, AddToSymbolRefusesWhenFullOrWithNothingToContinue) {
    // A continuation without an entry is handed back.
    EXPECT_NE(AddToSymbol(doc, Poly({{0, 0}, {1, 1}}, true), -1, ""), nullptr);
    EXPECT_EQ(doc.SymbolCount(), 0);

    for (int i = 0; i < 511; ++i) ASSERT_EQ(AddToSymbol(doc, Poly({{0, 0}, {1, 1}}, true), 28, "Tisch"), nullptr);
    EXPECT_NE(AddToSymbol(doc, Poly({{0, 0}, {1, 1}}, true), 30, "Spüle"), nullptr);
    EXPECT_EQ(doc.SymbolCount(), 512);
    EXPECT_NE(AddToSymbol(doc, Poly({{0, 0}, {1, 1}}, true), -1, ""), nullptr);
    EXPECT_NE(AddToSymbol(doc, Poly({{0, 0}, {1, 1}}, true), 31, "WC"), nullptr);
    EXPECT_EQ(doc.SymbolCount(), 512);
    EXPECT_TRUE(doc.LibraryGeometry(511).empty());
}

TEST_F(SymbolLibraryTest, DeleteCurrentSymbolMarksTheEntryAndKeepsTheOthers) {
    ASSERT_TRUE(LoadBytes(SmallLibrary()));
    DeleteCurrentSymbol(doc);  // none chosen
    EXPECT_EQ(doc.DeletedSymbolCount(), 0);

    doc.SetCurrentSymbol(0);
    DeleteCurrentSymbol(doc);
    DeleteCurrentSymbol(doc);
    EXPECT_EQ(doc.SymbolEntry(0).nClass, kDeletedSymbolClass);
    EXPECT_TRUE(doc.LibraryGeometry(0).empty());
    EXPECT_EQ(doc.DeletedSymbolCount(), 2);
    EXPECT_EQ(doc.SymbolCount(), 2);
    EXPECT_EQ(doc.SymbolEntry(1).strDescription, "Marker");
    EXPECT_EQ(doc.LibraryGeometry(1).size(), 1u);
}

TEST_F(SymbolLibraryTest, ListingNamesKeysAndFlags) {
    ASSERT_TRUE(LoadBytes(SmallLibrary()));
    const auto entries = ListSymbols(doc);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].strKey, "Wohnen");
    EXPECT_EQ(entries[0].nObjects, 2);
    EXPECT_EQ(entries[1].strKey, "Marker");
    EXPECT_EQ(SymbolKeyName(34), "Anschlüsse");
    EXPECT_EQ(SymbolKeyName(23), "Baum");
    EXPECT_EQ(SymbolKeyName(35), "");
    EXPECT_EQ(SymbolFlagsText(11), "Länge Breite Drehen");
    EXPECT_EQ(SymbolFlagsText(0), "-");
    const std::string text = FormatSymbolListing(entries);
    EXPECT_NE(text.find("\"Tisch\""), std::string::npos);
    EXPECT_NE(text.find("800 x 400 mm"), std::string::npos);
}

// --- the shipped library --------------------------------------------------------------------

std::string ShippedLibraryPath() {
#ifdef KOVEL_SHIPPED_SYMBOL_LIBRARY
    return KOVEL_SHIPPED_SYMBOL_LIBRARY;
#else
    return "Kovel.sym";
#endif
}

TEST_F(SymbolLibraryTest, ShippedLibraryHasTheRoomGroupsPopulated) {
    ASSERT_TRUE(LoadSymbolLibraryFrom(doc, ShippedLibraryPath())) << ShippedLibraryPath();
    EXPECT_GE(doc.SymbolCount(), 80);
    std::map<int, int> perKey;
    for (int i = 0; i < doc.SymbolCount(); ++i) ++perKey[doc.SymbolEntry(i).nClass];
    for (int key = 28; key <= 34; ++key) EXPECT_GE(perKey[key], 6) << SymbolKeyName(key);
    EXPECT_GE(perKey[27], 2);
    for (int key = 17; key <= 26; ++key) EXPECT_GE(perKey[key], 1) << SymbolKeyName(key);
}

TEST_F(SymbolLibraryTest, ShippedSymbolsAreFramedPolygonsThatDraw) {
    ASSERT_TRUE(LoadSymbolLibraryFrom(doc, ShippedLibraryPath()));
    for (int i = 0; i < doc.SymbolCount(); ++i) {
        const SymbolInfo& info = doc.SymbolEntry(i);
        const ObjectList& geometry = doc.LibraryGeometry(i);
        ASSERT_GE(geometry.size(), 2u) << info.strDescription;
        EXPECT_EQ(geometry[0]->m_position, CRect(0, 0, info.nLength * 10, info.nWidth * 10)) << info.strDescription;
        for (const auto& obj : geometry) EXPECT_TRUE(obj->IsKindOf(RUNTIME_CLASS(CArdoPoly))) << info.strDescription;
        EXPECT_FALSE(info.strDescription.empty());
        EXPECT_TRUE(info.nFlags & 8) << info.strDescription << " cannot be turned";

        // Placed at its default size, the symbol draws its geometry inside its box.
        const float factor = doc.UnitsPerMm() / doc.Scale();
        const int w = int(float(info.nLength) * factor), h = int(float(info.nWidth) * factor);
        CArdoSymbol symbol(CRect(1000, 1000, 1000 + w, 1000 + h), i);
        symbol.SetDocument(&doc);
        RecordingBackend backend;
        CDC dc(backend);
        symbol.Draw(&dc, CRect(0, 0, 30000, 30000));
        EXPECT_GE(backend.Records().size(), geometry.size() - 1) << info.strDescription;
        for (const DrawRecord& r : backend.Records())
            for (CPoint p : r.points) {
                EXPECT_GE(p.x, 999);
                EXPECT_LE(p.x, 1001 + w);
                EXPECT_GE(p.y, 999);
                EXPECT_LE(p.y, 1001 + h);
            }
    }
}

}  // namespace
