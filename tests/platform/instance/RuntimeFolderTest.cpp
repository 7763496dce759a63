#include "platform/instance/RuntimeFolder.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace quorvex::platform {
namespace {

namespace fs = std::filesystem;

// Points XDG_RUNTIME_DIR somewhere else for one test.
class RuntimeDirOverride {
public:
    explicit RuntimeDirOverride(const std::string& value)
    {
        if (const char* old = std::getenv("XDG_RUNTIME_DIR"))
            m_old = old;
        ::setenv("XDG_RUNTIME_DIR", value.c_str(), 1);
    }
    ~RuntimeDirOverride()
    {
        if (m_old)
            ::setenv("XDG_RUNTIME_DIR", m_old->c_str(), 1);
        else
            ::unsetenv("XDG_RUNTIME_DIR");
    }

private:
    std::optional<std::string> m_old;
};

TEST(RuntimeFolderTest, MadePrivateInTheRuntimeFolder)
{
    testsupport::TempFolder runtime;
    RuntimeDirOverride override(runtime.path().string());
    std::string error;
    const std::string folder = privateRuntimeFolder(&error);
    ASSERT_EQ(folder, (runtime.path() / "quorvex").string()) << error;
    struct stat info {};
    ASSERT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(RuntimeFolderTest, RefusesAFolderOthersMayEnterOrThatIsNoFolder)
{
    testsupport::TempFolder runtime;
    RuntimeDirOverride override(runtime.path().string());
    const fs::path folder = runtime.path() / "quorvex";
    fs::create_directory(folder);
    ::chmod(folder.c_str(), 0755);
    std::string error;
    EXPECT_EQ(privateRuntimeFolder(&error), "");
    EXPECT_NE(error.find("open to other users"), std::string::npos) << error;

    fs::remove(folder);
    fs::create_symlink(runtime.path(), folder);
    error.clear();
    EXPECT_EQ(privateRuntimeFolder(&error), "") << "a link could lead anywhere";
    EXPECT_NE(error.find("not a folder"), std::string::npos) << error;
    EXPECT_TRUE(instanceAddressFor("/any", &error).socketPath.empty());
}

TEST(RuntimeFolderTest, FallsBackToAFolderPerUserBelowTmp)
{
    RuntimeDirOverride override("relative/is/not/allowed");
    std::string error;
    EXPECT_EQ(privateRuntimeFolder(&error), "/tmp/quorvex-" + std::to_string(::getuid())) << error;
}

TEST(RuntimeFolderTest, OneAddressPerProgramFolderWhateverItsSpelling)
{
    testsupport::TempFolder runtime;
    RuntimeDirOverride override(runtime.path().string());
    testsupport::TempFolder programs;
    fs::create_directories(programs.path() / "one");
    fs::create_directories(programs.path() / "two");
    fs::create_directory_symlink(programs.path() / "one", programs.path() / "link");
    std::string error;
    const InstanceAddress one = instanceAddressFor((programs.path() / "one").string(), &error);
    ASSERT_FALSE(one.socketPath.empty()) << error;
    EXPECT_NE(one.lockPath, one.socketPath);
    EXPECT_EQ(fs::path(one.socketPath).parent_path(), runtime.path() / "quorvex");
    for (const std::string& spelling : {programs.str() + "one/", programs.str() + "two/../one", programs.str() + "link/"})
        EXPECT_EQ(instanceAddressFor(spelling, &error).socketPath, one.socketPath) << spelling;
    EXPECT_NE(instanceAddressFor((programs.path() / "two").string(), &error).socketPath, one.socketPath);
    // A socket path must stay short enough for the system's limit.
    EXPECT_LT(one.socketPath.size(), 100u);
}

} // namespace
} // namespace quorvex::platform
