#pragma once

#include "platform/copy/CopyService.h"
#include "platform/desktop/MessageBox.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace launcher {

inline constexpr const char* kSectionNotActiveMessage =
    "This section is not active.  Click the Shorcut Management button, and create up to 12 folders, which "
    "will be these section buttons.";
inline constexpr const char* kNoFileListMessage =
    "Can't directly add that type of object...  Try creating a shortcut for it first, and then drop that onto "
    "the section button.";
inline constexpr const char* kInvalidShortcutFilesMessage =
    "Some or all of the files you dropped were not valid shortcut files. You must drop shortcuts onto Quorvex "
    "to add them.  Try making shortcuts for items, and then drag those onto the launcher to add them as "
    "buttons.";
inline constexpr const char* kCopyFileErrorMessage =
    "Some files could not be copied because they already exist, are read-only, or some other file error.";

// A file the launcher adds as a launch button: its last four characters,
// in any letter case, are ".lnk", ".url" or ".pif".
bool isShortcutFile(std::string_view path);

enum class DropTarget { Window, SectionButton };

// What a drop on the window or on a section button is to do, decided from
// the drop alone, before anything is copied or shown.
struct DropDecision {
    enum class Kind {
        SectionNotActive, // the section button has no folder: say so and do nothing else
        NoFileList,       // the drag carried no files: say what to do instead
        Files,            // examine the files in order
    };
    struct File {
        std::string path;
        bool shortcut = false;
    };

    Kind kind = Kind::Files;
    std::vector<File> files; // every dropped file, in the drag's order
};

// `slot` is the 0-based section the drop goes to (the current section for
// a drop on the window), `sectionFolderCount` the number of section
// folders, `files` the dragged file list or nullopt when the drag carries
// no file list.
DropDecision DecideSectionDrop(DropTarget target, int slot, int sectionFolderCount,
                               const std::optional<std::vector<std::string>>& files);

struct DropResult {
    bool added = false;       // a shortcut was copied: rebuild the section panels and buttons
    bool finished = false;    // the drop ran to its end: restore the launcher's topmost state
};

// Carries out a decision: copies every shortcut file into `sectionFolder`
// by itself (one copy each, so one failed file does not hold back the
// others' questions), pausing `pause` 50 ms after each, then shows the
// messages that belong to the drop. A copy that throws, or an empty
// `sectionFolder` (the drop has no section to go to), ends the loop with the
// file-error message; what was copied before it still counts.
DropResult AddDroppedShortcuts(const DropDecision& decision, const std::string& sectionFolder,
                               platform::CopyService& copier, platform::MessageBox& messages,
                               const std::function<void(int)>& pause = {});

} // namespace launcher
