#include "ServerTestSupport.h"

#include "platform/component/ClassesRoot.h"
#include "platform/component/LayeredClassesRoot.h"

#include "support/TempFolder.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace quorvex::shape::testing {
namespace {

using namespace platform::component;

struct CommandResult {
    int exitCode;
    std::string output;
};

CommandResult regserver(const std::string& arguments)
{
    std::string command = std::string(QUORVEX_BINARY_DIR) + "/bin/quorvex-regserver " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    CommandResult run { -1, {} };
    if (!pipe)
        return run;
    std::array<char, 256> buffer;
    while (fgets(buffer.data(), buffer.size(), pipe))
        run.output += buffer.data();
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

class RegServerTest : public ClassesRootTest { };

TEST_F(RegServerTest, RegistersAndUnregistersALibrary)
{
    CommandResult run = regserver(builtLibrary());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    ClassesRoot root(m_path);
    ASSERT_TRUE(root.load());
    EXPECT_EQ(root.value("FormShape.FormShape\\CLSID"), "{40BD39F1-6F1E-11D1-B2DF-444553540000}");

    run = regserver("/u " + builtLibrary());
    EXPECT_EQ(run.exitCode, 0) << run.output;
    ASSERT_TRUE(root.load());
    EXPECT_FALSE(root.hasKey("FormShape.FormShape"));
}

TEST_F(RegServerTest, FailuresExplainThemselvesAndExitNonZero)
{
    CommandResult missing = regserver("/no/such/libshape.so");
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_NE(missing.output.find("cannot load /no/such/libshape.so"), std::string::npos) << missing.output;

    // A shared library that is not a component server.
    CommandResult notServer = regserver("libc.so.6");
    EXPECT_NE(notServer.exitCode, 0);

    CommandResult usage = regserver("");
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_NE(usage.output.find("usage"), std::string::npos);
}

// The library reports success for an unregistration whatever happened; the
// tool must see that nothing could be written.
TEST_F(RegServerTest, ARegistryThatCannotBeWrittenFailsBothWays)
{
    ASSERT_EQ(regserver(builtLibrary()).exitCode, 0);
    ::chmod(m_path.c_str(), 0444);
    CommandResult run = regserver("/u " + builtLibrary());
    EXPECT_NE(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find(m_path), std::string::npos) << run.output;
    ClassesRoot root(m_path);
    ASSERT_TRUE(root.load());
    EXPECT_TRUE(root.hasKey("FormShape.FormShape"));

    std::filesystem::remove(m_path);
    { std::ofstream(m_path) << "; nothing registered\n"; }
    ::chmod(m_path.c_str(), 0444);
    run = regserver(builtLibrary());
    EXPECT_NE(run.exitCode, 0) << run.output;
    ASSERT_TRUE(root.load());
    EXPECT_FALSE(root.hasKey("FormShape.FormShape"));
}

TEST_F(RegServerTest, WritesANamedRegistryWithARelativePathOnRequest)
{
    testsupport::TempFolder prefix;
    const std::string installed = prefix.str() + "share/quorvex/classes-root.ini";

    CommandResult run = regserver("--classes-root " + installed + " --relative " + builtLibrary());
    ASSERT_EQ(run.exitCode, 0) << run.output;

    EXPECT_FALSE(std::filesystem::exists(m_path)) << "the user's registry is left alone";
    ClassesRoot written(installed);
    ASSERT_TRUE(written.load());
    const std::string serverKey = "CLSID\\{40BD39F1-6F1E-11D1-B2DF-444553540000}\\InprocServer32";
    const std::optional<std::string> recorded = written.value(serverKey);
    ASSERT_TRUE(recorded);
    EXPECT_NE(recorded->front(), '/') << *recorded;

    ClassesRoot merged;
    std::string error;
    ASSERT_TRUE(LayeredClassesRoot::load(merged, installed, m_path, &error)) << error;
    EXPECT_EQ(std::filesystem::canonical(*merged.value(serverKey)).string(), builtLibrary());

    EXPECT_EQ(regserver("--relative " + builtLibrary()).exitCode, 2) << "--relative needs --classes-root";
    EXPECT_EQ(regserver("--classes-root").exitCode, 2);
}

} // namespace
} // namespace quorvex::shape::testing
