#pragma once

#include "platform/profile/ProfileDocument.h"
#include "platform/profile/ProfileStore.h"

#include <filesystem>
#include <map>

namespace platform {

// Profile files on disk. A skin is read key by key (thousands of keys for a
// large skin), so parsed files are kept and only re-read when the file's
// modification time or size changes. File names are found without regard to
// letter case. Writes replace the file atomically.
class FileProfileStore final : public ProfileStore {
public:
    std::optional<std::string> read(const std::string& file, std::string_view section,
                                    std::string_view key) override;
    std::string write(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view value) override;

private:
    struct Cached {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        ProfileDocument document;
    };

    // The cached document of an existing file, or nullptr when it cannot be read.
    const ProfileDocument* load(const std::filesystem::path& path);

    std::map<std::string, Cached> m_cache;
};

} // namespace platform
