// Whole plans: the real plan in tests/data and the sample plans the program ships, which
// must import with nothing dropped.
#include "PlanImportTestSupport.h"

#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"
#include "objects/ArdoText.h"
#include "plan/PlanDescription.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir = fs::path(__FILE__).parent_path().parent_path().parent_path();

class PlanImportSamplesTest : public PlanImportTestBase {};

TEST_F(PlanImportSamplesTest, BarcelonaPavilion) {
    PlanImportReport r;
    const fs::path path = kSourceDir / "tests/data/realplans/barcelona_pavilion.cap";
    ASSERT_EQ(0, ImportPlan(*doc, path.string(), &r));
    EXPECT_EQ(PlanHeaderStatus::valid, r.header);
    EXPECT_EQ(PlanStreamEnd::endRecord, r.end);
    EXPECT_EQ('Z', r.endCode);
    EXPECT_EQ(0, r.paths.droppedPoints);
    EXPECT_EQ("dxf2cap 1:100 A2L", r.headerData.text1);

    size_t lines = 0, polylines = 0;
    for (const auto& obj : doc->Background()) {
        if (auto* rect = dynamic_cast<CArdoRect*>(obj.get()); rect && rect->m_shape == SHAPE_LINE)
            ++lines;
        else if (obj->GetRuntimeClass() == RUNTIME_CLASS(CArdoPolyline))
            ++polylines;
    }
    EXPECT_EQ(1211u, doc->Background().size());
    EXPECT_EQ(954u, lines);
    EXPECT_EQ(257u, polylines);
    // A2 landscape: 32000 / 594 = 53.9, reduced to 50.
    EXPECT_EQ(50.0f, doc->UnitsPerMm());
    EXPECT_EQ(CSize(594 * 50, 420 * 50), doc->Extent());
    // The plan opens with a red layer; its black lines are stored as white and swapped back.
    EXPECT_EQ(RGB(255, 0, 0), doc->Background().front()->GetLineColor());
    EXPECT_TRUE(std::any_of(doc->Background().begin(), doc->Background().end(),
                            [](const auto& obj) { return obj->GetLineColor() == RGB(0, 0, 0); }));
}

// Compiles a sample description and checks that the import makes exactly what it describes.
void ExpectSampleImportsWhole(CArdoDoc& doc, const std::string& name, int minRecords, float unitsPerMm) {
    SCOPED_TRACE(name);
    std::ifstream in(kSourceDir / "data/plans" / (name + ".plan"));
    ASSERT_TRUE(in.good());
    PlanWriter writer;
    PlanDescriptionCounts expected;
    std::string error;
    ASSERT_TRUE(CompilePlanDescription(in, writer, expected, error)) << error;
    EXPECT_GE(writer.RecordCount(), minRecords);

    PlanImportReport r;
    ASSERT_EQ(0, ImportPlanBytes(doc, writer.Bytes(), &r));
    EXPECT_EQ(PlanStreamEnd::endRecord, r.end);
    EXPECT_EQ(writer.RecordCount(), r.records);
    EXPECT_EQ(0, r.paths.droppedPoints);
    EXPECT_EQ(0, r.paths.unbuiltPaths);
    EXPECT_EQ(expected.lines, r.paths.lines);
    EXPECT_EQ(expected.polylines, r.paths.polylines);
    EXPECT_EQ(expected.polygons, r.paths.polygons);
    EXPECT_EQ(expected.texts, r.texts);
    EXPECT_EQ(size_t(expected.Objects()), doc.Background().size());
    EXPECT_EQ(unitsPerMm, doc.UnitsPerMm());
    // Everything lies on the sheet.
    const CRect sheet(0, 0, doc.Extent().cx, doc.Extent().cy);
    for (const auto& obj : doc.Background()) {
        const CRect p = obj->m_position.Normalized();
        EXPECT_TRUE(p.left >= sheet.left && p.right <= sheet.right && p.top >= sheet.top && p.bottom <= sheet.bottom)
            << obj->GetRuntimeClass()->m_lpszClassName << " at " << p.left << "," << p.top;
    }
}

TEST_F(PlanImportSamplesTest, ShippedSamplesImportWhole) {
    ExpectSampleImportsWhole(*doc, "apartment", 150, 100.0f);  // A4 landscape
    ExpectSampleImportsWhole(*doc, "house", 150, 70.0f);       // A3 landscape
    ExpectSampleImportsWhole(*doc, "large", 100000, 20.0f);    // A0 landscape
}

TEST_F(PlanImportSamplesTest, DescriptionMistakesNameTheirLine) {
    const char* bad[] = {
        "paper 297\n", "unit furlong\n",    "line 0 0 1 x\n",    "\nrepeat 3 1 0\nline 0 0 1 1\n",
        "endrepeat\n", "text 0 0 \"open\n", "polygon 0 0 1 1\n", "sketch 1 2\n",
    };
    for (const char* text : bad) {
        SCOPED_TRACE(text);
        std::istringstream in(text);
        PlanWriter writer;
        PlanDescriptionCounts counts;
        std::string error;
        EXPECT_FALSE(CompilePlanDescription(in, writer, counts, error));
        EXPECT_EQ(0u, error.rfind("line ", 0)) << error;
    }
}

}  // namespace
