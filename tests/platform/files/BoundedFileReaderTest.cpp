#include "platform/files/BoundedFileReader.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class BoundedFileReaderTest : public ::testing::Test {
protected:
    fs::path write(const std::string& name, const std::string& bytes) { return m_temp.write(name, bytes); }

    testsupport::TempFolder m_temp;
    const fs::path& m_folder = m_temp.path();
};

struct RefusedCase {
    const char* name;
    // Makes the thing to be read inside the folder and returns its path.
    std::function<fs::path(const fs::path& folder)> make;
    const char* reason;
};

// A blocking open of the FIFO or a read of the device would hang or exhaust
// memory, so reaching the assertions at all is part of what is tested.
TEST_F(BoundedFileReaderTest, RefusesWhatIsNotASmallRegularFile)
{
    const RefusedCase cases[] = {
        {"fifo",
         [](const fs::path& folder) {
             const fs::path path = folder / "entry.desktop";
             EXPECT_EQ(::mkfifo(path.c_str(), 0644), 0);
             return path;
         },
         "pipe"},
        {"device", [](const fs::path&) { return fs::path("/dev/zero"); }, "device"},
        {"link to a device",
         [](const fs::path& folder) {
             const fs::path path = folder / "zero.desktop";
             fs::create_symlink("/dev/zero", path);
             return path;
         },
         "device"},
        {"sparse file of 1 GiB",
         [](const fs::path& folder) {
             const fs::path path = folder / "huge.ini";
             std::ofstream(path, std::ios::binary).close();
             fs::resize_file(path, 1ull << 30);
             return path;
         },
         "larger than"},
        {"folder",
         [](const fs::path& folder) {
             const fs::path path = folder / "skin.bmp";
             fs::create_directory(path);
             return path;
         },
         "folder"},
        {"missing file", [](const fs::path& folder) { return folder / "absent.url"; },
         "No such file"},
        {"dangling link",
         [](const fs::path& folder) {
             const fs::path path = folder / "gone.desktop";
             fs::create_symlink(folder / "nowhere", path);
             return path;
         },
         "No such file"},
    };
    const platform::BoundedFileReader reader(platform::readLimits::kIniBytes);
    for (const RefusedCase& test : cases) {
        SCOPED_TRACE(test.name);
        const fs::path path = test.make(m_folder);
        std::string bytes = "left over";
        const std::string error = reader.read(path, bytes);
        EXPECT_NE(error.find(path.string()), std::string::npos) << error;
        EXPECT_NE(error.find(test.reason), std::string::npos) << error;
        EXPECT_TRUE(bytes.empty());
        EXPECT_EQ(reader.check(path), error);
    }
}

TEST_F(BoundedFileReaderTest, ReadsRegularFilesUpToTheLimitExactly)
{
    const std::string content("[Skin]\r\nName=a\0b\n", 17);
    const platform::BoundedFileReader exact(content.size());
    const platform::BoundedFileReader oneShort(content.size() - 1);

    const fs::path plain = write("plain.ini", content);
    const fs::path link = m_folder / "link.ini";
    fs::create_symlink(plain, link);
    for (const fs::path& path : {plain, link}) {
        std::string bytes;
        EXPECT_EQ(exact.read(path, bytes), "");
        EXPECT_EQ(bytes, content);
        EXPECT_EQ(exact.check(path), "");
        EXPECT_NE(oneShort.read(path, bytes).find("larger than"), std::string::npos);
        EXPECT_TRUE(bytes.empty());
    }

    std::string bytes = "left over";
    EXPECT_EQ(exact.read(write("empty.ini", ""), bytes), "");
    EXPECT_TRUE(bytes.empty());
}

TEST_F(BoundedFileReaderTest, LargerFilesAreReadWhole)
{
    std::string content(3 * 4096 + 17, '\0');
    for (size_t i = 0; i < content.size(); ++i)
        content[i] = static_cast<char>(i * 7);
    std::string bytes;
    EXPECT_EQ(platform::BoundedFileReader(content.size()).read(write("big.bmp", content), bytes), "");
    EXPECT_EQ(bytes, content);
}

TEST_F(BoundedFileReaderTest, FileWithoutReadPermissionIsRefused)
{
    const fs::path path = write("locked.ini", "[Skin]\n");
    fs::permissions(path, fs::perms::none);
    fs::permissions(m_folder, fs::perms::owner_all | fs::perms::others_exec);
    const int result = testsupport::runUnprivileged([&] {
        std::string bytes;
        const std::string error = platform::BoundedFileReader(100).read(path, bytes);
        return error.find("Permission denied") != std::string::npos && bytes.empty() ? 0 : 1;
    });
    if (result < 0)
        GTEST_SKIP() << "cannot become an unprivileged user";
    EXPECT_EQ(result, 0);
}

} // namespace
