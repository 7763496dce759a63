// The running launcher window under the pointer: a Launcher over fakes, on
// the bundled Ferrolume skin (six sections, two launch-button styles, a shade
// strip with shade.bmp, a clock), driven with real mouse events on its panels.
#include "launcher/dialogs/ChooseSkin.h"
#include "launcher/dialogs/Splash.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/startup/Launcher.h"
#include "launcher/window/ClockFormat.h"
#include "launcher/window/PositionMemory.h"
#include "platform/desktop/RecordingWindowMover.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/files/FolderMaker.h"
#include "platform/icons/FakeIconService.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/shell/RecordingShell.h"

#include "support/FakeServices.h"
#include "support/RegisteredServers.h"
#include "support/TempFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <QTime>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>

using namespace launcher;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

constexpr const char* kSkin = "Ferrolume";

bool samePicture(const QPixmap& a, const QPixmap& b)
{
    return !a.isNull() && !b.isNull() && a.toImage() == b.toImage();
}

class WindowInteractionTest : public testing::Test, protected testsupport::FakeServices {
protected:
    void SetUp() override
    {
        ASSERT_EQ(testsupport::registerBuiltServers(), "");
        fs::create_directories(app.path() / "skins");
        fs::copy(fs::path(QUORVEX_SOURCE_DIR) / "assets/skins" / kSkin, app.path() / "skins" / kSkin,
                 fs::copy_options::recursive);
        app.write("Quorvex.ini", std::string("[Options]\nStartupSkin=") + kSkin + "\n");
        // Two section folders: sections 3 to 6 of the skin stay inactive.
        for (const char* file : {"Alpha/one.url", "Alpha/two.url", "Beta/three.url"})
            app.write(std::string("shortcuts/") + file, "[InternetShortcut]\nURL=https://example.org/\n");
    }

    void TearDown() override
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (qobject_cast<Splash*>(window))
                delete window;
    }

    std::string skinIni() const { return app.str() + "skins/" + kSkin + "/" + kSkin + ".ini"; }
    void setSkinValue(const char* section, const char* key, const char* value)
    {
        profiles.write(skinIni(), section, key, value);
    }
    std::string skinValue(const char* section, const char* key)
    {
        return profiles.read(skinIni(), section, key).value_or("(missing)");
    }
    std::string soundFile(const char* name) const { return app.str() + "skins/" + kSkin + "/" + name; }

    Launcher& start()
    {
        launcher = std::make_unique<Launcher>(
            services(), AppPaths(app.str()));
        EXPECT_EQ(launcher->Load(), StartupResult::Running);
        sounds.clear();
        return *launcher;
    }

    SkinnedControls& controls() { return launcher->form().controls(); }
    controls::SkinPanel& button(int i) { return *controls().SSButton[static_cast<size_t>(i)]; }
    controls::SkinPanel& section(int i) { return *controls().SSPanel1[static_cast<size_t>(i)]; }
    QPixmap buttonImage(int i, const char* key)
    {
        return launcher->form().images().ButtonIL[static_cast<size_t>(launcher->launchButtons().buttons[static_cast<size_t>(i)].style)]
            .picture(key);
    }
    QPixmap sectionImage(int i, int state)
    {
        return launcher->form().images().SectionsIL[static_cast<size_t>(i)].picture(
            QString::fromStdString(SectionImageKey(i, state)));
    }
    QColor labelColor(int i) { return controls().BLabel[static_cast<size_t>(i)]->palette().color(QPalette::WindowText); }
    static QColor color(const RgbColor& c) { return QColor(c.red, c.green, c.blue); }
    const StyleKeys& styleOf(int i)
    {
        return launcher->skin().styles[static_cast<size_t>(launcher->launchButtons().buttons[static_cast<size_t>(i)].style)];
    }

    static void enter(QWidget& widget)
    {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget.mapToGlobal(QPointF(1, 1)));
        QApplication::sendEvent(&widget, &event);
    }
    static void leave(QWidget& widget)
    {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(&widget, &event);
    }
    static void doubleClick(QWidget& widget, QPoint at = QPoint(5, 5))
    {
        QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
    }
    static void hover(QWidget& widget, QPoint at)
    {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), widget.mapToGlobal(QPointF(at)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(&widget, &event);
    }
    static Splash* openSplash()
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* splash = qobject_cast<Splash*>(window); splash && splash->isVisible())
                return splash;
        return nullptr;
    }

    std::vector<platform::SoundCall> heard(std::initializer_list<std::pair<platform::SoundPlayMode, const char*>> calls)
    {
        std::vector<platform::SoundCall> expected;
        for (const auto& [mode, name] : calls)
            expected.push_back({mode, soundFile(name)});
        return expected;
    }

    TempFolder app;
    std::unique_ptr<Launcher> launcher;
};

using Mode = platform::SoundPlayMode;

} // namespace

TEST_F(WindowInteractionTest, LaunchButtonShowsEachStateWithItsColourAndSound)
{
    start();
    controls::SkinPanel& b = button(1);
    const StyleKeys& style = styleOf(1);

    enter(b);
    EXPECT_TRUE(samePicture(b.backgroundPicture(), buttonImage(1, "Button2")));
    EXPECT_EQ(b.foreColor(), color(style.fontHoverColor));
    EXPECT_EQ(labelColor(1), color(style.fontHoverColor));
    QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(samePicture(b.backgroundPicture(), buttonImage(1, "Button3")));
    EXPECT_TRUE(shell.calls().empty());
    QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(samePicture(b.backgroundPicture(), buttonImage(1, "Button4")));
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, platform::RecordingShell::Kind::Document);
    leave(b);
    EXPECT_TRUE(samePicture(b.backgroundPicture(), buttonImage(1, "Button1")));
    EXPECT_EQ(labelColor(1), color(style.fontColor));

    EXPECT_EQ(sounds.calls(), heard({{Mode::NoStop, "glow.wav"}, {Mode::Async, "tap.wav"}, {Mode::Async, "lift.wav"}}));
    EXPECT_EQ(launcher->state().ShadedFlag, 0);

    // A right click does nothing on the press and shows the about window on
    // the release, silently and without launching.
    sounds.clear();
    QTest::mousePress(&b, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(openSplash(), nullptr);
    QTest::mouseRelease(&b, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_NE(openSplash(), nullptr);
    EXPECT_EQ(shell.calls().size(), 1u);
    EXPECT_TRUE(sounds.calls().empty());
}

TEST_F(WindowInteractionTest, ReleaseLaunchesUpToTheRightAndBottomEdgeAndNotBeyond)
{
    start();
    controls::SkinPanel& b = button(0);
    const int w = b.width();
    const int h = b.height();
    struct Case {
        QPoint at;
        bool launches;
    };
    const Case cases[] = {{{w, h / 2}, true},      {{w + 1, h / 2}, false}, {{w / 2, h}, true},
                          {{w / 2, h + 1}, false}, {{-1, 2}, false},        {{0, 0}, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.x() << "," << c.at.y() << " on " << w << "x" << h);
        shell.clear();
        QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, c.at);
        EXPECT_EQ(shell.calls().size(), c.launches ? 1u : 0u);
        EXPECT_TRUE(samePicture(b.backgroundPicture(), buttonImage(0, c.launches ? "Button4" : "Button1")));
    }
}

TEST_F(WindowInteractionTest, AltReleaseRollsUpAfterTheWholeSoundOnlyWithAShadeStrip)
{
    for (const bool strip : {true, false}) {
        SCOPED_TRACE(strip ? "with a shade strip" : "without a shade strip");
        if (!strip) {
            setSkinValue("Shading", "Width", "0");
            setSkinValue("Shading", "Height", "0");
        }
        start();
        controls::SkinPanel& b = button(0);
        QTest::mousePress(&b, Qt::LeftButton, Qt::AltModifier, QPoint(2, 2));
        QTest::mouseRelease(&b, Qt::LeftButton, Qt::AltModifier, QPoint(2, 2));
        EXPECT_EQ(shell.calls().size(), 1u);
        shell.clear();
        if (strip) {
            EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "tap.wav"}, {Mode::Wait, "lift.wav"}, {Mode::Async, "roll-up.wav"}}));
            EXPECT_EQ(launcher->state().ShadedFlag, -1);
            EXPECT_EQ(launcher->form().size(), launcher->Picture3().size());
        } else {
            EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "tap.wav"}, {Mode::Async, "lift.wav"}}));
            EXPECT_EQ(launcher->state().ShadedFlag, 0);
        }
    }
}

TEST_F(WindowInteractionTest, RegionOnlyStyleKeepsItsPictureWhileColoursChange)
{
    setSkinValue("Style000", "RegionOnly", "1");
    start();
    controls::SkinPanel& b = button(0);
    const StyleKeys& style = styleOf(0);
    ASSERT_TRUE(style.regionOnly);
    const QImage before = b.backgroundPicture().toImage();
    enter(b);
    EXPECT_EQ(labelColor(0), color(style.fontHoverColor));
    QTest::mousePress(&b, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(&b, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_EQ(b.backgroundPicture().toImage(), before);
    leave(b);
    EXPECT_EQ(labelColor(0), color(style.fontColor));
    EXPECT_EQ(b.backgroundPicture().toImage(), before);
    EXPECT_EQ(shell.calls().size(), 1u);
}

TEST_F(WindowInteractionTest, ExitReleasedAnywhereClosesAfterItsPauseWithOrWithoutSound)
{
    for (const char* enabled : {"1", "0"}) {
        SCOPED_TRACE(testing::Message() << "enableSound=" << enabled);
        setSkinValue("SkinInfo", "enableSound", enabled);
        setSkinValue("UserSettings", "Shaded", "0");
        start();
        QuorvexForm& form = launcher->form();
        controls::SkinPanel& exit = *controls().SSExit;
        QTest::mousePress(&exit, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        EXPECT_TRUE(samePicture(exit.backgroundPicture(), form.images().ExitIL.picture("ExitDown")));
        // The pause keeps handling events with the window still open.
        bool openDuringPause = false;
        QTimer::singleShot(0, &form, [&] { openDuringPause = form.isVisible(); });
        QTest::mouseRelease(&exit, Qt::LeftButton, Qt::NoModifier, QPoint(-40, 90));
        EXPECT_TRUE(openDuringPause);
        EXPECT_FALSE(form.isVisible());
        EXPECT_EQ(skinValue("UserSettings", "Shaded"), "0"); // the close handler ran
        if (std::string(enabled) == "1")
            EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "tap.wav"}, {Mode::Wait, "lift.wav"}, {Mode::Wait, "embers-out.wav"}}));
        else
            EXPECT_TRUE(sounds.calls().empty());
    }
}

TEST_F(WindowInteractionTest, ShortcutButtonOpensTheReminderAndSkinButtonTheChooser)
{
    start();
    QuorvexForm& form = launcher->form();
    controls::SkinPanel& shortcuts = *controls().SSSC;
    QTest::mousePress(&shortcuts, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(samePicture(shortcuts.backgroundPicture(), form.images().SCIL.picture("SCDown")));
    QTest::mouseRelease(&shortcuts, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(samePicture(shortcuts.backgroundPicture(), form.images().SCIL.picture("SCUp")));
    ASSERT_EQ(shell.calls().size(), 1u); // the reminder opened the shortcuts folder
    EXPECT_EQ(shell.calls()[0].kind, platform::RecordingShell::Kind::Folder);

    controls::SkinPanel& skins = *controls().SSSkin;
    EXPECT_EQ(form.findChild<ChooseSkin*>(), nullptr);
    QTest::mousePress(&skins, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
    QTest::mouseRelease(&skins, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_TRUE(samePicture(skins.backgroundPicture(), form.images().SkinIL.picture("SkinHover")));
    EXPECT_NE(form.findChild<ChooseSkin*>(), nullptr);
    EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "tap.wav"}, {Mode::Async, "lift.wav"}, {Mode::Async, "tap.wav"},
                                     {Mode::Async, "lift.wav"}}));
}

TEST_F(WindowInteractionTest, SectionPressSwitchesWithTheLooksOfOldAndNewButtons)
{
    start();
    const QPixmap skinBackground = launcher->form().picture();
    const SectionKeys& beta = launcher->skin().sections[1];
    QTest::mousePress(&section(1), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(launcher->state().CurrentSection, 2);
    EXPECT_TRUE(samePicture(section(0).backgroundPicture(), sectionImage(0, 1)));
    EXPECT_EQ(section(0).foreColor(), color(launcher->skin().sections[0].fontColor));
    EXPECT_TRUE(samePicture(section(1).backgroundPicture(), sectionImage(1, 4)));
    EXPECT_EQ(section(1).foreColor(), color(beta.currentColor));
    // Beta holds one shortcut; its background number differs from Alpha's.
    EXPECT_EQ(launcher->launchButtons().VisibleButtonCount, 1);
    EXPECT_TRUE(samePicture(launcher->form().picture(), launcher->SectionBackground(beta.style)));
    EXPECT_FALSE(samePicture(launcher->form().picture(), skinBackground));
    QTest::mouseRelease(&section(1), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_TRUE(samePicture(section(1).backgroundPicture(), sectionImage(1, 2)));
    EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "tap.wav"}, {Mode::Async, "lift.wav"}}));

    // A section without a folder behind it takes no clicks.
    QTest::mousePress(&section(4), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(&section(4), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(launcher->state().CurrentSection, 2);
    EXPECT_EQ(sounds.calls().size(), 2u);
}

// A section whose background picture is missing shows the skin's own
// background; it once kept whatever the section before had put there.
TEST_F(WindowInteractionTest, SectionWithAMissingBackgroundShowsTheSkinsOwn)
{
    fs::remove(app.path() / "skins" / kSkin / (std::string(kSkin) + "2.bmp"));
    fs::create_directories(app.path() / "shortcuts/Gamma"); // section 2, background 2
    start();
    const QPixmap skinBackground = launcher->form().picture();
    ASSERT_EQ(launcher->skin().sections[1].style, 1);
    ASSERT_EQ(launcher->skin().sections[2].style, 2);
    const auto click = [this](int i) {
        QTest::mousePress(&section(i), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTest::mouseRelease(&section(i), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    };
    click(1);
    ASSERT_FALSE(samePicture(launcher->form().picture(), skinBackground));
    click(2);
    EXPECT_EQ(launcher->state().CurrentSection, 3);
    EXPECT_TRUE(samePicture(launcher->form().picture(), skinBackground));

    // Rolled up and down on that section, the window comes back with the
    // skin's own background too, not with the last one a roll-down loaded.
    click(1);
    launcher->RollUp();
    launcher->RollDown();
    ASSERT_FALSE(samePicture(launcher->form().picture(), skinBackground));
    click(2);
    launcher->RollUp();
    launcher->RollDown();
    EXPECT_EQ(launcher->state().ShadedFlag, 0);
    EXPECT_TRUE(samePicture(launcher->form().picture(), skinBackground));
}

TEST_F(WindowInteractionTest, ShadeRoundTripRestoresSizeBackgroundButtonsAndStrip)
{
    start();
    QuorvexForm& form = launcher->form();
    const QSize fullSize = form.size();
    const QImage fullPicture = form.picture().toImage();
    const int buttons = launcher->launchButtons().VisibleButtonCount;
    ASSERT_EQ(buttons, 2);

    doubleClick(form.surface()); // not shaded: nothing happens
    EXPECT_EQ(form.size(), fullSize);
    EXPECT_TRUE(sounds.calls().empty());

    doubleClick(*controls().shading);
    EXPECT_EQ(launcher->state().ShadedFlag, -1);
    EXPECT_EQ(form.size(), launcher->Picture3().size());
    EXPECT_TRUE(samePicture(form.picture(), launcher->Picture3()));
    EXPECT_TRUE(controls().shading->isHidden());
    EXPECT_TRUE(button(0).isHidden());
    EXPECT_TRUE(section(5).isHidden());

    doubleClick(form.surface());
    EXPECT_EQ(launcher->state().ShadedFlag, 0);
    EXPECT_EQ(form.size(), fullSize);
    EXPECT_EQ(form.picture().toImage(), fullPicture);
    EXPECT_FALSE(controls().shading->isHidden());
    for (int i = 0; i < buttons; ++i)
        EXPECT_FALSE(button(i).isHidden()) << i;
    EXPECT_TRUE(button(buttons).isHidden());
    for (int i = 0; i < 6; ++i) // inactive sections too
        EXPECT_FALSE(section(i).isHidden()) << i;
    EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "roll-up.wav"}, {Mode::Async, "roll-down.wav"}}));
}

TEST_F(WindowInteractionTest, WithoutShadePictureTheWindowRollsUpToTheStrip)
{
    fs::remove(app.path() / "skins" / kSkin / "shade.bmp");
    start();
    QuorvexForm& form = launcher->form();
    const QImage strip = form.picture().toImage().copy(40, 3, 160, 30);
    doubleClick(*controls().shading);
    EXPECT_EQ(launcher->state().ShadedFlag, -1);
    EXPECT_EQ(form.size(), QSize(160, 30));
    EXPECT_EQ(form.picture().toImage(), strip);
}

TEST_F(WindowInteractionTest, ShadedStartIsSilentAndRollsDown)
{
    setSkinValue("UserSettings", "Shaded", "-1");
    launcher = std::make_unique<Launcher>(
        services(), AppPaths(app.str()));
    ASSERT_EQ(launcher->Load(), StartupResult::Running);
    QuorvexForm& form = launcher->form();
    EXPECT_EQ(form.size(), launcher->Picture3().size());
    EXPECT_TRUE(button(0).isHidden());
    for (const platform::SoundCall& call : sounds.calls())
        EXPECT_NE(call.file.filename(), "roll-up.wav");
    doubleClick(form.surface());
    EXPECT_EQ(form.size(), launcher->SectionBackground(0).size());
    EXPECT_TRUE(button(0).isVisible());
}

TEST_F(WindowInteractionTest, DraggingMovesSnapsToTheRightEdgeAndStoresThePosition)
{
    start();
    QuorvexForm& form = launcher->form();
    form.move(500, 200);
    controls::SkinPanel& surface = form.surface();
    const QPoint grip(5, 60);
    const QPoint pressAt = form.pos() + grip;
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, grip);
    // Moves are given in window coordinates of the window as it stands now.
    const auto moveTo = [&](QPoint screenPoint, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QMouseEvent event(QEvent::MouseMove, QPointF(screenPoint - form.pos()), QPointF(screenPoint),
                          Qt::NoButton, Qt::LeftButton, modifiers);
        QApplication::sendEvent(&surface, &event);
    };
    moveTo(pressAt + QPoint(-100, 30));
    EXPECT_EQ(form.pos(), QPoint(400, 230));
    const int flushLeft = 1024 - form.width();
    moveTo(QPoint(flushLeft - 9 + grip.x(), 230 + grip.y())); // 9 px short of the edge
    EXPECT_EQ(form.pos(), QPoint(flushLeft, 230));
    moveTo(QPoint(flushLeft - 9 + grip.x() + 20, 230 + grip.y()));
    EXPECT_EQ(form.x(), flushLeft); // held while the pointer keeps going right
    moveTo(QPoint(flushLeft + 30 + grip.x(), 230 + grip.y()), Qt::ControlModifier);
    EXPECT_GT(form.x(), flushLeft); // Ctrl lets it go past the edge
    moveTo(QPoint(flushLeft - 50 + grip.x(), 230 + grip.y()));
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, grip);
    EXPECT_EQ(skinValue("UserSettings", "StartupLeft"), std::to_string(form.x()));
    EXPECT_EQ(skinValue("UserSettings", "StartupTop"), "230");
    EXPECT_EQ(openSplash(), nullptr);
    EXPECT_FALSE(launcher->state().windowDragging);
}

// Where the window system moves windows itself (a Wayland compositor, or its
// X server), a left press hands the drag over; the skin file gets where the
// window system reports the window, or nothing where it reports nothing.
TEST_F(WindowInteractionTest, DragIsHandedToTheWindowSystemThatMovesWindows)
{
    using platform::WindowMoving;
    struct Case {
        const char* name;
        WindowMoving moving;
        bool accepted;
        std::optional<platform::DesktopPoint> reported;
        QPoint windowAfter; // where the program has the window after the drag
        const char* left;
        const char* top;
    };
    const Case cases[] = {
        {"X server of a compositor", WindowMoving::ByWindowSystem, true, platform::DesktopPoint{432, 282},
         QPoint(300, 200), "432", "282"},
        // Declined: the program's own drag, but only the reported place is kept.
        {"declined", WindowMoving::ByWindowSystem, false, platform::DesktopPoint{300, 200}, QPoint(360, 230), "300",
         "200"},
        {"compositor that never tells", WindowMoving::ByWindowSystemUnseen, true, std::nullopt, QPoint(300, 200),
         "(missing)", "(missing)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        mover.setMoving(c.moving);
        mover.setSystemMoveAccepted(c.accepted);
        mover.scriptReports({c.reported});
        start();
        QuorvexForm& form = launcher->form();
        form.setObjectName("form");
        form.move(300, 200);
        controls::SkinPanel& surface = form.surface();
        const QPoint grip(5, 60);
        QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, grip);
        QMouseEvent drag(QEvent::MouseMove, QPointF(grip + QPoint(60, 30)), QPointF(form.pos() + grip + QPoint(60, 30)),
                         Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
        QApplication::sendEvent(&surface, &drag);
        QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, grip + QPoint(60, 30));
        EXPECT_EQ(mover.calls().front(), std::string("system move form") + (c.accepted ? "" : " (refused)"));
        EXPECT_EQ(form.pos(), c.windowAfter);
        EXPECT_EQ(skinValue("UserSettings", "StartupLeft"), c.left);
        EXPECT_EQ(skinValue("UserSettings", "StartupTop"), c.top);
        EXPECT_FALSE(launcher->state().windowDragging);
        launcher.reset();
        fs::copy_file(fs::path(QUORVEX_SOURCE_DIR) / "assets/skins" / kSkin / (std::string(kSkin) + ".ini"), skinIni(),
                      fs::copy_options::overwrite_existing);
        mover = platform::RecordingWindowMover();
    }
}

// A click, and the double click on the shade strip, stay the window's own
// where the window system moves windows: it would keep the pointer and the
// window would never see the second click.
TEST_F(WindowInteractionTest, ClicksOnTheStripAreNotHandedToTheWindowSystem)
{
    mover.setMoving(platform::WindowMoving::ByWindowSystem);
    start();
    QuorvexForm& form = launcher->form();
    form.setObjectName("form");
    doubleClick(*controls().shading);
    EXPECT_EQ(launcher->state().ShadedFlag, -1);
    doubleClick(form.surface());
    EXPECT_EQ(launcher->state().ShadedFlag, 0);
    for (const std::string& call : mover.calls())
        EXPECT_EQ(call.rfind("system move", 0), std::string::npos) << call;
}

// A window manager may still be moving the window when the button comes up:
// the skin file gets each place the window is reported at, until the last.
TEST_F(WindowInteractionTest, OwnDragStoresWhereTheWindowManagerReportsItUntilItArrives)
{
    start();
    QuorvexForm& form = launcher->form();
    form.setObjectName("form");
    form.move(100, 100);
    controls::SkinPanel& surface = form.surface();
    QTest::mousePress(&surface, Qt::LeftButton, Qt::NoModifier, QPoint(5, 60));
    QMouseEvent drag(QEvent::MouseMove, QPointF(105, 160), QPointF(form.pos() + QPoint(105, 160)), Qt::NoButton,
                     Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(&surface, &drag);
    ASSERT_EQ(form.pos(), QPoint(200, 200));
    mover.scriptReports({platform::DesktopPoint{150, 150}, platform::DesktopPoint{200, 200}});
    QTest::mouseRelease(&surface, Qt::LeftButton, Qt::NoModifier, QPoint(5, 60));
    EXPECT_EQ(mover.calls(), std::vector<std::string>{"where is form"});
    EXPECT_EQ(skinValue("UserSettings", "StartupLeft"), "150") << "only where the window was reported";
    QTRY_COMPARE_WITH_TIMEOUT(skinValue("UserSettings", "StartupLeft"), std::string("200"), 2000);
    EXPECT_EQ(skinValue("UserSettings", "StartupTop"), "200");
    QTest::qWait(3 * PositionMemory::kQuestionIntervalMs);
    EXPECT_EQ(mover.calls().size(), 2u) << "no questions once the window is where it was put";
}

TEST_F(WindowInteractionTest, RightClickOnBackgroundOrStripStoresThePositionAndShowsAbout)
{
    for (const bool strip : {false, true}) {
        SCOPED_TRACE(strip ? "strip" : "background");
        start();
        QuorvexForm& form = launcher->form();
        form.move(123, 45);
        controls::SkinPanel& panel = strip ? *controls().shading : form.surface();
        QTest::mousePress(&panel, Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
        QTest::mouseRelease(&panel, Qt::RightButton, Qt::NoModifier, QPoint(4, 4));
        EXPECT_EQ(form.pos(), QPoint(123, 45));
        EXPECT_EQ(skinValue("UserSettings", "StartupLeft"), "123");
        EXPECT_EQ(skinValue("UserSettings", "StartupTop"), "45");
        Splash* about = openSplash();
        ASSERT_NE(about, nullptr);
        delete about;
    }
}

TEST_F(WindowInteractionTest, MovingOverTheBackgroundUndoesADragHighlightAndStopsTheDwell)
{
    start();
    launcher->SetDwellTimerEnabled(true);
    controls::SkinPanel& b = button(1);
    b.setBackgroundPicture(buttonImage(1, "Button2"));
    launcher->state().DragHighlightButton = 1;
    hover(launcher->form().surface(), QPoint(6, 70));
    EXPECT_EQ(launcher->state().DragHighlightButton, -1);
    EXPECT_TRUE(samePicture(b.backgroundPicture(), buttonImage(1, "Button1")));
    EXPECT_EQ(labelColor(1), color(styleOf(1).fontColor));

    // The dwell counter counts while it runs and stops with the next move.
    launcher->state().DwellTicks = 0;
    launcher->SetDwellTimerEnabled(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher->state().DwellTicks >= 1; }, 5000));
    hover(launcher->form().surface(), QPoint(7, 70));
    const int ticks = launcher->state().DwellTicks;
    QTest::qWait(700);
    EXPECT_EQ(launcher->state().DwellTicks, ticks);
}

TEST_F(WindowInteractionTest, ADragRestingOnASectionButtonSwitchesAfterTheDwell)
{
    start();
    const controls::DragData files;
    const auto dragOver = [&](controls::SkinPanel& panel, controls::DragState state) {
        emit panel.oleDragOver(files, controls::DropEffectCode::kCopy, 1, 0, 30, 30, static_cast<int>(state));
    };
    dragOver(section(1), controls::DragState::Enter);
    EXPECT_TRUE(QTest::qWaitFor([&] { return launcher->state().CurrentSection == 2; }, 5000));

    // Once the drag is gone the counter stands still.
    dragOver(section(1), controls::DragState::Leave);
    dragOver(launcher->form().surface(), controls::DragState::Over);
    const int ticks = launcher->state().DwellTicks;
    QTest::qWait(700);
    EXPECT_EQ(launcher->state().DwellTicks, ticks);
}

TEST_F(WindowInteractionTest, FilmLoopShowsAboutOnlyForTheRightButton)
{
    start();
    controls::SkinPanel& film = *controls().FilmLoop[0];
    for (const Qt::MouseButton left : {Qt::LeftButton, Qt::MiddleButton}) {
        QTest::mousePress(&film, left, Qt::NoModifier, QPoint(2, 2));
        QTest::mouseRelease(&film, left, Qt::NoModifier, QPoint(2, 2));
    }
    EXPECT_EQ(openSplash(), nullptr);
    QTest::mousePress(&film, Qt::RightButton, Qt::NoModifier, QPoint(2, 2));
    EXPECT_NE(openSplash(), nullptr);
}

TEST_F(WindowInteractionTest, ClockShowsTheTimeInTheSkinFormatOnlyWhenTheSkinHasOne)
{
    const QTime before = QTime::currentTime();
    start();
    const QTime after = QTime::currentTime();
    const auto text = [](const QTime& t) {
        return QString::fromStdString(FormatClock("hh:nn", {t.hour(), t.minute(), t.second()}));
    };
    const QString shown = controls().Clock->text();
    EXPECT_TRUE(shown == text(before) || shown == text(after)) << shown.toStdString();
    EXPECT_TRUE(shown.contains(':'));

    setSkinValue("Clock", "Alignment", "255");
    start();
    EXPECT_TRUE(controls().Clock->text().isEmpty());
}

namespace {

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

TEST_F(WindowInteractionTest, HoverRepaintsOnlyTheButtonItTouches)
{
    start();
    QuorvexForm& form = launcher->form();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTest::qWait(50);
    PaintCounter touched;
    PaintCounter others;
    button(0).installEventFilter(&touched);
    button(1).installEventFilter(&others);
    for (int i = 0; i < 6; ++i)
        section(i).installEventFilter(&others);
    controls().SSExit->installEventFilter(&others);
    controls().shading->installEventFilter(&others);

    enter(button(0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return touched.count > 0; }, 2000));
    leave(button(0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return touched.count > 1; }, 2000));
    EXPECT_EQ(others.count, 0);
}

namespace {

std::vector<QWidget*> visibleKeyboardButtons(SkinnedControls& controls)
{
    std::vector<QWidget*> buttons;
    for (controls::SkinPanel* panel : controls.SSButton)
        if (panel->isVisible())
            buttons.push_back(panel);
    for (controls::SkinPanel* panel : controls.SSPanel1)
        if (panel->isVisible())
            buttons.push_back(panel);
    for (int i = 0; i < kActionButtonCount; ++i)
        if (controls.actionButton(i)->isVisible())
            buttons.push_back(controls.actionButton(i));
    return buttons;
}

void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_NE(target, nullptr);
    QTest::keyClick(target, key, modifiers);
}

} // namespace

class WindowKeyboardTest : public WindowInteractionTest {
protected:
    QuorvexForm& showActive()
    {
        start();
        QuorvexForm& form = launcher->form();
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        return form;
    }
};

TEST_F(WindowKeyboardTest, TabAndArrowsReachEveryVisibleButtonAndComeRound)
{
    showActive();
    const std::vector<QWidget*> buttons = visibleKeyboardButtons(controls());
    ASSERT_GE(buttons.size(), 2u + 6u + 3u);
    // The window comes up with its first launch button focused; the
    // sections follow the launch buttons.
    EXPECT_EQ(QApplication::focusWidget(), &button(0));
    button(1).setFocus(Qt::OtherFocusReason);
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &section(0));
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab, Qt::Key_Left}) {
        buttons.front()->setFocus(Qt::OtherFocusReason);
        std::set<QWidget*> reached;
        for (size_t i = 0; i < buttons.size(); ++i) {
            reached.insert(QApplication::focusWidget());
            pressKey(key);
        }
        EXPECT_EQ(QApplication::focusWidget(), buttons.front()) << key;
        EXPECT_EQ(reached, std::set<QWidget*>(buttons.begin(), buttons.end())) << key;
    }
    // The drag surface, the shade strip and hidden buttons never take focus.
    for (QWidget* other : std::initializer_list<QWidget*>{&launcher->form().surface(), controls().shading, &button(2)})
        EXPECT_TRUE(other->focusPolicy() == Qt::NoFocus || !other->isVisible());
}

TEST_F(WindowKeyboardTest, EnterAndSpacePressTheFocusedButtonAsAClickWould)
{
    showActive();
    button(1).setFocus(Qt::OtherFocusReason);
    pressKey(Qt::Key_Return);
    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, platform::RecordingShell::Kind::Document);
    EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "tap.wav"}, {Mode::Async, "lift.wav"}}));
    // The shortcut is opened by the button's own path: the released look.
    EXPECT_TRUE(samePicture(button(1).backgroundPicture(), buttonImage(1, "Button4")));

    section(1).setFocus(Qt::OtherFocusReason);
    pressKey(Qt::Key_Space);
    EXPECT_EQ(launcher->state().CurrentSection, 2);
    EXPECT_EQ(launcher->launchButtons().VisibleButtonCount, 1);

    // A modified Enter is not a press.
    button(0).setFocus(Qt::OtherFocusReason);
    shell.clear();
    pressKey(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(shell.calls().empty());
}

TEST_F(WindowKeyboardTest, CtrlPageKeysSwitchBetweenSectionsWithFoldersOnly)
{
    showActive();
    button(0).setFocus(Qt::OtherFocusReason);
    struct Step {
        Qt::Key key;
        int section;
    };
    // Two folders: paging wraps round them and never lands on the empty four.
    for (const Step& step : {Step{Qt::Key_PageDown, 2}, Step{Qt::Key_PageDown, 1}, Step{Qt::Key_PageUp, 2},
                             Step{Qt::Key_PageUp, 1}}) {
        pressKey(step.key, Qt::ControlModifier);
        EXPECT_EQ(launcher->state().CurrentSection, step.section) << step.key;
        EXPECT_EQ(QApplication::focusWidget(), &section(step.section - 1));
        // Screen readers tell the section on show by its tab's state.
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(QAccessible::queryAccessibleInterface(&section(i))->state().selected, i == step.section - 1);
    }
    // Without Ctrl the page keys do nothing.
    pressKey(Qt::Key_PageDown);
    EXPECT_EQ(launcher->state().CurrentSection, 1);
}

TEST_F(WindowKeyboardTest, EscapeRollsTheWindowUpAndDownThroughTheShade)
{
    QuorvexForm& form = showActive();
    const QSize fullSize = form.size();
    button(0).setFocus(Qt::OtherFocusReason);
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(launcher->state().ShadedFlag, -1);
    EXPECT_EQ(form.size(), launcher->Picture3().size());
    EXPECT_TRUE(button(0).isHidden());
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(launcher->state().ShadedFlag, 0);
    EXPECT_EQ(form.size(), fullSize);
    EXPECT_EQ(sounds.calls(), heard({{Mode::Async, "roll-up.wav"}, {Mode::Async, "roll-down.wav"}}));
}

TEST_F(WindowKeyboardTest, EscapeDoesNothingWithoutAShadeStrip)
{
    setSkinValue("Shading", "Width", "0");
    setSkinValue("Shading", "Height", "0");
    QuorvexForm& form = showActive();
    const QSize fullSize = form.size();
    button(0).setFocus(Qt::OtherFocusReason);
    pressKey(Qt::Key_Escape);
    EXPECT_EQ(launcher->state().ShadedFlag, 0);
    EXPECT_EQ(form.size(), fullSize);
}

TEST_F(WindowKeyboardTest, EveryVisibleButtonIsANamedAccessibleObject)
{
    showActive();
    for (QWidget* widget : visibleKeyboardButtons(controls())) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr);
        const bool isSection = std::ranges::find(controls().SSPanel1, widget) != controls().SSPanel1.end();
        EXPECT_EQ(accessible->role(), isSection ? QAccessible::PageTab : QAccessible::Button);
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty()) << widget;
        // The tool tip, read as the tip window shows it: no markup.
        const QString description = accessible->text(QAccessible::Description);
        EXPECT_FALSE(description.contains('<') || description.startsWith(' ')) << description.toStdString();
        EXPECT_TRUE(accessible->state().focusable);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&section(0))->text(QAccessible::Name), "Alpha");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&section(0))->text(QAccessible::Description), "Alpha");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&section(5))->text(QAccessible::Description),
              "Drop shortcuts here to add them");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&button(0))->text(QAccessible::Description),
              QAccessible::queryAccessibleInterface(&button(0))->text(QAccessible::Name));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(controls().SSExit)->text(QAccessible::Name), "Exit");
    QAccessibleInterface* clock = QAccessible::queryAccessibleInterface(controls().Clock);
    EXPECT_EQ(clock->role(), QAccessible::StaticText);
    EXPECT_EQ(clock->text(QAccessible::Name), "Clock");
    EXPECT_EQ(clock->text(QAccessible::Description), controls().Clock->text());
    EXPECT_FALSE(controls().Clock->text().isEmpty());

    // The press action launches as a click does.
    QAccessibleInterface* launch = QAccessible::queryAccessibleInterface(&button(0));
    ASSERT_NE(launch->actionInterface(), nullptr);
    launch->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(shell.calls().size(), 1u);
}

TEST_F(WindowKeyboardTest, FocusedButtonWearsAnOutlineInTheSectionsHoverColourOnlyForTheKeyboard)
{
    showActive();
    controls::SkinPanel& b = button(0);
    const QColor hover = color(launcher->skin().sections[0].hoverColor);
    const QPoint edge(0, b.height() / 2);
    QTest::mouseClick(&section(2), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    const QImage unfocused = b.grab().toImage();

    // Focus from a click, or moved by Qt itself, shows no mark.
    b.setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(b.grab().toImage(), unfocused);
    section(2).setFocus(Qt::OtherFocusReason);
    b.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(b.grab().toImage(), unfocused);

    pressKey(Qt::Key_Right);
    pressKey(Qt::Key_Left);
    ASSERT_TRUE(b.hasFocus());
    const QImage focused = b.grab().toImage();
    EXPECT_EQ(focused.pixelColor(edge), hover);
    EXPECT_EQ(focused.pixelColor(edge + QPoint(1, 0)), hover);
    // Inside the mark, the button stays as the skin draws it.
    const QRect inside = b.rect().adjusted(2, 2, -2, -2);
    EXPECT_EQ(focused.copy(inside), unfocused.copy(inside));

    // A click ends the keyboard's marks.
    QTest::mouseClick(&section(2), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    b.setFocus(Qt::TabFocusReason);
    EXPECT_EQ(b.grab().toImage(), unfocused);
}
