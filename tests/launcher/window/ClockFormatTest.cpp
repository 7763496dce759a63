#include "launcher/window/ClockFormat.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

struct ClockCase {
    const char* pattern;
    ClockTime time;
    const char* text;
};

TEST(ClockFormatTest, DefaultPatternOnTheTwelveHourClock)
{
    const ClockCase cases[] = {
        {"h:mm am/pm", {0, 5, 0}, "12:05 am"},
        {"h:mm am/pm", {13, 0, 0}, "1:00 pm"},
        {"h:mm am/pm", {12, 30, 0}, "12:30 pm"},
        {"h:mm am/pm", {15, 7, 59}, "3:07 pm"},
        {"h:mm am/pm", {11, 59, 0}, "11:59 am"},
        {"h:mm am/pm", {23, 9, 0}, "11:09 pm"},
        {"", {0, 30, 0}, "12:30 am"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatClock(c.pattern, c.time), c.text) << c.pattern << " at " << c.time.hour << ":" << c.time.minute;
}

TEST(ClockFormatTest, TokensASkinAuthorWrites)
{
    const ClockTime morning{7, 4, 9};
    const ClockTime evening{19, 45, 30};
    const ClockCase cases[] = {
        // Without a marker h counts 24 hours.
        {"h:nn", morning, "7:04"},
        {"h:nn", evening, "19:45"},
        {"hh:nn", morning, "07:04"},
        {"h:n", morning, "7:4"},
        {"hh:nn:ss", evening, "19:45:30"},
        {"h:mm:s", morning, "7:04:9"},
        {"HH:MM", morning, "07:04"},
        // H ignores the marker, h follows it wherever it stands.
        {"H:mm am/pm", evening, "19:45 pm"},
        {"AM/PM hh:mm", morning, "AM 07:04"},
        {"hh:mm AM/PM", evening, "07:45 PM"},
        {"h:mma/p", morning, "7:04a"},
        {"h:mm A/P", evening, "7:45 P"},
        {"h:mm Am/pM", morning, "7:04 Am"},
        {"h:mm Am/pM", evening, "7:45 pM"},
        // Literal text: quoted, escaped, or characters that are no token.
        {"\"Time\" h:mm", morning, "Time 7:04"},
        {"\"hh:mm\" h", evening, "hh:mm 19"},
        {"\\h h", morning, "h 7"},
        {"h.mm - ok", morning, "7.04 - ok"},
        {"h \"unclosed", morning, "7 unclosed"},
        {"ok \\", morning, "ok "},
        // A marker only inside quotes does not switch to 12 hours.
        {"h \"am/pm\"", evening, "19 am/pm"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatClock(c.pattern, c.time), c.text) << c.pattern;
}

TEST(ClockFormatTest, EveryMinuteOfTheDayGivesTheTwelveHourText)
{
    // An independent statement of the default pattern, checked for all times.
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            const int shown = hour % 12 == 0 ? 12 : hour % 12;
            char expected[16];
            std::snprintf(expected, sizeof expected, "%d:%02d %s", shown, minute, hour < 12 ? "am" : "pm");
            ASSERT_EQ(FormatClock(kDefaultClockFormat, {hour, minute, 0}), expected);
        }
    }
}

} // namespace
} // namespace launcher
