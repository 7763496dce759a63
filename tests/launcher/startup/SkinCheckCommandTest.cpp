#include "launcher/startup/SkinCheckCommand.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>

namespace fs = std::filesystem;

namespace {

struct CheckRun {
    int status = 0;
    std::string output;
};

void replaceFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

CheckRun runCheck(const fs::path& skinFolder)
{
    testing::internal::CaptureStdout();
    CheckRun run;
    run.status = launcher::RunSkinCheck(skinFolder.string());
    std::fflush(stdout);
    run.output = testing::internal::GetCapturedStdout();
    return run;
}

} // namespace

// The command decodes every picture the way the launcher does and reads the
// definition file through the launcher's own store; each way the bundled skin
// can be damaged must turn its verdict.
TEST(SkinCheckCommand, DamagedFilesOfTheBundledSkinAreErrors)
{
    struct Case {
        const char* name;
        std::function<void(const fs::path& skin)> damage;
        const char* finding;
    };
    const Case cases[] = {
        {"intact", [](const fs::path&) {}, "can be loaded"},
        {"background cut to 100 bytes",
         [](const fs::path& skin) { fs::resize_file(skin / "Slatewise.bmp", 100); },
         "error: unusable picture Slatewise.bmp (window background)"},
        {"section picture replaced by a folder",
         [](const fs::path& skin) {
             fs::remove(skin / "section00_2.bmp");
             fs::create_directory(skin / "section00_2.bmp");
         },
         "error: unusable picture section00_2.bmp"},
        {"definition file replaced by a folder",
         [](const fs::path& skin) {
             fs::remove(skin / "Slatewise.ini");
             fs::create_directory(skin / "Slatewise.ini");
         },
         "it is a folder"},
        {"definition file in UTF-16 without a byte-order mark",
         [](const fs::path& skin) {
             replaceFile(skin / "Slatewise.ini",
                                                std::string("[\0S\0k\0i\0n\0I\0n\0f\0o\0]\0\n\0", 22));
         },
         "NUL bytes"},
        {"definition file of one 10 MB line",
         [](const fs::path& skin) {
             replaceFile(skin / "Slatewise.ini", std::string(10'000'000, 'x'));
         },
         "a line of 10000000 bytes"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        testsupport::TempFolder app;
        const fs::path skin = app.path() / "Slatewise";
        fs::copy(fs::path(QUORVEX_SOURCE_DIR) / "assets/skins/Slatewise", skin);
        test.damage(skin);
        const CheckRun run = runCheck(skin);
        EXPECT_EQ(run.status, std::string(test.name) == "intact" ? 0 : 1) << run.output;
        EXPECT_NE(run.output.find(test.finding), std::string::npos) << run.output;
    }
}

// The bundled skin in a folder of another name: start-up would rename the
// folder after its definition file and load it, so the command says it can
// be loaded, and leaves the folder's name alone.
TEST(SkinCheckCommand, FolderNamedOtherwiseThanItsDefinitionFileCanBeLoaded)
{
    testsupport::TempFolder app;
    const fs::path skin = app.path() / "skins" / "My Slate";
    fs::create_directories(skin.parent_path());
    fs::copy(fs::path(QUORVEX_SOURCE_DIR) / "assets/skins/Slatewise", skin);
    const CheckRun run = runCheck(skin);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("note: start-up renames the folder My Slate to Slatewise"), std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("skin Slatewise: can be loaded"), std::string::npos) << run.output;
    EXPECT_TRUE(fs::is_directory(skin));
    EXPECT_FALSE(fs::exists(app.path() / "skins" / "Slatewise"));
}

// Ferrolume's @2x pictures all fit; one of the wrong size, or one that
// cannot be read, is named as a warning: the skin still loads.
TEST(SkinCheckCommand, HighDensityPicturesThatWouldBePassedOverAreWarnings)
{
    testsupport::TempFolder app;
    const fs::path skin = app.path() / "Ferrolume";
    fs::copy(fs::path(QUORVEX_SOURCE_DIR) / "assets/skins/Ferrolume", skin);
    CheckRun run = runCheck(skin);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_EQ(run.output.find("high-density"), std::string::npos) << run.output;

    fs::copy_file(skin / "Exit_up.bmp", skin / "Exit_up@2x.bmp", fs::copy_options::overwrite_existing);
    fs::resize_file(skin / "section02_3@2x.bmp", 100);
    run = runCheck(skin);
    EXPECT_EQ(run.status, 0) << run.output;
    EXPECT_NE(run.output.find("warning: high-density screens pass over Exit_up@2x.bmp: it is 22 x 22 pixels, not "
                              "twice the 22 x 22"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("warning: high-density screens pass over section02_3@2x.bmp"), std::string::npos)
        << run.output;
}
