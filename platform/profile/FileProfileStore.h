#pragma once

#include "platform/files/FileStamp.h"
#include "platform/profile/ProfileDocument.h"
#include "platform/profile/ProfileStore.h"

#include <filesystem>
#include <map>

namespace platform {

// Profile files on disk. File names are found without regard to letter case.
//
// A skin is read key by key (thousands of keys for a large skin), so parsed
// files are kept and used again while the file's stamp is unchanged; a file
// read within the time-stamp resolution of its last change is read again
// until its stamp has settled, so a same-size rewrite in the same clock tick
// is seen too; within a read burst such a file is read at most once. Files in UTF-16 or with a UTF-8 byte-order mark are read, and
// written back in the same encoding.
//
// Writes go through updateFile(): under a lock, from the file as it is on
// disk at that moment, through symbolic links, atomically, and never to a
// read-only file. Entries that would not read back the same (line breaks,
// NUL) are refused.
class FileProfileStore final : public ProfileStore {
public:
    std::optional<std::string> read(const std::string& file, std::string_view section,
                                    std::string_view key) override;
    std::string write(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view value) override;
    std::string readProblem(const std::string& file) override;
    void beginReadBurst() override;
    void endReadBurst() override;

private:
    struct Cached {
        FileStamp stamp;
        bool settled = false;
        // The burst in which the file was last read; 0 for none.
        unsigned burst = 0;
        ProfileDocument document;
    };

    // The cached document of an existing file, or nullptr when it cannot be
    // read (and then why in `problem`, when given).
    const ProfileDocument* load(const std::filesystem::path& path, std::string* problem);

    std::map<std::string, Cached> m_cache;
    int m_burstDepth = 0;
    unsigned m_burst = 0;
    unsigned m_burstsBegun = 0;
};

} // namespace platform
