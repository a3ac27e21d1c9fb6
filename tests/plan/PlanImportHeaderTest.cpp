// The header of a plan: the magic, damaged headers, the sheet modes and the parameters
// that persist from one import to the next.
#include "PlanImportTestSupport.h"

#include "objects/ArdoRect.h"
#include "platform/StringTable.h"

#include <cstdio>
#include <fstream>
#include <limits>

namespace {

class PlanImportHeaderTest : public PlanImportTestBase {
protected:
    // A document that already shows a plan of one line.
    void ImportOneLine() {
        PlanWriter w;
        w.Move(0, 0);
        w.Line(1, 1);
        Import(w);
        ASSERT_EQ(1u, doc->Background().size());
        doc->SetModifiedFlag(false);
    }
    void ExpectUnchanged(const PlanImportReport& r, PlanHeaderStatus status) {
        EXPECT_EQ(status, r.header);
        EXPECT_EQ(PlanStreamEnd::notRead, r.end);
        EXPECT_EQ(1u, doc->Background().size());
        EXPECT_FALSE(doc->IsModified());
    }
};

TEST_F(PlanImportHeaderTest, NotAPlanShowsTheReadErrorAndKeepsTheBackground) {
    ImportOneLine();
    const std::string bytes = "PK\x03\x04 something else";
    const PlanImportReport r = Import(std::vector<uint8_t>(bytes.begin(), bytes.end()));
    ExpectUnchanged(r, PlanHeaderStatus::notAPlan);
    ASSERT_EQ(1u, Messages().Calls().size());
    const auto& call = Messages().Calls()[0];
    EXPECT_EQ(LoadString(57450), call.text);
    EXPECT_EQ("Lesefehler", call.caption);
    EXPECT_EQ(MB_OK | MB_ICONERROR, call.type);
    // The prompt was shown while reading and cleared afterwards.
    EXPECT_EQ("", DefaultMemoryServices().status.PaneText(kPanePrompt));
    EXPECT_EQ(IDC_ARROW, DefaultMemoryServices().cursors.LastCursor());
}

TEST_F(PlanImportHeaderTest, DamagedHeadersChangeNothingAndSayNothing) {
    ImportOneLine();
    struct Case {
        const char* name;
        void (*damage)(PlanWriter::Header&);
    };
    const Case cases[] = {
        {"parameter above 40", [](PlanWriter::Header& h) { h.parameterCount = 41; }},
        {"NaN parameter count",
         [](PlanWriter::Header& h) { h.parameterCount = std::numeric_limits<float>::quiet_NaN(); }},
        {"six extent values", [](PlanWriter::Header& h) { h.extents.assign(6, 0.0f); }},
        {"two annotation texts",
         [](PlanWriter::Header& h) {
             h.annotations = {"a", "b"};
         }},
        {"auxiliary array beyond the file", [](PlanWriter::Header& h) { h.parameters[21] = 1e9f; }},
        {"negative auxiliary array", [](PlanWriter::Header& h) { h.parameters[21] = -4; }},
        {"NaN auxiliary array",
         [](PlanWriter::Header& h) { h.parameters[21] = std::numeric_limits<float>::quiet_NaN(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlanWriter w;
        c.damage(w.header);
        w.Move(0, 0);
        w.Line(5, 5);
        ExpectUnchanged(Import(w), PlanHeaderStatus::invalid);
    }
    // Text block and annotation lengths that are negative, damaged or beyond the file.
    for (float length : {-1.0f, 2.1e9f, std::numeric_limits<float>::quiet_NaN()}) {
        SCOPED_TRACE(length);
        std::vector<uint8_t> text1{'A', 'M', 'F'};
        AppendPlanFloat(text1, length);
        AppendPlanFloat(text1, 0);
        text1.resize(1024, 'x');
        ExpectUnchanged(Import(text1), PlanHeaderStatus::invalid);

        PlanWriter annotated;
        annotated.header.annotations = {"x"};
        std::vector<uint8_t> bytes = annotated.Bytes();
        bytes.erase(bytes.end() - 5, bytes.end());  // the annotation's length and byte
        AppendPlanFloat(bytes, length);
        bytes.resize(1024, 'x');
        ExpectUnchanged(Import(bytes), PlanHeaderStatus::invalid);
    }
    EXPECT_TRUE(Messages().Calls().empty());
}

TEST_F(PlanImportHeaderTest, ShortHeadersAreInvalidAtEveryLength) {
    PlanWriter w;
    w.header.text1 = "dxf";
    w.header.auxiliary = {1, 2};
    w.SetParameter(21, 2);
    w.header.annotations = {"note"};
    w.Move(0, 0);
    w.Line(5, 5);
    const std::vector<uint8_t> full = w.Bytes();
    const size_t headerSize = full.size() - 2 * 9;
    ImportOneLine();
    for (size_t n = 3; n < headerSize; ++n) {
        SCOPED_TRACE(n);
        ExpectUnchanged(Import(std::vector<uint8_t>(full.begin(), full.begin() + std::ptrdiff_t(n))),
                        PlanHeaderStatus::invalid);
    }
    const PlanImportReport r = Import(full);
    EXPECT_EQ(PlanHeaderStatus::valid, r.header);
    EXPECT_EQ("dxf", r.headerData.text1);
    EXPECT_EQ("note", r.headerData.annotation);
    EXPECT_EQ((std::vector<float>{1, 2}), r.headerData.auxiliary);
}

TEST_F(PlanImportHeaderTest, EmptyOrMissingFilesReadNothingWithoutMessage) {
    ImportOneLine();
    PlanImportReport r = Import(std::vector<uint8_t>{});
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(1u, doc->Background().size());
    EXPECT_EQ(0, ImportPlan(*doc, "/nonexistent/plan.cap", &r));
    EXPECT_FALSE(r.opened);
    EXPECT_EQ(1u, doc->Background().size());
    EXPECT_TRUE(Messages().Calls().empty());
}

TEST_F(PlanImportHeaderTest, EmptyNameAsksForAFile) {
    EXPECT_EQ(-1, ImportPlan(*doc, ""));
    EXPECT_EQ(-1, ImportPlan(*doc, "", nullptr, [] { return std::string(); }));
    const std::string path = ::testing::TempDir() + "kovel_chosen_plan.cap";
    PlanWriter w;
    w.Move(0, 0);
    w.Line(5, 5);
    const std::vector<uint8_t> bytes = w.Bytes();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    EXPECT_EQ(0, ImportPlan(*doc, "", nullptr, [&] { return path; }));
    EXPECT_EQ(1u, doc->Background().size());
    std::remove(path.c_str());
}

TEST_F(PlanImportHeaderTest, SheetModes) {
    PlanWriter keep;
    keep.header.extents = {0, 420, 297, 0, 0};
    keep.SetParameter(PLAN_SHEET_MODE, 0);
    Import(keep);
    EXPECT_EQ(200.0f, doc->UnitsPerMm());
    EXPECT_EQ(CSize(21000, 29800), doc->Extent());

    PlanWriter a3;
    a3.SetPaper(420, 297);  // sheet mode 2
    a3.Move(1, 1);
    a3.Line(2, 1);
    Import(a3);
    EXPECT_EQ(70.0f, doc->UnitsPerMm());
    EXPECT_EQ(CSize(420 * 70, 297 * 70), doc->Extent());
    // Coordinates are converted with the new units.
    EXPECT_EQ(CRect(70, 70, 140, 70), doc->Background()[0]->m_position);
}

TEST_F(PlanImportHeaderTest, ParametersNotCarriedKeepTheValuesTheImportStartsFrom) {
    PlanWriter first;  // N = 33: sheet mode 2 from this file
    first.SetPaper(297, 210);
    const PlanImportReport earlier = Import(first);
    EXPECT_EQ(100.0f, doc->UnitsPerMm());

    // A file with N = 30 does not carry the text and page switches (32, 33): started from
    // the values of the earlier import, they keep those, so both texts are read.
    doc = std::make_unique<CArdoDoc>();
    PlanWriter second;
    second.header.parameterCount = 30;
    second.Text("a");
    second.Text("b");
    const PlanImportReport r = Import(second, earlier.parameters);
    EXPECT_EQ(2u, doc->Background().size());
    EXPECT_EQ(PlanStreamEnd::endOfFile, r.end);

    // An import of its own starts from 0 whatever was imported before: the text switch
    // ends the stream at once.
    doc = std::make_unique<CArdoDoc>();
    const PlanImportReport fresh = Import(second);
    EXPECT_EQ(PlanStreamEnd::textEnd, fresh.end);
    EXPECT_EQ(1u, doc->Background().size());
}

TEST_F(PlanImportHeaderTest, InvalidHeaderLeavesTheParametersAlone) {
    PlanWriter first;
    first.SetParameter(PLAN_SHEET_MODE, 2);
    const PlanImportReport earlier = Import(first);
    EXPECT_EQ(2.0f, earlier.parameters[PLAN_SHEET_MODE]);
    PlanWriter damaged;
    damaged.SetParameter(PLAN_SHEET_MODE, 0);
    damaged.header.extents.assign(6, 0.0f);
    EXPECT_EQ(2.0f, Import(damaged, earlier.parameters).parameters[PLAN_SHEET_MODE]);
}

}  // namespace
