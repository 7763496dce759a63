#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform {

// The keys of a desktop entry file's [Desktop Entry] group that a launcher
// needs. Values are unescaped (\s \n \t \r \\); localised variants such as
// Name[de] are ignored in favour of the plain key.
class DesktopEntry {
public:
    // Parses the text of a desktop entry file. Nothing when the text has no
    // [Desktop Entry] group.
    static std::optional<DesktopEntry> parse(const std::string& text);
    // Reads and parses a file; nothing when it cannot be read or parsed.
    // `readError` is set, naming the file, when it could not be read at all
    // (missing, not a regular file, larger than a shortcut can be).
    static std::optional<DesktopEntry> read(const std::string& path, std::string& readError);

    const std::string& type() const { return m_type; }
    const std::string& name() const { return m_name; }
    const std::string& exec() const { return m_exec; }
    const std::string& icon() const { return m_icon; }
    const std::string& workingFolder() const { return m_path; } // the Path key
    const std::string& url() const { return m_url; }           // Type=Link only

    bool isApplication() const { return m_type == "Application"; }
    bool isLink() const { return m_type == "Link"; }

private:
    std::string m_type;
    std::string m_name;
    std::string m_exec;
    std::string m_icon;
    std::string m_path;
    std::string m_url;
};

// One program start: the program (as written in Exec; a bare name is looked
// up on PATH by whoever starts it) and its arguments, one per element.
struct DesktopCommand {
    std::string program;
    std::vector<std::string> arguments;
};

struct DesktopCommandResult {
    // Usually one command; an entry that takes a single file (%f, %u) given
    // several files is started once per file.
    std::vector<DesktopCommand> commands;
    std::string error; // set when the Exec line cannot be used
};

// Turns the Exec line into argument lists: quoting and escapes are resolved,
// %f %F %u %U receive `files` (no shell is involved, so a file name is always
// one argument), %i the icon, %c the name, %k `entryFile`, %% a percent sign;
// the deprecated codes are dropped. An empty Exec, an unterminated quote or
// an unknown field code is an error.
DesktopCommandResult buildDesktopCommands(const DesktopEntry& entry,
                                          const std::vector<std::string>& files,
                                          const std::string& entryFile);

} // namespace platform
