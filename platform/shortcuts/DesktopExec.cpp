#include "platform/shortcuts/DesktopExec.h"

#include "platform/shortcuts/ShellWords.h"

#include <cstdio>
#include <deque>
#include <string_view>

namespace platform {
namespace {

bool isUrlPathCharacter(unsigned char c)
{
    static constexpr std::string_view kMarks = "-._~!$&'()*+,;=:@/";
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || kMarks.find(static_cast<char>(c)) != std::string_view::npos;
}

// Replaces the field codes of one start; each file code takes the files it
// uses from `files`.
class ExecExpansion {
public:
    ExecExpansion(const DesktopEntry& entry, std::deque<std::string>& files, const std::string& entryFile)
        : m_entry(entry)
        , m_files(files)
        , m_entryFile(entryFile)
    {
    }

    std::string run()
    {
        const std::string& exec = m_entry.exec();
        const size_t filesBefore = m_files.size();
        for (size_t i = 0; i < exec.size(); ++i) {
            if (exec[i] == '%' && i + 1 < exec.size())
                expand(exec[++i]);
            else
                m_line += exec[i];
        }
        if (m_files.size() == filesBefore && !m_files.empty()) {
            m_line += ' ';
            expand('f');
        }
        return std::move(m_line);
    }

private:
    void expand(char code)
    {
        switch (code) {
        case 'f':
        case 'u':
            if (!m_files.empty())
                appendFile(code);
            break;
        case 'F':
        case 'U':
            for (bool first = true; !m_files.empty(); first = false) {
                if (!first)
                    m_line += ' ';
                appendFile(code);
            }
            break;
        case 'i':
            if (!m_entry.icon().empty())
                m_line += "--icon " + shellQuote(m_entry.icon());
            break;
        case 'c':
            if (!m_entry.name().empty())
                m_line += shellQuote(m_entry.name());
            break;
        case 'k':
            if (!m_entryFile.empty())
                m_line += shellQuote(m_entryFile);
            break;
        case '%':
            m_line += '%';
            break;
        default: // deprecated (%d %D %n %N %v %m) and unknown codes
            break;
        }
    }

    void appendFile(char code)
    {
        const bool asUrl = code == 'u' || code == 'U';
        m_line += shellQuote(asUrl ? fileUrl(m_files.front()) : m_files.front());
        m_files.pop_front();
    }

    const DesktopEntry& m_entry;
    std::deque<std::string>& m_files;
    const std::string& m_entryFile;
    std::string m_line;
};

} // namespace

std::string fileUrl(const std::string& path)
{
    return "file://" + percentEncodedPath(path);
}

std::string percentEncodedPath(const std::string& path)
{
    std::string url;
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (isUrlPathCharacter(byte)) {
            url += c;
            continue;
        }
        char escaped[4];
        std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
        url += escaped;
    }
    return url;
}

DesktopCommandResult buildDesktopCommands(const DesktopEntry& entry,
                                          const std::vector<std::string>& files,
                                          const std::string& entryFile)
{
    DesktopCommandResult result;
    std::deque<std::string> remaining(files.begin(), files.end());
    do {
        const size_t before = remaining.size();
        ShellWordsResult words = splitShellWords(ExecExpansion(entry, remaining, entryFile).run());
        if (!words.error.empty()) {
            result.commands.clear();
            result.error = "Exec line: " + words.error;
            return result;
        }
        DesktopCommand command;
        command.program = std::move(words.words.front());
        command.arguments.assign(std::make_move_iterator(words.words.begin() + 1),
                                 std::make_move_iterator(words.words.end()));
        result.commands.push_back(std::move(command));
        if (remaining.size() == before)
            break; // cannot happen (an unused file is appended), but never loop
    } while (!remaining.empty());
    return result;
}

} // namespace platform
