#include "platform/icons/ShortcutIconName.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/ExecutableFile.h"
#include "platform/shortcuts/DesktopEntry.h"
#include "platform/shortcuts/LinkFile.h"

#include <QMimeDatabase>

#include <filesystem>
#include <optional>

namespace platform {
namespace {

bool endsWith(const std::string& lowerName, std::string_view suffix)
{
    return lowerName.size() >= suffix.size()
        && lowerName.compare(lowerName.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string contentTypeIconName(const std::string& path, bool (*hasIcon)(const std::string&))
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (std::filesystem::is_directory(status))
        return kFolderIconName;
    if (isExecutableFile(path))
        return kProgramIconName;

    // Only a regular file's content is looked at: a FIFO would block the
    // look and a device never end it.
    static const QMimeDatabase database;
    const QMimeType type = std::filesystem::is_regular_file(status)
        ? database.mimeTypeForFile(QString::fromStdString(path))
        : database.mimeTypeForFile(QString::fromStdString(path), QMimeDatabase::MatchExtension);
    const std::string specific = type.iconName().toStdString();
    if (hasIcon(specific))
        return specific;
    return type.genericIconName().toStdString();
}

// The icon file a link names, when it lies here: absolute, or relative to the
// link's own folder. Paths from other systems ("C:\\...") name nothing here.
std::optional<std::string> linkIconFile(const std::string& linkPath, const std::string& iconLocation)
{
    if (iconLocation.empty())
        return std::nullopt;
    std::filesystem::path icon(iconLocation);
    if (icon.is_relative())
        icon = std::filesystem::path(linkPath).parent_path() / icon;
    std::error_code error;
    if (!std::filesystem::is_regular_file(icon, error))
        return std::nullopt;
    return icon.lexically_normal().string();
}

} // namespace

std::string shortcutIconName(const std::string& path, bool (*hasIcon)(const std::string&), DesktopEntryCache& entries)
{
    const std::string lower = toLowerAscii(path);
    if (endsWith(lower, ".url"))
        return kBrowserIconName;
    if (endsWith(lower, ".pif"))
        return kProgramIconName;
    if (endsWith(lower, ".desktop")) {
        const DesktopEntryRead& read = entries.read(path);
        reportSkippedFile(read.error);
        const std::optional<DesktopEntry>& entry = read.entry;
        if (!entry)
            return {};
        if (entry->isLink() && entry->icon().empty())
            return kBrowserIconName;
        return entry->icon().empty() ? kProgramIconName : entry->icon();
    }
    if (endsWith(lower, ".lnk")) {
        const LinkReadResult link = readLinkFile(path);
        reportSkippedFile(link.error);
        if (!link.ok)
            return {};
        if (std::optional<std::string> own = linkIconFile(path, link.info.iconLocation))
            return *own;
        if (link.info.target.empty())
            return {};
        return contentTypeIconName(link.info.target, hasIcon);
    }
    return contentTypeIconName(path, hasIcon);
}

} // namespace platform
