#pragma once

#include "platform/profile/ProfileStore.h"

#include <optional>
#include <string>
#include <string_view>

namespace launcher {

// Every value the launcher reads goes through a 250-character buffer, so a
// longer value comes back cut to its first 249 characters.
inline constexpr size_t kIniBufferSize = 250;

// Drops surrounding blanks, then any trailing carriage returns, line feeds
// and NULs.
std::string CleanIniText(std::string_view text);

// The cleaned value, or the default (as its decimal text for an integer
// default) when the key is missing or its value is empty.
std::string ReadIniValue(platform::ProfileStore& store, const std::string& file, std::string_view section,
                         std::string_view key, std::string_view defaultText);
std::string ReadIniValue(platform::ProfileStore& store, const std::string& file, std::string_view section,
                         std::string_view key, int defaultValue);

// Whole decimal text ("12", "-3", " 7 "), also accepting a decimal fraction
// which is rounded to the nearest whole number (halves to even). nullopt for
// anything else, including numbers outside the 32-bit range.
std::optional<long> parseWholeNumber(std::string_view text);

// The leading-number rule: the longest leading numeric prefix of the text
// (blanks skipped, optional sign, digits, fraction, exponent), 0 when there
// is none. "12px" is 12, "abc" is 0, "-1.5e1x" is -15.
double leadingNumber(std::string_view text);

// A leading number used where a whole number is needed (halves to even),
// clamped to the 32-bit range.
long leadingWholeNumber(std::string_view text);

} // namespace launcher
