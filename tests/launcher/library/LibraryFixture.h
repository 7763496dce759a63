#pragma once

#include "launcher/library/ShortcutLibrary.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace librarytest {

// A program folder with an empty shortcuts/ folder, a skin whose sections
// each give `buttonsPerSection` launch buttons of style 0, and the library over them.
class LibraryFixture : public ::testing::Test {
protected:
    void useSkin(int sections, int buttonsPerSection)
    {
        skin.sections.assign(static_cast<size_t>(sections), launcher::SectionKeys{});
        for (launcher::SectionKeys& section : skin.sections) {
            for (int slot = 0; slot < buttonsPerSection; ++slot)
                section.launchSlots.push_back({10 + 40 * slot, 100, 0});
        }
        skin.info.sectionNum = sections;
        skin.styles.assign(1, launcher::StyleKeys{});
    }

    void SetUp() override
    {
        folder.write("shortcuts/.keep", "");
        useSkin(3, 25);
        state.StartupDone = 1;
        library = std::make_unique<launcher::ShortcutLibrary>(launcher::AppPaths(folder.str()), skin, state);
    }

    void addFolder(const std::string& name) { std::filesystem::create_directories(folder.path() / "shortcuts" / name); }
    void addFile(const std::string& relative, const std::string& bytes = "") { folder.write("shortcuts/" + relative, bytes); }
    void removeFile(const std::string& relative) { std::filesystem::remove_all(folder.path() / "shortcuts" / relative); }
    void renameFile(const std::string& from, const std::string& to)
    {
        std::filesystem::rename(folder.path() / "shortcuts" / from, folder.path() / "shortcuts" / to);
    }

    // What the icon build records, without icons.
    void recordContents()
    {
        for (int section = 0; section < library->sectionNum(); ++section)
            library->recordSectionContents(section, library->CollectSectionShortcuts(section));
    }

    testsupport::TempFolder folder;
    launcher::SkinDefinition skin;
    launcher::LauncherState state;
    std::unique_ptr<launcher::ShortcutLibrary> library;
};

} // namespace librarytest
