#include "launcher/dialogs/DropDecision.h"

#include "launcher/library/ShortcutNames.h"
#include "platform/copy/CopyFilesToFolder.h"
#include "platform/files/CaseInsensitivePath.h"

#include <exception>
#include <filesystem>

namespace launcher {

namespace {

constexpr const char* kCaption = "Quorvex";

} // namespace

bool isShortcutFile(std::string_view path)
{
    // Whatever the library shows as a launch button may be added, desktop
    // entries included.
    return shortcutKindOf(std::filesystem::path(path).filename().string()) != ShortcutKind::None;
}

DropDecision DecideSectionDrop(DropTarget target, int slot, int sectionFolderCount,
                               const std::optional<std::vector<std::string>>& files)
{
    DropDecision decision;
    if (target == DropTarget::SectionButton && (slot < 0 || slot >= sectionFolderCount)) {
        decision.kind = DropDecision::Kind::SectionNotActive;
        return decision;
    }
    if (!files || files->empty()) {
        decision.kind = DropDecision::Kind::NoFileList;
        return decision;
    }
    for (const std::string& file : *files)
        decision.files.push_back({file, isShortcutFile(file)});
    return decision;
}

DropResult AddDroppedShortcuts(const DropDecision& decision, const std::string& sectionFolder,
                               platform::CopyService& copier, platform::MessageBox& messages,
                               const std::function<void(int)>& pause)
{
    DropResult result;
    if (decision.kind == DropDecision::Kind::SectionNotActive) {
        messages.show(kSectionNotActiveMessage, kCaption);
        return result;
    }

    bool invalid = false;
    if (decision.kind == DropDecision::Kind::NoFileList) {
        messages.show(kNoFileListMessage, kCaption);
    } else {
        try {
            for (const DropDecision::File& file : decision.files) {
                if (!file.shortcut) {
                    invalid = true;
                    continue;
                }
                // No section is current (every section folder was deleted):
                // the copy has nowhere to go, which is a file error like any other.
                if (sectionFolder.empty()) {
                    messages.show(kCopyFileErrorMessage, kCaption);
                    break;
                }
                platform::CopyFilesToFolder(copier, messages, {file.path}, sectionFolder, kCaption);
                if (pause)
                    pause(50);
                result.added = true;
            }
        } catch (const std::exception&) {
            messages.show(kCopyFileErrorMessage, kCaption);
        }
    }

    if (invalid)
        messages.show(kInvalidShortcutFilesMessage, kCaption);
    result.finished = true;
    return result;
}

} // namespace launcher
