#include "launcher/config/IniValues.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>

namespace launcher {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

double roundHalfToEven(double value)
{
    return std::nearbyint(value); // the default rounding mode rounds halves to even
}

// Length of the numeric prefix of `text` starting at `start` (sign, digits,
// fraction, exponent); 0 when no digit is found.
size_t numericPrefixLength(std::string_view text, size_t start)
{
    size_t i = start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    size_t digits = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        size_t j = i + 1;
        size_t fraction = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        size_t exponentDigits = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) {
            ++j;
            ++exponentDigits;
        }
        if (exponentDigits > 0)
            i = j;
    }
    return i - start;
}

double parseDouble(std::string_view number)
{
    if (!number.empty() && number.front() == '+')
        number.remove_prefix(1);
    double value = 0;
    auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range)
        return number.front() == '-' ? -HUGE_VAL : HUGE_VAL;
    return value;
}

long clampToLong32(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<long>(value);
}

} // namespace

std::string CleanIniText(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == '\0'))
        text.remove_suffix(1);
    return std::string(text);
}

std::string ReadIniValue(platform::ProfileStore& store, const std::string& file, std::string_view section,
                         std::string_view key, std::string_view defaultText)
{
    std::string raw = store.read(file, section, key).value_or(std::string(defaultText));
    if (raw.size() > kIniBufferSize - 1)
        raw.resize(kIniBufferSize - 1);
    std::string cleaned = CleanIniText(raw);
    return cleaned.empty() ? std::string(defaultText) : cleaned;
}

std::string ReadIniValue(platform::ProfileStore& store, const std::string& file, std::string_view section,
                         std::string_view key, int defaultValue)
{
    return ReadIniValue(store, file, section, key, std::to_string(defaultValue));
}

std::optional<long> parseWholeNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty())
        return std::nullopt;
    const size_t length = numericPrefixLength(text, 0);
    if (length != text.size())
        return std::nullopt;
    const double value = roundHalfToEven(parseDouble(text));
    if (!(value >= static_cast<double>(INT_MIN) && value <= static_cast<double>(INT_MAX)))
        return std::nullopt;
    return static_cast<long>(value);
}

double leadingNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    const size_t length = numericPrefixLength(text, 0);
    if (length == 0)
        return 0;
    return parseDouble(text.substr(0, length));
}

long leadingWholeNumber(std::string_view text)
{
    return clampToLong32(roundHalfToEven(leadingNumber(text)));
}

} // namespace launcher
