#include "platform/shortcuts/LinkFile.h"

#include "platform/files/BoundedFileReader.h"
#include "platform/shortcuts/LinkStructureReader.h"

#include <liblnk.h>

#include <optional>
#include <vector>

namespace platform {
namespace {

using SizeGetter = int (*)(liblnk_file_t*, size_t*, liblnk_error_t**);
using TextGetter = int (*)(liblnk_file_t*, uint8_t*, size_t, liblnk_error_t**);

// Reads one optional UTF-8 value; absent and unreadable values both give "".
std::string readText(liblnk_file_t* file, SizeGetter sizeOf, TextGetter textOf)
{
    liblnk_error_t* error = nullptr;
    size_t size = 0;
    if (sizeOf(file, &size, &error) != 1 || size == 0) {
        liblnk_error_free(&error);
        return {};
    }
    std::vector<uint8_t> buffer(size + 1, 0);
    if (textOf(file, buffer.data(), size, &error) != 1) {
        liblnk_error_free(&error);
        return {};
    }
    return std::string(reinterpret_cast<const char*>(buffer.data()));
}

// The window state from the fixed header. liblnk's own query for it returns
// the header's file-size field in the packaged release, so it is not used.
uint32_t readShowCommand(const std::string& fileBytes)
{
    constexpr size_t kShowCommandOffset = 60;
    if (fileBytes.size() < kShowCommandOffset + 4)
        return 0;
    const auto byte = [&](size_t i) {
        return static_cast<uint32_t>(static_cast<unsigned char>(fileBytes[kShowCommandOffset + i]));
    };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

std::string describe(liblnk_error_t* error)
{
    char text[512] = {};
    if (error)
        liblnk_error_sprint(error, text, sizeof text);
    return text;
}

} // namespace

LinkReadResult readLinkFile(const std::string& path)
{
    LinkReadResult result;
    // liblnk opens the file by name itself, so the file is read through the
    // bounded reader first: a FIFO would block liblnk's open and a device
    // would never end.
    std::string bytes;
    result.error = BoundedFileReader(readLimits::kShortcutBytes).read(path, bytes);
    if (!result.error.empty())
        return result;
    liblnk_file_t* file = nullptr;
    liblnk_error_t* error = nullptr;
    if (liblnk_file_initialize(&file, &error) != 1) {
        result.error = "cannot read shortcut " + path + ": " + describe(error);
        liblnk_error_free(&error);
        return result;
    }
    if (liblnk_file_open(file, path.c_str(), LIBLNK_OPEN_READ, &error) != 1) {
        liblnk_file_free(&file, nullptr);
        // The library refuses a whole link for damage in parts the launcher
        // never uses; the header and link info may still be sound.
        if (std::optional<LinkFileInfo> info = readLinkStructure(bytes)) {
            liblnk_error_free(&error);
            result.info = std::move(*info);
            result.error.clear();
            result.ok = true;
            return result;
        }
        result.error = "cannot read shortcut " + path + ": " + describe(error);
        liblnk_error_free(&error);
        return result;
    }

    LinkFileInfo& info = result.info;
    info.target = readText(file, liblnk_file_get_utf8_local_path_size, liblnk_file_get_utf8_local_path);
    if (info.target.empty())
        info.target = readText(file, liblnk_file_get_utf8_network_path_size, liblnk_file_get_utf8_network_path);
    info.workingFolder = readText(file, liblnk_file_get_utf8_working_directory_size,
                                  liblnk_file_get_utf8_working_directory);
    info.arguments = readText(file, liblnk_file_get_utf8_command_line_arguments_size,
                              liblnk_file_get_utf8_command_line_arguments);
    info.iconLocation = readText(file, liblnk_file_get_utf8_icon_location_size, liblnk_file_get_utf8_icon_location);
    if (const uint32_t show = readShowCommand(bytes); show != 0)
        info.showCommand = static_cast<int>(show);

    liblnk_file_close(file, nullptr);
    liblnk_file_free(&file, nullptr);
    result.ok = true;
    return result;
}

} // namespace platform
