#pragma once

// Writes minimal shell link (.lnk) files for tests: the 76-byte header, a
// link info block with a local base path or a network share, and the string
// data the launcher reads, optionally damaged after those parts. No target
// ID list and no extra data beyond the terminal block.

#include <cstdint>
#include <string>

namespace testsupport {

// Damage found in real links after the parts a launcher needs.
enum class LinkDamage {
    None,
    BrokenExtraBlock,  // an extra data block whose size runs past the file
    OverlongLastString // the last string's count runs past the file
};

struct LinkFileSpec {
    std::string target;        // ASCII local base path; "" writes no link info
    std::string workingFolder; // "" writes none
    std::string arguments;     // "" writes none
    std::uint32_t showCommand = 1;
    std::string networkShare;  // "\\\\server\\share": the target is then the path below it
    std::string iconLocation;  // "" writes none
    LinkDamage damage = LinkDamage::None;
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

// Link info naming a local base path (ASCII).
inline std::string localLinkInfo(const std::string& target)
{
    constexpr std::uint32_t kHeaderSize = 0x1C;
    const std::string label(1, '\0');
    const std::uint32_t volumeIdSize = 16 + static_cast<std::uint32_t>(label.size());
    const std::uint32_t volumeIdOffset = kHeaderSize;
    const std::uint32_t basePathOffset = volumeIdOffset + volumeIdSize;
    const std::uint32_t suffixOffset = basePathOffset + static_cast<std::uint32_t>(target.size()) + 1;
    std::string out;
    appendU32(out, suffixOffset + 1);
    appendU32(out, kHeaderSize);
    appendU32(out, 0x1);                // volume ID and local base path
    appendU32(out, volumeIdOffset);
    appendU32(out, basePathOffset);
    appendU32(out, 0);                  // no network location
    appendU32(out, suffixOffset);
    appendU32(out, volumeIdSize);
    appendU32(out, 3);                  // fixed drive
    appendU32(out, 0x1234ABCD);         // serial number
    appendU32(out, 0x10);               // label offset
    out += label;
    out += target;
    out += '\0';
    out += '\0';                        // empty common path suffix
    return out;
}

// Link info naming a network share (ASCII) and the path below it.
inline std::string networkLinkInfo(const std::string& share, const std::string& suffix)
{
    constexpr std::uint32_t kHeaderSize = 0x1C;
    constexpr std::uint32_t kNetworkHeaderSize = 0x14;
    const std::uint32_t networkSize = kNetworkHeaderSize + static_cast<std::uint32_t>(share.size()) + 1;
    const std::uint32_t suffixOffset = kHeaderSize + networkSize;
    std::string out;
    appendU32(out, suffixOffset + static_cast<std::uint32_t>(suffix.size()) + 1);
    appendU32(out, kHeaderSize);
    appendU32(out, 0x2);                // network location and path suffix
    appendU32(out, 0);                  // no volume ID
    appendU32(out, 0);                  // no local base path
    appendU32(out, kHeaderSize);        // network location right after the header
    appendU32(out, suffixOffset);
    appendU32(out, networkSize);
    appendU32(out, 0x2);                // valid network provider type field
    appendU32(out, kNetworkHeaderSize); // share name offset
    appendU32(out, 0);                  // no device name
    appendU32(out, 0x20000);            // provider: LanMan
    out += share;
    out += '\0';
    out += suffix;
    out += '\0';
    return out;
}

inline std::string linkFileBytes(const LinkFileSpec& spec)
{
    constexpr std::uint32_t kHasLinkInfo = 0x02;
    constexpr std::uint32_t kHasWorkingDir = 0x10;
    constexpr std::uint32_t kHasArguments = 0x20;
    constexpr std::uint32_t kHasIconLocation = 0x40;
    constexpr std::uint32_t kIsUnicode = 0x80;

    std::uint32_t flags = kIsUnicode;
    if (!spec.target.empty() || !spec.networkShare.empty())
        flags |= kHasLinkInfo;
    if (!spec.iconLocation.empty())
        flags |= kHasIconLocation;
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

    if (flags & kHasLinkInfo)
        out += spec.networkShare.empty() ? localLinkInfo(spec.target) : networkLinkInfo(spec.networkShare, spec.target);
    size_t lastCountAt = 0;
    const auto appendString = [&](const std::string& text) {
        lastCountAt = out.size();
        appendStringData(out, text);
    };
    if (flags & kHasWorkingDir)
        appendString(spec.workingFolder);
    if (flags & kHasArguments)
        appendString(spec.arguments);
    if (flags & kHasIconLocation)
        appendString(spec.iconLocation);
    if (spec.damage == LinkDamage::OverlongLastString) {
        out[lastCountAt + 1] = static_cast<char>(0x7F); // count raised by 0x7F00 characters
        return out;
    }
    if (spec.damage == LinkDamage::BrokenExtraBlock) {
        appendU32(out, 0x400);          // a block size far past the end
        appendU32(out, 0xA0000003);     // tracker block signature
        out.append(12, '\x7F');
        return out;
    }
    appendU32(out, 0);                  // terminal extra data block
    return out;
}

} // namespace testsupport
