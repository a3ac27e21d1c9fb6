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

#include <sys/stat.h>

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
    EXPECT_EQ(imported.Background().size(), 1u);

    CArdoDoc missing;
    const ReadResult gone = reader.Read(missing, dir.File("gone.cap"));
    EXPECT_FALSE(gone.ok);
    EXPECT_EQ(gone.message, "gone.cap\nDatei nicht gefunden.");
    EXPECT_FALSE(gone.opened);

    doctest::WriteFile(dir.File("fake.cap"), doctest::ByteBuilder().Text("no plot file").bytes());
    CArdoDoc fake;
    const ReadResult notPlan = reader.Read(fake, dir.File("fake.cap"));
    EXPECT_FALSE(notPlan.ok);
    EXPECT_EQ(notPlan.message, LoadString(IDS_PLAN_NOT_A_PLAN));
    EXPECT_TRUE(fake.Background().empty());
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

    // A plan that is missing opens nothing: the message says so, and no question is asked.
    CArdoDoc other;
    EXPECT_FALSE(other.OnOpenDocument(dir.File("a.b.cap"), formats, [&](CArdoDoc&) { ++questions; }));
    EXPECT_EQ(questions, 1);
    ASSERT_EQ(Messages().Calls().size(), 2u);
    EXPECT_EQ(Messages().Calls()[1].text, "a.b.cap\nDatei nicht gefunden.");
}

TEST_F(PlanImportReaderTest, FilesThatCannotBePlansEachGetTheirOwnMessageAndOpenNothing) {
    const PlanImportReader reader;
    auto read = [&](const std::string& name) {
        CArdoDoc doc;
        return reader.Read(doc, dir.File(name));
    };
    doctest::WriteFile(dir.File("empty.cap"), {});
    std::filesystem::create_directory(dir.path / "folder.cap");
    ASSERT_EQ(::mkfifo(dir.File("pipe.cap").c_str(), 0600), 0);  // no writer: must not wait
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"gone.cap", "gone.cap\nDatei nicht gefunden."},
        {"empty.cap", "empty.cap\nDie Datei ist leer."},
        {"folder.cap", "folder.cap\nist ein Ordner, keine Datei."},
        {"pipe.cap", "pipe.cap\nist keine gewöhnliche Datei."},
    };
    for (const auto& [name, message] : cases) {
        const ReadResult result = read(name);
        EXPECT_FALSE(result.ok) << name;
        EXPECT_FALSE(result.opened) << name;
        EXPECT_EQ(result.message, message);
    }
    if (::geteuid() != 0) {  // root reads anything
        WritePlan("locked.cap");
        ::chmod(dir.File("locked.cap").c_str(), 0);
        EXPECT_EQ(read("locked.cap").message, "Zugriff auf locked.cap verweigert.");
    }

    // The window opens none of them, and asks nothing.
    int questions = 0;
    for (const auto& [name, message] : cases) {
        CArdoDoc doc;
        EXPECT_FALSE(doc.OnOpenDocument(dir.File(name), formats, [&](CArdoDoc&) { ++questions; }));
        EXPECT_EQ(Messages().LastCall()->text, message);
    }
    EXPECT_EQ(questions, 0);
}

TEST_F(PlanImportReaderTest, APlanCutOffImportsWhatItHoldsAndWarns) {
    PlanWriter w;
    w.Move(0, 0);
    w.Line(10, 0);
    w.Line(10, 10);
    w.Move(20, 20);
    std::vector<uint8_t> bytes = w.Bytes();
    // The last record loses the end of its payload.
    bytes.resize(bytes.size() - 3);
    const std::string path = dir.File("cut.cap");
    doctest::WriteFile(path, bytes);

    CArdoDoc doc;
    const ReadResult result = PlanImportReader().Read(doc, path);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.warning, "cut.cap\nDer Plan endet vorzeitig; eingelesen wurde, was er enthält.");
    EXPECT_FALSE(doc.Background().empty());

    // The window shows the warning and opens the plan.
    CArdoDoc opened;
    EXPECT_TRUE(opened.OnOpenDocument(path, formats));
    EXPECT_FALSE(opened.Background().empty());
    EXPECT_EQ(Messages().LastCall()->text, result.warning);

    // A whole plan gives no warning.
    CArdoDoc whole;
    EXPECT_TRUE(PlanImportReader().Read(whole, WritePlan("whole.cap")).warning.empty());
}

}  // namespace
