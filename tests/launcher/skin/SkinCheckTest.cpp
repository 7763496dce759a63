#include "launcher/skin/SkinCheck.h"
#include "platform/profile/FileProfileStore.h"

#include "support/TempFolder.h"
#include "support/Unprivileged.h"
#include "support/Utf16Writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

using namespace launcher;
using testsupport::TempFolder;

namespace {

// Any file with some bytes counts as a picture here; the launcher's own probe
// decodes it.
std::string nonEmptyFile(const std::string& path)
{
    std::error_code error;
    return std::filesystem::file_size(path, error) > 0 && !error ? "" : "empty";
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

// Only the definition file, the background and the action-button pictures,
// in folder `folder` with the definition file and background named `name`.
void writeMinimalSkin(const TempFolder& app, const std::string& folder, const std::string& name,
                      const std::string& ini)
{
    app.write("skins/" + folder + "/" + name + ".ini", ini);
    app.write("skins/" + folder + "/" + name + ".BMP", "BM");
    writeActionButtons(app, folder);
}

} // namespace

TEST(SkinCheck, MinimalSkinLoads)
{
    // With or without a style: the default one is used by no launch button.
    for (const char* ini : {"[SkinInfo]\nSectionNum=0\nActionButtonStyles=0\n", "[SkinInfo]\nSectionNum=0\n"}) {
        SCOPED_TRACE(ini);
        TempFolder app;
        writeMinimalSkin(app, "Tiny", "tiny", ini);
        platform::FileProfileStore store;
        const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Tiny", nonEmptyFile);
        EXPECT_TRUE(report.loadable()) << testing::PrintToString(report.lines());
        EXPECT_TRUE(report.warnings.empty()) << testing::PrintToString(report.lines());
    }
}

// A skin of only [SkinInfo] SectionNum=0 has the one default style, which no
// launch button can show.
TEST(SkinCheck, PicturesOfAStyleNoSlotUsesAreNotRequired)
{
    TempFolder app;
    app.write("skins/Tiny/Tiny.ini", "[SkinInfo]\nSectionNum=1\nActionButtonStyles=3\n"
                                     "[Section00]\nActionButtonNumber=1\nButton00Style=2\n");
    app.write("skins/Tiny/Tiny.bmp", "BM");
    writeActionButtons(app, "Tiny");
    for (int state = 1; state <= 4; ++state) {
        app.write("skins/Tiny/section00_" + std::to_string(state) + ".bmp", "BM");
        app.write("skins/Tiny/style002_" + std::to_string(state) + ".bmp", "BM");
    }
    app.write("skins/Tiny/style001_3.bmp", ""); // there but unusable: still worth a warning
    platform::FileProfileStore store;
    const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Tiny", nonEmptyFile);
    EXPECT_TRUE(report.loadable()) << testing::PrintToString(report.lines());
    EXPECT_EQ(report.warnings,
              (std::vector<std::string>{"unusable picture style001_3.bmp (button style 1, used by no slot): empty"}));

    std::filesystem::remove(app.path() / "skins/Tiny/style002_1.bmp");
    const SkinCheckReport used = CheckSkinFolder(store, app.str() + "skins/Tiny", nonEmptyFile);
    EXPECT_EQ(used.errors, (std::vector<std::string>{"missing style002_1.bmp (button style 2)"}));
}

// Start-up names a folder after the first definition file in it before it
// loads anything; the check reports the skin as it would then be loaded and
// leaves the folder as it is.
TEST(SkinCheck, FolderNamedOtherwiseThanItsDefinitionFileIsCheckedUnderItsNewName)
{
    TempFolder app;
    writeMinimalSkin(app, "Blue Steel", "Steel", "[SkinInfo]\nSectionNum=0\n");
    platform::FileProfileStore store;
    const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Blue Steel", nonEmptyFile);
    EXPECT_TRUE(report.loadable()) << testing::PrintToString(report.lines());
    EXPECT_EQ(report.skinName, "Steel");
    EXPECT_TRUE(mentions(report.lines(), "note: start-up renames the folder Blue Steel to Steel"));
    EXPECT_TRUE(std::filesystem::is_directory(app.path() / "skins/Blue Steel"));
    EXPECT_FALSE(std::filesystem::exists(app.path() / "skins/Steel"));

    // With the name taken, the folder keeps its own and so lacks its files.
    app.write("skins/Steel/Steel.ini", "");
    const SkinCheckReport taken = CheckSkinFolder(store, app.str() + "skins/Blue Steel", nonEmptyFile);
    EXPECT_EQ(taken.skinName, "Blue Steel");
    EXPECT_FALSE(taken.loadable());
    EXPECT_TRUE(mentions(taken.lines(), "warning: cannot rename skin folder Blue Steel to Steel: the name is taken"));
    EXPECT_TRUE(mentions(taken.lines(), "error: missing Blue Steel.bmp"));
}

TEST(SkinCheck, ListsEveryMissingRequiredPictureAndCorrection)
{
    TempFolder app;
    app.write("skins/Holey/Holey.ini", "[SkinInfo]\nSectionNum=1\nSkinThumbnail=1\n"
                                       "[Section00]\nActionButtonNumber=1\n"
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
    EXPECT_TRUE(mentions(lines, "error: unusable picture style000_4.bmp (button style 0): empty"));
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

TEST(SkinCheck, DefinitionFileInUtf16IsReadAsTheLauncherReadsIt)
{
    TempFolder app;
    app.write("skins/Wide/Wide.ini", testsupport::utf16WithMark(u"[SkinInfo]\r\nSectionNum=0\r\nActionButtonStyles=0\r\n",
                                                                 testsupport::ByteOrder::BigEndian));
    app.write("skins/Wide/Wide.bmp", "BM");
    writeActionButtons(app, "Wide");
    platform::FileProfileStore store;
    const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Wide", nonEmptyFile);
    EXPECT_TRUE(report.loadable()) << testing::PrintToString(report.lines());
}

// The launcher reads a definition file it cannot read or understand as if it
// were empty, so every key takes its default; the check once called such a
// skin loadable with no warnings at all.
TEST(SkinCheck, DefinitionFileThatCannotBeUsedIsAnError)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder& app, const std::string& ini)> make;
        const char* reason;
    };
    const Case cases[] = {
        {"folder", [](const TempFolder&, const std::string& ini) { std::filesystem::create_directory(ini); },
         "folder"},
        {"fifo", [](const TempFolder&, const std::string& ini) { ::mkfifo(ini.c_str(), 0644); }, "pipe"},
        {"UTF-16 without a byte-order mark",
         [](const TempFolder& app, const std::string&) {
             app.write("skins/Odd/Odd.ini", std::string("[\0S\0k\0i\0n\0I\0n\0f\0o\0]\0\n\0", 22));
         },
         "NUL"},
        {"UTF-16 with a lone surrogate",
         [](const TempFolder& app, const std::string&) {
             app.write("skins/Odd/Odd.ini", testsupport::utf16WithMark(u"[SkinInfo]\nName=\xD800x\n",
                                                                        testsupport::ByteOrder::LittleEndian));
         },
         "not valid UTF-16"},
        {"one line of 10 MB",
         [](const TempFolder& app, const std::string&) {
             app.write("skins/Odd/Odd.ini", "[SkinInfo]\rSectionNum=0\r" + std::string(10'000'000, ';'));
         },
         "line of 10000024 bytes"},
        {"larger than a definition file may be",
         [](const TempFolder& app, const std::string& ini) {
             app.write("skins/Odd/Odd.ini", "[SkinInfo]\n");
             std::filesystem::resize_file(ini, (16u << 20) + 1);
         },
         "larger than"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        TempFolder app;
        app.write("skins/Odd/Odd.bmp", "BM");
        writeActionButtons(app, "Odd");
        const std::string ini = app.str() + "skins/Odd/Odd.ini";
        test.make(app, ini);
        platform::FileProfileStore store;
        const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Odd", nonEmptyFile);
        EXPECT_FALSE(report.loadable());
        ASSERT_FALSE(report.errors.empty());
        EXPECT_NE(report.errors[0].find(ini), std::string::npos) << report.errors[0];
        EXPECT_NE(report.errors[0].find(test.reason), std::string::npos) << report.errors[0];
    }
}

TEST(SkinCheck, DefinitionFileWithoutReadPermissionIsAnError)
{
    TempFolder app;
    app.write("skins/Shut/Shut.ini", "[SkinInfo]\nSectionNum=0\n");
    app.write("skins/Shut/Shut.bmp", "BM");
    writeActionButtons(app, "Shut");
    std::filesystem::permissions(app.path() / "skins/Shut/Shut.ini", std::filesystem::perms::none);
    std::filesystem::permissions(app.path(), std::filesystem::perms::owner_all | std::filesystem::perms::others_exec);
    const int result = testsupport::runUnprivileged([&] {
        platform::FileProfileStore store;
        const SkinCheckReport report = CheckSkinFolder(store, app.str() + "skins/Shut", nonEmptyFile);
        return !report.loadable() && mentions(report.lines(), "Permission denied") ? 0 : 1;
    });
    if (result < 0)
        GTEST_SKIP() << "cannot become an unprivileged user";
    EXPECT_EQ(result, 0);
}
