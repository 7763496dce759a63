#include "launcher/skin/SkinKeyReader.h"

#include "launcher/config/IniValues.h"

#include <climits>

namespace launcher {

SkinKeyReader::SkinKeyReader(platform::ProfileStore& store, std::string iniPath,
                             std::vector<SkinCorrection>& corrections)
    : m_store(store)
    , m_iniPath(std::move(iniPath))
    , m_corrections(corrections)
{
}

void SkinKeyReader::correct(std::string_view key, std::string_view written, std::string message)
{
    m_corrections.push_back({m_section, std::string(key), std::string(written), std::move(message)});
}

std::string SkinKeyReader::text(std::string_view key, std::string_view defaultText)
{
    return ReadIniValue(m_store, m_iniPath, m_section, key, defaultText);
}

int SkinKeyReader::clamped(std::string_view key, std::string_view written, long value, int minimum, int maximum)
{
    if (value < minimum) {
        correct(key, written, "below " + std::to_string(minimum) + "; using " + std::to_string(minimum));
        return minimum;
    }
    if (value > maximum) {
        correct(key, written, "above " + std::to_string(maximum) + "; using " + std::to_string(maximum));
        return maximum;
    }
    return static_cast<int>(value);
}

int SkinKeyReader::wholeNumber(std::string_view key, int defaultValue, int minimum, int maximum)
{
    const std::string written = text(key, std::to_string(defaultValue));
    const std::optional<long> value = parseWholeNumber(written);
    if (!value) {
        correct(key, written, "not a whole number; using " + std::to_string(defaultValue));
        return defaultValue;
    }
    return clamped(key, written, *value, minimum, maximum);
}

int SkinKeyReader::leadingNumber(std::string_view key, int defaultValue, int minimum, int maximum)
{
    const std::string written = text(key, std::to_string(defaultValue));
    return clamped(key, written, leadingWholeNumber(written), minimum, maximum);
}

bool SkinKeyReader::flag(std::string_view key, bool defaultValue)
{
    return wholeNumber(key, defaultValue ? 1 : 0, INT_MIN, INT_MAX) != 0;
}

bool SkinKeyReader::leadingFlag(std::string_view key, bool defaultValue)
{
    const std::string written = text(key, defaultValue ? "1" : "0");
    return launcher::leadingNumber(written) != 0;
}

RgbColor SkinKeyReader::color(std::string_view key, std::string_view defaultText, std::string* textOut)
{
    // An absent colour with an empty default reads as black.
    const std::string written = text(key, defaultText);
    if (textOut)
        *textOut = written;
    return parseSkinColor(written);
}

} // namespace launcher
