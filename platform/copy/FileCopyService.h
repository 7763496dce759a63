#pragma once

#include "platform/copy/CopyFileOps.h"
#include "platform/copy/CopyService.h"

#include <filesystem>
#include <optional>

namespace platform {

// Copies on the local file system. Every file is written to a hidden
// temporary name in its target folder and renamed into place once complete,
// so a cancel, a full disk or a crash never leaves a truncated file under
// the name the user will see. Folders are merged into existing folders of
// the same name; each existing file is a replace question.
// The permissions a copied file gets: the source's read and run bits, as a
// copy made without keeping attributes has them. Set-uid, set-gid and the
// sticky bit go, nobody but the owner may write, and `umask` takes away
// what the user asked to take away from new files.
std::filesystem::perms CopiedFilePermissions(std::filesystem::perms source, std::filesystem::perms umask);

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
    std::optional<CopyOutcome::Status> copyFileContents(const Item& item, CopyOutcome& outcome);
    std::optional<CopyOutcome::Status> copyLink(const Item& item, CopyOutcome& outcome);
    CopyOutcome::Status fail(CopyOutcome& outcome, std::string message);
    bool advance(const std::filesystem::path& file, std::uint64_t bytes);

    CopyInteraction& m_interaction;
    CopyFileOps& m_fileOps;
    std::uint64_t m_bytesDone = 0;
};

} // namespace platform
