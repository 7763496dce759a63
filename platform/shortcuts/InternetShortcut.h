#pragma once

#include <optional>
#include <string>

namespace platform {

// The address an internet shortcut (.url) holds: the URL value of its
// [InternetShortcut] section, the file in UTF-8 (with or without a
// byte-order mark) or in UTF-16 with its mark. Nothing when the file cannot
// be read, has no address, or holds something that is not an absolute URL
// with a scheme (a value such as "--help" must never reach a handler as an
// option).
// `readError` is set, naming the file, when it could not be read at all.
std::optional<std::string> readInternetShortcutUrl(const std::string& path, std::string& readError);

// True for "scheme:rest" where the scheme starts with a letter and holds only
// letters, digits, '+', '-' and '.'.
bool hasUrlScheme(const std::string& text);

} // namespace platform
