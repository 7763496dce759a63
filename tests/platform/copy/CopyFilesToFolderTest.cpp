#include "platform/copy/CopyFilesToFolder.h"
#include "platform/copy/RecordingCopyService.h"

#include <gtest/gtest.h>

using platform::CopyOutcome;
using Status = platform::CopyOutcome::Status;

namespace {

TEST(CopyFilesToFolder, ShowsTheMessageThatBelongsToTheOutcome)
{
    struct Case {
        Status status;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {Status::Completed, {}},
        {Status::Failed, {"Copy operation aborted..."}},
        {Status::Cancelled, {"Copy operation Failed"}},
    };
    for (const Case& c : cases) {
        platform::RecordingCopyService copier;
        platform::RecordingMessageBox messages;
        CopyOutcome scripted;
        scripted.status = c.status;
        copier.answerWith(scripted);

        const CopyOutcome outcome =
            platform::CopyFilesToFolder(copier, messages, {"/home/u/a.lnk"}, "/app/shortcuts/Games/");

        EXPECT_EQ(outcome.status, c.status);
        std::vector<std::string> shown;
        for (const auto& message : messages.shown()) {
            shown.push_back(message.text);
            EXPECT_EQ(message.caption, "Quorvex");
        }
        EXPECT_EQ(shown, c.shown);
    }
}

TEST(CopyFilesToFolder, DropsOneTrailingSeparatorAndPassesAllFilesInOneCopy)
{
    platform::RecordingCopyService copier;
    platform::RecordingMessageBox messages;

    platform::CopyFilesToFolder(copier, messages, {"/a/one b.txt", "/a/two"}, "/data/target/");
    platform::CopyFilesToFolder(copier, messages, {"/a/x"}, "/");

    ASSERT_EQ(copier.calls().size(), 2u);
    EXPECT_EQ(copier.calls()[0].targetFolder, "/data/target");
    EXPECT_EQ(copier.calls()[0].sources, (std::vector<std::string>{"/a/one b.txt", "/a/two"}));
    EXPECT_EQ(copier.calls()[1].targetFolder, "/"); // the root keeps its only separator
}

} // namespace
