#include "platform/shortcuts/InternetShortcut.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/profile/ProfileDocument.h"
#include "platform/shortcuts/UnicodeText.h"

#include <cctype>

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

std::optional<std::string> readInternetShortcutUrl(const std::string& path, std::string& readError)
{
    std::string text;
    readError = BoundedFileReader(readLimits::kShortcutBytes).read(path, text);
    if (!readError.empty())
        return std::nullopt;
    // Saved by other programs with a byte-order mark, or in UTF-16.
    const ProfileDocument document(textAsUtf8(text));
    std::optional<std::string> url = document.value("InternetShortcut", "URL");
    if (!url || !hasUrlScheme(*url))
        return std::nullopt;
    return url;
}

} // namespace platform
