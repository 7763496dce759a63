#include "launcher/dialogs/DropDecision.h"

#include "platform/copy/RecordingCopyService.h"

#include <gtest/gtest.h>

using launcher::DropDecision;
using launcher::DropTarget;
using Files = std::optional<std::vector<std::string>>;

namespace {

TEST(DropDecision, ShortcutFilesAreKnownByTheirEnding)
{
    const std::pair<const char*, bool> cases[] = {
        {"/home/u/Editor.lnk", true}, {"/home/u/Site.URL", true}, {"/x/Old Game.Pif", true},
        {".lnk", true},               {"/x/notes.txt", false},    {"/x/a.lnk.txt", false},
        {"/x/lnk", false},            {"lnk", false},             {"", false},
        {"/x/archive.lnk/", false},   {"/usr/share/applications/editor.desktop", true},
        {"/x/a.desktop.txt", false},
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(launcher::isShortcutFile(path), expected) << path;
}

TEST(DropDecision, DecidesFromTargetAndDraggedData)
{
    struct Case {
        const char* name;
        DropTarget target;
        int slot;
        int folderCount;
        Files files;
        DropDecision::Kind kind;
    };
    const Case cases[] = {
        {"section without folder", DropTarget::SectionButton, 3, 3, Files{{"/a.lnk"}}, DropDecision::Kind::SectionNotActive},
        {"section without folder, no files", DropTarget::SectionButton, 5, 3, std::nullopt,
         DropDecision::Kind::SectionNotActive},
        {"last active section", DropTarget::SectionButton, 2, 3, Files{{"/a.lnk"}}, DropDecision::Kind::Files},
        {"no section at all", DropTarget::SectionButton, -1, 0, Files{{"/a.lnk"}},
         DropDecision::Kind::SectionNotActive},
        {"window is never inactive", DropTarget::Window, 7, 3, Files{{"/a.lnk"}}, DropDecision::Kind::Files},
        {"text from an editor", DropTarget::Window, 0, 3, std::nullopt, DropDecision::Kind::NoFileList},
        {"empty file list", DropTarget::SectionButton, 0, 3, Files{std::vector<std::string>{}},
         DropDecision::Kind::NoFileList},
    };
    for (const Case& c : cases)
        EXPECT_EQ(launcher::DecideSectionDrop(c.target, c.slot, c.folderCount, c.files).kind, c.kind) << c.name;
}

TEST(DropDecision, KeepsEveryFileInDragOrderWithItsVerdict)
{
    const DropDecision decision =
        launcher::DecideSectionDrop(DropTarget::Window, 0, 1, Files{{"/b/Report.doc", "/a/Editor.LNK", "/c/x.url"}});
    ASSERT_EQ(decision.files.size(), 3u);
    EXPECT_EQ(decision.files[0].path, "/b/Report.doc");
    EXPECT_FALSE(decision.files[0].shortcut);
    EXPECT_TRUE(decision.files[1].shortcut);
    EXPECT_TRUE(decision.files[2].shortcut);
}

struct DropRun {
    launcher::DropResult result;
    std::vector<std::string> messages;
    std::vector<platform::RecordingCopyService::Call> copies;
    std::vector<int> pauses;
};

DropRun runDrop(DropTarget target, int slot, Files files, platform::RecordingCopyService& copier)
{
    platform::RecordingMessageBox box;
    DropRun run;
    const DropDecision decision = launcher::DecideSectionDrop(target, slot, 3, files);
    run.result = launcher::AddDroppedShortcuts(decision, "/app/shortcuts/Games/", copier, box,
                                               [&](int ms) { run.pauses.push_back(ms); });
    for (const auto& shown : box.shown()) {
        run.messages.push_back(shown.text);
        EXPECT_EQ(shown.caption, "Quorvex");
    }
    run.copies = copier.calls();
    return run;
}

TEST(DropDecision, MixedDropCopiesTheShortcutsThenSaysSomeWereInvalid)
{
    platform::RecordingCopyService copier;
    const DropRun run = runDrop(DropTarget::Window, 0, Files{{"/h/notes.txt", "/h/Editor.lnk", "/h/Web.url"}}, copier);

    ASSERT_EQ(run.copies.size(), 2u); // one copy per shortcut
    EXPECT_EQ(run.copies[0].sources, std::vector<std::string>{"/h/Editor.lnk"});
    EXPECT_EQ(run.copies[1].sources, std::vector<std::string>{"/h/Web.url"});
    EXPECT_EQ(run.copies[0].targetFolder, "/app/shortcuts/Games");
    EXPECT_EQ(run.messages, std::vector<std::string>{launcher::kInvalidShortcutFilesMessage});
    EXPECT_EQ(run.pauses, (std::vector<int>{50, 50}));
    EXPECT_TRUE(run.result.added);
    EXPECT_TRUE(run.result.finished);
}

TEST(DropDecision, DropsThatAddNothingShowOneMessageAndNeedNoReload)
{
    struct Case {
        const char* name;
        DropTarget target;
        int slot;
        Files files;
        std::string message;
        bool finished;
    };
    const Case cases[] = {
        {"only invalid files", DropTarget::SectionButton, 1, Files{{"/a.txt", "/b.doc"}},
         launcher::kInvalidShortcutFilesMessage, true},
        {"no file list", DropTarget::SectionButton, 1, std::nullopt, launcher::kNoFileListMessage, true},
        {"inactive section", DropTarget::SectionButton, 9, Files{{"/a.lnk"}}, launcher::kSectionNotActiveMessage,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::RecordingCopyService copier;
        const DropRun run = runDrop(c.target, c.slot, c.files, copier);
        EXPECT_TRUE(run.copies.empty());
        EXPECT_EQ(run.messages, std::vector<std::string>{c.message});
        EXPECT_FALSE(run.result.added);
        EXPECT_EQ(run.result.finished, c.finished);
    }
}

TEST(DropDecision, CopyResultMessagesComeAfterEachCopyAndTheDropStillReloads)
{
    platform::RecordingCopyService copier;
    platform::CopyOutcome cancelled;
    cancelled.status = platform::CopyOutcome::Status::Cancelled;
    copier.answerWith(cancelled);

    const DropRun run = runDrop(DropTarget::Window, 0, Files{{"/a.lnk", "/b.lnk"}}, copier);

    EXPECT_EQ(run.copies.size(), 2u);
    EXPECT_EQ(run.messages, std::vector<std::string>{"Copy operation Failed"});
    EXPECT_TRUE(run.result.added);
}

TEST(DropDecision, CopyThatBreaksEndsTheLoopButKeepsWhatWasAdded)
{
    struct Case {
        int throwOnCall;
        bool added;
        size_t copies;
    };
    for (const Case& c : {Case{1, false, 1}, Case{2, true, 2}}) {
        SCOPED_TRACE(c.throwOnCall);
        platform::RecordingCopyService copier;
        copier.throwOnCall(c.throwOnCall);
        // The .txt after the failure is never examined, so no invalid-files message.
        const DropRun run = runDrop(DropTarget::Window, 0, Files{{"/a.lnk", "/b.lnk", "/c.txt"}}, copier);
        EXPECT_EQ(run.copies.size(), c.copies);
        EXPECT_EQ(run.messages, std::vector<std::string>{launcher::kCopyFileErrorMessage});
        EXPECT_EQ(run.result.added, c.added);
        EXPECT_TRUE(run.result.finished);
    }
}

TEST(DropDecision, DropWithoutASectionFolderFailsAtTheFirstShortcut)
{
    struct Case {
        const char* name;
        std::vector<std::string> files;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"shortcut first", {"/a.lnk", "/b.txt"}, {launcher::kCopyFileErrorMessage}},
        {"text file first", {"/b.txt", "/a.lnk"}, {launcher::kCopyFileErrorMessage, launcher::kInvalidShortcutFilesMessage}},
        {"only text files", {"/b.txt"}, {launcher::kInvalidShortcutFilesMessage}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::RecordingCopyService copier;
        platform::RecordingMessageBox box;
        const DropDecision decision = launcher::DecideSectionDrop(DropTarget::Window, -1, 0, Files{c.files});
        const launcher::DropResult result = launcher::AddDroppedShortcuts(decision, "", copier, box);
        std::vector<std::string> shown;
        for (const auto& message : box.shown())
            shown.push_back(message.text);
        EXPECT_EQ(shown, c.messages);
        EXPECT_TRUE(copier.calls().empty());
        EXPECT_FALSE(result.added);
        EXPECT_TRUE(result.finished);
    }
}

} // namespace
