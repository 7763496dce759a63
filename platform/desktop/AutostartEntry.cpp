#include "platform/desktop/AutostartEntry.h"

#include "platform/files/FileUpdate.h"

#include <cctype>
#include <cstdlib>
#include <string_view>
#include <system_error>

namespace platform {

namespace fs = std::filesystem;

AutostartEntry::AutostartEntry(fs::path file)
    : m_file(std::move(file))
{
}

AutostartEntry AutostartEntry::forUser(const std::string& name)
{
    fs::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && fs::path(xdg).is_absolute())
        config = xdg;
    else if (const char* home = std::getenv("HOME"); home && *home)
        config = fs::path(home) / ".config";
    return AutostartEntry(config / "autostart" / (name + ".desktop"));
}

bool AutostartEntry::exists() const
{
    std::error_code error;
    return fs::exists(fs::symlink_status(m_file, error));
}

std::string AutostartEntry::execWord(const std::string& word)
{
    bool plain = !word.empty();
    for (const char c : word)
        plain = plain && (std::isalnum(static_cast<unsigned char>(c)) || std::string_view("/._-+,:=@").find(c) !=
                                                                             std::string_view::npos);
    std::string quoted;
    if (plain) {
        quoted = word;
    } else {
        quoted = "\"";
        for (const char c : word) {
            if (c == '"' || c == '`' || c == '$' || c == '\\')
                quoted += '\\';
            quoted += c;
        }
        quoted += '"';
    }
    // The value escapes come on top of the quoting, and a '%' would be read
    // as a field code.
    std::string value;
    for (const char c : quoted) {
        if (c == '\\')
            value += "\\\\";
        else if (c == '%')
            value += "%%";
        else
            value += c;
    }
    return value;
}

std::string AutostartEntry::write(const std::string& displayName, const std::string& program,
                                  const std::string& argument) const
{
    for (const std::string& text : {displayName, program, argument})
        if (text.find_first_of("\n\r") != std::string::npos || text.find('\0') != std::string::npos)
            return "cannot start at log-in a program whose name or path spans lines: " + m_file.string();
    std::error_code error;
    fs::create_directories(m_file.parent_path(), error);
    if (error)
        return "cannot create " + m_file.parent_path().string() + ": " + error.message();
    const std::string text = "[Desktop Entry]\n"
                             "Type=Application\n"
                             "Name=" + displayName + "\n"
                             "Exec=" + execWord(program) + " " + execWord(argument) + "\n"
                             "Terminal=false\n";
    return writeFile(m_file, text);
}

std::string AutostartEntry::remove() const
{
    std::error_code error;
    fs::remove(m_file, error);
    return error ? "cannot remove " + m_file.string() + ": " + error.message() : std::string();
}

} // namespace platform
