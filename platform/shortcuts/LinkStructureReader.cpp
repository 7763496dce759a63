#include "platform/shortcuts/LinkStructureReader.h"

#include "platform/shortcuts/UnicodeText.h"

#include <cstdint>

namespace platform {
namespace {

constexpr uint32_t kHeaderSize = 0x4C;
constexpr std::string_view kLinkClassId{"\x01\x14\x02\x00\x00\x00\x00\x00\xC0\x00\x00\x00\x00\x00\x00\x46", 16};

enum LinkFlag : uint32_t {
    kHasIdList = 0x01,
    kHasLinkInfo = 0x02,
    kHasName = 0x04,
    kHasRelativePath = 0x08,
    kHasWorkingDir = 0x10,
    kHasArguments = 0x20,
    kHasIconLocation = 0x40,
    kIsUnicode = 0x80,
};

enum LinkInfoFlag : uint32_t { kLocalPath = 0x1, kNetworkPath = 0x2 };

// Bounds-checked little-endian reads at offsets within one byte range.
class Bytes {
public:
    explicit Bytes(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    size_t size() const { return m_bytes.size(); }
    Bytes slice(size_t offset, size_t size) const { return Bytes(m_bytes.substr(offset, size)); }

    std::optional<uint32_t> number(size_t offset, size_t width) const
    {
        if (offset > m_bytes.size() || m_bytes.size() - offset < width)
            return std::nullopt;
        uint32_t value = 0;
        for (size_t i = 0; i < width; ++i)
            value |= static_cast<uint32_t>(static_cast<unsigned char>(m_bytes[offset + i])) << (8 * i);
        return value;
    }
    std::optional<uint32_t> u16(size_t offset) const { return number(offset, 2); }
    std::optional<uint32_t> u32(size_t offset) const { return number(offset, 4); }

    // A NUL-terminated 8-bit string, taken as Latin-1.
    std::optional<std::string> narrowString(size_t offset) const
    {
        if (offset >= m_bytes.size())
            return std::nullopt;
        const size_t end = m_bytes.find('\0', offset);
        if (end == std::string_view::npos)
            return std::nullopt;
        return latin1AsUtf8(m_bytes.substr(offset, end - offset));
    }

    // A NUL-terminated UTF-16LE string.
    std::optional<std::string> wideString(size_t offset) const
    {
        for (size_t end = offset; end + 1 < m_bytes.size(); end += 2) {
            if (m_bytes[end] == '\0' && m_bytes[end + 1] == '\0')
                return textAsUtf8(std::string("\xFF\xFE") + std::string(m_bytes.substr(offset, end - offset)));
        }
        return std::nullopt;
    }

    std::string_view view(size_t offset, size_t size) const { return m_bytes.substr(offset, size); }

    static std::string latin1AsUtf8(std::string_view text)
    {
        std::string out;
        for (const char c : text) {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x80) {
                out += c;
            } else {
                out += static_cast<char>(0xC0 | (byte >> 6));
                out += static_cast<char>(0x80 | (byte & 0x3F));
            }
        }
        return out;
    }

private:
    std::string_view m_bytes;
};

// The path the link info names: a local base path, else the network share
// and the common path suffix as a UNC path.
std::optional<std::string> linkInfoTarget(const Bytes& info)
{
    const auto headerSize = info.u32(4);
    const auto flags = info.u32(8);
    const auto localOffset = info.u32(16);
    const auto networkOffset = info.u32(20);
    const auto suffixOffset = info.u32(24);
    if (!headerSize || !flags || !localOffset || !networkOffset || !suffixOffset)
        return std::nullopt;
    const bool wide = *headerSize >= 0x24;
    std::optional<std::string> suffix = info.narrowString(*suffixOffset);
    if (wide) {
        if (const auto wideSuffixOffset = info.u32(32))
            suffix = info.wideString(*wideSuffixOffset);
    }
    if (*flags & kLocalPath) {
        std::optional<std::string> base = info.narrowString(*localOffset);
        if (wide) {
            if (const auto wideBaseOffset = info.u32(28))
                base = info.wideString(*wideBaseOffset);
        }
        if (base)
            return *base + suffix.value_or("");
    }
    if (*flags & kNetworkPath) {
        const auto networkSize = info.u32(*networkOffset);
        if (!networkSize || *networkSize > info.size() - *networkOffset)
            return std::nullopt;
        const Bytes network = info.slice(*networkOffset, *networkSize);
        const auto nameOffset = network.u32(8);
        if (!nameOffset)
            return std::nullopt;
        std::optional<std::string> name = network.narrowString(*nameOffset);
        if (*nameOffset > 0x14) {
            if (const auto wideNameOffset = network.u32(20))
                name = network.wideString(*wideNameOffset);
        }
        if (!name || name->empty())
            return std::nullopt;
        const std::string rest = suffix.value_or("");
        return rest.empty() ? *name : *name + "\\" + rest;
    }
    return std::string();
}

} // namespace

std::optional<LinkFileInfo> readLinkStructure(std::string_view fileBytes)
{
    const Bytes bytes(fileBytes);
    if (bytes.u32(0) != kHeaderSize || bytes.view(4, 16) != kLinkClassId || bytes.size() < kHeaderSize)
        return std::nullopt;
    const uint32_t flags = *bytes.u32(20);
    LinkFileInfo info;
    if (const uint32_t show = *bytes.u32(60); show != 0)
        info.showCommand = static_cast<int>(show);

    size_t at = kHeaderSize;
    if (flags & kHasIdList) {
        const auto size = bytes.u16(at);
        if (!size)
            return std::nullopt;
        at += 2 + *size;
    }
    if (flags & kHasLinkInfo) {
        const auto size = bytes.u32(at);
        if (!size || *size < 0x1C || *size > bytes.size() - at)
            return std::nullopt;
        const std::optional<std::string> target = linkInfoTarget(bytes.slice(at, *size));
        if (!target)
            return std::nullopt;
        info.target = *target;
        at += *size;
    }

    // The counted strings come in this order; the first damaged one ends
    // the reading, the values before it stay.
    std::string ignored;
    const std::pair<uint32_t, std::string*> strings[] = {
        {kHasName, &ignored},
        {kHasRelativePath, &ignored},
        {kHasWorkingDir, &info.workingFolder},
        {kHasArguments, &info.arguments},
        {kHasIconLocation, &info.iconLocation},
    };
    const size_t unitBytes = flags & kIsUnicode ? 2 : 1;
    for (const auto& [flag, value] : strings) {
        if (!(flags & flag))
            continue;
        const auto count = bytes.u16(at);
        if (!count || *count * unitBytes > bytes.size() - at - 2)
            break;
        const std::string_view text = bytes.view(at + 2, *count * unitBytes);
        *value = unitBytes == 2 ? textAsUtf8(std::string("\xFF\xFE") + std::string(text)) : Bytes::latin1AsUtf8(text);
        at += 2 + *count * unitBytes;
    }
    return info;
}

} // namespace platform
