#include "launcher/skin/SkinCheck.h"
#include "platform/profile/FileProfileStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace launcher;
using testsupport::TempFolder;

namespace {

// Any file with some bytes counts as a picture here; the launcher's own probe
// decodes it.
bool nonEmptyFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::file_size(path, error) > 0 && !error;
}

void writeActionButtons(const TempFolder& folder, const std::string& skin)
{
    for (const char* name : {"Exit_up", "Exit_down", "Exit_hover", "SC_up", "SC_down", "SC_hover", "sm_up",
                             "sm_down", "sm_hover"})
        folder.write("skins/" + skin + "/" + name + ".bmp", "BM");
}

bool mentions(const std::vector<std::string>& lines, const std::string& text)
{
    for (const std::string& line : lines)
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(SkinCheck, MinimalSkinLoads)
{
    TempFolder app;
    app.write("skins/Tiny/Tiny.ini", "[SkinInfo]\nSectionNum=0\nActionButtonStyles=0\n");
    app.write("skins/Tiny/tiny.BMP", "BM");
    writeActionButtons(app, "Tiny");
    platform::FileProfileStore store;
    const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Tiny", nonEmptyFile);
    EXPECT_TRUE(report.loadable()) << testing::PrintToString(report.lines());
    EXPECT_TRUE(report.warnings.empty());
}

TEST(SkinCheck, ListsEveryMissingRequiredPictureAndCorrection)
{
    TempFolder app;
    app.write("skins/Holey/Holey.ini", "[SkinInfo]\nSectionNum=1\nSkinThumbnail=1\n"
                                       "[Shading]\nWidth=10\n[FilmLoop2]\nUseFilmLoop=1\n");
    writeActionButtons(app, "Holey");
    app.write("skins/Holey/section00_1.bmp", "BM");
    app.write("skins/Holey/style000_4.bmp", ""); // present but no picture
    platform::FileProfileStore store;
    const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Holey/", nonEmptyFile);
    EXPECT_FALSE(report.loadable());
    const std::vector<std::string> lines = report.lines();
    EXPECT_TRUE(mentions(lines, "error: missing Holey.bmp"));
    EXPECT_TRUE(mentions(lines, "error: missing section00_2.bmp"));
    EXPECT_FALSE(mentions(lines, "section00_1.bmp"));
    EXPECT_TRUE(mentions(lines, "error: unreadable picture style000_4.bmp"));
    EXPECT_TRUE(mentions(lines, "error: missing FilmLoop2.bmp"));
    EXPECT_TRUE(mentions(lines, "warning: missing shade.bmp"));
    EXPECT_TRUE(mentions(lines, "warning: missing thumbnail.bmp"));
    EXPECT_TRUE(mentions(lines, "corrected: [FilmLoop2] FrameCount"));
}

TEST(SkinCheck, MissingFolderIsAnError)
{
    TempFolder app;
    platform::FileProfileStore store;
    EXPECT_FALSE(CheckSkinFolder(store, app.str() + "nothing", nonEmptyFile).loadable());
}
