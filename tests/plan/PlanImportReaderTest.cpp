// Opening plans through the program's formats: ".cap" names go to the plan import whatever
// their content, the import's own messages, the open that succeeds anyway, and the
// messages kovel-cli prints for a missing file or one that is no plan.
#include "PlanImportTestSupport.h"
#include "document/DocTestSupport.h"

#include "document/DocumentFileReader.h"
#include "document/DocumentFormats.h"
#include "document/SymbolLibrary.h"
#include "plan/FileReaders.h"
#include "plan/PlanImportReader.h"
#include "platform/StringTable.h"

namespace {

class PlanImportReaderTest : public PlanImportTestBase {
protected:
    void SetUp() override {
        PlanImportTestBase::SetUp();
        SetSymbolLibraryPath("/nonexistent/Kovel.sym");  // no library: nothing to report
        AddFileReaders(formats);
    }
    void TearDown() override {
        SetSymbolLibraryPath("");
        PlanImportTestBase::TearDown();
    }
    template <class Reader>
    bool Chooses(const std::string& path) const {
        return dynamic_cast<const Reader*>(&formats.ReaderFor(path)) != nullptr;
    }
    std::string WritePlan(const std::string& name) {
        PlanWriter w;
        w.Move(0, 0);
        w.Line(1, 1);
        const std::string path = dir.File(name);
        doctest::WriteFile(path, w.Bytes());
        return path;
    }
    DocumentFormats formats;
    doctest::TempDir dir;
};

TEST_F(PlanImportReaderTest, PlanNamesChooseTheImportAndContentAloneDoesNot) {
    const std::string plan = WritePlan("real.cap");
    EXPECT_TRUE(Chooses<PlanImportReader>(plan));
    EXPECT_TRUE(Chooses<PlanImportReader>(dir.File("PLAN.CaP")));  // missing, any case
    EXPECT_TRUE(formats.ReaderFor(plan).Imports());

    // A plan under another name has always been read as a document file.
    std::filesystem::copy_file(plan, dir.File("plan.cpr"));
    std::filesystem::copy_file(plan, dir.File("plan"));
    EXPECT_TRUE(Chooses<DocumentFileReader>(dir.File("plan.cpr")));
    EXPECT_TRUE(Chooses<DocumentFileReader>(dir.File("plan")));
    EXPECT_TRUE(Chooses<DocumentFileReader>(dir.File("x.cap/doc")));
    EXPECT_FALSE(formats.ReaderFor(dir.File("plan")).Imports());
}

TEST_F(PlanImportReaderTest, ReadingTellsMissingFilesAndNonPlansApart) {
    const PlanImportReader reader;
    CArdoDoc imported;
    EXPECT_TRUE(reader.Read(imported, WritePlan("real.cap")).ok);
    EXPECT_EQ(imported.m_background.size(), 1u);

    CArdoDoc missing;
    const ReadResult gone = reader.Read(missing, dir.File("gone.cap"));
    EXPECT_FALSE(gone.ok);
    EXPECT_EQ(gone.message, dir.File("gone.cap") + "\nDatei nicht gefunden.");

    doctest::WriteFile(dir.File("fake.cap"), doctest::ByteBuilder().Text("no plot file").bytes());
    CArdoDoc fake;
    const ReadResult notPlan = reader.Read(fake, dir.File("fake.cap"));
    EXPECT_FALSE(notPlan.ok);
    EXPECT_EQ(notPlan.message, LoadString(IDS_PLAN_NOT_A_PLAN));
    EXPECT_TRUE(fake.m_background.empty());
}

TEST_F(PlanImportReaderTest, OpeningANonPlanShowsTheImportsMessageAndStillOpens) {
    doctest::WriteFile(dir.File("PLAN.CAP"), doctest::ByteBuilder().Text("not an archive").bytes());
    int questions = 0;
    CArdoDoc opened;
    doctest::FakeView view;
    opened.AddView(&view);
    EXPECT_TRUE(opened.OnOpenDocument(dir.File("PLAN.CAP"), formats, [&](CArdoDoc&) { ++questions; }));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(view.hints, std::vector<int>{HINT_ALL});
    ASSERT_EQ(Messages().Calls().size(), 1u);
    EXPECT_EQ(Messages().Calls()[0].caption, "Lesefehler");

    // Even a missing plan opens: the import reports its own problems.
    CArdoDoc other;
    EXPECT_TRUE(other.OnOpenDocument(dir.File("a.b.cap"), formats));
}

}  // namespace
