#include "platform/profile/ProfileDocument.h"

#include "platform/files/CaseInsensitivePath.h"

namespace platform {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (isBlank(text.front()) || text.front() == '\r'))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

// The name inside "[name]", or nullopt when the line is not a section header.
std::optional<std::string_view> sectionName(std::string_view line)
{
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    // A header whose ']' was lost still opens a section: otherwise its keys
    // would silently fall into the section before it.
    const size_t close = line.find(']');
    return trimmed(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

bool endsWithLineBreak(const std::string& text)
{
    return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

// The value of a "Key=Value" line, without blanks and enclosing quotes.
std::string_view valueOfLine(std::string_view content)
{
    std::string_view value = trimmed(content.substr(content.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return value;
}

} // namespace

ProfileDocument::ProfileDocument(std::string text)
    : m_text(std::move(text))
{
}

std::string_view ProfileDocument::lineBreak() const
{
    if (m_text.find("\r\n") != std::string::npos)
        return "\r\n";
    if (m_text.find('\n') == std::string::npos && m_text.find('\r') != std::string::npos)
        return "\r";
    return "\n";
}

// Lines end at LF, CR LF or a lone CR, so files from any system read alike.
ProfileDocument::Line ProfileDocument::lineAt(size_t begin) const
{
    Line line;
    line.begin = begin;
    const size_t lineBreak = m_text.find_first_of("\r\n", begin);
    if (lineBreak == std::string::npos) {
        line.contentEnd = line.end = m_text.size();
        return line;
    }
    line.contentEnd = lineBreak;
    line.end = lineBreak + 1;
    if (m_text[lineBreak] == '\r' && line.end < m_text.size() && m_text[line.end] == '\n')
        ++line.end;
    return line;
}

ProfileDocument::KeyLocation ProfileDocument::locate(std::string_view section, std::string_view key) const
{
    KeyLocation location;
    bool inSection = false;
    size_t position = 0;
    while (position < m_text.size()) {
        const Line line = lineAt(position);
        position = line.end;

        std::string_view content(m_text.data() + line.begin, line.contentEnd - line.begin);
        if (auto name = sectionName(content)) {
            if (inSection)
                return location; // the first section of that name is the one used
            inSection = equalsIgnoringCase(*name, section);
            if (inSection) {
                location.sectionFound = true;
                location.sectionInsertAt = line.end;
            }
            continue;
        }
        if (!inSection)
            continue;
        std::string_view stripped = trimmed(content);
        if (stripped.empty() || stripped.front() == ';')
            continue;
        location.sectionInsertAt = line.end;
        const size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            continue;
        if (equalsIgnoringCase(trimmed(content.substr(0, equals)), key) && !location.keyLine) {
            location.keyLine = line;
        }
    }
    return location;
}

// The same rules as locate(): only the first section of a name counts, and
// in it the first line of a key.
void ProfileDocument::buildIndex() const
{
    m_index.emplace();
    std::unordered_map<std::string, bool> sectionsSeen;
    std::string current;
    bool inFirstOccurrence = false;
    size_t position = 0;
    while (position < m_text.size()) {
        const Line line = lineAt(position);
        std::string_view content(m_text.data() + line.begin, line.contentEnd - line.begin);
        position = line.end;
        if (auto name = sectionName(content)) {
            current = toLowerAscii(*name);
            inFirstOccurrence = sectionsSeen.emplace(current, true).second;
            continue;
        }
        if (!inFirstOccurrence)
            continue;
        std::string_view stripped = trimmed(content);
        if (stripped.empty() || stripped.front() == ';')
            continue;
        const size_t equals = content.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string key = current + '\n' + toLowerAscii(trimmed(content.substr(0, equals)));
        m_index->emplace(key, std::string(valueOfLine(content)));
    }
}

std::optional<std::string> ProfileDocument::value(std::string_view section, std::string_view key) const
{
    if (!m_index)
        buildIndex();
    auto found = m_index->find(toLowerAscii(trimmed(section)) + '\n' + toLowerAscii(trimmed(key)));
    if (found == m_index->end())
        return std::nullopt;
    return found->second;
}

std::string ProfileDocument::entryProblem(std::string_view section, std::string_view key, std::string_view value)
{
    constexpr std::string_view kLineBreaks("\r\n\0", 3);
    if (section.find_first_of(kLineBreaks) != std::string_view::npos
        || key.find_first_of(kLineBreaks) != std::string_view::npos
        || value.find_first_of(kLineBreaks) != std::string_view::npos)
        return "a line break or NUL cannot be stored in a setting";
    section = trimmed(section);
    key = trimmed(key);
    if (section.empty() || section.find(']') != std::string_view::npos)
        return "\"" + std::string(section) + "\" is not a valid section name";
    if (key.empty() || key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        return "\"" + std::string(key) + "\" is not a valid key name";
    return {};
}

void ProfileDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    m_index.reset();
    section = trimmed(section);
    key = trimmed(key);
    const std::string_view newline = lineBreak();
    const KeyLocation location = locate(section, key);
    std::string entry = std::string(key) + "=" + std::string(value);

    if (location.keyLine) {
        const Line& line = *location.keyLine;
        m_text.replace(line.begin, line.contentEnd - line.begin, entry);
        return;
    }
    if (location.sectionFound) {
        size_t at = location.sectionInsertAt;
        // The section's last line may lack a line break at the end of the file.
        if (at == m_text.size() && !m_text.empty() && !endsWithLineBreak(m_text)) {
            m_text += newline;
            at = m_text.size();
        }
        m_text.insert(at, entry + std::string(newline));
        return;
    }
    if (!m_text.empty() && !endsWithLineBreak(m_text))
        m_text += newline;
    m_text += "[" + std::string(section) + "]" + std::string(newline) + entry + std::string(newline);
}

} // namespace platform
