// Reading and saving files safely: readers take only regular files of sensible size,
// saving keeps links, modes and the old file whatever goes wrong, and temporary files never
// outlive a save.
#include "DocTestSupport.h"

#include "document/DocumentFile.h"
#include "document/SymbolLibrary.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

using namespace doctest;

namespace {

class DocumentFileSafetyTest : public DocTest {
protected:
    // The names in the test folder, sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(dir.path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string MessageOf(const std::function<void()>& action, FileOperation op, const std::string& path) {
        try {
            action();
        } catch (...) {
            return DocumentErrorText(std::current_exception(), op, path);
        }
        return "no failure";
    }
    // Runs a save of data to path in a child process under the given file size limit
    // (RLIMIT_FSIZE; 0 = none) and user (0 = unchanged); the child's exit status is the
    // cause of its failure + 1, or 0 when it saved.
    static int SaveInChild(const std::string& path, const Bytes& data, rlim_t sizeLimit, uid_t user) {
        const pid_t child = ::fork();
        if (child == 0) {
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails with EFBIG instead
            if (sizeLimit) {
                const rlimit limit{sizeLimit, sizeLimit};
                if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(100);
            }
            if (user && (::setgid(user) != 0 || ::setuid(user) != 0)) ::_exit(101);
            try {
                SaveFileAtomically(path, data);
            } catch (const CFileException& e) {
                ::_exit(int(e.m_cause) + 1);
            } catch (...) {
                ::_exit(99);
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    TempDir dir;
    const Bytes oldBytes = ByteBuilder().Text("the previous document, byte for byte").bytes();
    const Bytes newBytes = Bytes(20000, 0x5A);
};

TEST_F(DocumentFileSafetyTest, ReadersTakeOnlyRegularFilesUpToTheirLimit) {
    using F = CFileException;
    auto causeOf = [](const std::string& path, uint64_t limit) {
        try {
            ReadWholeFile(path, limit);
        } catch (const F& e) {
            return e.m_cause;
        }
        return F::genericException;
    };
    // A FIFO without a writer is refused at once instead of waiting for one.
    const std::string fifo = dir.File("pipe.cpr");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(causeOf(fifo, kMaxDocumentFileBytes), F::notRegularFile);
    EXPECT_EQ(causeOf("/dev/zero", kMaxDocumentFileBytes), F::notRegularFile);
    EXPECT_EQ(causeOf(dir.path.string(), kMaxDocumentFileBytes), F::isFolder);
    EXPECT_EQ(causeOf(dir.File("gone.cpr"), kMaxDocumentFileBytes), F::fileNotFound);

    // A 2 GB file (sparse: it takes no disk space) is refused by its size, before reading.
    const std::string huge = dir.File("huge.cpr");
    {
        const int fd = ::open(huge.c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, off_t(2000) << 20), 0);
        ::close(fd);
    }
    EXPECT_EQ(causeOf(huge, kMaxDocumentFileBytes), F::tooLarge);
    // The library beside the program has a limit of its own.
    CArdoDoc doc;
    EXPECT_FALSE(LoadSymbolLibraryFrom(doc, huge));
    EXPECT_FALSE(LoadSymbolLibraryFrom(doc, fifo));

    // Exactly at the limit still reads; one byte more does not.
    const std::string small = dir.File("small.cpr");
    WriteFile(small, oldBytes);
    EXPECT_EQ(ReadWholeFile(small, oldBytes.size()), oldBytes);
    EXPECT_EQ(causeOf(small, oldBytes.size() - 1), F::tooLarge);

    // Each cause has its own message, naming the file.
    EXPECT_EQ(MessageOf([&] { ReadWholeFile(fifo); }, FileOperation::load, fifo),
              "pipe.cpr\nist keine gewöhnliche Datei.");
    EXPECT_EQ(MessageOf([&] { ReadWholeFile(huge); }, FileOperation::load, huge),
              "huge.cpr\nDie Datei ist zu groß, um ein Dokument oder Plan zu sein, und wird nicht gelesen.");
    EXPECT_EQ(MessageOf([&] { ReadWholeFile(dir.path.string()); }, FileOperation::load, dir.File("x")),
              "x\nist ein Ordner, keine Datei.");
}

TEST_F(DocumentFileSafetyTest, SavingThroughASymbolicLinkWritesItsTargetAndKeepsTheLink) {
    std::filesystem::create_directory(dir.path / "real");
    const std::string target = dir.File("real/plan.cpr"), link = dir.File("plan.cpr");
    WriteFile(target, oldBytes);
    std::filesystem::create_symlink("real/plan.cpr", link);  // relative, as users make them
    SaveFileAtomically(link, newBytes);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadFile(target), newBytes);

    // A link to a file not written yet: the file appears where the link points.
    const std::string dangling = dir.File("new.cpr");
    std::filesystem::create_symlink(dir.File("real/new.cpr"), dangling);
    SaveFileAtomically(dangling, oldBytes);
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(ReadFile(dir.File("real/new.cpr")), oldBytes);

    // A loop of links is refused.
    std::filesystem::create_symlink("loop-b", dir.path / "loop-a");
    std::filesystem::create_symlink("loop-a", dir.path / "loop-b");
    EXPECT_THROW(SaveFileAtomically(dir.File("loop-a"), newBytes), CFileException);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"loop-a", "loop-b", "new.cpr", "plan.cpr", "real"}));
}

TEST_F(DocumentFileSafetyTest, SavedFilesKeepModeAndLinksAndNewFilesFollowTheUmask) {
    const std::string privatePath = dir.File("private.cpr");
    WriteFile(privatePath, oldBytes);
    ::chmod(privatePath.c_str(), 0600);
    SaveFileAtomically(privatePath, newBytes);
    struct stat st {};
    ASSERT_EQ(::stat(privatePath.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600u);

    // Where the user may (root here), the replaced file keeps its owner and group.
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(privatePath.c_str(), 65534, 65534), 0);
        SaveFileAtomically(privatePath, oldBytes);
        ASSERT_EQ(::stat(privatePath.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
        EXPECT_EQ(st.st_mode & 07777, 0600u);
    }

    const mode_t previousMask = ::umask(027);
    SaveFileAtomically(dir.File("fresh.cpr"), newBytes);
    ::umask(previousMask);
    ASSERT_EQ(::stat(dir.File("fresh.cpr").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    // A document with a second hard link: both names still show the same, new content.
    const std::string first = dir.File("linked.cpr"), second = dir.File("other-name.cpr");
    WriteFile(first, oldBytes);
    ASSERT_EQ(::link(first.c_str(), second.c_str()), 0);
    struct stat before {};
    ::stat(first.c_str(), &before);
    SaveFileAtomically(first, newBytes);
    EXPECT_EQ(ReadFile(second), newBytes);
    EXPECT_EQ(ReadFile(first), newBytes);
    ::stat(first.c_str(), &st);
    EXPECT_EQ(st.st_ino, before.st_ino);
    EXPECT_EQ(st.st_nlink, 2u);
    // ... and a shorter content leaves nothing of the longer one behind.
    SaveFileAtomically(second, oldBytes);
    EXPECT_EQ(ReadFile(first), oldBytes);
    EXPECT_EQ(Entries(), (std::vector<std::string>{"fresh.cpr", "linked.cpr", "other-name.cpr", "private.cpr"}));
}

TEST_F(DocumentFileSafetyTest, LongNamesSaveAndTooLongNamesSayWhy) {
    // 255 bytes, the most a name may have: its temporary name is shortened to fit.
    const std::string longName = std::string(251, 'a') + ".cpr";
    SaveFileAtomically(dir.File(longName), newBytes);
    EXPECT_EQ(ReadFile(dir.File(longName)), newBytes);
    EXPECT_EQ(Entries(), std::vector<std::string>{longName});
    // Multi-byte characters are not cut in half.
    const std::string umlauts = [] {
        std::string s;
        for (int i = 0; i < 125; ++i) s += "\xC3\xA4";  // ä
        return s + ".cpr";
    }();
    SaveFileAtomically(dir.File(umlauts), oldBytes);
    EXPECT_EQ(ReadFile(dir.File(umlauts)), oldBytes);

    const std::string tooLong = std::string(252, 'b') + ".cpr";
    EXPECT_EQ(MessageOf([&] { SaveFileAtomically(dir.File(tooLong), newBytes); }, FileOperation::save, tooLong),
              tooLong + "\nDer Dateiname ist zu lang.");
    EXPECT_EQ(Entries().size(), 2u);
}

TEST_F(DocumentFileSafetyTest, TemporaryNamesAreRecognisedAndLeftOversGoAtTheNextSave) {
    EXPECT_TRUE(IsTemporaryNameOf(".plan.cpr.0123456789ab.tmp", "plan.cpr"));
    EXPECT_FALSE(IsTemporaryNameOf(".plan.cpr.0123456789AB.tmp", "plan.cpr"));
    EXPECT_FALSE(IsTemporaryNameOf(".plan.cpr.0123456789a.tmp", "plan.cpr"));
    EXPECT_FALSE(IsTemporaryNameOf(".other.cpr.0123456789ab.tmp", "plan.cpr"));
    EXPECT_FALSE(IsTemporaryNameOf("plan.cpr.0123456789ab.tmp", "plan.cpr"));
    const std::string longName = std::string(251, 'a') + ".cpr";
    EXPECT_TRUE(IsTemporaryNameOf("." + std::string(237, 'a') + ".00000000beef.tmp", longName));

    const std::string path = dir.File("plan.cpr");
    WriteFile(path, oldBytes);
    WriteFile(dir.File(".plan.cpr.0123456789ab.tmp"), newBytes);   // a killed save's
    WriteFile(dir.File(".other.cpr.0123456789ab.tmp"), newBytes);  // another document's
    // A save of the same document still running elsewhere holds its file locked.
    const std::string live = dir.File(".plan.cpr.00000000beef.tmp");
    const int liveFd = ::open(live.c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(liveFd, 0);
    ASSERT_EQ(::flock(liveFd, LOCK_EX), 0);
    SaveFileAtomically(path, newBytes);
    ::close(liveFd);
    EXPECT_EQ(Entries(),
              (std::vector<std::string>{".other.cpr.0123456789ab.tmp", ".plan.cpr.00000000beef.tmp", "plan.cpr"}));
}

TEST_F(DocumentFileSafetyTest, AFullDiskLeavesTheOldFileAndNoTemporaryFile) {
    const std::string path = dir.File("full.cpr");
    WriteFile(path, oldBytes);
    // The child may write no file beyond 4 KiB: the new content does not fit.
    EXPECT_EQ(SaveInChild(path, newBytes, 4096, 0), int(CFileException::diskFull) + 1);
    EXPECT_EQ(ReadFile(path), oldBytes);
    EXPECT_EQ(Entries(), std::vector<std::string>{"full.cpr"});
    EXPECT_EQ(
        MessageOf([] { throw CFileException(CFileException::diskFull, EFBIG, "", ""); }, FileOperation::save, path),
        "full.cpr\nNicht genügend Speicherplatz auf dem Datenträger. Die Datei blieb, wie sie war.");
    // Within the limit the same save succeeds.
    EXPECT_EQ(SaveInChild(path, oldBytes, 4096, 0), 0);
}

TEST_F(DocumentFileSafetyTest, AReadOnlyFolderLeavesTheOldFileAndSaysSo) {
    // The folder is the user's to read but not to write; root may write anywhere, so the
    // save runs as another user then.
    const uid_t user = ::geteuid() == 0 ? 65534 : 0;
    const std::string folder = dir.File("locked");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/plan.cpr";
    WriteFile(path, oldBytes);
    ::chmod(path.c_str(), 0666);  // the file itself would let anyone write
    ::chmod(dir.path.c_str(), 0755);
    ::chmod(folder.c_str(), 0555);
    EXPECT_EQ(SaveInChild(path, newBytes, 0, user), int(CFileException::folderDenied) + 1);
    ::chmod(folder.c_str(), 0755);
    EXPECT_EQ(ReadFile(path), oldBytes);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
    EXPECT_EQ(MessageOf([] { throw CFileException(CFileException::folderDenied, EACCES, "", ""); }, FileOperation::save,
                        path),
              "plan.cpr\nIn diesem Ordner dürfen keine Dateien angelegt werden.");
}

}  // namespace
