#include "LauncherFixture.h"

using namespace launcher;
using dragdroptest::LauncherFixture;

namespace {

// The launcher is topmost while a program starts; windows that other
// programs open meanwhile (21 and 22 here, between 11 and 12 that were
// there before) come in front of it afterwards, in their own order, unless
// the skin keeps the launcher above all.
class LaunchStackingTest : public LauncherFixture {
protected:
    std::vector<std::string> launchEditor()
    {
        stacking.scriptOtherWindows({11, 12});
        stacking.scriptOtherWindows({11, 21, 12, 22});
        const size_t before = stacking.calls().size();
        EXPECT_EQ(launcher->LaunchButton(0).outcome, LaunchOutcome::Started);
        EXPECT_EQ(shell.calls().size(), 1u);
        return {stacking.calls().begin() + static_cast<long>(before), stacking.calls().end()};
    }
    std::string form() const { return launcher->form().objectName().toStdString(); }
};

} // namespace

TEST_F(LaunchStackingTest, WindowsOpenedDuringTheLaunchComeInFrontOfTheLauncher)
{
    profiles.write(app.str() + "skins/Slatewise/Slatewise.ini", "SkinInfo", "AlwaysOnTop", "0");
    load();
    EXPECT_EQ(launchEditor(), (std::vector<std::string>{form() + " on top", form() + " not on top", "raise 21",
                                                        "raise 22"}));
}

TEST_F(LaunchStackingTest, AnAlwaysOnTopLauncherStaysInFront)
{
    profiles.write(app.str() + "skins/Slatewise/Slatewise.ini", "SkinInfo", "AlwaysOnTop", "1");
    load();
    EXPECT_EQ(launchEditor(), (std::vector<std::string>{form() + " on top", form() + " on top"}));
}
