#include "launcher/skin/HotKeyText.h"

#include "platform/files/CaseInsensitivePath.h"

#include <string>

namespace launcher {

namespace {

constexpr int kScrollLockKey = 145;
constexpr int kF1Key = 112;

std::string trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return std::string(text);
}

// Drops `word` and the separator after it when `s` begins with the word.
bool takeModifier(std::string& s, std::string_view word)
{
    if (s.compare(0, word.size(), word) != 0)
        return false;
    s.erase(0, std::min(s.size(), word.size() + 1));
    return true;
}

} // namespace

HotKeySetting ParseHotKeyText(std::string_view text)
{
    HotKeySetting setting;
    std::string s = platform::toLowerAscii(trimmed(text));
    if (s.size() > 4) {
        setting.ctrlKey = takeModifier(s, "ctrl");
        setting.altKey = takeModifier(s, "alt");
        setting.shiftKey = takeModifier(s, "shift");
    }
    if (s == "scrolllock") {
        setting.maskKey = kScrollLockKey;
        return setting;
    }
    for (int n = 1; n <= 16; ++n) {
        if (s == "f" + std::to_string(n)) {
            setting.maskKey = kF1Key + n - 1;
            return setting;
        }
    }
    // What is left of a modifier word alone is no key either.
    if (s.empty() || s == "ctrl" || s == "alt" || s == "shift")
        return setting;
    const unsigned char last = static_cast<unsigned char>(s.back());
    setting.maskKey = (last >= 'a' && last <= 'z') ? last - 'a' + 'A' : last;
    return setting;
}

} // namespace launcher
