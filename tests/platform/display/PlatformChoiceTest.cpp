#include "platform/display/PlatformChoice.h"

#include <gtest/gtest.h>

#include <string>

using namespace quorvex::platform;
using Outcome = PlatformChoice::Outcome;

namespace {

enum class Plugin { Installed, Missing };

struct Case {
    const char* name;
    DisplayOffer offer;
    bool x11Answers;
    bool waylandAnswers;
    Outcome expected;
    std::string platform;
    const char* problemMentions; // nullptr: no problem
    Plugin waylandPlugin = Plugin::Installed;
};

const Case kCases[] = {
    {"X11 wins where both answer", {"", ":0", "wayland-0"}, true, true, Outcome::X11, "xcb", nullptr},
    {"X11 alone", {"", ":0", ""}, true, false, Outcome::X11, "xcb", nullptr},
    {"Wayland when no X display is set", {"", "", "wayland-0"}, false, true, Outcome::Wayland, "wayland", nullptr},
    {"Wayland when the X display does not answer", {"", ":7", "wayland-0"}, false, true, Outcome::Wayland,
     "wayland", nullptr},
    {"neither", {"", "", ""}, false, false, Outcome::NoDisplay, "", "DISPLAY is not set"},
    {"neither answers", {"", ":7", "wayland-9"}, false, false, Outcome::NoDisplay, "", "WAYLAND_DISPLAY=wayland-9"},
    {"the user's xcb", {"xcb", ":0", "wayland-0"}, true, true, Outcome::AsRequested, "", nullptr},
    {"the user's xcb without X", {"xcb", "", "wayland-0"}, false, true, Outcome::NoDisplay, "",
     "QT_QPA_PLATFORM is xcb"},
    {"the user's wayland next to X", {"wayland", ":0", "wayland-0"}, true, true, Outcome::AsRequested, "", nullptr},
    {"the user's wayland without a compositor", {"wayland", ":0", ""}, true, false, Outcome::NoDisplay, "",
     "QT_QPA_PLATFORM is wayland"},
    {"any other platform as named", {"offscreen", "", ""}, false, false, Outcome::AsRequested, "", nullptr},
    {"Wayland without Qt's plugin for it", {"", "", "wayland-0"}, false, true, Outcome::NoDisplay, "",
     "qt6-wayland", Plugin::Missing},
    {"the user's wayland without Qt's plugin", {"wayland", ":0", "wayland-0"}, true, true, Outcome::NoDisplay, "",
     "plugin is not installed", Plugin::Missing},
    {"X11 needs no Wayland plugin", {"", ":0", "wayland-0"}, true, true, Outcome::X11, "xcb", nullptr,
     Plugin::Missing},
};

} // namespace

TEST(PlatformChoiceTest, ChoosesByWhatAnswers)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const PlatformChoice choice =
            PlatformChoice::choose(c.offer, {[&] { return c.x11Answers; }, [&] { return c.waylandAnswers; },
                                             [&] { return c.waylandPlugin == Plugin::Installed; }});
        EXPECT_EQ(choice.outcome, c.expected);
        EXPECT_EQ(choice.platformName(), c.platform);
        if (c.problemMentions) {
            EXPECT_NE(choice.problem.find(c.problemMentions), std::string::npos) << choice.problem;
            EXPECT_EQ(choice.problem.find('\n'), std::string::npos) << "one line";
        } else {
            EXPECT_TRUE(choice.problem.empty()) << choice.problem;
        }
    }
}

TEST(PlatformChoiceTest, ProbesNothingForAPlatformItCannotCheck)
{
    int probes = 0;
    const auto probe = [&] { ++probes; return false; };
    EXPECT_EQ(PlatformChoice::choose({"offscreen", ":0", "wayland-0"}, {probe, probe, probe}).outcome,
              Outcome::AsRequested);
    EXPECT_EQ(probes, 0);
    // Where X answers, whether Wayland does makes no difference.
    bool waylandAsked = false;
    const auto asked = [&] { waylandAsked = true; return true; };
    PlatformChoice::choose({"", ":0", "wayland-0"}, {[] { return true; }, asked, asked});
    EXPECT_FALSE(waylandAsked);
}
