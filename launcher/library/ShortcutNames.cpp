#include "launcher/library/ShortcutNames.h"

#include "platform/files/CaseInsensitivePath.h"

#include <array>

namespace launcher {
namespace {

struct KindExtension {
    ShortcutKind kind;
    std::string_view extension;
};

constexpr std::array<KindExtension, 4> kExtensions{{
    {ShortcutKind::Link, ".lnk"},
    {ShortcutKind::Internet, ".url"},
    {ShortcutKind::ProgramInfo, ".pif"},
    {ShortcutKind::DesktopEntry, ".desktop"},
}};

} // namespace

ShortcutKind shortcutKindOf(std::string_view fileName)
{
    for (const KindExtension& entry : kExtensions) {
        if (fileName.size() >= entry.extension.size()
            && platform::equalsIgnoringCase(fileName.substr(fileName.size() - entry.extension.size()),
                                            entry.extension))
            return entry.kind;
    }
    return ShortcutKind::None;
}

std::string_view shortcutExtension(ShortcutKind kind)
{
    for (const KindExtension& entry : kExtensions) {
        if (entry.kind == kind)
            return entry.extension;
    }
    return {};
}

std::string ShortcutCaption(std::string_view fileName)
{
    const ShortcutKind kind = shortcutKindOf(fileName);
    return std::string(fileName.substr(0, fileName.size() - shortcutExtension(kind).size()));
}

std::string FolderOfPath(std::string_view path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    std::string folder(path.substr(0, slash));
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    if (folder.empty())
        return "/";
    return folder;
}

std::string ShortPath(std::string_view path)
{
    return std::string(path);
}

std::string CutAtControlCharacter(std::string_view text)
{
    size_t end = 0;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= ' ')
        ++end;
    return std::string(text.substr(0, end));
}

} // namespace launcher
