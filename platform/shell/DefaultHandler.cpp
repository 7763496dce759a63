#include "platform/shell/DefaultHandler.h"

#include "platform/shortcuts/DesktopExec.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdlib>
#include <filesystem>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr int kQueryTimeoutMs = 5000;

// The first line xdg-mime prints, "" when it fails.
std::string askXdgMime(const QStringList& arguments)
{
    QProcess process;
    process.start("xdg-mime", arguments);
    if (!process.waitForFinished(kQueryTimeoutMs) || process.exitStatus() != QProcess::NormalExit
        || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished(kQueryTimeoutMs);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput()).section('\n', 0, 0).trimmed().toStdString();
}

std::string environment(const char* name, const std::string& fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

std::vector<std::string> applicationFolders()
{
    const std::string home = environment("HOME", "");
    std::vector<std::string> folders{environment("XDG_DATA_HOME", home + "/.local/share") + "/applications"};
    const std::string dataDirs = environment("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    for (size_t begin = 0; begin <= dataDirs.size();) {
        size_t end = dataDirs.find(':', begin);
        if (end == std::string::npos)
            end = dataDirs.size();
        if (end > begin)
            folders.push_back(dataDirs.substr(begin, end - begin) + "/applications");
        begin = end + 1;
    }
    return folders;
}

// A desktop file id names a file below an applications folder; a '-' in it
// may stand for a sub-folder ("kde-app.desktop" in kde/app.desktop).
std::optional<std::string> findDesktopFile(const std::string& id)
{
    if (id.empty() || id.find('/') != std::string::npos)
        return std::nullopt;
    for (const std::string& folder : applicationFolders()) {
        std::string relative = id;
        for (size_t dash = 0;; ++dash) {
            std::error_code error;
            if (fs::is_regular_file(folder + "/" + relative, error))
                return folder + "/" + relative;
            dash = relative.find('-', dash);
            if (dash == std::string::npos)
                break;
            relative[dash] = '/';
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::vector<std::string>> defaultHandlerCommand(const std::string& document)
{
    const std::string type = askXdgMime({"query", "filetype", QString::fromStdString(document)});
    if (type.empty())
        return std::nullopt;
    const std::string id = askXdgMime({"query", "default", QString::fromStdString(type)});
    const std::optional<std::string> file = findDesktopFile(id);
    if (!file)
        return std::nullopt;
    std::string readError;
    const std::optional<DesktopEntry> entry = DesktopEntry::read(*file, readError);
    if (!entry || !entry->isApplication() || entry->isHidden())
        return std::nullopt;
    DesktopCommandResult built = buildDesktopCommands(*entry, {document}, *file);
    if (!built.error.empty())
        return std::nullopt;
    DesktopCommand& command = built.commands.front();
    std::vector<std::string> words{std::move(command.program)};
    words.insert(words.end(), command.arguments.begin(), command.arguments.end());
    return words;
}

} // namespace platform
