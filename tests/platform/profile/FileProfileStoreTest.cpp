#include "platform/profile/FileProfileStore.h"

#include "support/TempFolder.h"
#include "support/Utf16Writer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using platform::FileProfileStore;
using testsupport::TempFolder;

TEST(FileProfileStore, MissingFileReadsAsMissingAndWriteCreatesIt)
{
    TempFolder folder;
    FileProfileStore store;
    const std::string file = folder.str() + "Quorvex.ini";
    EXPECT_EQ(store.read(file, "Options", "StartupSkin"), std::nullopt);
    EXPECT_EQ(store.write(file, "Options", "StartupSkin", "Dusk"), "");
    EXPECT_EQ(folder.read("Quorvex.ini"), "[Options]\nStartupSkin=Dusk\n");
    EXPECT_EQ(store.read(file, "options", "startupskin"), "Dusk");
}

TEST(FileProfileStore, FindsFilesWithoutRegardToCase)
{
    TempFolder folder;
    folder.write("skins/Dusk/DUSK.INI", "[SkinInfo]\nSectionNum=3\n");
    FileProfileStore store;
    EXPECT_EQ(store.read(folder.str() + "skins/dusk/dusk.ini", "SkinInfo", "SectionNum"), "3");
    // Writing through another letter case updates the existing file.
    store.write(folder.str() + "skins/Dusk/Dusk.ini", "SkinInfo", "SectionNum", "4");
    EXPECT_EQ(folder.read("skins/Dusk/DUSK.INI"), "[SkinInfo]\nSectionNum=4\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "skins/Dusk/Dusk.ini"));
}

TEST(FileProfileStore, SeesChangesMadeBehindItsBack)
{
    TempFolder folder;
    folder.write("a.ini", "[A]\nk=1\n");
    FileProfileStore store;
    EXPECT_EQ(store.read(folder.str() + "a.ini", "A", "k"), "1");
    folder.write("a.ini", "[A]\nk=22\n"); // another size, so a new read is due
    EXPECT_EQ(store.read(folder.str() + "a.ini", "A", "k"), "22");
}

TEST(FileProfileStore, WriteLeavesNoTemporaryFilesAndKeepsPermissions)
{
    TempFolder folder;
    const auto file = folder.write("s.ini", "[A]\nk=1\n");
    ::chmod(file.c_str(), 0640);
    FileProfileStore store;
    store.write(file.string(), "A", "k", "2");
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
    struct stat status {};
    ::stat(file.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(FileProfileStore, FailedWritesAreReportedAndLeaveNothingBehind)
{
    TempFolder folder;
    FileProfileStore store;
    // No folder to put the file in.
    EXPECT_NE(store.write(folder.str() + "missing/s.ini", "A", "k", "1"), "");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));

    // A folder stands where the file should go: the rename over it fails.
    folder.write("taken.ini/keep.txt", "precious");
    EXPECT_NE(store.write(folder.str() + "taken.ini", "A", "k", "1"), "");
    EXPECT_EQ(folder.read("taken.ini/keep.txt"), "precious");
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1); // no temporary file left
}

// Files nobody here wrote: each is refused at once, with a reason.
TEST(FileProfileStore, ReadProblemSaysWhyAFileCannotBeRead)
{
    TempFolder folder;
    folder.write("good.ini", "[A]\nk=1\n");
    folder.write("folder.ini/inside", "");
    ::mkfifo((folder.path() / "pipe.ini").c_str(), 0644);
    {
        std::ofstream huge(folder.path() / "huge.ini");
        huge.seekp((16 << 20) + 1); // sparse: cheap to make, too large to read
        huge << 'x';
    }
    std::filesystem::create_symlink("/dev/zero", folder.path() / "zero.ini");
    FileProfileStore store;
    EXPECT_EQ(store.readProblem(folder.str() + "good.ini"), "");
    const struct {
        const char* name;
        const char* reason;
    } cases[] = {
        {"missing.ini", "No such file"},
        {"folder.ini", "folder"},
        {"pipe.ini", "pipe"},
        {"zero.ini", "device"},
        {"huge.ini", "larger than"},
    };
    for (const auto& c : cases) {
        const std::string problem = store.readProblem(folder.str() + c.name);
        EXPECT_NE(problem.find(folder.str() + c.name), std::string::npos) << problem;
        EXPECT_NE(problem.find(c.reason), std::string::npos) << problem;
        EXPECT_EQ(store.read(folder.str() + c.name, "A", "k"), std::nullopt);
        if (std::string(c.name) != "missing.ini") {
            EXPECT_NE(store.write(folder.str() + c.name, "A", "k", "2"), "") << c.name;
        }
    }
}

// Two launchers on one program folder: each process writes keys of its own;
// none may be lost to the other's read-modify-write. (In memory when it can:
// the test is about the lock, not about how fast the disk syncs.)
TEST(FileProfileStore, TwoProcessesWritingAtOnceLoseNothing)
{
    const std::filesystem::path memory("/dev/shm");
    TempFolder folder(std::filesystem::is_directory(memory) && ::access(memory.c_str(), W_OK) == 0
                          ? memory
                          : std::filesystem::temp_directory_path());
    const std::string file = folder.str() + "shared.ini";
    constexpr int kWrites = 1000;
    auto writer = [&](const char* prefix) {
        FileProfileStore store;
        int failures = 0;
        for (int i = 0; i < kWrites; ++i) {
            // Read too, so that each process has the file cached.
            store.read(file, "Keys", std::string(prefix) + "0");
            if (!store.write(file, "Keys", prefix + std::to_string(i), std::to_string(i)).empty())
                ++failures;
        }
        return failures;
    };
    pid_t children[2];
    const char* prefixes[2] = {"a", "b"};
    for (int c = 0; c < 2; ++c) {
        children[c] = ::fork();
        ASSERT_GE(children[c], 0);
        if (children[c] == 0)
            ::_exit(std::min(writer(prefixes[c]), 100));
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "failed writes: " << WEXITSTATUS(status);
    }
    FileProfileStore store;
    int missing = 0;
    for (const char* prefix : prefixes) {
        for (int i = 0; i < kWrites; ++i) {
            if (store.read(file, "Keys", prefix + std::to_string(i)) != std::to_string(i))
                ++missing;
        }
    }
    EXPECT_EQ(missing, 0);
}

// A rewrite of the same size within one tick of the file's time stamps leaves
// size and modification time as they were; the store must not serve the old
// text, nor write it back.
TEST(FileProfileStore, ASameSizeRewriteInTheSameTickIsSeen)
{
    TempFolder folder;
    const std::string file = folder.str() + "s.ini";
    FileProfileStore store;
    for (int round = 0; round < 20; ++round) {
        const std::string before = std::to_string(10 + round % 2);
        const std::string after = std::to_string(12 + round % 2);
        folder.write("s.ini", "[A]\nk=" + before + "\nj=0\n");
        ASSERT_EQ(store.read(file, "A", "k"), before);
        struct stat status {};
        ::stat(file.c_str(), &status);
        folder.write("s.ini", "[A]\nk=" + after + "\nj=0\n");
        const timespec sameTimes[2] = {status.st_atim, status.st_mtim};
        ::utimensat(AT_FDCWD, file.c_str(), sameTimes, 0);

        EXPECT_EQ(store.read(file, "A", "k"), after);
        EXPECT_EQ(store.write(file, "A", "j", "1"), "");
        EXPECT_EQ(folder.read("s.ini"), "[A]\nk=" + after + "\nj=1\n");
    }
}

// A read burst may serve a just-written file from one read, but a changed
// stamp is still seen within it, and once it ends every read checks again.
TEST(FileProfileStore, AReadBurstStillSeesChangesAndEndsCleanly)
{
    TempFolder folder;
    const std::string file = folder.str() + "s.ini";
    FileProfileStore store;
    folder.write("s.ini", "[A]\nk=10\n");
    {
        platform::ProfileReadBurst burst(store);
        platform::ProfileReadBurst nested(store);
        ASSERT_EQ(store.read(file, "A", "k"), "10");
        folder.write("s.ini", "[A]\nk=123\n");
        EXPECT_EQ(store.read(file, "A", "k"), "123");
    }
    for (int round = 0; round < 5; ++round) {
        const std::string after = std::to_string(500 + round);
        folder.write("s.ini", "[A]\nk=456\n");
        ASSERT_EQ(store.read(file, "A", "k"), "456");
        struct stat status {};
        ::stat(file.c_str(), &status);
        folder.write("s.ini", "[A]\nk=" + after + "\n");
        const timespec sameTimes[2] = {status.st_atim, status.st_mtim};
        ::utimensat(AT_FDCWD, file.c_str(), sameTimes, 0);
        EXPECT_EQ(store.read(file, "A", "k"), after);
    }
}

TEST(FileProfileStore, LineBreaksAndNulAreRefusedAndTheFileKept)
{
    TempFolder folder;
    const std::string text = "[SkinInfo]\r\nHotKey=ctrl+b\r\n[UserSettings]\r\nStartupLeft=5\r\n";
    folder.write("s.ini", text);
    FileProfileStore store;
    const struct {
        std::string section, key, value;
    } cases[] = {
        {"SkinInfo", "HotKey", "ctrl+a\n[UserSettings]\nShaded=-1"},
        {"SkinInfo", "HotKey", "ctrl+a\r[UserSettings]"},
        {"SkinInfo", "HotKey", std::string("ctrl+a\0x", 8)},
        {"Skin\nInfo", "HotKey", "x"},
        {"SkinInfo", "Hot\r\nKey", "x"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(store.write(folder.str() + "s.ini", c.section, c.key, c.value), "");
        EXPECT_EQ(folder.read("s.ini"), text);
    }
    EXPECT_EQ(store.read(folder.str() + "s.ini", "UserSettings", "StartupLeft"), "5");
}

TEST(FileProfileStore, AReadOnlyFileIsNotWrittenAndTheCallerTold)
{
    TempFolder folder;
    const auto file = folder.write("s.ini", "[A]\nk=1\n");
    ::chmod(file.c_str(), 0444);
    FileProfileStore store;
    const std::string problem = store.write(file.string(), "A", "k", "2");
    EXPECT_NE(problem.find(file.string()), std::string::npos) << problem;
    EXPECT_EQ(folder.read("s.ini"), "[A]\nk=1\n");
    EXPECT_EQ(store.read(file.string(), "A", "k"), "1");
}

std::string utf16(const std::u16string& text, bool bigEndian)
{
    return testsupport::utf16WithMark(text, bigEndian ? testsupport::ByteOrder::BigEndian
                                                      : testsupport::ByteOrder::LittleEndian);
}

TEST(FileProfileStore, Utf16FilesAreReadAndWrittenBackInUtf16)
{
    for (bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "big endian" : "little endian");
        TempFolder folder;
        folder.write("s.ini", utf16(u"[SkinInfo]\r\nSkinName=Gr\u00F6\u00DFe \U0001F600\r\n", bigEndian));
        FileProfileStore store;
        const std::string file = folder.str() + "s.ini";
        EXPECT_EQ(store.read(file, "SkinInfo", "SkinName"), "Gr\xC3\xB6\xC3\x9F" "e \xF0\x9F\x98\x80");
        EXPECT_EQ(store.readProblem(file), "");

        EXPECT_EQ(store.write(file, "SkinInfo", "Caption", "\xC3\xBC"), "");
        EXPECT_EQ(store.write(file, "SkinInfo", "SkinName", "Gr\xC3\xB6\xC3\x9F"), "");

        EXPECT_EQ(folder.read("s.ini"),
                  utf16(u"[SkinInfo]\r\nSkinName=Gr\u00F6\u00DF\r\nCaption=\u00FC\r\n", bigEndian));
        EXPECT_EQ(store.read(file, "SkinInfo", "Caption"), "\xC3\xBC");
    }
}

TEST(FileProfileStore, AUtf8ByteOrderMarkIsSkippedAndKept)
{
    TempFolder folder;
    folder.write("s.ini", "\xEF\xBB\xBF[A]\nk=1\n");
    FileProfileStore store;
    EXPECT_EQ(store.read(folder.str() + "s.ini", "A", "k"), "1");
    EXPECT_EQ(store.write(folder.str() + "s.ini", "A", "j", "2"), "");
    EXPECT_EQ(folder.read("s.ini"), "\xEF\xBB\xBF[A]\nk=1\nj=2\n");
}

// Adding lines to a text the store cannot write back as it came would mix
// encodings: such files are refused for writing, with a message.
TEST(FileProfileStore, TextsThatCannotBeWrittenBackAsTheyCameAreRefused)
{
    const struct {
        const char* name;
        std::string bytes;
    } cases[] = {
        {"UTF-16 without a byte-order mark", std::string("[\0A\0]\0\n\0k\0=\0\x31\0", 14)},
        {"UTF-16 with a lone surrogate", utf16(u"[A]\nk=", false) + std::string("\x00\xD8", 2)},
        {"UTF-16 of an odd length", utf16(u"[A]\nk=1", false) + "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write("s.ini", c.bytes);
        FileProfileStore store;
        EXPECT_NE(store.write(folder.str() + "s.ini", "A", "k", "2"), "");
        EXPECT_EQ(folder.read("s.ini"), c.bytes);
    }
}
