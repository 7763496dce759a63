#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace platform {

// Size limits for the kinds of file that come from skins and shortcut
// folders. They are far above anything a real skin or shortcut holds and far
// below what would exhaust memory when a file name points at a device or a
// file that is mostly holes.
namespace readLimits {
inline constexpr std::uint64_t kIniBytes = 16ull << 20;
inline constexpr std::uint64_t kShortcutBytes = 1ull << 20;
inline constexpr std::uint64_t kBitmapBytes = 256ull << 20;
inline constexpr std::uint64_t kFontBytes = 64ull << 20;
} // namespace readLimits

// Reads files that the launcher did not write and cannot trust to be files:
// a name ending in ".desktop" or ".bmp" may be a link to a device, a FIFO or
// a folder. Only regular files (after following links) of at most
// `maxBytes` are read. The file is opened non-blocking so that opening a FIFO
// returns at once; the flag is cleared before reading a regular file.
class BoundedFileReader {
public:
    explicit BoundedFileReader(std::uint64_t maxBytes)
        : m_maxBytes(maxBytes)
    {
    }

    // Reads the whole file into `bytes`. Returns an empty string on success,
    // otherwise a one-line message naming the file; `bytes` is then empty.
    std::string read(const std::filesystem::path& path, std::string& bytes) const;

    // Checks, without reading, that `path` is a regular file within the
    // limit, for readers that open the file by name themselves. Returns an
    // empty string when it is, otherwise a message naming the file.
    std::string check(const std::filesystem::path& path) const;

private:
    std::uint64_t m_maxBytes;
};

// Writes `error`, when there is one, as one line on stderr. A file that
// cannot be read is skipped like a malformed one, and this line is the only
// place that says why.
void reportSkippedFile(const std::string& error);

} // namespace platform
