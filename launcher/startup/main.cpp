#include "launcher/config/ProgramFolderLocator.h"
#include "launcher/config/ProgramFolderSeeder.h"
#include "launcher/dialogs/ChooserPlatform.h"
#include "launcher/startup/Launcher.h"
#include "launcher/startup/RemoteCommand.h"
#include "launcher/startup/SingleLauncher.h"
#include "launcher/startup/SkinCheckCommand.h"
#include "launcher/startup/SkinRenderCommand.h"
#include "platform/desktop/FontTable.h"
#include "platform/desktop/MessageBox.h"
#include "platform/desktop/QtWindowMover.h"
#include "platform/desktop/Screen.h"
#include "platform/desktop/WindowStacking.h"
#include "platform/desktop/WindowSystem.h"
#include "platform/display/DisplayProbe.h"
#include "platform/display/PlatformChoice.h"
#include "platform/files/FolderMaker.h"
#include "platform/icons/ThemeIconService.h"
#include "platform/shell/DesktopShell.h"
#include "platform/sound/OneSoundPlayer.h"
#include "platform/sound/QtSoundOutput.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/watch/InotifyFolderWatcher.h"
#include "platform/windowregion/WindowTranslucency.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void printUsage()
{
    std::printf("usage: quorvex                    start the launcher, or bring the running one forward\n"
                "       quorvex --autostart        start without the splash and its pauses (at log-in)\n"
                "       quorvex --raise            bring the running launcher to the front\n"
                "       quorvex --quit             close the running launcher\n"
                "       quorvex --refresh          make the running launcher read its shortcuts again\n"
                "       quorvex --check-skin DIR   check a skin folder and list its problems\n"
                "       quorvex --render-skin DIR -o OUT.png [--section N] [--hover SLOT] [--shaded]\n"
                "                                  [--scale 2] [--width W --height H]\n"
                "                                  draw the skin as the launcher shows it into a PNG,\n"
                "                                  without a display (sample shortcuts, clock at 10:08)\n"
                "The program folder (skins/, shortcuts/, Quorvex.ini) is QUORVEX_HOME when that\n"
                "is set, else the executable's folder when it holds skins/ and may be written,\n"
                "else $XDG_DATA_HOME/quorvex (~/.local/share/quorvex), filled from the installed\n"
                "skins on first use. [Options] ShowSplash=0 in Quorvex.ini always starts\n"
                "without the splash. One launcher runs per program folder;\n"
                "--raise, --quit and --refresh exit with 1 when none runs.\n"
                "The running skin is loaded again when one of its files is saved;\n"
                "QUORVEX_LIVE_RELOAD=0 turns that off.\n");
}

double pauseScale()
{
    const char* text = std::getenv("QUORVEX_PAUSE_SCALE");
    if (!text || !*text)
        return 1.0;
    const double scale = std::strtod(text, nullptr);
    return scale >= 0 && scale <= 10 ? scale : 1.0;
}

bool liveReloadWanted()
{
    return qgetenv("QUORVEX_LIVE_RELOAD") != "0";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        printUsage();
        return 0;
    }
    if (argc >= 2 && std::strcmp(argv[1], "--check-skin") == 0) {
        if (argc != 3) {
            printUsage();
            return 2;
        }
        return launcher::RunSkinCheck(argv[2]);
    }
    if (argc >= 2 && std::strcmp(argv[1], "--render-skin") == 0)
        return launcher::RunSkinRender(argc, argv);
    if (argc == 2) {
        if (const auto command = launcher::RemoteCommandForArgument(argv[1])) {
            QCoreApplication application(argc, argv);
            return launcher::SendRemoteCommand(launcher::AppPaths::fromEnvironment(), *command);
        }
    }
    // The skin chooser starts the next launcher while it still runs itself.
    const bool restarted = argc == 2 && std::strcmp(argv[1], launcher::kRestartArgument) == 0;
    const bool autostart = argc == 2 && std::strcmp(argv[1], launcher::kAutostartArgument) == 0;
    if (argc >= 2 && !restarted && !autostart) {
        std::fprintf(stderr, "quorvex: unknown argument %s\n", argv[1]);
        printUsage();
        return 2;
    }

    // Placing windows, polling keys and staying on top need X11; Wayland
    // sessions run the launcher through Xwayland, and natively only when
    // they have no X display.
    using quorvex::platform::PlatformChoice;
    const PlatformChoice choice =
        PlatformChoice::choose(quorvex::platform::DisplayOffer::fromEnvironment(),
                               {quorvex::platform::DisplayProbe::x11Reachable,
                                quorvex::platform::DisplayProbe::waylandReachable,
                                quorvex::platform::DisplayProbe::qtWaylandPluginInstalled});
    if (choice.outcome == PlatformChoice::Outcome::NoDisplay) {
        std::fprintf(stderr, "quorvex: %s\n", choice.problem.c_str());
        return 1;
    }
    if (const std::string platform = choice.platformName(); !platform.empty())
        qputenv("QT_QPA_PLATFORM", platform.c_str());

    QApplication application(argc, argv);
    QApplication::setApplicationName("Quorvex");
    QApplication::setQuitOnLastWindowClosed(true);

    const launcher::ProgramFolderLocation location = launcher::ProgramFolderLocator::current();
    const launcher::AppPaths paths(location.folder);
    launcher::SingleLauncher single(paths);
    int handedOver = 0;
    if (!single.claim(restarted ? launcher::SingleLauncher::Start::AfterPrevious
                                : launcher::SingleLauncher::Start::Immediately,
                      &handedOver))
        return handedOver;
    if (platform::currentWindowSystem() == platform::WindowSystem::Wayland)
        std::fprintf(stderr, "quorvex: %s\n", PlatformChoice::kWaylandLimits);
    // Only the launcher that owns the folder fills it, so two first starts
    // cannot copy over each other.
    if (const std::string problems = launcher::ProgramFolderSeeder::seed(location.installedData, location.folder);
        !problems.empty())
        std::fprintf(stderr, "quorvex: %s", problems.c_str());

    platform::FileProfileStore profiles;
    platform::QtMessageBox messages;
    platform::QtFontTable fonts;
    platform::QtScreen screen;
    platform::DiskFolderMaker folders;
    platform::X11WindowStacking stacking;
    platform::QtSoundOutput soundOutput;
    platform::QtSoundClock soundClock;
    platform::OneSoundPlayer sounds(soundOutput, soundClock);
    platform::DesktopShell shell;
    platform::ThemeIconService icons;
    platform::QtWindowMover mover;
    platform::InotifyFolderWatcher skinFolderWatcher;
    launcher::Launcher launcher({profiles, messages, fonts, screen, folders, stacking, sounds, shell, icons, mover, pauseScale(),
                                 autostart, liveReloadWanted() ? &skinFolderWatcher : nullptr,
                                 quorvex::platform::WindowTranslucency::available()},
                                paths);
    if (launcher.Load() != launcher::StartupResult::Running)
        return 1;
    single.listen(launcher);
    return application.exec();
}
