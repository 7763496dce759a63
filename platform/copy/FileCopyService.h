#pragma once

#include "platform/copy/CopyFileOps.h"
#include "platform/copy/CopyService.h"
#include "platform/files/CopiedFilePermissions.h"

#include <filesystem>
#include <optional>

namespace platform {

// Copies on the local file system. Every file is written to a hidden
// temporary name in its target folder and renamed into place once complete,
// so a cancel, a full disk or a crash never leaves a truncated file under
// the name the user will see. Folders are merged into existing folders of
// the same name; each existing file is a replace question. Copied files get
// CopiedFilePermissions().
class FileCopyService final : public CopyService {
public:
    FileCopyService(CopyInteraction& interaction, CopyFileOps& fileOps);

    CopyOutcome copy(const std::vector<std::string>& sources, const std::string& targetFolder) override;

    // The size of the pieces a file is copied in (and progress reported by).
    static constexpr std::size_t kChunkBytes = 256 * 1024;

private:
    enum class ItemKind { File, Folder, Link };
    struct Item {
        ItemKind kind;
        std::filesystem::path source;
        std::filesystem::path target;
        std::uint64_t bytes = 0;
    };

    // Lists what the copy will do, folders before their contents. Empty
    // string on success, otherwise why the copy cannot start.
    std::string plan(const std::vector<std::string>& sources, const std::filesystem::path& targetFolder,
                     std::vector<Item>& items) const;
    std::string planFolder(const std::filesystem::path& source, const std::filesystem::path& target,
                           std::vector<Item>& items) const;

    // Copies one item; nullopt to carry on, otherwise the final status.
    std::optional<CopyOutcome::Status> copyItem(const Item& item, CopyOutcome& outcome);
    // `mayReplace`: the user answered that what is at the target may go.
    std::optional<CopyOutcome::Status> copyFileContents(const Item& item, bool mayReplace, CopyOutcome& outcome);
    std::optional<CopyOutcome::Status> copyLink(const Item& item, bool mayReplace, CopyOutcome& outcome);
    // Asks whether to replace what is at the target (a folder is never
    // replaced: that fails the copy); records a skip, and the status of a
    // cancel or a failure, in `outcome`.
    ReplaceAnswer askAboutClash(const Item& item, const std::filesystem::file_status& existing,
                                CopyOutcome& outcome);
    enum class Placement { Placed, Skipped, Stopped };
    // Gives the finished temporary the target's name; on Stopped,
    // `outcome.status` says why.
    Placement place(const Item& item, const std::filesystem::path& temporary, bool mayReplace,
                    CopyOutcome& outcome);
    CopyOutcome::Status fail(CopyOutcome& outcome, std::string message);
    bool advance(const std::filesystem::path& file, std::uint64_t bytes);

    CopyInteraction& m_interaction;
    CopyFileOps& m_fileOps;
    std::uint64_t m_bytesDone = 0;
};

} // namespace platform
