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

DesktopShell::DesktopShell(std::string opener)
    : m_opener(std::move(opener))
{
}

bool DesktopShell::startProgram(const std::string& program, const std::vector<std::string>& arguments,
                                const std::string& workingFolder)
{
    if (program.empty())
        return false;
    QStringList list;
    list.reserve(static_cast<qsizetype>(arguments.size()));
    for (const std::string& argument : arguments)
        list << fromUtf8(argument);
    return QProcess::startDetached(fromUtf8(program), list, fromUtf8(workingFolder));
}

bool DesktopShell::openDocument(const std::string& pathOrUrl, const std::string& workingFolder)
{
    if (pathOrUrl.empty())
        return false;
    return startProgram(m_opener, {notAnOption(pathOrUrl)}, workingFolder);
}

bool DesktopShell::openFolder(const std::string& folder)
{
    return openDocument(folder, folder);
}

} // namespace platform
