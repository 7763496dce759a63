#include "platform/shortcuts/DesktopEntry.h"
#include "platform/shortcuts/InternetShortcut.h"
#include "platform/shortcuts/LinkFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// Each reader returns the error it met, empty when the file was read.
using ShortcutReader = std::function<std::string(const std::string& path)>;

std::string readDesktop(const std::string& path)
{
    std::string error;
    EXPECT_FALSE(platform::DesktopEntry::read(path, error).has_value());
    return error;
}

std::string readUrl(const std::string& path)
{
    std::string error;
    EXPECT_FALSE(platform::readInternetShortcutUrl(path, error).has_value());
    return error;
}

std::string readLink(const std::string& path)
{
    const platform::LinkReadResult result = platform::readLinkFile(path);
    EXPECT_FALSE(result.ok);
    return result.error;
}

// Shortcut folders hold whatever their owner put there. A FIFO or a link to
// a device under a shortcut's name once hung or exhausted start-up; each
// reader must refuse them (and a file too large to be a shortcut) with an
// error naming the file.
TEST(UnreadableShortcut, EveryReaderRefusesWhatIsNotASmallFile)
{
    const std::pair<const char*, ShortcutReader> readers[] = {
        {".desktop", readDesktop}, {".url", readUrl}, {".lnk", readLink}};
    for (const auto& [extension, read] : readers) {
        testsupport::TempFolder folder;
        const fs::path fifo = folder.path() / (std::string("fifo") + extension);
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
        const fs::path device = folder.path() / (std::string("zero") + extension);
        fs::create_symlink("/dev/zero", device);
        const fs::path huge = folder.write(std::string("huge") + extension, "[Desktop Entry]\n");
        fs::resize_file(huge, (1u << 20) + 1);
        for (const fs::path& path : {fifo, device, huge}) {
            SCOPED_TRACE(path.string());
            EXPECT_NE(read(path.string()).find(path.string()), std::string::npos);
        }
    }
}

} // namespace
