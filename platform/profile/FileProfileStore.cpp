#include "platform/profile/FileProfileStore.h"

#include "platform/files/AtomicFile.h"
#include "platform/files/CaseInsensitivePath.h"

#include <system_error>

namespace platform {

namespace fs = std::filesystem;

const ProfileDocument* FileProfileStore::load(const fs::path& path)
{
    std::error_code error;
    const auto modified = fs::last_write_time(path, error);
    if (error)
        return nullptr;
    const auto size = fs::file_size(path, error);
    if (error)
        return nullptr;

    auto it = m_cache.find(path.string());
    if (it != m_cache.end() && it->second.modified == modified && it->second.size == size)
        return &it->second.document;

    std::string bytes;
    if (!readWholeFile(path, bytes))
        return nullptr;
    Cached& entry = m_cache[path.string()];
    entry.modified = modified;
    entry.size = size;
    entry.document = ProfileDocument(std::move(bytes));
    return &entry.document;
}

std::optional<std::string> FileProfileStore::read(const std::string& file, std::string_view section,
                                                  std::string_view key)
{
    const ProfileDocument* document = load(resolveCaseInsensitive(file));
    if (!document)
        return std::nullopt;
    return document->value(section, key);
}

std::string FileProfileStore::write(const std::string& file, std::string_view section, std::string_view key,
                                    std::string_view value)
{
    const fs::path path = resolveCaseInsensitive(file);
    std::error_code error;
    ProfileDocument document;
    if (fs::exists(path, error)) {
        const ProfileDocument* existing = load(path);
        if (!existing)
            return "cannot read " + path.string();
        document = *existing;
    }
    document.setValue(section, key, value);
    std::string failure = writeFileAtomically(path, document.text());
    m_cache.erase(path.string());
    return failure;
}

} // namespace platform
