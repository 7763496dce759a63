#pragma once

// Writes minimal shell link (.lnk) files for tests: the 76-byte header, a
// link info block with a local base path, and the string data the launcher
// reads. No target ID list and no extra data beyond the terminal block.

#include <cstdint>
#include <string>

namespace testsupport {

struct LinkFileSpec {
    std::string target;        // ASCII local base path; "" writes no link info
    std::string workingFolder; // "" writes none
    std::string arguments;     // "" writes none
    std::uint32_t showCommand = 1;
};

inline void appendU16(std::string& out, std::uint16_t value)
{
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>(value >> 8);
}

inline void appendU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

// A counted UTF-16LE string; the text is taken as Latin-1.
inline void appendStringData(std::string& out, const std::string& text)
{
    appendU16(out, static_cast<std::uint16_t>(text.size()));
    for (const char c : text)
        appendU16(out, static_cast<unsigned char>(c));
}

inline std::string linkFileBytes(const LinkFileSpec& spec)
{
    constexpr std::uint32_t kHasLinkInfo = 0x02;
    constexpr std::uint32_t kHasWorkingDir = 0x10;
    constexpr std::uint32_t kHasArguments = 0x20;
    constexpr std::uint32_t kIsUnicode = 0x80;

    std::uint32_t flags = kIsUnicode;
    if (!spec.target.empty())
        flags |= kHasLinkInfo;
    if (!spec.workingFolder.empty())
        flags |= kHasWorkingDir;
    if (!spec.arguments.empty())
        flags |= kHasArguments;

    std::string out;
    appendU32(out, 0x4C);
    const unsigned char clsid[16] = {0x01, 0x14, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00,
                                     0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
    out.append(reinterpret_cast<const char*>(clsid), sizeof clsid);
    appendU32(out, flags);
    appendU32(out, 0x20);               // file attributes: archive
    out.append(24, '\0');               // creation, access and write times
    appendU32(out, 0);                  // file size
    appendU32(out, 0);                  // icon index
    appendU32(out, spec.showCommand);
    appendU16(out, 0);                  // hot key
    out.append(10, '\0');               // reserved

    if (flags & kHasLinkInfo) {
        constexpr std::uint32_t kHeaderSize = 0x1C;
        const std::string label(1, '\0');
        const std::uint32_t volumeIdSize = 16 + static_cast<std::uint32_t>(label.size());
        const std::uint32_t volumeIdOffset = kHeaderSize;
        const std::uint32_t basePathOffset = volumeIdOffset + volumeIdSize;
        const std::uint32_t suffixOffset = basePathOffset + static_cast<std::uint32_t>(spec.target.size()) + 1;
        const std::uint32_t size = suffixOffset + 1;
        appendU32(out, size);
        appendU32(out, kHeaderSize);
        appendU32(out, 0x1);            // volume ID and local base path
        appendU32(out, volumeIdOffset);
        appendU32(out, basePathOffset);
        appendU32(out, 0);              // no network location
        appendU32(out, suffixOffset);
        appendU32(out, volumeIdSize);
        appendU32(out, 3);              // fixed drive
        appendU32(out, 0x1234ABCD);     // serial number
        appendU32(out, 0x10);           // label offset
        out += label;
        out += spec.target;
        out += '\0';
        out += '\0';                    // empty common path suffix
    }
    if (flags & kHasWorkingDir)
        appendStringData(out, spec.workingFolder);
    if (flags & kHasArguments)
        appendStringData(out, spec.arguments);
    appendU32(out, 0);                  // terminal extra data block
    return out;
}

} // namespace testsupport
