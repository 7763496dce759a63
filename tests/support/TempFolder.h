#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace testsupport {

// A fresh folder below the system's temporary folder, removed again when the
// test ends.
class TempFolder {
public:
    TempFolder()
        : TempFolder(std::filesystem::temp_directory_path())
    {
    }
    // Below `base` instead, for tests that need a file system of a kind.
    explicit TempFolder(const std::filesystem::path& base)
    {
        std::string pattern = (base / "quorvex-test-XXXXXX").string();
        m_path = ::mkdtemp(pattern.data());
    }
    ~TempFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string str() const { return m_path.string() + "/"; }

    // Writes a file below the folder, creating the folders on the way.
    std::filesystem::path write(const std::string& relative, std::string_view bytes) const
    {
        const std::filesystem::path file = m_path / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file;
    }

    std::string read(const std::string& relative) const
    {
        std::ifstream in(m_path / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path m_path;
};

} // namespace testsupport
