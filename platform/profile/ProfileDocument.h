#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace platform {

// The text of one profile (INI) file, read and edited in the dialect the
// launcher's settings and skins are written in:
//   - "[Section]" opens a section (so does "[Section" whose "]" was lost),
//     "Key=Value" gives a value; lines end at LF, CR LF or a lone CR; section and key
//     names match without regard to letter case; the first match wins;
//   - blanks around names and values are ignored, and a value enclosed in a
//     pair of double quotes is returned without them;
//   - lines starting with ';' are comments.
// Editing keeps every other byte of the text as it was, so a user's comments,
// ordering and line endings survive the launcher writing a setting.
class ProfileDocument {
public:
    ProfileDocument() = default;
    explicit ProfileDocument(std::string text);

    const std::string& text() const { return m_text; }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Replaces the key's value in place, or adds the key at the end of its
    // section, or adds the section at the end of the text. Blanks around the
    // section and key names are dropped, as value() drops them.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // Why the entry cannot be stored so that value() reads it back: a line
    // break or NUL anywhere would start lines of its own; a section name
    // must be non-empty without ']', a key name non-empty without '=' and
    // must not start like a comment or a section. Empty when it can.
    static std::string entryProblem(std::string_view section, std::string_view key, std::string_view value);

private:
    struct Line {
        size_t begin = 0;       // first byte of the line
        size_t contentEnd = 0;  // first byte of its line break (or the end)
        size_t end = 0;         // first byte of the next line
    };
    struct KeyLocation {
        bool sectionFound = false;
        size_t sectionInsertAt = 0; // after the section's last non-blank line
        std::optional<Line> keyLine;
    };

    KeyLocation locate(std::string_view section, std::string_view key) const;
    Line lineAt(size_t begin) const;
    std::string_view lineBreak() const;
    void buildIndex() const;

    std::string m_text;
    // Value of every key by lower-cased "section\nkey", built on the first
    // read: a skin is read key by key, thousands of keys from one file.
    mutable std::optional<std::unordered_map<std::string, std::string>> m_index;
};

} // namespace platform
