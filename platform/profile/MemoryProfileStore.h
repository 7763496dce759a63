#pragma once

#include "platform/profile/ProfileDocument.h"
#include "platform/profile/ProfileStore.h"

#include <map>
#include <vector>

namespace platform {

// A profile store held in memory, for tests: files are texts by path, and
// every write is recorded in order.
class MemoryProfileStore final : public ProfileStore {
public:
    struct Write {
        std::string file, section, key, value;
    };

    void setText(const std::string& file, std::string text) { m_files[file] = ProfileDocument(std::move(text)); }
    std::optional<std::string> text(const std::string& file) const;
    const std::vector<Write>& writes() const { return m_writes; }

    std::optional<std::string> read(const std::string& file, std::string_view section,
                                    std::string_view key) override;
    std::string write(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view value) override;
    std::string readProblem(const std::string& file) override;

private:
    std::map<std::string, ProfileDocument> m_files;
    std::vector<Write> m_writes;
};

} // namespace platform
