#include "platform/shortcuts/DesktopEntry.h"

#include "platform/files/BoundedFileReader.h"

#include <iterator>
#include <string_view>

namespace platform {
namespace {

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

// An unquoted field code is kept in its token as this byte plus the code's
// letter, so that expansion can tell "%f" from a quoted "%f". Unescaped
// values never contain it.
constexpr char kFieldMark = '\x01';

struct Tokens {
    std::vector<std::string> list;
    std::string error;
};

Tokens tokenize(const std::string& exec)
{
    Tokens tokens;
    std::string current;
    bool inToken = false;
    for (size_t i = 0; i < exec.size(); ++i) {
        const char c = exec[i];
        if (c == ' ' || c == '\t' || c == '\n') {
            if (inToken)
                tokens.list.push_back(std::move(current));
            current.clear();
            inToken = false;
        } else if (c == '"') {
            inToken = true;
            bool closed = false;
            for (++i; i < exec.size(); ++i) {
                if (exec[i] == '"') {
                    closed = true;
                    break;
                }
                if (exec[i] == '\\' && i + 1 < exec.size())
                    ++i;
                current += exec[i];
            }
            if (!closed) {
                tokens.error = "unterminated quote in Exec line";
                return tokens;
            }
        } else if (c == '%') {
            inToken = true;
            if (i + 1 == exec.size()) {
                tokens.error = "Exec line ends with a lone '%'";
                return tokens;
            }
            const char code = exec[++i];
            if (code == '%') {
                current += '%';
            } else {
                current += kFieldMark;
                current += code;
            }
        } else {
            inToken = true;
            current += c;
        }
    }
    if (inToken)
        tokens.list.push_back(std::move(current));
    return tokens;
}

bool isKnownCode(char code)
{
    static constexpr std::string_view known = "fFuUickdDnNvm";
    return known.find(code) != std::string_view::npos;
}

bool isDeprecatedCode(char code)
{
    static constexpr std::string_view deprecated = "dDnNvm";
    return deprecated.find(code) != std::string_view::npos;
}

// Expands one instance's command; `files` are the files this instance gets.
std::vector<std::string> expand(const std::vector<std::string>& tokens, const DesktopEntry& entry,
                                const std::vector<std::string>& files, const std::string& entryFile)
{
    std::vector<std::string> out;
    for (const std::string& token : tokens) {
        if (token.size() == 2 && token[0] == kFieldMark) {
            // A field code standing alone may expand to any number of arguments.
            switch (token[1]) {
            case 'F':
            case 'U':
                out.insert(out.end(), files.begin(), files.end());
                continue;
            case 'f':
            case 'u':
                if (!files.empty())
                    out.push_back(files.front());
                continue;
            case 'i':
                if (!entry.icon().empty()) {
                    out.push_back("--icon");
                    out.push_back(entry.icon());
                }
                continue;
            default:
                if (isDeprecatedCode(token[1]))
                    continue;
            }
        }
        std::string text;
        for (size_t i = 0; i < token.size(); ++i) {
            if (token[i] != kFieldMark) {
                text += token[i];
                continue;
            }
            switch (token[++i]) {
            case 'f': case 'F': case 'u': case 'U':
                if (!files.empty())
                    text += files.front();
                break;
            case 'i': text += entry.icon(); break;
            case 'c': text += entry.name(); break;
            case 'k': text += entryFile; break;
            default: break; // deprecated codes expand to nothing
            }
        }
        out.push_back(std::move(text));
    }
    return out;
}

} // namespace

std::optional<DesktopEntry> DesktopEntry::parse(const std::string& text)
{
    DesktopEntry entry;
    bool inMainGroup = false;
    bool sawMainGroup = false;
    bool seen[6] = {};
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = trimmed(std::string_view(text).substr(begin, end - begin));
        begin = end + 1;
        if (line.empty() || line.front() == '#')
            continue;
        if (line.front() == '[') {
            // Only the first [Desktop Entry] group counts; action groups and
            // anything after them are not ours.
            if (sawMainGroup && inMainGroup)
                break;
            inMainGroup = line == "[Desktop Entry]";
            sawMainGroup = sawMainGroup || inMainGroup;
            continue;
        }
        if (!inMainGroup)
            continue;
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = trimmed(line.substr(0, equals));
        const std::string value = unescapeString(trimmed(line.substr(equals + 1)));
        const std::pair<std::string_view, std::string*> fields[] = {
            {"Type", &entry.m_type}, {"Name", &entry.m_name}, {"Exec", &entry.m_exec},
            {"Icon", &entry.m_icon}, {"Path", &entry.m_path}, {"URL", &entry.m_url}};
        for (size_t f = 0; f < std::size(fields); ++f) {
            if (key == fields[f].first && !seen[f]) {
                seen[f] = true;
                *fields[f].second = value;
            }
        }
    }
    if (!sawMainGroup)
        return std::nullopt;
    return entry;
}

std::optional<DesktopEntry> DesktopEntry::read(const std::string& path, std::string& readError)
{
    std::string text;
    readError = BoundedFileReader(readLimits::kShortcutBytes).read(path, text);
    if (!readError.empty())
        return std::nullopt;
    return parse(text);
}

DesktopCommandResult buildDesktopCommands(const DesktopEntry& entry,
                                          const std::vector<std::string>& files,
                                          const std::string& entryFile)
{
    DesktopCommandResult result;
    Tokens tokens = tokenize(entry.exec());
    if (!tokens.error.empty()) {
        result.error = tokens.error;
        return result;
    }
    bool takesList = false;
    bool takesSingle = false;
    for (const std::string& token : tokens.list) {
        for (size_t i = 0; i + 1 < token.size(); ++i) {
            if (token[i] != kFieldMark)
                continue;
            const char code = token[i + 1];
            if (!isKnownCode(code)) {
                result.error = std::string("unknown field code %") + code + " in Exec line";
                return result;
            }
            takesList = takesList || code == 'F' || code == 'U';
            takesSingle = takesSingle || code == 'f' || code == 'u';
        }
    }
    if (tokens.list.empty() || tokens.list.front().empty() || tokens.list.front()[0] == kFieldMark) {
        result.error = "the Exec line names no program";
        return result;
    }

    std::vector<std::vector<std::string>> instances;
    if (takesSingle && !takesList && files.size() > 1) {
        for (const std::string& file : files)
            instances.push_back(expand(tokens.list, entry, {file}, entryFile));
    } else {
        instances.push_back(expand(tokens.list, entry, files, entryFile));
    }
    for (std::vector<std::string>& words : instances) {
        DesktopCommand command;
        command.program = std::move(words.front());
        command.arguments.assign(std::make_move_iterator(words.begin() + 1),
                                 std::make_move_iterator(words.end()));
        result.commands.push_back(std::move(command));
    }
    return result;
}

} // namespace platform
