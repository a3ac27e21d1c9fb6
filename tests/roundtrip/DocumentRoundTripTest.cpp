// Every document the program writes reads back equal: each sample document and plan, and
// documents built here with objects of every class, are opened, saved, opened again and
// saved again. Both saves must give the same bytes and the two opened documents the same
// settings and object records; a document written by this version must also save back to
// exactly the bytes it was read from.
#include "document/ArdoDoc.h"
#include "document/DocumentFormats.h"
#include "document/SymbolLibrary.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoSymbol.h"
#include "objects/ArdoText.h"
#include "plan/FileReaders.h"
#include "platform/Archive.h"
#include "platform/MemoryServices.h"
#include "platform/Services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

Bytes ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// What a document holds, one line per setting and per object (class, bounds and the bytes of
// its record), so a difference shows where it is.
std::vector<std::string> Describe(CArdoDoc& doc) {
    std::vector<std::string> lines;
    std::ostringstream head;
    head << "version " << doc.FileVersion() << " scale " << doc.Scale() << " '" << doc.ScaleText() << "' unit "
         << doc.UnitDivisor() << " origin " << doc.OriginX() << "," << doc.OriginY() << " grid " << doc.GridX() << ","
         << doc.GridY() << " colour " << doc.GridColor() << " auto " << doc.GridAutoAdjust() << " dim "
         << doc.DimTextHeight() << " paper " << doc.PaperSize().cx << "x" << doc.PaperSize().cy << " extent "
         << doc.Extent().cx << "x" << doc.Extent().cy << " units/mm " << doc.UnitsPerMm();
    lines.push_back(head.str());
    for (const ObjectList* list : {&doc.Background(), &doc.Objects()}) {
        lines.push_back(list == &doc.Background() ? "background" : "foreground");
        for (const auto& obj : *list) {
            Bytes record;
            CArchive ar(record);
            ar.m_pDocument = static_cast<ObjectOwner*>(&doc);
            obj->Serialize(ar);
            std::ostringstream line;
            const CRect& r = obj->m_position;
            line << obj->GetRuntimeClass()->m_lpszClassName << " " << r.left << "," << r.top << "," << r.right << ","
                 << r.bottom << " :";
            for (uint8_t b : record) line << " " << int(b);
            lines.push_back(line.str());
        }
    }
    return lines;
}

void ExpectSameDescription(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    ASSERT_EQ(a.size(), b.size()) << "the documents hold different numbers of objects";
    for (size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a[i], b[i]) << "first difference at line " << i;
}

class RoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetAppServices();
        DefaultMemoryServices().Clear();
        SetSymbolLibraryPath("/nonexistent/Kovel.sym");  // placed symbols keep their records
        dir = fs::temp_directory_path() / ("kovel-roundtrip-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override {
        SetSymbolLibraryPath("");
        std::error_code ec;
        fs::remove_all(dir, ec);
    }

    // Saves doc as the program does, opens the file, saves that again: both files must be
    // byte for byte the same and both documents must hold the same. Returns the first save.
    // The readers the program opens files with.
    static const DocumentFormats& Formats() {
        static DocumentFormats formats;
        static const bool filled = (AddFileReaders(formats), true);
        (void)filled;
        return formats;
    }

    Bytes CheckRoundTrip(CArdoDoc& doc) {
        const fs::path first = dir / "first.cpr";
        const fs::path second = dir / "second.cpr";
        EXPECT_TRUE(doc.OnSaveDocument(first.string()));
        CArdoDoc reread;
        EXPECT_TRUE(reread.OnOpenDocument(first.string(), Formats()));
        EXPECT_TRUE(reread.OnSaveDocument(second.string()));
        EXPECT_TRUE(DefaultMemoryServices().messages.Calls().empty()) << "a message was shown";
        const Bytes firstBytes = ReadBytes(first);
        EXPECT_FALSE(firstBytes.empty());
        EXPECT_TRUE(firstBytes == ReadBytes(second)) << "saving the reread document gives other bytes";
        ExpectSameDescription(Describe(doc), Describe(reread));
        return firstBytes;
    }

    fs::path dir;
};

// --- the sample documents and plans --------------------------------------------------------

const fs::path kSourceDir = KOVEL_SOURCE_DIR;

std::vector<std::string> SampleFiles() {
    std::vector<std::string> files = {
        (kSourceDir / "docs/samples/furnished-apartment.cpr").string(),
        // Documents of every object class, and an older version that is saved as the current one.
        (kSourceDir / "fuzz/corpus/document/every-class.cpr").string(),
        (kSourceDir / "fuzz/corpus/document/text-and-symbol.cpr").string(),
        (kSourceDir / "fuzz/corpus/document/version1-text-resaved.cpr").string(),
    };
    for (const fs::path& folder : {kSourceDir / "tests/data/realplans", fs::path(KOVEL_SAMPLE_PLANS_DIR)}) {
        std::vector<std::string> plans;
        for (const auto& entry : fs::directory_iterator(folder))
            if (entry.path().extension() == ".cap") plans.push_back(entry.path().string());
        std::sort(plans.begin(), plans.end());
        files.insert(files.end(), plans.begin(), plans.end());
    }
    return files;
}

class SampleRoundTripTest : public RoundTripTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(SampleRoundTripTest, SavesWhatItReads) {
    const fs::path path = GetParam();
    ASSERT_TRUE(fs::exists(path)) << path;
    CArdoDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string(), Formats()));
    ASSERT_FALSE(doc.Objects().empty() && doc.Background().empty()) << "nothing read from " << path;
    const Bytes saved = CheckRoundTrip(doc);
    // A document file of the current version comes back unchanged.
    const Bytes original = ReadBytes(path);
    if (path.extension() == ".cpr" && original.size() >= 6 && original[4] == 23 && original[5] == 0) {
        EXPECT_TRUE(saved == original) << "saving changed the bytes of " << path;
    }
}

std::string SampleName(const ::testing::TestParamInfo<std::string>& info) {
    std::string name = fs::path(info.param).stem().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleRoundTripTest, ::testing::ValuesIn(SampleFiles()), SampleName);

// --- documents built here ------------------------------------------------------------------

template <class Poly>
std::unique_ptr<Poly> WithPoints(std::unique_ptr<Poly> poly, std::initializer_list<CPoint> points) {
    for (CPoint p : points) poly->AddPointSilent(p);
    poly->RecalcBounds(nullptr);
    return poly;
}

// One object of every class and shape, with attributes away from the defaults, in both lists.
void FillWithEveryClass(CArdoDoc& doc) {
    for (int shape : {SHAPE_RECTANGLE, SHAPE_ROUNDRECT, SHAPE_ELLIPSE, SHAPE_LINE, SHAPE_DIMLINE, SHAPE_DIMRECT}) {
        auto* rect =
            doc.AddObject(std::make_unique<CArdoRect>(CRect(100 * shape, 2000, 100 * shape + 900, -700), shape));
        rect->m_logpen.lopnColor = RGB(10 * shape, 20, 30);
        rect->m_bBrush = shape % 2;
    }
    const CRect unit(0, 0, 1, 1);
    doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(-50, 50, 50, -50), SHAPE_LINE));
    doc.AddObject(WithPoints(std::make_unique<CArdoPoly>(unit), {{0, 0}, {500, 900}, {1000, -40}, {-3, 7}}));
    doc.AddObject(WithPoints(std::make_unique<CArdoPolyline>(unit), {{10, 10}, {-20000, 15000}, {30000, -29000}}));
    doc.AddObject(WithPoints(std::make_unique<CArdoBezier>(unit), {{0, 0}, {100, 400}, {300, 400}, {400, 0}}));
    doc.AddObject(WithPoints(std::make_unique<CArdoPolyMeasure>(unit), {{0, 0}, {4000, 0}, {4000, 3000}}));
    doc.AddBackgroundObject(WithPoints(std::make_unique<CArdoPolyline>(unit), {{1, 2}, {3, 4}}));

    auto* text = doc.AddObject(std::make_unique<CArdoText>(CRect(100, 600, 2100, 100)));
    text->m_text = "Küche, Bad & WC – 12 m²";
    text->m_cy = 500;
    text->m_cx = 2000;
    text->m_nAngle = 30;
    text->m_logfont.lfHeight = -500;
    text->m_logfont.lfWeight = 700;
    text->m_logfont.lfItalic = 1;
    text->m_logfont.SetFaceName("Liberation Sans");

    doc.AddObject(std::make_unique<CArdoSymbol>(CRect(-1000, 1000, 1000, -1000), 7))->m_flags = 3;
}

TEST_F(RoundTripTest, DocumentWithEveryClass) {
    CArdoDoc doc;
    FillWithEveryClass(doc);
    CheckRoundTrip(doc);
}

TEST_F(RoundTripTest, SettingsAwayFromTheDefaults) {
    // A scale, a unit and a paper size whose units per millimetre are fractional: the paper
    // size is computed back from the extent and must not lose a millimetre on each save.
    for (const auto& [w, h] : {std::pair{297, 210}, std::pair{1189, 841}, std::pair{105, 149}, std::pair{3, 4}}) {
        SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
        CArdoDoc doc;
        doc.EditStoredSettings([&](DocumentSettings& s) {
            s.m_fScale = 12.5f;
            s.m_strScale = "12,5";
            s.m_nUnitDivisor = 10;
            s.m_fOriginX = -1234.5f;
            s.m_fOriginY = 0.25f;
            s.m_fGridX = 250.0f;
            s.m_fGridY = 333.0f;
            s.m_bGridAutoAdjust = 0;
            s.m_nDimTextHeight = 9;
        });
        doc.SetPaperSize(w, h, 1);
        FillWithEveryClass(doc);
        const Bytes first = CheckRoundTrip(doc);
        // A third generation is still the same file.
        CArdoDoc again;
        again.LoadFromBytes(first);
        EXPECT_TRUE(again.SaveToBytes() == first);
        EXPECT_EQ(again.PaperSize().cx, doc.PaperSize().cx);
        EXPECT_EQ(again.PaperSize().cy, doc.PaperSize().cy);
    }
}

TEST_F(RoundTripTest, EmptyDocument) {
    CArdoDoc doc;
    const Bytes saved = CheckRoundTrip(doc);
    EXPECT_EQ(saved.size(), 50u);
}

}  // namespace
