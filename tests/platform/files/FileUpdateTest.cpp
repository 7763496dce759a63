#include "platform/files/FileUpdate.h"

#include "platform/files/TemporaryNames.h"
#include "support/FolderEntries.h"
#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using testsupport::TempFolder;

struct stat statusOf(const fs::path& path)
{
    struct stat status {};
    ::lstat(path.c_str(), &status);
    return status;
}

using testsupport::namesIn;

TEST(FileUpdate, WritesThroughSymbolicLinksIntoTheirTargets)
{
    const struct {
        const char* name;
        const char* link;   // the link's text, relative to the link's folder
        const char* target; // the file that must get the bytes
    } cases[] = {
        {"relative link", "real/s.ini", "real/s.ini"},
        {"link to a link", "chain.ini", "real/s.ini"},
        {"dangling link", "real/new.ini", "real/new.ini"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write("real/s.ini", "old");
        fs::create_symlink("real/s.ini", folder.path() / "chain.ini");
        const fs::path link = folder.path() / "link.ini";
        fs::create_symlink(c.link, link);

        EXPECT_EQ(platform::writeFile(link, "new"), "");

        EXPECT_TRUE(fs::is_symlink(fs::symlink_status(link)));
        EXPECT_EQ(folder.read(c.target), "new");
        // The temporary was made beside the target, not beside the link.
        EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"chain.ini", "link.ini", "real"}));
    }
}

TEST(FileUpdate, ALinkLoopIsReportedAndNothingIsWritten)
{
    TempFolder folder;
    fs::create_symlink("b.ini", folder.path() / "a.ini");
    fs::create_symlink("a.ini", folder.path() / "b.ini");
    const std::string problem = platform::writeFile(folder.path() / "a.ini", "x");
    EXPECT_NE(problem.find("a.ini"), std::string::npos) << problem;
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"a.ini", "b.ini"}));
}

TEST(FileUpdate, AReadOnlyFileIsRefusedAndKeptByteForByte)
{
    TempFolder folder;
    const fs::path file = folder.write("s.ini", "[A]\r\nk=1\r\n");
    ::chmod(file.c_str(), 0444);
    const ino_t inode = statusOf(file).st_ino;
    const std::string problem = platform::writeFile(file, "[A]\nk=2\n");
    EXPECT_NE(problem.find("read-only"), std::string::npos) << problem;
    EXPECT_EQ(folder.read("s.ini"), "[A]\r\nk=1\r\n");
    EXPECT_EQ(statusOf(file).st_ino, inode);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"s.ini"});
}

TEST(FileUpdate, AnotherUsersFileIsRefusedInAFolderAnyoneMayWrite)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs the superuser to own a file the test user cannot write";
    TempFolder folder;
    ::chmod(folder.path().c_str(), 0777);
    const fs::path file = folder.write("s.ini", "root's");
    ::chmod(file.c_str(), 0644);
    const int result = testsupport::runUnprivileged([&] { return platform::writeFile(file, "mine").empty() ? 1 : 0; });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(folder.read("s.ini"), "root's");
    EXPECT_EQ(statusOf(file).st_uid, 0u);
}

// A folder the user cannot write to: the file is rewritten in place.
TEST(FileUpdate, AWritableFileInAReadOnlyFolderIsRewrittenInPlace)
{
    TempFolder folder;
    const fs::path inner = folder.path() / "locked";
    fs::create_directory(inner);
    const fs::path file = inner / "s.ini";
    std::ofstream(file) << "a rather long old text that is longer than the new one";
    ::chmod(folder.path().c_str(), 0755);
    ::chmod(file.c_str(), 0666);
    ::chmod(inner.c_str(), 0555);
    const ino_t inode = statusOf(file).st_ino;

    const int result = testsupport::runUnprivileged([&] { return platform::writeFile(file, "short").empty() ? 0 : 1; });

    ::chmod(inner.c_str(), 0755);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(folder.read("locked/s.ini"), "short");
    EXPECT_EQ(statusOf(file).st_ino, inode);
    EXPECT_EQ(namesIn(inner), std::vector<std::string>{"s.ini"});
    // A file that does not exist cannot be made there.
    ::chmod(inner.c_str(), 0555);
    const int created = testsupport::runUnprivileged([&] { return platform::writeFile(inner / "new.ini", "x").empty() ? 1 : 0; });
    ::chmod(inner.c_str(), 0755);
    EXPECT_EQ(created, 0);
    EXPECT_FALSE(fs::exists(inner / "new.ini"));
}

// Replacing such a file would make it the writer's: it is rewritten in place,
// as is a file with other hard links, which a new file would cut off.
TEST(FileUpdate, OwnerAndHardLinksAreKept)
{
    TempFolder folder;
    const fs::path file = folder.write("s.ini", "old");
    const fs::path other = folder.path() / "other-name.ini";
    fs::create_hard_link(file, other);
    EXPECT_EQ(platform::writeFile(file, "new"), "");
    EXPECT_EQ(folder.read("other-name.ini"), "new");

    if (::geteuid() != 0)
        return;
    ::chmod(folder.path().c_str(), 0777);
    const fs::path shared = folder.write("shared.ini", "root's");
    ::chmod(shared.c_str(), 0666);
    const int result = testsupport::runUnprivileged([&] { return platform::writeFile(shared, "edited").empty() ? 0 : 1; });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(folder.read("shared.ini"), "edited");
    EXPECT_EQ(statusOf(shared).st_uid, 0u);
    EXPECT_EQ(statusOf(shared).st_mode & 07777, 0666u);
}

TEST(FileUpdate, NewFilesGetTheUmasksPermissions)
{
    const struct {
        mode_t umask;
        mode_t mode;
    } cases[] = {{022, 0644}, {027, 0640}, {077, 0600}, {002, 0664}};
    for (const auto& c : cases) {
        TempFolder folder;
        const mode_t saved = ::umask(c.umask);
        const std::string problem = platform::writeFile(folder.path() / "new.ini", "x");
        ::umask(saved);
        EXPECT_EQ(problem, "");
        EXPECT_EQ(statusOf(folder.path() / "new.ini").st_mode & 0777, c.mode) << std::oct << c.umask;
    }
}

TEST(FileUpdate, AFileNameAsLongAsTheFileSystemAllowsCanBeWritten)
{
    TempFolder folder;
    const std::string name(255, 'n');
    EXPECT_EQ(platform::writeFile(folder.path() / name, "x"), "");
    EXPECT_EQ(folder.read(name), "x");
    EXPECT_EQ(platform::updateFile(folder.path() / name, [](const auto& current, std::string& replacement) {
        replacement = *current + "y";
        return std::string();
    }), "");
    EXPECT_EQ(folder.read(name), "xy");
}

TEST(FileUpdate, StaleTemporariesOfOurOwnAreRemovedWhenTheFolderIsWritten)
{
    TempFolder folder;
    const std::string stale = platform::newTemporaryName();
    const std::string fresh = platform::newTemporaryName();
    ASSERT_NE(stale, fresh);
    const std::vector<std::string> oldButNotOurs = {".quorvex-short.tmp", "s.ini.Ab12Cd", "notes.tmp"};
    for (const std::string& name : oldButNotOurs)
        folder.write(name, "keep");
    folder.write(stale, "left by a killed writer");
    folder.write(fresh, "being written right now");
    for (const std::string& name : oldButNotOurs)
        testsupport::makeTwoMinutesOld(folder.path() / name);
    testsupport::makeTwoMinutesOld(folder.path() / stale);

    EXPECT_EQ(platform::writeFile(folder.path() / "s.ini", "x"), "");

    std::vector<std::string> expected = oldButNotOurs;
    expected.push_back(fresh);
    expected.push_back("s.ini");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(namesIn(folder.path()), expected);
}

TEST(FileUpdate, UpdatesSeeTheCurrentTextAndMayRefuse)
{
    TempFolder folder;
    const fs::path file = folder.path() / "s.ini";
    auto append = [](std::string text) {
        return [text](const std::optional<std::string>& current, std::string& replacement) {
            replacement = current.value_or("<none>") + text;
            return std::string();
        };
    };
    EXPECT_EQ(platform::updateFile(file, append("a")), "");
    EXPECT_EQ(platform::updateFile(file, append("b")), "");
    EXPECT_EQ(folder.read("s.ini"), "<none>ab");
    const std::string problem = platform::updateFile(file, [](const auto&, std::string& replacement) {
        replacement = "lost";
        return std::string("no, thanks");
    });
    EXPECT_EQ(problem, "no, thanks");
    EXPECT_EQ(folder.read("s.ini"), "<none>ab");
}

} // namespace
