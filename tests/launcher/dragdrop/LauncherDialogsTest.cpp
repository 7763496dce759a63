#include "LauncherFixture.h"

#include "launcher/dialogs/ChooseSkin.h"
#include "launcher/dialogs/Helper.h"

#include <QApplication>
#include <QListWidget>

using namespace launcher;
using dragdroptest::LauncherFixture;

namespace {

class DialogsTest : public LauncherFixture {
protected:
    ChooseSkin* chooser() { return launcher->form().findChild<ChooseSkin*>(); }
    std::string skinIni() const { return app.str() + "skins/Slatewise/Slatewise.ini"; }
};

} // namespace

TEST_F(DialogsTest, TheHelperGreetsOnlyTheFirstRun)
{
    load();
    EXPECT_EQ(launcher->form().findChild<Helper*>(), nullptr);

    launcher.reset();
    std::filesystem::remove_all(app.path() / "shortcuts");
    load();
    ASSERT_TRUE(launcher->state().FirstRun);
    Helper* helper = launcher->form().findChild<Helper*>();
    ASSERT_NE(helper, nullptr);
    EXPECT_TRUE(helper->isVisible());
    EXPECT_TRUE(helper->isWindow());
    EXPECT_EQ(stacking.calls().back(), launcher->form().objectName().toStdString() + " not on top");
}

TEST_F(DialogsTest, TheShortcutsReminderOpensTheLibraryAndClosesItself)
{
    profiles.write(skinIni(), "ShortcutButton", "SCSound", "tick.wav");
    load();
    const size_t soundsBefore = sounds.calls().size();
    launcher->ShowShortcutsReminder(); // returns once the window has closed itself

    ASSERT_EQ(shell.calls().size(), 1u);
    EXPECT_EQ(shell.calls()[0].kind, platform::RecordingShell::Kind::Folder);
    EXPECT_EQ(shell.calls()[0].target, app.str() + "shortcuts");
    ASSERT_EQ(sounds.calls().size(), soundsBefore + 1);
    EXPECT_EQ(sounds.calls().back().file.filename(), "tick.wav");
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_FALSE(window->isVisible() && window->objectName() == "Shortcuts");
}

TEST_F(DialogsTest, TheSkinChooserIsOneNonModalWindowThatWritesAtOnce)
{
    load();
    launcher->OpenSkinChooser();
    ChooseSkin* open = chooser();
    ASSERT_NE(open, nullptr);
    EXPECT_TRUE(open->isVisible());
    EXPECT_EQ(open->windowModality(), Qt::NonModal);
    EXPECT_EQ(open->selectedSkin(), "Slatewise");

    launcher->OpenSkinChooser(); // a second click brings the same window forward
    EXPECT_EQ(launcher->form().findChildren<ChooseSkin*>().size(), 1);

    open->Check1Click(1);
    EXPECT_EQ(profiles.read(skinIni(), "SkinInfo", "AlwaysOnTop"), "1");
    EXPECT_FALSE(launcher->windowSettings().alwaysOnTop); // the running launcher keeps its setting

    open->Command3Click();
    QCoreApplication::processEvents();
    EXPECT_EQ(chooser(), nullptr); // Cancel closes and deletes it
    EXPECT_EQ(stacking.calls().back(), launcher->form().objectName().toStdString() + " not on top");
}
