#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace soundtest {

// Builds wave files byte by byte, so that every test states exactly what the
// header says (including the lies a broken file tells).
struct WavLayout {
    std::uint16_t formatCode = 1;
    std::uint16_t channels = 1;
    std::uint32_t sampleRate = 8000;
    std::uint16_t bitsPerSample = 16;
    std::uint32_t frames = 800;
    bool extensible = false;
    // When set, the data chunk's size field claims this many bytes.
    std::int64_t claimedDataBytes = -1;
};

inline void appendU16(std::string& out, std::uint16_t value)
{
    out.push_back(static_cast<char>(value & 0xFF));
    out.push_back(static_cast<char>(value >> 8));
}

inline void appendU32(std::string& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

inline std::string formatChunk(const WavLayout& layout)
{
    std::string body;
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(layout.channels * layout.bitsPerSample / 8);
    appendU16(body, layout.extensible ? 0xFFFE : layout.formatCode);
    appendU16(body, layout.channels);
    appendU32(body, layout.sampleRate);
    appendU32(body, layout.sampleRate * blockAlign);
    appendU16(body, blockAlign);
    appendU16(body, layout.bitsPerSample);
    if (layout.extensible) {
        appendU16(body, 22);
        appendU16(body, layout.bitsPerSample);
        appendU32(body, 0);
        appendU16(body, layout.formatCode);
        body.append(14, '\x11'); // rest of the sub-format identifier
    }
    std::string chunk = "fmt ";
    appendU32(chunk, static_cast<std::uint32_t>(body.size()));
    return chunk + body;
}

// Sample bytes count up from 0, so a conversion test can tell them apart.
inline std::string dataChunk(const WavLayout& layout)
{
    const std::size_t bytes = std::size_t{layout.frames} * layout.channels * layout.bitsPerSample / 8;
    std::string chunk = "data";
    appendU32(chunk, layout.claimedDataBytes >= 0 ? static_cast<std::uint32_t>(layout.claimedDataBytes)
                                                : static_cast<std::uint32_t>(bytes));
    for (std::size_t i = 0; i < bytes; ++i)
        chunk.push_back(static_cast<char>(i & 0xFF));
    return chunk;
}

inline std::string riff(const std::string& chunks)
{
    std::string file = "RIFF";
    appendU32(file, static_cast<std::uint32_t>(chunks.size() + 4));
    return file + "WAVE" + chunks;
}

inline std::string wavFile(const WavLayout& layout)
{
    return riff(formatChunk(layout) + dataChunk(layout));
}

inline std::vector<std::byte> toBytes(const std::string& text)
{
    std::vector<std::byte> bytes(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        bytes[i] = static_cast<std::byte>(text[i]);
    return bytes;
}

} // namespace soundtest
