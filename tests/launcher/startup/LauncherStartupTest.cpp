#include "launcher/startup/Launcher.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/icons/FakeIconService.h"
#include "platform/files/FolderMaker.h"
#include "platform/profile/FileProfileStore.h"

#include "support/FakeServices.h"
#include "support/RegisteredServers.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

using namespace launcher;
using testsupport::TempFolder;

namespace {

// Sees every event of the application while it lives.
class EventSpy : public QObject {
public:
    explicit EventSpy(std::function<void(QObject*, QEvent*)> seen)
        : m_seen(std::move(seen))
    {
        qApp->installEventFilter(this);
    }
    ~EventSpy() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject* object, QEvent* event) override
    {
        m_seen(object, event);
        return false;
    }

private:
    std::function<void(QObject*, QEvent*)> m_seen;
};

void writeSkin(const TempFolder& app, const std::string& name, int widthPx = 120, int heightPx = 80,
               const std::string& ini = "")
{
    // No launch-button styles, so the skin needs no style pictures.
    std::string text = ini;
    const size_t info = text.find("[SkinInfo]\n");
    if (info == std::string::npos)
        text = "[SkinInfo]\nActionButtonStyles=0\n" + text;
    else
        text.insert(info + 11, "ActionButtonStyles=0\n");
    app.write("skins/" + name + "/" + name + ".ini", text);
    const auto savePicture = [&](const std::string& file, int w, int h) {
        QImage picture(w, h, QImage::Format_RGB32);
        picture.fill(QColor(40, 60, 80));
        picture.save(QString::fromStdString(app.str() + "skins/" + name + "/" + file), "BMP");
    };
    savePicture(name + ".bmp", widthPx, heightPx);
    for (const char* button : {"Exit", "SC", "sm"})
        for (const char* state : {"_up", "_down", "_hover"})
            savePicture(std::string(button) + state + ".bmp", 10, 10);
}

// A program folder with skins and the fakes a launcher runs on.
class StartupTest : public testing::Test, protected testsupport::FakeServices {
protected:
    void SetUp() override { ASSERT_EQ(testsupport::registerBuiltServers(), ""); }

    void addSkin(const std::string& name, int widthPx = 120, int heightPx = 80, const std::string& ini = "")
    {
        writeSkin(app, name, widthPx, heightPx, ini);
    }

    std::unique_ptr<Launcher> makeLauncher()
    {
        return std::make_unique<Launcher>(services(),
                                          AppPaths(app.str()));
    }

    TempFolder app;
};

} // namespace

TEST_F(StartupTest, FirstRunCreatesTheLibraryFoldersInOrder)
{
    addSkin("Slatewise");
    auto launcher = makeLauncher();
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    EXPECT_TRUE(launcher->state().FirstRun);
    const std::string root = app.str() + "shortcuts";
    EXPECT_EQ(folders.created(), (std::vector<std::string>{root, root + "/Accessories", root + "/Games",
                                                            root + "/Software"}));
    EXPECT_TRUE(std::filesystem::is_directory(root + "/Games"));
}

TEST_F(StartupTest, AnExistingLibraryIsLeftAlone)
{
    addSkin("Slatewise");
    app.write("shortcuts", "a file standing where the folder would be");
    auto launcher = makeLauncher();
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    EXPECT_FALSE(launcher->state().FirstRun);
    EXPECT_TRUE(folders.created().empty());
}

TEST_F(StartupTest, NoSkinsEndsWithItsMessage)
{
    app.write("skins/readme.txt", "no folders here");
    auto launcher = makeLauncher();
    EXPECT_EQ(launcher->Load(), StartupResult::NoSkins);
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "No skins to load! Cannot run without skins!");
    EXPECT_EQ(messages.shown()[0].caption, "Quorvex");
    EXPECT_FALSE(launcher->form().isVisible());
}

TEST_F(StartupTest, UnloadableBackgroundsEndWithCannotLoadSkin)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> arrange;
    };
    const std::vector<Case> cases = {
        {"background missing", [](const TempFolder& f) { f.write("skins/Slatewise/Slatewise.ini", ""); }},
        {"background not a picture",
         [](const TempFolder& f) { f.write("skins/Slatewise/Slatewise.bmp", "BM but not really"); }},
        {"background cut short",
         [](const TempFolder& f) {
             writeSkin(f, "Slatewise");
             std::filesystem::resize_file(f.path() / "skins/Slatewise/Slatewise.bmp", 100);
         }},
        {"start-up skin has no folder",
         [](const TempFolder& f) {
             writeSkin(f, "Other");
             f.write("Quorvex.ini", "[Options]\nStartupSkin=Gone\n");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        c.arrange(folder);
        testsupport::FakeServices caseFakes;
        Launcher launcher(caseFakes.services(), AppPaths(folder.str()));
        EXPECT_EQ(launcher.Load(), StartupResult::CannotLoadSkin);
        ASSERT_EQ(caseFakes.messages.shown().size(), 1u);
        EXPECT_EQ(caseFakes.messages.shown()[0].text, "Cannot load skin!");
        EXPECT_FALSE(launcher.form().isVisible());
    }
}

TEST_F(StartupTest, StartupSkinComesFromTheLauncherFileWithSlatewiseAsDefault)
{
    addSkin("Slatewise", 100, 50);
    addSkin("Dusk", 140, 90);
    app.write("Quorvex.ini", "[Options]\nStartupSkin=\n");
    auto slate = makeLauncher();
    ASSERT_EQ(slate->Load(), StartupResult::Running);
    EXPECT_EQ(slate->state().CurrentSkin, "Slatewise");

    app.write("Quorvex.ini", "[Options]\nStartupSkin=  Dusk \n");
    auto dusk = makeLauncher();
    ASSERT_EQ(dusk->Load(), StartupResult::Running);
    EXPECT_EQ(dusk->state().CurrentSkin, "Dusk");
    EXPECT_EQ(dusk->form().size(), QSize(140, 90)); // the window is the background's size
    EXPECT_EQ(dusk->SkinNames(), (std::vector<std::string>{"Dusk", "Slatewise"}));
}

// StartupSkin=../outside once loaded, and wrote to, a skin outside the
// skins folder.
TEST_F(StartupTest, StartupSkinOutsideTheSkinsFolderIsTreatedAsNotSet)
{
    addSkin("Slatewise", 100, 50);
    writeSkin(app, "Nested", 140, 90);
    std::filesystem::rename(app.path() / "skins/Nested", app.path() / "outside");
    const std::string outsideIni = "[SkinInfo]\nActionButtonStyles=0\n";
    app.write("outside/outside.ini", outsideIni);
    std::filesystem::rename(app.path() / "outside/Nested.bmp", app.path() / "outside/outside.bmp");
    for (const char* name : {"../outside", "Slatewise/../../outside", "..", "/etc"}) {
        SCOPED_TRACE(name);
        app.write("Quorvex.ini", std::string("[Options]\nStartupSkin=") + name + "\n");
        auto launcher = makeLauncher();
        ASSERT_EQ(launcher->Load(), StartupResult::Running);
        EXPECT_EQ(launcher->state().CurrentSkin, "Slatewise");
        launcher->QueryUnload();
        EXPECT_EQ(app.read("outside/outside.ini"), outsideIni);
    }
}

TEST_F(StartupTest, StoredPositionWinsOverPlacementUnlessItHoldsNone)
{
    addSkin("Slatewise", 100, 50, "[SkinInfo]\nPositionX=2\nPositionY=2\n[UserSettings]\nStartupLeft=0\n");
    auto launcher = makeLauncher();
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    EXPECT_EQ(launcher->form().pos(), QPoint(0, 768 - 50)); // left stored, top placed at the bottom

    addSkin("Slatewise", 100, 50, "[SkinInfo]\nPositionX=3\n[UserSettings]\nStartupLeft=-1\nStartupTop=33\n");
    auto placed = makeLauncher();
    ASSERT_EQ(placed->Load(), StartupResult::Running);
    EXPECT_EQ(placed->form().pos(), QPoint((1024 - 100) / 2, 33));
    EXPECT_EQ(placed->state().ScreenWidthTwips, 1024 * 15);
    EXPECT_EQ(placed->state().ScreenHeightTwips, 768 * 15);

    // Dragged partly off the top-left corner: still within reach.
    addSkin("Slatewise", 100, 50, "[UserSettings]\nStartupLeft=-40\nStartupTop=-10\n");
    auto offEdge = makeLauncher();
    ASSERT_EQ(offEdge->Load(), StartupResult::Running);
    EXPECT_EQ(offEdge->form().pos(), QPoint(-40, -10));
}

TEST_F(StartupTest, PositionFromALargerScreenComesUpWholeAndStaysStored)
{
    addSkin("Slatewise", 100, 50, "[UserSettings]\nStartupLeft=3000\nStartupTop=2000\n");
    auto launcher = makeLauncher();
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    EXPECT_EQ(launcher->form().pos(), QPoint(1024 - 100, 768 - 50));
    const std::string ini = app.str() + "skins/Slatewise/Slatewise.ini";
    EXPECT_EQ(profiles.read(ini, "UserSettings", "StartupLeft"), "3000");
    EXPECT_EQ(profiles.read(ini, "UserSettings", "StartupTop"), "2000");
}

TEST_F(StartupTest, ScreenChangesBringTheWindowBackOnlyWhenItWouldBeLost)
{
    addSkin("Slatewise", 100, 50, "[UserSettings]\nStartupLeft=900\nStartupTop=700\n");
    auto launcher = makeLauncher();
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    ASSERT_EQ(launcher->form().pos(), QPoint(900, 700));

    // A second monitor joins on the left: the window is still on the first.
    screen.change({{0, 0, 1024, 768}, {-1280, 0, 1280, 1024}});
    EXPECT_EQ(launcher->form().pos(), QPoint(900, 700));

    // The screen shrinks under the window: it goes to the nearest edges,
    // dragging snaps to the new size, and nothing is stored.
    screen.change({{0, 0, 800, 600}});
    EXPECT_EQ(launcher->form().pos(), QPoint(800 - 100, 600 - 50));
    EXPECT_EQ(launcher->state().ScreenWidthTwips, 800 * 15);
    EXPECT_EQ(launcher->state().ScreenHeightTwips, 600 * 15);
    EXPECT_EQ(profiles.read(app.str() + "skins/Slatewise/Slatewise.ini", "UserSettings", "StartupLeft"), "900");

    // A launcher that has gone no longer follows the screens.
    launcher.reset();
    screen.change({{0, 0, 640, 480}});
}

TEST_F(StartupTest, ShadeStateIsStoredAtClose)
{
    addSkin("Slatewise", 100, 50, "[UserSettings]\nShaded=1\n");
    auto shaded = makeLauncher();
    ASSERT_EQ(shaded->Load(), StartupResult::Running);
    EXPECT_EQ(shaded->state().ShadedFlag, -1);
    shaded->form().close();
    EXPECT_EQ(profiles.read(app.str() + "skins/Slatewise/Slatewise.ini", "UserSettings", "Shaded"), "-1");

    addSkin("Slatewise", 100, 50, "; keep me\n[UserSettings]\nShaded=-1\n");
    auto unshaded = makeLauncher();
    ASSERT_EQ(unshaded->Load(), StartupResult::Running);
    unshaded->state().ShadedFlag = 0; // the user rolled the window down
    unshaded->QueryUnload();
    EXPECT_EQ(app.read("skins/Slatewise/Slatewise.ini"),
              "[SkinInfo]\nActionButtonStyles=0\n; keep me\n[UserSettings]\nShaded=0\n");
}

// A 40 x 30 background with a magenta column and notch; the double-size one
// (scale 2) has a colour of its own and, when asked, one more magenta
// device pixel at the top right of skin pixel (20, 6).
void saveNotchedBackground(const std::string& file, int scale, bool strayPixel)
{
    QImage picture(40 * scale, 30 * scale, QImage::Format_RGB32);
    picture.fill(scale == 1 ? QColor(40, 60, 80) : QColor(200, 120, 60));
    const QColor magenta(255, 0, 255);
    QPainter painter(&picture);
    for (const QRect& cut : {QRect(0, 0, 1, 30), QRect(10, 0, 3, 2)})
        painter.fillRect(QRect(cut.topLeft() * scale, cut.size() * scale), magenta);
    painter.end();
    if (strayPixel)
        picture.setPixelColor(20 * scale + 1, 6 * scale, magenta);
    picture.save(QString::fromStdString(file), "BMP");
}

// On a screen of ratio 2 the window keeps the skin's size and outline in
// skin pixels (Qt doubles both on screen), shows the skin's @2x background,
// and rolls up to the same strip. A magenta device pixel of the @2x picture
// cuts its whole skin pixel, so no magenta is ever shown.
TEST_F(StartupTest, HighDensityScreenKeepsTheSkinsSizeAndOutline)
{
    addSkin("Slatewise", 40, 30, "[Shading]\nLeft=0\nTop=0\nWidth=40\nHeight=12\n");
    const std::string folder = app.str() + "skins/Slatewise/";
    saveNotchedBackground(folder + "Slatewise.bmp", 1, false);
    struct Look {
        QSize size;
        QRegion outline;
        QRegion shadedOutline;
        QPixmap picture;
    };
    const auto run = [&] {
        auto launcher = makeLauncher();
        EXPECT_EQ(launcher->Load(), StartupResult::Running);
        Look look{launcher->form().size(), launcher->form().mask(), {}, launcher->form().picture()};
        launcher->RollUp();
        look.shadedOutline = launcher->form().mask();
        return look;
    };
    const Look ordinary = run();
    EXPECT_EQ(ordinary.size, QSize(40, 30));
    EXPECT_EQ(ordinary.outline, QRegion(0, 0, 40, 30) - QRegion(0, 0, 1, 30) - QRegion(10, 0, 3, 2));

    screen = platform::FixedScreen({1024, 768}, 2.0);
    saveNotchedBackground(folder + "Slatewise@2x.bmp", 2, false);
    const Look dense = run();
    EXPECT_EQ(dense.size, ordinary.size);
    EXPECT_EQ(dense.outline, ordinary.outline);
    EXPECT_EQ(dense.shadedOutline, ordinary.shadedOutline);
    EXPECT_EQ(dense.picture.devicePixelRatio(), 2.0);
    EXPECT_EQ(dense.picture.toImage().pixelColor(79, 59), QColor(200, 120, 60));

    saveNotchedBackground(folder + "Slatewise@2x.bmp", 2, true);
    EXPECT_EQ(run().outline, ordinary.outline - QRegion(20, 6, 1, 1));
}

TEST_F(StartupTest, SkinFontsAreAddedForTheRunAndRemovedAtClose)
{
    addSkin("Slatewise");
    app.write("skins/Slatewise/Title.TTF", "font");
    app.write("skins/Slatewise/notes.ttf.txt", "not a font");
    const std::string font = app.str() + "skins/Slatewise/Title.TTF";
    // The start-up skin's name is matched to its folder without regard to case.
    for (const char* startupSkin : {"Slatewise", "SLATEWISE", "slatewise"}) {
        SCOPED_TRACE(startupSkin);
        app.write("Quorvex.ini", std::string("[Options]\nStartupSkin=") + startupSkin + "\n");
        testsupport::FakeServices caseFakes;
        Launcher launcher(caseFakes.services(), AppPaths(app.str()));
        ASSERT_EQ(launcher.Load(), StartupResult::Running);
        EXPECT_EQ(caseFakes.fonts.calls(), (std::vector<std::string>{"add " + font}));
        launcher.QueryUnload();
        EXPECT_EQ(caseFakes.fonts.calls(), (std::vector<std::string>{"add " + font, "remove " + font}));
    }
}

// [SkinInfo] SectionNum=0 and the action-button pictures make a whole skin:
// its one default button style can never be shown, so its pictures are not
// asked for.
TEST_F(StartupTest, SkinWithoutSectionsNeedsNoButtonStylePictures)
{
    addSkin("Slatewise", 100, 50);
    app.write("skins/Slatewise/Slatewise.ini", "[SkinInfo]\nSectionNum=0\n");
    auto launcher = makeLauncher();
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    EXPECT_TRUE(messages.shown().empty());
    EXPECT_TRUE(launcher->form().isVisible());
    EXPECT_EQ(launcher->form().pos(), QPoint(1024 - 100, 0)); // top right
    EXPECT_EQ(launcher->launchButtons().VisibleButtonCount, 0);
    EXPECT_FALSE(launcher->form().controls().SSPanel1[0]->isVisible());
}

// A quiet start (ShowSplash=0, or the log-in start) runs every step of a
// start with the splash, in the same order and to the same window, but
// shows no splash and takes no pause at all.
TEST_F(StartupTest, QuietStartRunsEveryStepInOrderWithoutSplashOrPause)
{
    struct Case {
        const char* name;
        const char* launcherIni; // nullptr: no Quorvex.ini
        bool autostart;
        bool quiet;
    };
    const std::vector<Case> cases = {
        {"no launcher file", nullptr, false, false},
        {"ShowSplash=1", "[Options]\nShowSplash=1\n", false, false},
        {"ShowSplash not a number", "[Options]\nShowSplash=off\n", false, false},
        {"ShowSplash=0", "[Options]\nShowSplash= 0 \n", false, true},
        {"log-in start", "[Options]\nShowSplash=1\n", true, true},
    };
    const std::vector<std::string> steps = {"Fonts", "Skin List", "Options", "Sections", "Styles", "Icons",
                                            "Buttons"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        writeSkin(folder, "Slatewise", 100, 50, "[UserSettings]\nStartupLeft=7\nStartupTop=9\n");
        if (c.launcherIni)
            folder.write("Quorvex.ini", c.launcherIni);
        testsupport::FakeServices caseFakes;
        launcher::Services services = caseFakes.services();
        services.quietStart = c.autostart;
        Launcher launcher(services, AppPaths(folder.str()));

        int splashesShown = 0;
        const auto countSplash = [&splashesShown](QObject* object, QEvent* event) {
            if (event->type() == QEvent::Show && object->objectName() == "Splash")
                ++splashesShown;
        };
        EventSpy spy(countSplash);
        ASSERT_EQ(launcher.Load(), StartupResult::Running);

        EXPECT_EQ(launcher.quietStart(), c.quiet);
        EXPECT_EQ(launcher.startupSteps(), steps);
        const std::string root = folder.str() + "shortcuts";
        EXPECT_EQ(caseFakes.folders.created(), (std::vector<std::string>{root, root + "/Accessories",
                                                                          root + "/Games", root + "/Software"}));
        EXPECT_TRUE(launcher.form().isVisible());
        EXPECT_EQ(launcher.form().pos(), QPoint(7, 9));
        if (c.quiet) {
            EXPECT_EQ(launcher.pausesTaken(), 0);
            EXPECT_EQ(splashesShown, 0);
        } else {
            // The splash opening, the first-run folders, each step, the splash closing.
            EXPECT_EQ(launcher.pausesTaken(), 1 + 1 + static_cast<int>(steps.size()) + 1);
            EXPECT_EQ(splashesShown, 1);
        }
    }
}
