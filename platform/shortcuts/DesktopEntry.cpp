#include "platform/shortcuts/DesktopEntry.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/shortcuts/UserLanguages.h"

#include <string_view>

namespace platform {
namespace {

constexpr std::string_view kMainGroup = "Desktop Entry";

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string unescapeString(std::string_view value)
{
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        switch (value[++i]) {
        case 's': out += ' '; break;
        case 'n': out += '\n'; break;
        case 't': out += '\t'; break;
        case 'r': out += '\r'; break;
        case '\\': out += '\\'; break;
        default: // not a string escape: the Exec quoting rules still need it
            out += '\\';
            out += value[i];
        }
    }
    return out;
}

// Only the exact words count; anything else reads as false, as it does for
// the desktop's library.
bool booleanValue(std::string_view value)
{
    return value == "true" || value == "1";
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(const std::string& text, const std::vector<std::string>& languages,
                                                std::string& problem)
{
    Keys keys;
    std::optional<bool> inMainGroup; // nothing before the first group header
    size_t begin = 0;
    int lineNumber = 0;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = trimmed(std::string_view(text).substr(begin, end - begin));
        begin = end + 1;
        ++lineNumber;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            const std::string_view group = line.substr(1, line.size() - 2);
            if (!inMainGroup && group != kMainGroup) {
                problem = "the first group is not [Desktop Entry]";
                return std::nullopt;
            }
            inMainGroup = group == kMainGroup;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            problem = "line " + std::to_string(lineNumber) + " is neither a group, a key nor a comment";
            return std::nullopt;
        }
        if (!inMainGroup) {
            problem = "a key comes before the [Desktop Entry] group";
            return std::nullopt;
        }
        if (*inMainGroup)
            keys[std::string(trimmed(line.substr(0, equals)))] = unescapeString(trimmed(line.substr(equals + 1)));
    }
    if (!inMainGroup) {
        problem = "there is no [Desktop Entry] group";
        return std::nullopt;
    }
    return fromKeys(keys, languages);
}

DesktopEntry DesktopEntry::fromKeys(const Keys& keys, const std::vector<std::string>& languages)
{
    const auto value = [&](const std::string& key) {
        const auto found = keys.find(key);
        return found == keys.end() ? std::string() : found->second;
    };
    DesktopEntry entry;
    entry.m_name = value("Name");
    for (const std::string& language : languages) {
        if (const auto found = keys.find("Name[" + language + "]"); found != keys.end()) {
            entry.m_name = found->second;
            break;
        }
    }
    entry.m_type = value("Type");
    entry.m_exec = value("Exec");
    entry.m_tryExec = value("TryExec");
    entry.m_icon = value("Icon");
    entry.m_path = value("Path");
    entry.m_url = value("URL");
    entry.m_terminal = booleanValue(value("Terminal"));
    entry.m_hidden = booleanValue(value("Hidden"));
    entry.m_noDisplay = booleanValue(value("NoDisplay"));
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::parse(const std::string& text)
{
    std::string problem;
    return parse(text, userLanguageNames(), problem);
}

std::optional<DesktopEntry> DesktopEntry::read(const std::string& path, std::string& readError)
{
    std::string text;
    readError = BoundedFileReader(readLimits::kShortcutBytes).read(path, text);
    if (!readError.empty())
        return std::nullopt;
    std::string problem;
    std::optional<DesktopEntry> entry = parse(text, userLanguageNames(), problem);
    if (!entry)
        readError = path + ": not a desktop entry: " + problem;
    return entry;
}

} // namespace platform
