// A section of 200 desktop entries listed as a reload lists it (order,
// icons, buttons) and as a section switch does (order, buttons). Each
// benchmark runs a fixed number of times, so that desktop-opens.sh can
// count the files opened per run.
#include "launcher/library/LaunchButtons.h"
#include "launcher/library/ShortcutIconTable.h"
#include "launcher/library/ShortcutLibrary.h"
#include "platform/icons/ThemeIconService.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace {

constexpr int kEntries = 200;
constexpr int kRuns = 20;

// One section folder of desktop entries, in an order their names do not
// give, so that the captions decide it.
struct DesktopSection {
    explicit DesktopSection(bool settled)
    {
        const char* icons[] = {"utilities-terminal", "text-editor", "web-browser", "folder"};
        for (int file = 0; file < kEntries; ++file) {
            folder.write("shortcuts/Tools/entry " + std::to_string(file) + ".desktop",
                         "[Desktop Entry]\nType=Application\nName=Program " + std::to_string((file * 37) % kEntries)
                             + "\nExec=true\nIcon=" + icons[file % 4] + "\n");
        }
        skin.sections.emplace_back();
        skin.sections.back().launchSlots.resize(launcher::kMaxSlotsPerSection);
        skin.info.sectionNum = 1;
        skin.styles.resize(1);
        skin.styles[0].iconSize = 1;
        state.StartupDone = 1;
        state.CurrentSection = 1;
        library = std::make_unique<launcher::ShortcutLibrary>(launcher::AppPaths(folder.str()), skin, state);
        library->ScanSectionFolders();
        // A library in use was last changed long before it is listed; time
        // stamps cannot be set back, so wait for them to age.
        if (settled)
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
    }

    testsupport::TempFolder folder;
    launcher::SkinDefinition skin;
    launcher::LauncherState state;
    std::unique_ptr<launcher::ShortcutLibrary> library;
};

// Argument: 1 for files changed long ago, 0 for files just written.
void BM_ReloadDesktopSection(benchmark::State& benchState)
{
    DesktopSection section(benchState.range(0) != 0);
    platform::ThemeIconService icons;
    launcher::ShortcutIconTable table; // draws each icon once, in the first listing
    for (auto _ : benchState) {
        table.BuildShortcutIcons(*section.library, icons);
        benchmark::DoNotOptimize(launcher::PopulateLaunchButtons(*section.library));
    }
}
BENCHMARK(BM_ReloadDesktopSection)->ArgName("settled")->Arg(1)->Arg(0)->Iterations(kRuns)->Unit(benchmark::kMillisecond);

void BM_SwitchToDesktopSection(benchmark::State& benchState)
{
    DesktopSection section(benchState.range(0) != 0);
    for (auto _ : benchState)
        benchmark::DoNotOptimize(launcher::PopulateLaunchButtons(*section.library));
}
BENCHMARK(BM_SwitchToDesktopSection)->ArgName("settled")->Arg(1)->Arg(0)->Iterations(kRuns)->Unit(benchmark::kMillisecond);

} // namespace
