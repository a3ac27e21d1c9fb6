// Autosave snapshots: the header survives any path, a damaged snapshot is refused, the
// folder of a running program is never offered for recovery, the folder of an ended one is,
// and a folder full of damaged or foreign files is listed without harm.
#include "DocTestSupport.h"
#include "document/AutosaveStore.h"
#include "document/DocumentFile.h"
#include "objects/ArdoRect.h"
#include "platform/Archive.h"

#include <map>

#include <sys/stat.h>
#include <sys/wait.h>
#include <csignal>

namespace {

using namespace doctest;
namespace fs = std::filesystem;

class AutosaveTest : public DocTest {
protected:
    std::string Root() const { return dir.File("autosave"); }

    // A document with a few shapes, as bytes.
    Bytes DocumentBytes(int shapes) {
        CArdoDoc doc;
        for (int i = 0; i < shapes; ++i)
            doc.AddObject(std::make_unique<CArdoRect>(CRect(100 * i, 50, 100 * i + 80, 10), SHAPE_RECTANGLE));
        return doc.SaveToBytes();
    }
    Bytes Snapshot(const std::string& path, const std::string& title, int shapes) {
        return EncodeAutosave({path, title, 1700000000}, DocumentBytes(shapes));
    }
    std::vector<AutosaveEntry> Recoverable() {
        AutosaveRecovery recovery(Root(), AppServices());
        return recovery.Entries();
    }

    TempDir dir;
};

TEST_F(AutosaveTest, HeaderKeepsAnyPathAndTitleAndTheDocumentBytes) {
    const Bytes document = DocumentBytes(3);
    // File names on Linux are bytes: Latin-1, newlines and quotes survive unchanged.
    const AutosaveInfo info{"/home/u/Pl\xe4ne/a\nb\"c.cpr", "a\nb\"c.cpr", 1733650000};
    const Bytes snapshot = EncodeAutosave(info, document);
    std::span<const uint8_t> read;
    const AutosaveInfo back = DecodeAutosave(snapshot, read);
    EXPECT_EQ(back.path, info.path);
    EXPECT_EQ(back.title, info.title);
    EXPECT_EQ(back.savedAt, info.savedAt);
    EXPECT_EQ(Bytes(read.begin(), read.end()), document);
}

TEST_F(AutosaveTest, CutOffForeignOrPaddedSnapshotsAreRefused) {
    const Bytes snapshot = Snapshot("/x.cpr", "x.cpr", 2);
    std::span<const uint8_t> read;
    for (size_t n = 0; n < snapshot.size(); n += (n < 80 ? 1 : 97))
        EXPECT_THROW(DecodeAutosave(std::span(snapshot).first(n), read), CArchiveException) << n;
    Bytes padded = snapshot;
    padded.push_back(0);
    EXPECT_THROW(DecodeAutosave(padded, read), CArchiveException);
    const Bytes document = DocumentBytes(2);  // a document file is not a snapshot
    EXPECT_THROW(DecodeAutosave(document, read), CArchiveException);
    // A header that claims a huge text is refused before anything is allocated for it.
    Bytes huge(snapshot.begin(), snapshot.begin() + 27);
    for (uint8_t b : {0xFF, 0xFF, 0xFF, 0x7F}) huge.push_back(b);
    EXPECT_THROW(DecodeAutosave(huge, read), CArchiveException);
}

TEST_F(AutosaveTest, RunningProgramsSnapshotsAreNotOfferedTheEndedOnesAre) {
    const Bytes snapshot = Snapshot("/home/u/Wohnung.cpr", "Wohnung.cpr", 4);
    std::string folder;
    {
        AutosaveSession session(Root());
        folder = session.Folder();
        EXPECT_EQ(fs::status(Root()).permissions() & fs::perms::all, fs::perms::owner_all);
        session.Write("doc1", snapshot);
        session.Write("doc2", Snapshot("", "Kovel2", 1));
        session.Remove("doc2");
        // A second program starting now must leave them alone: the lock is held.
        EXPECT_TRUE(Recoverable().empty());
        EXPECT_TRUE(fs::exists(session.SnapshotPath("doc1")));
    }  // the program "crashes": its snapshot stays, its lock is gone
    ASSERT_TRUE(fs::exists(folder));

    AutosaveRecovery recovery(Root(), AppServices());
    ASSERT_EQ(recovery.Entries().size(), 1u);
    const AutosaveEntry& entry = recovery.Entries()[0];
    EXPECT_TRUE(entry.recoverable);
    EXPECT_EQ(entry.info.path, "/home/u/Wohnung.cpr");
    EXPECT_EQ(entry.info.title, "Wohnung.cpr");
    EXPECT_EQ(entry.info.savedAt, 1700000000);
    CArdoDoc doc;
    recovery.Load(0, doc);
    EXPECT_EQ(doc.Objects().size(), 4u);
    EXPECT_EQ(doc.SaveToBytes(), DocumentBytes(4));
    // While it is being looked at, another program starting does not offer it too.
    EXPECT_TRUE(Recoverable().empty());
}

TEST_F(AutosaveTest, AKilledProgramsLockIsFreedItsSnapshotsRecoverable) {
    const Bytes snapshot = Snapshot("/k.cpr", "k.cpr", 2);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AutosaveSession session(Root());
        session.Write("doc1", snapshot);
        const char go = 1;
        if (::write(ready[1], &go, 1) != 1) ::_exit(1);
        for (;;) ::pause();
    }
    char go = 0;
    ASSERT_EQ(::read(ready[0], &go, 1), 1);
    EXPECT_TRUE(Recoverable().empty());  // alive: its folder is locked
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    const auto entries = Recoverable();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_TRUE(entries[0].recoverable);
    EXPECT_EQ(entries[0].info.path, "/k.cpr");
}

TEST_F(AutosaveTest, UndecidedSnapshotsStayDiscardedOnesGoWithTheirFolder) {
    std::string folder;
    {
        AutosaveSession session(Root());
        folder = session.Folder();
        session.Write("doc1", Snapshot("/a.cpr", "a.cpr", 1));
        session.Write("doc2", Snapshot("/b.cpr", "b.cpr", 2));
    }
    {
        AutosaveRecovery recovery(Root(), AppServices());
        ASSERT_EQ(recovery.Entries().size(), 2u);
        recovery.Discard(0);
    }  // doc2 was neither recovered nor discarded: offered again at the next start
    auto left = Recoverable();
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].info.path, "/b.cpr");
    {
        AutosaveRecovery recovery(Root(), AppServices());
        recovery.Discard(0);
    }
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(Recoverable().empty());
}

TEST_F(AutosaveTest, CleanEndLeavesNothingBehind) {
    std::string folder;
    {
        AutosaveSession session(Root());
        folder = session.Folder();
        session.Write("doc1", Snapshot("/a.cpr", "a.cpr", 1));
        session.Write("doc1", Snapshot("/a.cpr", "a.cpr", 2));  // replaced, not added
        session.RemoveAll();
    }
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::is_empty(Root()));
    // Two programs at once get folders of their own.
    AutosaveSession one(Root()), two(Root());
    EXPECT_NE(one.Folder(), two.Folder());
    EXPECT_THROW(one.SnapshotPath("../escape"), CFileException);
    EXPECT_THROW(one.SnapshotPath(""), CFileException);
}

TEST_F(AutosaveTest, AnAutosaveFolderThatIsAFileIsReportedNotFollowed) {
    WriteFile(Root(), {'x'});
    EXPECT_THROW(AutosaveSession{Root()}, CFileException);
    EXPECT_TRUE(Recoverable().empty());
    EXPECT_EQ(ReadFile(Root()), Bytes{'x'});
}

TEST_F(AutosaveTest, DamagedAndForeignFilesAreListedAsNotRecoverableAndCanBeDiscarded) {
    std::string folder;
    {
        AutosaveSession session(Root());
        folder = session.Folder();
        session.Write("good", Snapshot("/good.cpr", "good.cpr", 2));
    }
    const Bytes good = Snapshot("/x.cpr", "x.cpr", 3);
    WriteFile(folder + "/cut.autosave", Bytes(good.begin(), good.begin() + Bytes::difference_type(good.size() / 2)));
    WriteFile(folder + "/empty.autosave", {});
    // A whole header whose document is damaged: the document reader refuses it.
    Bytes damagedDocument = DocumentBytes(3);
    for (size_t i = 40; i < damagedDocument.size(); i += 7) damagedDocument[i] = 0xFF;
    WriteFile(folder + "/damaged.autosave", EncodeAutosave({"/d.cpr", "d.cpr", 1}, damagedDocument));
    WriteFile(folder + "/notes.txt", {'h', 'i'});
    ASSERT_EQ(::mkfifo((folder + "/pipe.autosave").c_str(), 0600), 0);  // never read: it would block
    fs::create_directory(folder + "/sub.autosave");
    WriteFile(Root() + "/stray.autosave", good);  // outside any session folder
    fs::create_symlink("/etc/passwd", folder + "/link.autosave");
    fs::create_directory(Root() + "/session-nolock");  // no lock file: claimed like any other
    WriteFile(Root() + "/session-nolock/orphan.autosave", good);

    AutosaveRecovery recovery(Root(), AppServices());
    std::map<std::string, bool> seen;
    for (const AutosaveEntry& e : recovery.Entries()) seen[fs::path(e.file).filename().string()] = e.recoverable;
    const std::map<std::string, bool> expected{
        {"good.autosave", true},  {"cut.autosave", false},  {"empty.autosave", false}, {"damaged.autosave", false},
        {"notes.txt", false},     {"pipe.autosave", false}, {"sub.autosave", false},   {"stray.autosave", false},
        {"link.autosave", false}, {"orphan.autosave", true}};
    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(recovery.Entries()[0].recoverable && recovery.Entries()[1].recoverable);  // listed first
    for (size_t i = 0; i < recovery.Entries().size(); ++i) {
        if (recovery.Entries()[i].recoverable) continue;
        recovery.Discard(i);
        EXPECT_FALSE(fs::exists(fs::symlink_status(recovery.Entries()[i].file)));
    }
    EXPECT_TRUE(fs::exists("/etc/passwd"));  // the link went, not what it pointed at
}

}  // namespace
