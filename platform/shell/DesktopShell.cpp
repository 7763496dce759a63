#include "platform/shell/DesktopShell.h"

#include <QProcess>
#include <QString>
#include <QStringList>

namespace platform {
namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromStdString(text);
}

// A relative name starting with '-' would reach the opener as an option;
// "./" keeps it a name. Absolute paths and URLs never start with '-'.
std::string notAnOption(const std::string& name)
{
    return !name.empty() && name.front() == '-' ? "./" + name : name;
}

} // namespace

DesktopShell::DesktopShell(std::string opener, HandlerLookup handlers)
    : m_opener(std::move(opener))
    , m_handlers(std::move(handlers))
{
}

bool DesktopShell::startProgram(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& workingFolder, WindowState)
{
    if (program.empty())
        return false;
    QStringList list;
    list.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments)
        list << fromUtf8(argument);
    return QProcess::startDetached(fromUtf8(program), list, fromUtf8(workingFolder));
}

bool DesktopShell::openDocument(const std::string& pathOrUrl, const std::vector<std::string>& arguments,
                                const std::string& workingFolder, WindowState windowState)
{
    if (pathOrUrl.empty())
        return false;
    if (arguments.empty())
        return startProgram(m_opener, {notAnOption(pathOrUrl)}, workingFolder, windowState);
    std::optional<std::vector<std::string>> handler = m_handlers ? m_handlers(pathOrUrl) : std::nullopt;
    if (!handler || handler->empty())
        return false;
    handler->insert(handler->end(), arguments.begin(), arguments.end());
    const std::string program = handler->front();
    return startProgram(program, std::vector<std::string>(handler->begin() + 1, handler->end()), workingFolder,
                        windowState);
}

bool DesktopShell::openFolder(const std::string& folder, const std::string& workingFolder)
{
    return openDocument(folder, {}, workingFolder.empty() ? folder : workingFolder, WindowState::Normal);
}

} // namespace platform
