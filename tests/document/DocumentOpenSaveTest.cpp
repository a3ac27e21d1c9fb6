// Opening and saving through files: how the formats choose a file's reader, which names are
// plans, the warning before saving under ".cap", atomic saving, and the messages the user
// sees when something fails.
#include "DocTestSupport.h"

#include "document/DocumentFile.h"
#include "document/DocumentFileReader.h"
#include "document/DocumentFormats.h"
#include "document/SaveNaming.h"
#include "objects/ArdoRect.h"
#include "platform/Archive.h"

#include <sys/stat.h>

using namespace doctest;

namespace {

class DocumentOpenSaveTest : public DocTest {
protected:
    const RecordingMessageBoxes::Call* LastMessage() { return services().messages.LastCall(); }
    TempDir dir;
    DocumentFormats formats;
};

// An import of files named "*.imp" or starting with "IMP": it adds one rectangle, and
// fails on files whose name contains "bad", as an import that reports its own problems.
class FakeImport : public DocumentReader {
public:
    bool Accepts(const std::string& path, std::span<const uint8_t> head) const override {
        seenHead.assign(head.begin(), head.end());
        const bool named = path.size() > 4 && path.substr(path.size() - 4) == ".imp";
        return named || (head.size() >= 3 && std::string(head.begin(), head.begin() + 3) == "IMP");
    }
    bool Imports() const override { return true; }
    ReadResult Read(CArdoDoc& doc, const std::string& path) const override {
        ++reads;
        if (path.find("bad") != std::string::npos) return {false, "import failed"};
        doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(0, 0, 10, 10), SHAPE_RECTANGLE));
        return {};
    }
    mutable std::vector<uint8_t> seenHead;
    mutable int reads = 0;
};

TEST_F(DocumentOpenSaveTest, PlanNamesAreDecidedByTheLastFullStop) {
    EXPECT_TRUE(IsPlanFileName("PLAN.CAP"));
    EXPECT_TRUE(IsPlanFileName("/home/a/plan.Cap"));
    EXPECT_TRUE(IsPlanFileName("a.b.cap"));
    EXPECT_FALSE(IsPlanFileName("plan.cpr"));
    EXPECT_FALSE(IsPlanFileName("plan"));
    EXPECT_FALSE(IsPlanFileName(".cap"));       // the full stop is the first character
    EXPECT_FALSE(IsPlanFileName("a.c"));        // fewer than four characters
    EXPECT_FALSE(IsPlanFileName("x.cap/doc"));  // the last '.' lies in a folder name
    EXPECT_FALSE(IsPlanFileName("plan.capx"));

    EXPECT_TRUE(NeedsPlanSaveWarning("a.CaP"));
    EXPECT_FALSE(NeedsPlanSaveWarning(".cap"));  // not longer than four characters
    EXPECT_FALSE(NeedsPlanSaveWarning("a.cpr"));
}

TEST_F(DocumentOpenSaveTest, SaveNameProposals) {
    EXPECT_EQ(ProposeSaveName("/x/given.cap", "/y/old.cpr", "old", true), "/x/given.cap");
    EXPECT_EQ(ProposeSaveName("", "", "Unbenannt", true), "Unbenannt.cpr");
    EXPECT_EQ(ProposeSaveName("", "", "Mein Plan#2", true), "Mein.cpr");
    EXPECT_EQ(ProposeSaveName("", "", "a;b", true), "a.cpr");
    EXPECT_EQ(ProposeSaveName("", "/home/u/plan.cap", "plan.cap", true), "/home/u/plan.cpr");
    EXPECT_EQ(ProposeSaveName("", "/home/u/a.b.cap", "a.b.cap", false), "/home/u/a.b.cpr");
    EXPECT_EQ(ProposeSaveName("", "/home/u.d/plan", "plan", true), "/home/u.d/plan.cpr");
    EXPECT_EQ(ProposeSaveName("", "C:\\u.d\\plan", "plan", true), "C:\\u.d\\plan.cpr");
    EXPECT_EQ(ProposeSaveName("", "", "Unbenannt", false), ".cpr");
}

TEST_F(DocumentOpenSaveTest, ReadersAreChosenByNameOrContentAndDocumentFilesTakeTheRest) {
    auto import = std::make_unique<FakeImport>();
    FakeImport& fake = *import;
    formats.AddReader(std::move(import));
    const std::string named = dir.File("a.imp"), marked = dir.File("marked.cpr"), plain = dir.File("plain.cpr");
    WriteFile(named, ByteBuilder().Text("x").bytes());
    WriteFile(marked, ByteBuilder().Text("IMPORT ME").bytes());
    WriteFile(plain, CArdoDoc().SaveToBytes());

    EXPECT_EQ(&formats.ReaderFor(named), &fake);
    EXPECT_EQ(&formats.ReaderFor(marked), &fake);
    EXPECT_EQ(fake.seenHead, ByteBuilder().Text("IMPORT ME").bytes());  // the whole short file
    EXPECT_NE(dynamic_cast<const DocumentFileReader*>(&formats.ReaderFor(plain)), nullptr);
    // Missing files and folders have no content; their names still decide.
    EXPECT_NE(dynamic_cast<const DocumentFileReader*>(&formats.ReaderFor(dir.File("gone"))), nullptr);
    EXPECT_TRUE(fake.seenHead.empty());
    EXPECT_EQ(&formats.ReaderFor(dir.File("gone.imp")), &fake);
    EXPECT_NE(dynamic_cast<const DocumentFileReader*>(&formats.ReaderFor(dir.path.string())), nullptr);

    // Without added readers every file is a document file, and nothing reads its content.
    DocumentFormats plainFormats;
    EXPECT_NE(dynamic_cast<const DocumentFileReader*>(&plainFormats.ReaderFor(named)), nullptr);
    EXPECT_EQ(plainFormats.ExporterFor("a.png"), nullptr);
    EXPECT_FALSE(plainFormats.HasExporters());
}

TEST_F(DocumentOpenSaveTest, ImportsOpenEvenWhenTheyFailAndAreFollowedByTheShellsQuestion) {
    auto import = std::make_unique<FakeImport>();
    FakeImport& fake = *import;
    formats.AddReader(std::move(import));
    int questions = 0;
    const CArdoDoc::AfterImport ask = [&](CArdoDoc& doc) {
        ++questions;
        EXPECT_EQ(doc.Background().size(), 1u);  // asked after the import
        doc.SetModifiedFlag(true);
    };
    CArdoDoc doc;
    FakeView view;
    doc.AddView(&view);
    EXPECT_TRUE(doc.OnOpenDocument(dir.File("plan.imp"), formats, ask));
    EXPECT_EQ(fake.reads, 1);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(view.hints, std::vector<int>{HINT_ALL});
    EXPECT_TRUE(services().messages.Calls().empty());  // an import reports its own problems

    // A failed import opens too; without a question nothing asks and the document stays
    // as the import left it.
    CArdoDoc other;
    EXPECT_TRUE(other.OnOpenDocument(dir.File("bad.imp"), formats));
    EXPECT_EQ(fake.reads, 2);
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(services().messages.Calls().empty());
}

TEST_F(DocumentOpenSaveTest, SaveThenOpenRoundTripsAndClearsModified) {
    const std::string path = dir.File("plan.cpr");
    CArdoDoc doc;
    doc.AddObject(std::make_unique<CArdoRect>(CRect(0, 0, 50, 50), SHAPE_ELLIPSE));
    ASSERT_TRUE(doc.OnSaveDocument(path));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(ReadFile(path), doc.SaveToBytes());

    CArdoDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(path, formats));
    EXPECT_EQ(reread.Objects().size(), 1u);
    EXPECT_FALSE(reread.IsModified());

    // A file without extension is an archive too.
    const std::string bare = dir.File("plan");
    std::filesystem::copy_file(path, bare);
    CArdoDoc third;
    EXPECT_TRUE(third.OnOpenDocument(bare, formats));
    EXPECT_EQ(third.Objects().size(), 1u);
}

TEST_F(DocumentOpenSaveTest, SavingUnderCapAsksAndCancelWritesNothing) {
    const std::string path = dir.File("plan.CAP");
    CArdoDoc doc;
    services().messages.SetAnswer(IDCANCEL);
    EXPECT_FALSE(doc.OnSaveDocument(path));
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));  // no temporary file either
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Warnhinweis");
    EXPECT_EQ(LastMessage()->type, MB_OKCANCEL | MB_ICONEXCLAMATION);
    EXPECT_NE(LastMessage()->text.find("*.cpr"), std::string::npos);

    services().messages.SetAnswer(IDOK);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    EXPECT_EQ(ReadFile(path), doc.SaveToBytes());
}

TEST_F(DocumentOpenSaveTest, DamagedFileReportsUnexpectedFormatAndLoadsNothing) {
    const std::string path = dir.File("broken.cpr");
    CArdoDoc good;
    good.AddObject(std::make_unique<CArdoRect>(CRect(0, 0, 50, 50), SHAPE_RECTANGLE));
    Bytes bytes = good.SaveToBytes();
    bytes.resize(bytes.size() - 3);
    WriteFile(path, bytes);

    CArdoDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(path, formats));
    EXPECT_TRUE(doc.Objects().empty());
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->text, "Unerwartetes Dateiformat.");
    EXPECT_EQ(LastMessage()->caption, "Velmarstad Kovel - Tolvane Viewer");
    EXPECT_EQ(LastMessage()->type, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(DocumentOpenSaveTest, MissingFileReportsNotFoundWithItsTitle) {
    CArdoDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(dir.File("gone.cpr"), formats));
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->text, "gone.cpr\nDatei nicht gefunden.");
}

TEST_F(DocumentOpenSaveTest, ErrorTextsFollowTheCause) {
    auto text = [](auto exception, FileOperation op) {
        return DocumentErrorText(std::make_exception_ptr(exception), op, "/a/b/plan.cpr");
    };
    using F = CFileException;
    EXPECT_EQ(text(F(F::accessDenied, EACCES, "", ""), FileOperation::load), "Zugriff auf plan.cpr verweigert.");
    EXPECT_EQ(text(F(F::accessDenied, EACCES, "", ""), FileOperation::save),
              "plan.cpr\nDatei ist schreibgeschützt oder wird bereits verwendet.");
    EXPECT_EQ(text(F(F::diskFull, ENOSPC, "", ""), FileOperation::save),
              "plan.cpr\nNicht genügend Speicherplatz auf dem Datenträger. Die Datei blieb, wie sie war.");
    EXPECT_EQ(text(F(F::genericException, EIO, "", ""), FileOperation::load), "Fehler beim Öffnen des Dokuments.");
    EXPECT_EQ(text(F(F::genericException, EIO, "", ""), FileOperation::save), "Fehler beim Speichern des Dokuments.");
    EXPECT_EQ(text(CArchiveException(CArchiveException::badClass, ""), FileOperation::load),
              "Unerwartetes Dateiformat.");
    EXPECT_EQ(text(CArchiveException(CArchiveException::genericException, ""), FileOperation::save),
              "Fehler beim Speichern des Dokuments.");
    EXPECT_EQ(text(std::bad_alloc(), FileOperation::load), "Fehler beim Öffnen des Dokuments.");
    EXPECT_EQ(F::CauseFromErrno(ENOENT), F::fileNotFound);
    EXPECT_EQ(F::CauseFromErrno(EROFS), F::accessDenied);
    EXPECT_EQ(F::CauseFromErrno(ENOSPC), F::diskFull);
}

TEST_F(DocumentOpenSaveTest, FailedSaveKeepsThePreviousFile) {
    const std::string path = dir.File("keep.cpr");
    const Bytes old = ByteBuilder().Text("previous content").bytes();
    WriteFile(path, old);
    ::chmod(path.c_str(), 0444);
    CArdoDoc doc;
    if (::geteuid() != 0) {  // root may write anything
        EXPECT_FALSE(doc.OnSaveDocument(path));
        EXPECT_EQ(ReadFile(path), old);
        ASSERT_NE(LastMessage(), nullptr);
        EXPECT_EQ(LastMessage()->text, "keep.cpr\nDatei ist schreibgeschützt oder wird bereits verwendet.");
    }
    // A folder that does not exist: nothing is created anywhere.
    EXPECT_FALSE(doc.OnSaveDocument(dir.File("no/such/folder.cpr")));
    EXPECT_EQ(LastMessage()->text, "folder.cpr\nDatei nicht gefunden.");
    size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path)) (void)entry, ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST_F(DocumentOpenSaveTest, SaveReplacesExistingFileAndKeepsItsPermissions) {
    const std::string path = dir.File("perm.cpr");
    WriteFile(path, ByteBuilder().Text("old").bytes());
    ::chmod(path.c_str(), 0640);
    CArdoDoc doc;
    ASSERT_TRUE(doc.OnSaveDocument(path));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(ReadFile(path).size(), 50u);
}

TEST_F(DocumentOpenSaveTest, ReadingAFolderFails) {
    CArdoDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(dir.path.string() + "/", formats));
    ASSERT_NE(LastMessage(), nullptr);
    EXPECT_EQ(LastMessage()->caption, "Velmarstad Kovel - Tolvane Viewer");
}

}  // namespace
