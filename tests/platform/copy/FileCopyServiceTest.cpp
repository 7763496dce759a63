#include "platform/copy/FileCopyService.h"

#include "platform/files/TemporaryNames.h"
#include "support/FolderEntries.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <fstream>
#include <functional>
#include <utility>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::CopyOutcome;
using platform::ReplaceAnswer;
using Status = platform::CopyOutcome::Status;

namespace {

// Answers replace questions from a script and cancels at a chosen progress
// call; records everything else.
class ScriptedInteraction final : public platform::CopyInteraction {
public:
    std::deque<ReplaceAnswer> answers;
    int cancelAtProgressCall = 0; // 0: never
    std::vector<std::string> questions;
    std::vector<std::string> errors;
    std::vector<std::uint64_t> progressBytes;
    std::uint64_t beganWithBytes = 0;
    std::size_t beganWithFiles = 0;
    int begins = 0;
    int ends = 0;

    ReplaceAnswer askReplace(const std::string& target, const std::string&) override
    {
        questions.push_back(fs::path(target).filename().string());
        if (answers.empty())
            return ReplaceAnswer::Cancel;
        ReplaceAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void begin(std::uint64_t totalBytes, std::size_t fileCount) override
    {
        ++begins;
        beganWithBytes = totalBytes;
        beganWithFiles = fileCount;
    }
    bool progress(const std::string&, std::uint64_t bytesDone) override
    {
        progressBytes.push_back(bytesDone);
        return static_cast<int>(progressBytes.size()) != cancelAtProgressCall;
    }
    void end() override { ++ends; }
    void reportError(const std::string& message) override { errors.push_back(message); }
};

// Disk operations that give way at a chosen point: a write after some bytes
// (a full disk), or the final rename.
class FailingFileOps final : public platform::CopyFileOps {
public:
    std::size_t failWriteAfterBytes = SIZE_MAX;
    bool failRename = false;
    bool failCreate = false;

    std::unique_ptr<platform::CopyOutput> createTemporary(const fs::path& folder, fs::path& created,
                                                          std::string& error) override
    {
        if (failCreate) {
            error = "cannot create a file in " + folder.string() + ": Read-only file system";
            return nullptr;
        }
        auto real = CopyFileOps::createTemporary(folder, created, error);
        if (real)
            temporaryModes.push_back(fs::status(created).permissions());
        return real ? std::make_unique<Output>(std::move(real), *this) : nullptr;
    }
    std::string rename(const fs::path& from, const fs::path& to, bool mayReplace) override
    {
        if (appearBeforeRename) {
            std::exchange(appearBeforeRename, {})(to);
        }
        return failRename ? "cannot create " + to.string() + ": Input/output error"
                          : CopyFileOps::rename(from, to, mayReplace);
    }
    // The permissions of each temporary as it was made, before any byte was in it.
    std::vector<fs::perms> temporaryModes;
    // Run once, just before the next rename: another program at work.
    std::function<void(const fs::path& target)> appearBeforeRename;

private:
    struct Output final : platform::CopyOutput {
        Output(std::unique_ptr<platform::CopyOutput> real, FailingFileOps& owner)
            : real(std::move(real))
            , owner(owner)
        {
        }
        std::string write(const char* data, std::size_t size) override
        {
            if (written + size > owner.failWriteAfterBytes) {
                // Part of the piece lands, as on a disk that fills up.
                real->write(data, owner.failWriteAfterBytes - written);
                return "No space left on device";
            }
            written += size;
            return real->write(data, size);
        }
        std::string finish() override { return real->finish(); }
        std::unique_ptr<platform::CopyOutput> real;
        FailingFileOps& owner;
        std::size_t written = 0;
    };
};

class FileCopyServiceTest : public ::testing::Test {
protected:
    testsupport::TempFolder temp;
    ScriptedInteraction interaction;
    FailingFileOps ops;
    platform::FileCopyService copier{interaction, ops};

    std::string source(const std::string& relative) const { return (temp.path() / "from" / relative).string(); }
    std::string target() const { return (temp.path() / "to").string(); }
    void SetUp() override { fs::create_directories(temp.path() / "to"); }

    // Every entry below the target, including hidden ones, as relative paths.
    std::vector<std::string> targetEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::recursive_directory_iterator(temp.path() / "to"))
            names.push_back(entry.path().lexically_relative(temp.path() / "to").string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(FileCopyServiceTest, CopiesFilesAndWholeFoldersWithTheirContents)
{
    temp.write("from/Editor.lnk", "shortcut bytes");
    temp.write("from/Tools/a.txt", "alpha");
    temp.write("from/Tools/deep/b.txt", std::string(3 * platform::FileCopyService::kChunkBytes + 7, 'b'));
    fs::create_directories(temp.path() / "from/Tools/empty");

    const CopyOutcome outcome = copier.copy({source("Editor.lnk"), source("Tools")}, target());

    EXPECT_EQ(outcome.status, Status::Completed);
    EXPECT_EQ(targetEntries(), (std::vector<std::string>{"Editor.lnk", "Tools", "Tools/a.txt", "Tools/deep",
                                                         "Tools/deep/b.txt", "Tools/empty"}));
    EXPECT_EQ(temp.read("to/Tools/deep/b.txt"), temp.read("from/Tools/deep/b.txt"));
    EXPECT_EQ(temp.read("to/Editor.lnk"), "shortcut bytes");
    EXPECT_EQ(outcome.copied.size(), 3u);
    EXPECT_TRUE(interaction.errors.empty());
}

TEST_F(FileCopyServiceTest, ReportsTotalsFirstAndProgressThatEndsAtTheTotal)
{
    const std::size_t big = 2 * platform::FileCopyService::kChunkBytes + 1;
    temp.write("from/one", std::string(big, 'x'));
    temp.write("from/two", "12345");

    copier.copy({source("one"), source("two")}, target());

    EXPECT_EQ(interaction.begins, 1);
    EXPECT_EQ(interaction.ends, 1);
    EXPECT_EQ(interaction.beganWithBytes, big + 5);
    EXPECT_EQ(interaction.beganWithFiles, 2u);
    ASSERT_FALSE(interaction.progressBytes.empty());
    EXPECT_TRUE(std::is_sorted(interaction.progressBytes.begin(), interaction.progressBytes.end()));
    EXPECT_EQ(interaction.progressBytes.back(), big + 5);
}

TEST_F(FileCopyServiceTest, ExistingTargetIsReplacedSkippedOrEndsTheCopyAsAnswered)
{
    struct Case {
        ReplaceAnswer answer;
        Status status;
        std::string contentAfter;
        bool laterFileCopied;
        size_t skipped;
    };
    const Case cases[] = {
        {ReplaceAnswer::Replace, Status::Completed, "new", true, 0},
        {ReplaceAnswer::Skip, Status::Completed, "old", true, 1},
        {ReplaceAnswer::Cancel, Status::Cancelled, "old", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        fs::remove_all(temp.path() / "to");
        temp.write("to/Game.lnk", "old");
        temp.write("from/Game.lnk", "new");
        temp.write("from/Later.lnk", "later");
        interaction.answers = {c.answer};
        interaction.questions.clear();

        const CopyOutcome outcome = copier.copy({source("Game.lnk"), source("Later.lnk")}, target());

        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(interaction.questions, std::vector<std::string>{"Game.lnk"});
        EXPECT_EQ(temp.read("to/Game.lnk"), c.contentAfter);
        EXPECT_EQ(fs::exists(temp.path() / "to/Later.lnk"), c.laterFileCopied);
        EXPECT_EQ(outcome.skipped.size(), c.skipped);
    }
}

TEST_F(FileCopyServiceTest, FolderIsMergedIntoAnExistingOneAskingOnlyAboutClashingFiles)
{
    temp.write("to/Games/Chess.lnk", "old chess");
    temp.write("to/Games/Keep.lnk", "untouched");
    temp.write("from/Games/Chess.lnk", "new chess");
    temp.write("from/Games/Solitaire.lnk", "cards");
    interaction.answers = {ReplaceAnswer::Replace};

    const CopyOutcome outcome = copier.copy({source("Games")}, target());

    EXPECT_EQ(outcome.status, Status::Completed);
    EXPECT_EQ(interaction.questions, std::vector<std::string>{"Chess.lnk"});
    EXPECT_EQ(temp.read("to/Games/Chess.lnk"), "new chess");
    EXPECT_EQ(temp.read("to/Games/Keep.lnk"), "untouched");
    EXPECT_EQ(temp.read("to/Games/Solitaire.lnk"), "cards");
}

TEST_F(FileCopyServiceTest, CancelInTheMiddleOfAFileLeavesNoPartOfIt)
{
    temp.write("from/first", "done before the cancel");
    temp.write("from/huge", std::string(4 * platform::FileCopyService::kChunkBytes, 'h'));
    interaction.cancelAtProgressCall = 3; // one call for "first", then two pieces of "huge"

    const CopyOutcome outcome = copier.copy({source("first"), source("huge")}, target());

    EXPECT_EQ(outcome.status, Status::Cancelled);
    EXPECT_EQ(targetEntries(), std::vector<std::string>{"first"});
    EXPECT_EQ(interaction.ends, 1);
}

TEST_F(FileCopyServiceTest, FailedWriteOrRenameLeavesTheOldFileAndNoPartialOne)
{
    const std::string content(3 * platform::FileCopyService::kChunkBytes, 'n');
    struct Case {
        const char* name;
        std::size_t failWriteAfterBytes;
        bool failRename;
    };
    for (const Case& c : {Case{"disk full", platform::FileCopyService::kChunkBytes + 10, false},
                          Case{"rename", SIZE_MAX, true}}) {
        SCOPED_TRACE(c.name);
        fs::remove_all(temp.path() / "to");
        temp.write("to/Report.lnk", "old report");
        temp.write("from/Report.lnk", content);
        temp.write("from/After.lnk", "after");
        ops.failWriteAfterBytes = c.failWriteAfterBytes;
        ops.failRename = c.failRename;
        interaction.answers = {ReplaceAnswer::Replace};
        interaction.errors.clear();

        const CopyOutcome outcome = copier.copy({source("Report.lnk"), source("After.lnk")}, target());

        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_EQ(temp.read("to/Report.lnk"), "old report");
        EXPECT_EQ(targetEntries(), std::vector<std::string>{"Report.lnk"});
        ASSERT_EQ(interaction.errors.size(), 1u);
        EXPECT_EQ(interaction.errors[0], outcome.error);
        EXPECT_TRUE(outcome.copied.empty());
        // The message names the user's file, never the hidden temporary one.
        EXPECT_NE(outcome.error.find((temp.path() / "to/Report.lnk").string()), std::string::npos) << outcome.error;
        EXPECT_EQ(outcome.error.find(".quorvex-"), std::string::npos) << outcome.error;
    }
}

TEST_F(FileCopyServiceTest, ReadOnlyTargetFolderFailsWithAMessage)
{
    temp.write("from/A.lnk", "a");
    ops.failCreate = true;

    const CopyOutcome outcome = copier.copy({source("A.lnk")}, target());

    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_NE(outcome.error.find("Read-only"), std::string::npos);
    EXPECT_TRUE(targetEntries().empty());
}

TEST_F(FileCopyServiceTest, ReadOnlyTargetFolderOnDisk)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop the superuser";
    temp.write("from/A.lnk", "a");
    fs::permissions(temp.path() / "to", fs::perms::owner_read | fs::perms::owner_exec);

    const CopyOutcome outcome = copier.copy({source("A.lnk")}, target());

    fs::permissions(temp.path() / "to", fs::perms::owner_all);
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_TRUE(targetEntries().empty());
}

TEST_F(FileCopyServiceTest, RefusesBeforeWritingAnything)
{
    temp.write("from/Tools/a.txt", "a");
    temp.write("from/ok.lnk", "ok");
    fs::create_directories(temp.path() / "from/Tools/inner");
    struct Case {
        const char* name;
        std::vector<std::string> sources;
        std::string target;
    };
    const Case cases[] = {
        {"missing target folder", {source("ok.lnk")}, (temp.path() / "nowhere").string()},
        {"target is a file", {source("ok.lnk")}, source("ok.lnk")},
        {"missing source", {source("ok.lnk"), source("gone.lnk")}, target()},
        {"folder into itself", {source("Tools")}, source("Tools/inner")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        interaction.begins = 0;
        const CopyOutcome outcome = copier.copy(c.sources, c.target);
        EXPECT_EQ(outcome.status, Status::Failed);
        EXPECT_FALSE(outcome.error.empty());
        EXPECT_EQ(interaction.begins, 0);
    }
    EXPECT_TRUE(targetEntries().empty());
    EXPECT_FALSE(fs::exists(temp.path() / "from/Tools/inner/Tools"));
}

TEST_F(FileCopyServiceTest, FileDroppedOntoItsOwnFolderIsLeftAlone)
{
    temp.write("to/Same.lnk", "same");

    const CopyOutcome outcome = copier.copy({(temp.path() / "to/Same.lnk").string()}, target());

    EXPECT_EQ(outcome.status, Status::Completed);
    EXPECT_TRUE(interaction.questions.empty());
    EXPECT_EQ(temp.read("to/Same.lnk"), "same");
}

TEST_F(FileCopyServiceTest, LinksInsideAFolderAreCopiedAsLinksNotFollowed)
{
    temp.write("from/Tree/file.txt", "f");
    fs::create_directory_symlink("..", temp.path() / "from/Tree/up");
    fs::create_symlink("file.txt", temp.path() / "from/Tree/alias");

    const CopyOutcome outcome = copier.copy({source("Tree")}, target());

    EXPECT_EQ(outcome.status, Status::Completed);
    EXPECT_EQ(targetEntries(), (std::vector<std::string>{"Tree", "Tree/alias", "Tree/file.txt", "Tree/up"}));
    EXPECT_EQ(fs::read_symlink(temp.path() / "to/Tree/up"), "..");
    EXPECT_EQ(temp.read("to/Tree/alias"), "f");
}

TEST(CopiedFilePermissions, KeepReadAndRunBitsButGrantNothingNew)
{
    using fs::perms;
    const perms none = perms::none;
    const perms umask022 = perms::group_write | perms::others_write;
    const perms umask077 = perms::group_all | perms::others_all;
    struct Case {
        const char* name;
        perms source;
        perms umask;
        perms expected;
    };
    const Case cases[] = {
        {"program", perms(0755), umask022, perms(0755)},
        {"private file", perms(0600), umask022, perms(0600)},
        {"set-uid program", perms(04755), umask022, perms(0755)},
        {"set-gid and sticky", perms(03775), none, perms(0755)},
        {"world-writable, no umask", perms(0777), none, perms(0755)},
        {"group-writable, no umask", perms(0664), none, perms(0644)},
        {"strict umask", perms(0755), umask077, perms(0700)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::CopiedFilePermissions(c.source, c.umask), c.expected) << c.name;
}

TEST_F(FileCopyServiceTest, CopyGetsTheCopiedFilePermissionsUnderTheProcessUmask)
{
    temp.write("from/run.sh", "#!/bin/sh\n");
    fs::permissions(temp.path() / "from/run.sh", fs::perms(06777));
    const mode_t previous = ::umask(027);

    copier.copy({source("run.sh")}, target());

    ::umask(previous);
    EXPECT_EQ(fs::status(temp.path() / "to/run.sh").permissions(), fs::perms(0750));
    // Nobody else could open it while it was being written.
    EXPECT_EQ(ops.temporaryModes, std::vector<fs::perms>{fs::perms(0600)});
}

TEST_F(FileCopyServiceTest, AFileThatAppearsWhileTheCopyIsMadeIsAskedAboutNotReplaced)
{
    struct Case {
        ReplaceAnswer answer;
        Status status;
        std::string contentAfter;
        size_t copied;
        size_t skipped;
    };
    const Case cases[] = {
        {ReplaceAnswer::Replace, Status::Completed, "dropped", 1, 0},
        {ReplaceAnswer::Skip, Status::Completed, "theirs", 0, 1},
        {ReplaceAnswer::Cancel, Status::Cancelled, "theirs", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        fs::remove_all(temp.path() / "to");
        fs::create_directory(temp.path() / "to");
        temp.write("from/Game.lnk", "dropped");
        interaction.answers = {c.answer};
        interaction.questions.clear();
        ops.appearBeforeRename = [](const fs::path& target) { std::ofstream(target) << "theirs"; };

        const CopyOutcome outcome = copier.copy({source("Game.lnk")}, target());

        EXPECT_EQ(outcome.status, c.status);
        EXPECT_EQ(interaction.questions, std::vector<std::string>{"Game.lnk"});
        EXPECT_EQ(temp.read("to/Game.lnk"), c.contentAfter);
        EXPECT_EQ(outcome.copied.size(), c.copied);
        EXPECT_EQ(outcome.skipped.size(), c.skipped);
        EXPECT_EQ(targetEntries(), std::vector<std::string>{"Game.lnk"}); // no temporary left
    }
}

// A copy killed halfway leaves its temporary in the section folder; the next
// copy into that folder removes it once it is a minute old, but leaves the one
// another launcher is writing right now.
TEST_F(FileCopyServiceTest, LeftoversOfKilledCopiesGoWithTheNextCopyIntoTheFolder)
{
    const std::string stale = platform::newTemporaryName();
    const std::string fresh = platform::newTemporaryName();
    temp.write("to/" + stale, "half a shortcut");
    temp.write("to/" + fresh, "being written");
    temp.write("to/.old-but-not-ours", "kept");
    for (const std::string& name : {stale, std::string(".old-but-not-ours")})
        testsupport::makeTwoMinutesOld(temp.path() / "to" / name);
    temp.write("from/Editor.lnk", "shortcut");

    const CopyOutcome outcome = copier.copy({source("Editor.lnk")}, target());

    EXPECT_EQ(outcome.status, Status::Completed);
    std::vector<std::string> expected = {".old-but-not-ours", "Editor.lnk", fresh};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(targetEntries(), expected);
}

} // namespace
