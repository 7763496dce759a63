#include "platform/shortcuts/LinkFile.h"
#include "platform/shortcuts/LinkStructureReader.h"

#include "support/LinkFileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

using testsupport::LinkDamage;
using testsupport::LinkFileSpec;

std::string expectedTarget(const LinkFileSpec& spec)
{
    if (spec.networkShare.empty() || spec.target.empty())
        return spec.networkShare + spec.target;
    return spec.networkShare + "\\" + spec.target;
}

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
    // The library's reading and our own reading of the structure agree.
    const std::optional<platform::LinkFileInfo> own = platform::readLinkStructure(testsupport::linkFileBytes(spec));
    ASSERT_TRUE(own.has_value());
    for (const platform::LinkFileInfo& info : {result.info, *own}) {
        EXPECT_EQ(info.target, expectedTarget(spec));
        EXPECT_EQ(info.workingFolder, spec.workingFolder);
        EXPECT_EQ(info.arguments, spec.arguments);
        EXPECT_EQ(info.iconLocation, spec.iconLocation);
        EXPECT_EQ(info.showCommand, static_cast<int>(spec.showCommand));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Links, LinkFileRoundTrip,
    ::testing::Values(
        RoundTrip{"TargetOnly", {"/usr/bin/editor", "", "", 1}},
        RoundTrip{"Everything", {"/opt/app/run.sh", "/home/user/work", "--open \"a b\" -v", 3}},
        RoundTrip{"BlanksInPath", {"/data/My Programs/tool", "/data/My Programs", "", 7}},
        RoundTrip{"NoTarget", {"", "/srv", "x", 1}},
        RoundTrip{"NetworkShare", {"docs\\report.doc", "", "", 1, "\\\\fileserver\\public"}},
        RoundTrip{"NetworkShareItself", {"", "", "", 1, "\\\\fileserver\\public"}},
        RoundTrip{"IconLocation", {"/opt/app/run.sh", "", "-v", 1, "", "/opt/app/app.ico"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Real links carry damage after the parts the launcher needs; those parts
// are still read, and what comes after the damage is lost.
TEST(LinkFile, DamageAfterTheNeededPartsKeepsThem)
{
    struct Case {
        const char* name;
        LinkFileSpec spec;
        std::string arguments;
        std::string iconLocation;
    };
    const Case cases[] = {
        {"BrokenExtraBlock", {"/opt/app/run.sh", "/home/u", "-v", 7, "", "/opt/app/app.ico", LinkDamage::BrokenExtraBlock},
         "-v", "/opt/app/app.ico"},
        {"OverlongIconString", {"/opt/app/run.sh", "/home/u", "-v", 7, "", "/opt/app/app.ico", LinkDamage::OverlongLastString},
         "-v", ""},
        {"OverlongArguments", {"/opt/app/run.sh", "/home/u", "-v", 7, "", "", LinkDamage::OverlongLastString}, "", ""},
        {"NetworkWithOverlongArguments", {"bin\\tool.exe", "", "--x", 1, "\\\\srv\\apps", "", LinkDamage::OverlongLastString},
         "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::TempFolder folder;
        const auto path = folder.write("damaged.lnk", testsupport::linkFileBytes(c.spec));
        const platform::LinkReadResult result = platform::readLinkFile(path.string());
        EXPECT_TRUE(result.ok) << result.error;
        EXPECT_EQ(result.info.target, expectedTarget(c.spec));
        EXPECT_EQ(result.info.workingFolder, c.spec.workingFolder);
        EXPECT_EQ(result.info.arguments, c.arguments);
        EXPECT_EQ(result.info.iconLocation, c.iconLocation);
        EXPECT_EQ(result.info.showCommand, static_cast<int>(c.spec.showCommand));
    }
}

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
    const LinkFileSpec specs[] = {{"/opt/app/run.sh", "/home/u", "--flag", 1},
                                  {"apps\\run.exe", "", "--flag", 1, "\\\\srv\\share", "/opt/app/app.ico"}};
    for (const LinkFileSpec& spec : specs) {
        const std::string bytes = testsupport::linkFileBytes(spec);
        int refused = 0;
        for (size_t length = 0; length < bytes.size(); ++length) {
            const std::string cut = bytes.substr(0, length);
            const auto path = folder.write("cut.lnk", cut);
            const platform::LinkReadResult result = platform::readLinkFile(path.string());
            if (!result.ok)
                ++refused;
            else
                EXPECT_TRUE(result.info.target.empty() || result.info.target == expectedTarget(spec));
            if (const auto own = platform::readLinkStructure(cut))
                EXPECT_EQ(own->target, expectedTarget(spec)) << length;
        }
        // Anything shorter than the header cannot be a link.
        EXPECT_GE(refused, 76);
    }
}

} // namespace
