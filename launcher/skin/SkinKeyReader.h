#pragma once

#include "launcher/skin/SkinColor.h"
#include "launcher/skin/SkinDefinitionReader.h"

#include <string>
#include <string_view>

namespace launcher {

// Reads one skin file key by key, each by its kind, and records every value
// it had to replace or bring into range.
class SkinKeyReader {
public:
    SkinKeyReader(platform::ProfileStore& store, std::string iniPath, std::vector<SkinCorrection>& corrections);

    void setSection(std::string section) { m_section = std::move(section); }

    std::string text(std::string_view key, std::string_view defaultText);
    // A whole number; text that is not one gives the default.
    int wholeNumber(std::string_view key, int defaultValue, int minimum, int maximum);
    // The leading-number rule.
    int leadingNumber(std::string_view key, int defaultValue, int minimum, int maximum);
    bool flag(std::string_view key, bool defaultValue);
    bool leadingFlag(std::string_view key, bool defaultValue);
    // The colour and the text it was read from.
    RgbColor color(std::string_view key, std::string_view defaultText, std::string* textOut = nullptr);

    void correct(std::string_view key, std::string_view written, std::string message);

private:
    int clamped(std::string_view key, std::string_view written, long value, int minimum, int maximum);

    platform::ProfileStore& m_store;
    std::string m_iniPath;
    std::string m_section;
    std::vector<SkinCorrection>& m_corrections;
};

} // namespace launcher
