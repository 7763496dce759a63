#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The keys of a desktop entry file's [Desktop Entry] group that a launcher
// needs, read as the desktop's own library reads them: the group must be the
// file's first; a key written twice, or a group header repeated, keeps the
// last value; values are unescaped (\s \n \t \r \\, any other backslash is
// kept for the Exec quoting rules); translated keys such as Name[de_DE] are
// chosen by the user's languages.
class DesktopEntry {
public:
    // Parses the text of a desktop entry file for a user whose languages are
    // `languages` (most wanted first, see userLanguageNames). Nothing, with
    // `problem` set, when the text is not a desktop entry: no [Desktop Entry]
    // first group, a key outside any group, a line that is neither a group,
    // a key nor a comment.
    static std::optional<DesktopEntry> parse(const std::string& text, const std::vector<std::string>& languages,
                                             std::string& problem);
    // The same for this user's languages, without the reason.
    static std::optional<DesktopEntry> parse(const std::string& text);
    // Reads and parses a file; nothing when it cannot be read or parsed, and
    // then `readError` names the file and says why.
    static std::optional<DesktopEntry> read(const std::string& path, std::string& readError);

    const std::string& type() const { return m_type; }
    const std::string& name() const { return m_name; } // in the user's language
    const std::string& exec() const { return m_exec; }
    const std::string& tryExec() const { return m_tryExec; }
    const std::string& icon() const { return m_icon; }
    const std::string& workingFolder() const { return m_path; } // the Path key
    const std::string& url() const { return m_url; }           // Type=Link only

    bool isApplication() const { return m_type == "Application"; }
    bool isLink() const { return m_type == "Link"; }
    bool runsInTerminal() const { return m_terminal; }
    // Hidden=true: the entry counts as deleted and must not be started.
    bool isHidden() const { return m_hidden; }
    // NoDisplay=true: meant to be left out of menus, still startable.
    bool isNoDisplay() const { return m_noDisplay; }

private:
    using Keys = std::map<std::string, std::string, std::less<>>;
    static DesktopEntry fromKeys(const Keys& keys, const std::vector<std::string>& languages);

    std::string m_type;
    std::string m_name;
    std::string m_exec;
    std::string m_tryExec;
    std::string m_icon;
    std::string m_path;
    std::string m_url;
    bool m_terminal = false;
    bool m_hidden = false;
    bool m_noDisplay = false;
};

} // namespace platform
