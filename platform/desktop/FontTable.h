#pragma once

#include <map>
#include <string>
#include <vector>

namespace platform {

// Fonts made available to this process while a skin is in use.
class FontTable {
public:
    virtual ~FontTable() = default;
    virtual void add(const std::string& fontFile) = 0;
    virtual void remove(const std::string& fontFile) = 0;
};

class QtFontTable final : public FontTable {
public:
    void add(const std::string& fontFile) override;
    void remove(const std::string& fontFile) override;

private:
    std::map<std::string, int> m_ids; // font file -> application font id
};

class RecordingFontTable final : public FontTable {
public:
    void add(const std::string& fontFile) override { m_calls.push_back("add " + fontFile); }
    void remove(const std::string& fontFile) override { m_calls.push_back("remove " + fontFile); }
    const std::vector<std::string>& calls() const { return m_calls; }

private:
    std::vector<std::string> m_calls;
};

} // namespace platform
