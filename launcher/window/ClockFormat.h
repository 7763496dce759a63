#pragma once

#include <string>
#include <string_view>

namespace launcher {

// A time of day on the 24-hour clock.
struct ClockTime {
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
    int second = 0; // 0..59
};

inline constexpr const char* kDefaultClockFormat = "h:mm am/pm";

// The clock label's text for `time` in a skin's clock pattern (the tokens are
// described in docs/clock-format.md). "h" and "hh" count on the 12-hour clock
// when the pattern has an am/pm marker anywhere and on the 24-hour clock
// otherwise; "H" and "HH" always on the 24-hour clock. Characters that are no
// token are copied as they are; an empty pattern means the default.
std::string FormatClock(std::string_view pattern, const ClockTime& time);

} // namespace launcher
