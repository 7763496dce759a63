#include "platform/shortcuts/InternetShortcut.h"

#include "platform/profile/ProfileDocument.h"

#include <cctype>
#include <fstream>
#include <iterator>

namespace platform {

bool hasUrlScheme(const std::string& text)
{
    const size_t colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size())
        return false;
    if (!std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    for (size_t i = 1; i < colon; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return false;
    }
    return true;
}

std::optional<std::string> readInternetShortcutUrl(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const ProfileDocument document(std::move(text));
    std::optional<std::string> url = document.value("InternetShortcut", "URL");
    if (!url || !hasUrlScheme(*url))
        return std::nullopt;
    return url;
}

} // namespace platform
