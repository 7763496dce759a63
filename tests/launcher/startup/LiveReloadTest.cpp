// Live reload of the running launcher: a Launcher over fakes on a copy of
// the bundled Ferrolume skin, its folder watcher scripted, its files edited
// on disk as a skin author's tools would.
#include "launcher/skin/SkinFileNames.h"
#include "launcher/startup/Launcher.h"
#include "launcher/startup/WindowInteraction.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/watch/FakeFolderWatcher.h"

#include "support/FakeServices.h"
#include "support/RegisteredServers.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

using namespace launcher;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

constexpr const char* kSkin = "Ferrolume";

// What the window shows, enough to tell one look from another.
struct Look {
    QImage picture;
    QSize size;
    QImage firstSection;
    QImage firstButton;
    QImage exitButton;
    int buttons = 0;
    bool operator==(const Look&) const = default;
};

class LiveReloadTest : public testing::Test, protected testsupport::FakeServices {
protected:
    void SetUp() override
    {
        ASSERT_EQ(testsupport::registerBuiltServers(), "");
        fs::create_directories(app.path() / "skins");
        fs::copy(bundledSkin(), skinFolder(), fs::copy_options::recursive);
        app.write("Quorvex.ini", std::string("[Options]\nStartupSkin=") + kSkin + "\n");
        for (const char* file : {"Alpha/one.url", "Alpha/two.url", "Beta/three.url"})
            app.write(std::string("shortcuts/") + file, "[InternetShortcut]\nURL=https://example.org/\n");
    }

    static fs::path bundledSkin() { return fs::path(QUORVEX_SOURCE_DIR) / "assets/skins" / kSkin; }
    fs::path skinFolder() const { return app.path() / "skins" / kSkin; }
    std::string skinIni() const { return (skinFolder() / (std::string(kSkin) + ".ini")).string(); }

    Launcher& start()
    {
        launcher::Services withWatcher = services();
        withWatcher.skinFolderWatcher = &watcher;
        launcher = std::make_unique<Launcher>(withWatcher, AppPaths(app.str()));
        EXPECT_EQ(launcher->Load(), StartupResult::Running);
        EXPECT_EQ(fs::path(watcher.folder()), skinFolder());
        sounds.clear();
        return *launcher;
    }

    // Another program's edit: not through the launcher's store.
    void editSkinValue(const char* section, const char* key, const char* value)
    {
        platform::FileProfileStore editor;
        ASSERT_EQ(editor.write(skinIni(), section, key, value), "");
    }
    void savePicture(const char* file, QSize size, QColor color)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(color);
        ASSERT_TRUE(picture.save(QString::fromStdString((skinFolder() / file).string()), "BMP"));
    }
    // Reports `file` changed and lets the reload settle.
    void saved(const std::string& file)
    {
        watcher.change(file);
        ASSERT_TRUE(launcher->skinReloadPending());
        ASSERT_TRUE(QTest::qWaitFor([this] { return !launcher->skinReloadPending(); }, 5000));
    }
    int fontRemovals() const
    {
        return static_cast<int>(std::count_if(fonts.calls().begin(), fonts.calls().end(),
                                              [](const std::string& call) { return call.rfind("remove ", 0) == 0; }));
    }

    SkinnedControls& controls() { return launcher->form().controls(); }
    controls::SkinPanel& section(int i) { return *controls().SSPanel1[static_cast<size_t>(i)]; }
    void click(QWidget& widget)
    {
        QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    }
    Look look()
    {
        QuorvexForm& form = launcher->form();
        return {form.picture().toImage(),
                form.size(),
                section(0).backgroundPicture().toImage(),
                controls().SSButton[0]->backgroundPicture().toImage(),
                controls().SSExit->backgroundPicture().toImage(),
                launcher->launchButtons().VisibleButtonCount};
    }

    TempFolder app;
    platform::FakeFolderWatcher watcher;
    std::unique_ptr<Launcher> launcher;
};

} // namespace

TEST_F(LiveReloadTest, AnEditShowsAtOnceKeepingSectionPositionAndShade)
{
    start();
    QuorvexForm& form = launcher->form();
    click(section(1));
    ASSERT_EQ(launcher->state().CurrentSection, 2);
    form.move(300, 200);
    launcher->RollUp();
    ASSERT_EQ(launcher->state().ShadedFlag, -1);
    sounds.clear();

    savePicture("shade.bmp", QSize(340, 40), QColor(10, 200, 30));
    editSkinValue("Section01", "CurrentColor", "00FF00");
    saved("shade.bmp");

    EXPECT_EQ(launcher->state().CurrentSection, 2);
    EXPECT_EQ(form.pos(), QPoint(300, 200));
    EXPECT_EQ(launcher->state().ShadedFlag, -1);
    EXPECT_EQ(form.size(), QSize(340, 40));
    EXPECT_EQ(form.picture().toImage().pixelColor(5, 5), QColor(10, 200, 30));
    EXPECT_TRUE(controls().SSButton[0]->isHidden());
    EXPECT_TRUE(sounds.calls().empty()); // rolled up again without its sound

    launcher->RollDown();
    EXPECT_EQ(section(1).foreColor(), QColor(0, 255, 0));
    EXPECT_EQ(form.picture().toImage(), launcher->SectionBackground(launcher->skin().sections[1].style).toImage());
    EXPECT_EQ(launcher->launchButtons().VisibleButtonCount, 1); // Beta's one shortcut
    EXPECT_EQ(form.pos(), QPoint(300, 200));
}

// The image lists never replace a picture they hold; a reload must still
// show every picture edited, backgrounds and action buttons included.
TEST_F(LiveReloadTest, EveryKindOfPictureIsReadAgain)
{
    start();
    const QColor edited(1, 2, 250);
    savePicture((std::string(kSkin) + ".bmp").c_str(), QSize(340, 352), edited);
    savePicture("Exit_up.bmp", QSize(20, 20), edited);
    savePicture("section00_2.bmp", QSize(88, 30), edited);
    savePicture("style000_1.bmp", QSize(96, 60), edited);
    saved("style000_1.bmp");
    const Look now = look();
    for (const QImage& picture : {now.picture, now.exitButton, now.firstSection, now.firstButton}) {
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.pixelColor(1, 1), edited);
    }
    EXPECT_EQ(now.exitButton.size(), QSize(20, 20));
}

TEST_F(LiveReloadTest, AnUnloadableEditKeepsTheLookAndReportsWhatTheCheckSays)
{
    struct Case {
        const char* name;
        const char* file; // put back from the bundled skin afterwards
        std::function<void()> breakIt;
        const char* reported;
    };
    const std::vector<Case> cases = {
        {"a picture cut short", "section00_1.bmp",
         [this] { fs::resize_file(skinFolder() / "section00_1.bmp", 100); },
         "error: unusable picture section00_1.bmp"},
        {"a required picture deleted", "Exit_up.bmp",
         [this] { fs::remove(skinFolder() / "Exit_up.bmp"); }, "error: missing Exit_up.bmp"},
        {"a value that asks for pictures the skin lacks", "Ferrolume.ini",
         [this] { editSkinValue("SkinInfo", "SectionNum", "7"); },
         "error: missing section06_1.bmp"},
    };
    start();
    click(section(1));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Look before = look();
        testing::internal::CaptureStderr();
        c.breakIt();
        saved(c.file);
        const std::string stderrText = testing::internal::GetCapturedStderr();
        EXPECT_NE(stderrText.find("skin Ferrolume: cannot be loaded"), std::string::npos) << stderrText;
        EXPECT_NE(stderrText.find(c.reported), std::string::npos) << stderrText;
        EXPECT_TRUE(look() == before);
        EXPECT_EQ(launcher->state().CurrentSection, 2);

        // Put right, the skin loads again.
        fs::copy_file(bundledSkin() / c.file, skinFolder() / c.file, fs::copy_options::overwrite_existing);
        testing::internal::CaptureStderr();
        saved(c.file);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        EXPECT_TRUE(look() == before);
    }
}

// Storing the position on a drag's release, or an option from the chooser,
// writes the skin's file; that is no edit to load.
TEST_F(LiveReloadTest, TheLaunchersOwnWritesDoNotReload)
{
    app.write(std::string("skins/") + kSkin + "/Face.ttf", "not really a font"); // each load re-adds fonts
    start();
    ASSERT_EQ(fontRemovals(), 0);
    QTest::mousePress(&launcher->form().surface(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 60));
    QTest::mouseRelease(&launcher->form().surface(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 60));
    ASSERT_TRUE(profiles.read(skinIni(), "UserSettings", "StartupLeft").has_value());
    ASSERT_EQ(launcher->services().profiles.write(skinIni(), "SkinInfo", "AlwaysOnTop", "1"), "");
    saved(std::string(kSkin) + ".ini");
    EXPECT_EQ(fontRemovals(), 0);

    editSkinValue("Clock", "FontColor", "FF0000");
    saved(std::string(kSkin) + ".ini");
    EXPECT_EQ(fontRemovals(), 1);
    EXPECT_EQ(controls().Clock->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(LiveReloadTest, ASkinLeftWithFewerSectionsComesBackOnTheFirst)
{
    start();
    click(section(1));
    editSkinValue("SkinInfo", "SectionNum", "1");
    saved(std::string(kSkin) + ".ini");
    EXPECT_EQ(launcher->state().CurrentSection, 1);
    EXPECT_EQ(launcher->launchButtons().VisibleButtonCount, 2); // Alpha's two shortcuts
    EXPECT_TRUE(section(1).isHidden());
}

TEST_F(LiveReloadTest, AnEditDuringADragShowsOnceTheDragIsOver)
{
    start();
    const Look before = look();
    launcher->state().windowDragging = true;
    savePicture("Exit_up.bmp", QSize(20, 20), QColor(250, 0, 0));
    watcher.change("Exit_up.bmp");
    QTest::qWait(3 * 250);
    EXPECT_TRUE(launcher->skinReloadPending());
    EXPECT_TRUE(look() == before);
    launcher->state().windowDragging = false;
    ASSERT_TRUE(QTest::qWaitFor([this] { return !launcher->skinReloadPending(); }, 5000));
    EXPECT_EQ(look().exitButton.pixelColor(1, 1), QColor(250, 0, 0));
}

TEST_F(LiveReloadTest, AClockTurnedOffOrOnByAnEditStopsOrStarts)
{
    start();
    auto* interaction = dynamic_cast<WindowInteraction*>(
        launcher->form().findChild<QObject*>(WindowInteraction::kObjectName, Qt::FindDirectChildrenOnly));
    ASSERT_NE(interaction, nullptr);
    ASSERT_TRUE(interaction->isClockRunning());

    editSkinValue("Clock", "Alignment", "255");
    saved(std::string(kSkin) + ".ini");
    EXPECT_FALSE(interaction->isClockRunning());
    EXPECT_TRUE(controls().Clock->isHidden());

    editSkinValue("Clock", "Alignment", "2");
    editSkinValue("Clock", "Format", "[hh]");
    saved(std::string(kSkin) + ".ini");
    EXPECT_TRUE(interaction->isClockRunning());
    EXPECT_FALSE(controls().Clock->isHidden());
    EXPECT_TRUE(controls().Clock->text().startsWith('[')) << controls().Clock->text().toStdString();
}
