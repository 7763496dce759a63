#pragma once

// Writes the picture files and picture streams tests read: uncompressed BMP
// files in any depth, and the two stream forms of a picture (the standard
// "lt\0\0" one with its class identifier in front, and the "QPic" one).

#include <cstdint>
#include <span>
#include <vector>

namespace testsupport {

inline void putU32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void appendU32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.resize(out.size() + 4);
    putU32(out, out.size() - 4, value);
}

// A BMP with a 40-byte header; `pixelData` holds the rows as they lie in the
// file (bottom row first when `height` is positive), padding included.
inline std::vector<std::uint8_t> makeBmp(std::int32_t width, std::int32_t height, std::uint16_t bits,
    std::vector<std::uint32_t> palette, std::vector<std::uint8_t> pixelData)
{
    std::size_t paletteBytes = palette.size() * 4;
    std::vector<std::uint8_t> file(14 + 40 + paletteBytes);
    file[0] = 'B';
    file[1] = 'M';
    putU32(file, 10, std::uint32_t(14 + 40 + paletteBytes));
    putU32(file, 14, 40);
    putU32(file, 18, std::uint32_t(width));
    putU32(file, 22, std::uint32_t(height));
    file[26] = 1;
    file[28] = static_cast<std::uint8_t>(bits);
    putU32(file, 46, std::uint32_t(palette.size()));
    for (std::size_t i = 0; i < palette.size(); ++i)
        putU32(file, 54 + i * 4, palette[i]);
    file.insert(file.end(), pixelData.begin(), pixelData.end());
    putU32(file, 2, std::uint32_t(file.size()));
    return file;
}

// The standard picture's class identifier as it lies in a stream.
inline const std::vector<std::uint8_t> kStandardPictureClassBytes = {
    0x04,
    0x52,
    0xE3,
    0x0B,
    0x91,
    0x8F,
    0xCE,
    0x11,
    0x9D,
    0xE3,
    0x00,
    0xAA,
    0x00,
    0x4B,
    0xB8,
    0x51,
};

// "lt\0\0", the byte count, the file bytes.
inline std::vector<std::uint8_t> standardPictureStream(std::span<const std::uint8_t> file)
{
    std::vector<std::uint8_t> out = { 'l', 't', 0, 0 };
    appendU32(out, std::uint32_t(file.size()));
    out.insert(out.end(), file.begin(), file.end());
    return out;
}

// The class identifier in front of the standard form, as containers store
// an object.
inline std::vector<std::uint8_t> standardPictureObject(std::span<const std::uint8_t> file)
{
    std::vector<std::uint8_t> out = kStandardPictureClassBytes;
    std::vector<std::uint8_t> stream = standardPictureStream(file);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

// "QPic", the kind, two zero bytes, the byte count, the file bytes.
inline std::vector<std::uint8_t> ownPictureStream(std::uint16_t kind, std::span<const std::uint8_t> file)
{
    std::vector<std::uint8_t> out
        = { 'Q', 'P', 'i', 'c', static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(kind >> 8), 0, 0 };
    appendU32(out, std::uint32_t(file.size()));
    out.insert(out.end(), file.begin(), file.end());
    return out;
}

} // namespace testsupport
