#include "platform/profile/MemoryProfileStore.h"

namespace platform {

std::optional<std::string> MemoryProfileStore::text(const std::string& file) const
{
    auto it = m_files.find(file);
    if (it == m_files.end())
        return std::nullopt;
    return it->second.text();
}

std::optional<std::string> MemoryProfileStore::read(const std::string& file, std::string_view section,
                                                    std::string_view key)
{
    auto it = m_files.find(file);
    if (it == m_files.end())
        return std::nullopt;
    return it->second.value(section, key);
}

std::string MemoryProfileStore::write(const std::string& file, std::string_view section, std::string_view key,
                                      std::string_view value)
{
    if (std::string problem = ProfileDocument::entryProblem(section, key, value); !problem.empty())
        return problem;
    m_files[file].setValue(section, key, value);
    m_writes.push_back({file, std::string(section), std::string(key), std::string(value)});
    return {};
}

std::string MemoryProfileStore::readProblem(const std::string& file)
{
    return m_files.count(file) ? std::string() : "cannot read " + file + ": No such file or directory";
}

} // namespace platform
