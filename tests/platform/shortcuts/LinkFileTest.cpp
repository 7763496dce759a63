#include "platform/shortcuts/LinkFile.h"

#include "support/LinkFileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using testsupport::LinkFileSpec;

struct RoundTrip {
    const char* name;
    LinkFileSpec spec;
};

class LinkFileRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(LinkFileRoundTrip, ReadsWhatWasWritten)
{
    testsupport::TempFolder folder;
    const LinkFileSpec& spec = GetParam().spec;
    const auto path = folder.write("link.lnk", testsupport::linkFileBytes(spec));

    const platform::LinkReadResult result = platform::readLinkFile(path.string());

    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.info.target, spec.target);
    EXPECT_EQ(result.info.workingFolder, spec.workingFolder);
    EXPECT_EQ(result.info.arguments, spec.arguments);
    EXPECT_EQ(result.info.showCommand, static_cast<int>(spec.showCommand));
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkFileRoundTrip,
    ::testing::Values(
        RoundTrip{"TargetOnly", {"/usr/bin/editor", "", "", 1}},
        RoundTrip{"Everything", {"/opt/app/run.sh", "/home/user/work", "--open \"a b\" -v", 3}},
        RoundTrip{"BlanksInPath", {"/data/My Programs/tool", "/data/My Programs", "", 7}},
        RoundTrip{"NoTarget", {"", "/srv", "x", 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LinkFile, MissingFileIsAnErrorNamingIt)
{
    const platform::LinkReadResult result = platform::readLinkFile("/nonexistent/dir/x.lnk");
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("/nonexistent/dir/x.lnk"), std::string::npos);
}

TEST(LinkFile, TextThatIsNoLinkIsAnError)
{
    testsupport::TempFolder folder;
    const auto path = folder.write("fake.lnk", "[InternetShortcut]\nURL=http://example.org/\n");
    EXPECT_FALSE(platform::readLinkFile(path.string()).ok);
}

// Every prefix of a valid link must be read or refused, never over-read
// (run under a sanitizer this catches what the results alone would not).
TEST(LinkFile, EveryTruncationIsReadOrRefusedSafely)
{
    testsupport::TempFolder folder;
    const std::string bytes = testsupport::linkFileBytes({"/opt/app/run.sh", "/home/u", "--flag", 1});
    int refused = 0;
    for (size_t length = 0; length < bytes.size(); ++length) {
        const auto path = folder.write("cut.lnk", bytes.substr(0, length));
        const platform::LinkReadResult result = platform::readLinkFile(path.string());
        if (!result.ok)
            ++refused;
        else
            EXPECT_TRUE(result.info.target.empty() || result.info.target == "/opt/app/run.sh");
    }
    // Anything shorter than the header cannot be a link.
    EXPECT_GE(refused, 76);
}

} // namespace
