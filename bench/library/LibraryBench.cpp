// The work a section switch does when nothing changed (the two change
// tests over every section), and the icon build after a change.
#include "launcher/library/ShortcutIconTable.h"
#include "launcher/library/ShortcutLibrary.h"
#include "platform/icons/FakeIconService.h"
#include "platform/icons/ThemeIconService.h"
#include "support/LinkFileWriter.h"
#include "support/TempFolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>

namespace {

// A program folder with 12 sections of `filesPerSection` shortcut files
// (links to a few kinds of target, internet shortcuts, desktop entries) and
// one file that is no shortcut.
struct LibraryOnDisk {
    LibraryOnDisk(int filesPerSection, bool settled)
    {
        folder.write("targets/readme.txt", "text");
        folder.write("targets/picture.png", "png");
        folder.write("targets/page.html", "<html></html>");
        const std::string targets[] = {folder.str() + "targets/readme.txt", folder.str() + "targets/picture.png",
                                       folder.str() + "targets/page.html", folder.str() + "targets"};
        for (int section = 0; section < launcher::kMaxSections; ++section) {
            const std::string name = "shortcuts/Section " + std::to_string(section) + "/";
            for (int file = 0; file < filesPerSection; ++file) {
                const std::string stem = name + "Shortcut number " + std::to_string(file);
                switch (file % 5) {
                case 0:
                case 1:
                    folder.write(stem + ".lnk", testsupport::linkFileBytes({targets[file % 4], "", "", 1}));
                    break;
                case 2:
                    folder.write(stem + ".url", "[InternetShortcut]\nURL=https://example.org/\n");
                    break;
                case 3:
                    folder.write(stem + ".desktop", "[Desktop Entry]\nType=Application\nExec=true\nIcon=utilities-terminal\n");
                    break;
                default:
                    folder.write(stem + ".LNK", testsupport::linkFileBytes({targets[0], "", "", 1}));
                }
            }
            folder.write(name + "readme.txt", "not a shortcut");
            skin.sections.emplace_back();
            skin.sections.back().launchSlots.resize(launcher::kMaxSlotsPerSection);
        }
        skin.info.sectionNum = launcher::kMaxSections;
        // A library in use was last changed a while ago; one just changed
        // cannot reuse its listings. Status-change times cannot be set
        // back, so a settled library waits for them to age; an unsettled
        // one is changed in the future.
        if (settled) {
            std::this_thread::sleep_for(std::chrono::milliseconds(2100));
        } else {
            const auto future = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
            std::filesystem::last_write_time(folder.path() / "shortcuts", future);
            for (int section = 0; section < launcher::kMaxSections; ++section)
                std::filesystem::last_write_time(folder.path() / ("shortcuts/Section " + std::to_string(section)),
                                                 future);
        }
        skin.styles.resize(1);
        state.StartupDone = 1;
        library = std::make_unique<launcher::ShortcutLibrary>(launcher::AppPaths(folder.str()), skin, state);
        library->ScanSectionFolders();
    }

    testsupport::TempFolder folder;
    launcher::SkinDefinition skin;
    launcher::LauncherState state;
    std::unique_ptr<launcher::ShortcutLibrary> library;
};

// Argument 1: listings of the settled folders are reused (the usual case);
// 0: every folder is listed, as right after a change.
void BM_SectionSwitchChangeTests(benchmark::State& benchState)
{
    LibraryOnDisk disk(200, benchState.range(0) != 0);
    platform::FakeIconService icons;
    launcher::ShortcutIconTable table;
    table.BuildShortcutIcons(*disk.library, icons);
    for (auto _ : benchState) {
        const bool changed = disk.library->RefreshShortcutsIfChanged();
        if (changed)
            benchState.SkipWithError("the library changed while nothing was touched");
        benchmark::DoNotOptimize(changed);
    }
    benchState.counters["files"] = 200.0 * launcher::kMaxSections;
    benchState.counters["kept listings"] = disk.library->listings().keptCount();
}
BENCHMARK(BM_SectionSwitchChangeTests)->ArgName("reuse")->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_BuildShortcutIconsFake(benchmark::State& benchState)
{
    LibraryOnDisk disk(25, true);
    int draws = 0;
    for (auto _ : benchState) {
        platform::FakeIconService icons;
        launcher::ShortcutIconTable table;
        table.BuildShortcutIcons(*disk.library, icons);
        draws = icons.totalDraws();
    }
    benchState.counters["icons drawn"] = draws;
}
BENCHMARK(BM_BuildShortcutIconsFake)->Unit(benchmark::kMillisecond);

void BM_BuildShortcutIconsTheme(benchmark::State& benchState)
{
    LibraryOnDisk disk(25, true);
    platform::ThemeIconService icons;
    int keys = 0;
    for (auto _ : benchState) {
        launcher::ShortcutIconTable table; // a fresh table draws every kind once
        table.BuildShortcutIcons(*disk.library, icons);
        keys = table.count();
    }
    benchState.counters["icons"] = keys;
}
BENCHMARK(BM_BuildShortcutIconsTheme)->Unit(benchmark::kMillisecond);

} // namespace
