#include "platform/component/Bitmap32.h"

#include <bit>

namespace quorvex::platform::component {

Bitmap32::Bitmap32(int32_t w, int32_t h, uint32_t fill)
    : width(w)
    , height(h)
    , pixels(size_t(w > 0 ? w : 0) * size_t(h > 0 ? h : 0), fill)
{
}

namespace {

uint32_t readU32(std::span<const uint8_t> b, size_t at)
{
    return uint32_t(b[at]) | (uint32_t(b[at + 1]) << 8) | (uint32_t(b[at + 2]) << 16) | (uint32_t(b[at + 3]) << 24);
}

uint16_t readU16(std::span<const uint8_t> b, size_t at)
{
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

void writeU32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void writeU16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

Bitmap32 fail(std::string* error, const char* message)
{
    if (error)
        *error = message;
    return {};
}

// Scales a masked channel to 8 bits; a zero mask gives `absent`.
uint8_t channel(uint32_t value, uint32_t mask, uint8_t absent)
{
    if (mask == 0)
        return absent;
    int shift = std::countr_zero(mask);
    uint32_t maximum = mask >> shift;
    return static_cast<uint8_t>(((value & mask) >> shift) * 255u / maximum);
}

} // namespace

// File header (14 bytes) then an information header of at least 40 bytes;
// every offset is checked against the file size before it is read.
Bitmap32 decodeBmp(std::span<const uint8_t> file, std::string* error)
{
    if (file.size() < 14 + 40 || file[0] != 'B' || file[1] != 'M')
        return fail(error, "not a BMP file");
    uint32_t dataOffset = readU32(file, 10);
    uint32_t headerSize = readU32(file, 14);
    if (headerSize < 40 || 14 + uint64_t(headerSize) > file.size())
        return fail(error, "unsupported BMP header");
    int32_t width = static_cast<int32_t>(readU32(file, 18));
    int32_t rawHeight = static_cast<int32_t>(readU32(file, 22));
    uint16_t bitsPerPixel = readU16(file, 28);
    uint32_t compression = readU32(file, 30);
    uint32_t coloursUsed = readU32(file, 46);
    if (rawHeight == INT32_MIN)
        return fail(error, "BMP size out of range");
    bool topDown = rawHeight < 0;
    int32_t height = topDown ? -rawHeight : rawHeight;
    if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide
        || int64_t(width) * height > kMaxBitmapPixels)
        return fail(error, "BMP size out of range");

    uint32_t redMask = 0, greenMask = 0, blueMask = 0, alphaMask = 0;
    if (compression == 3) {
        if (bitsPerPixel != 16 && bitsPerPixel != 32)
            return fail(error, "colour masks need 16 or 32 bits per pixel");
        size_t masksAt = 14 + 40;
        if (masksAt + 12 > file.size())
            return fail(error, "BMP colour masks missing");
        redMask = readU32(file, masksAt);
        greenMask = readU32(file, masksAt + 4);
        blueMask = readU32(file, masksAt + 8);
        if (headerSize >= 56)
            alphaMask = readU32(file, masksAt + 12);
    } else if (compression == 0) {
        if (bitsPerPixel == 16) {
            redMask = 0x7C00;
            greenMask = 0x03E0;
            blueMask = 0x001F;
        }
    } else {
        return fail(error, "compressed BMP files are not supported");
    }

    std::vector<uint32_t> palette;
    if (bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8) {
        uint32_t maximum = 1u << bitsPerPixel;
        uint32_t count = coloursUsed == 0 ? maximum : coloursUsed;
        if (count > maximum)
            return fail(error, "BMP palette too large");
        size_t paletteAt = 14 + size_t(headerSize);
        if (paletteAt + size_t(count) * 4 > file.size())
            return fail(error, "BMP palette truncated");
        for (uint32_t i = 0; i < count; ++i) {
            size_t at = paletteAt + size_t(i) * 4;
            palette.push_back(0xFF000000u | (uint32_t(file[at + 2]) << 16) | (uint32_t(file[at + 1]) << 8) | file[at]);
        }
    } else if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) {
        return fail(error, "unsupported BMP bit depth");
    }

    uint64_t rowBytes = ((uint64_t(width) * bitsPerPixel + 31) / 32) * 4;
    if (dataOffset > file.size() || rowBytes * uint64_t(height) > file.size() - dataOffset)
        return fail(error, "BMP pixel data truncated");

    Bitmap32 bitmap(width, height);
    for (int32_t row = 0; row < height; ++row) {
        int32_t y = topDown ? row : height - 1 - row;
        size_t rowAt = dataOffset + size_t(row) * size_t(rowBytes);
        for (int32_t x = 0; x < width; ++x) {
            uint32_t argb = 0xFF000000u;
            switch (bitsPerPixel) {
            case 1:
            case 4:
            case 8: {
                size_t bit = size_t(x) * bitsPerPixel;
                uint8_t byte = file[rowAt + bit / 8];
                uint32_t index = (byte >> (8 - bitsPerPixel - bit % 8)) & ((1u << bitsPerPixel) - 1);
                // An index beyond the palette reads as black rather than past it.
                argb = index < palette.size() ? palette[index] : 0xFF000000u;
                break;
            }
            case 16: {
                uint32_t v = readU16(file, rowAt + size_t(x) * 2);
                argb = 0xFF000000u | (uint32_t(channel(v, redMask, 0)) << 16) | (uint32_t(channel(v, greenMask, 0)) << 8)
                    | channel(v, blueMask, 0);
                break;
            }
            case 24: {
                size_t at = rowAt + size_t(x) * 3;
                argb = 0xFF000000u | (uint32_t(file[at + 2]) << 16) | (uint32_t(file[at + 1]) << 8) | file[at];
                break;
            }
            case 32: {
                uint32_t v = readU32(file, rowAt + size_t(x) * 4);
                if (compression == 3) {
                    argb = (uint32_t(channel(v, alphaMask, 255)) << 24) | (uint32_t(channel(v, redMask, 0)) << 16)
                        | (uint32_t(channel(v, greenMask, 0)) << 8) | channel(v, blueMask, 0);
                } else {
                    argb = 0xFF000000u | (v & 0x00FFFFFFu);
                }
                break;
            }
            }
            bitmap.setPixel(x, y, argb);
        }
    }
    return bitmap;
}

// 32 bits per pixel with explicit masks, so the alpha channel survives a
// round trip.
namespace {

constexpr uint32_t kEncodedInfoHeaderBytes = 56;
constexpr uint32_t kEncodedDataOffset = 14 + kEncodedInfoHeaderBytes;

} // namespace

uint64_t encodedBmpBytes(const Bitmap32& bitmap)
{
    if (!bitmap.isValid())
        return 0;
    return kEncodedDataOffset + uint64_t(bitmap.width) * uint64_t(bitmap.height) * 4;
}

std::vector<uint8_t> encodeBmp(const Bitmap32& bitmap)
{
    // The header's size fields have 32 bits.
    if (!bitmap.isValid() || encodedBmpBytes(bitmap) > UINT32_MAX)
        return {};
    const uint32_t headerSize = kEncodedInfoHeaderBytes;
    const uint32_t dataOffset = kEncodedDataOffset;
    const uint32_t dataSize = uint32_t(bitmap.width) * uint32_t(bitmap.height) * 4;
    std::vector<uint8_t> out;
    out.reserve(dataOffset + dataSize);
    out.push_back('B');
    out.push_back('M');
    writeU32(out, dataOffset + dataSize);
    writeU32(out, 0);
    writeU32(out, dataOffset);
    writeU32(out, headerSize);
    writeU32(out, uint32_t(bitmap.width));
    writeU32(out, uint32_t(bitmap.height));
    writeU16(out, 1);
    writeU16(out, 32);
    writeU32(out, 3);
    writeU32(out, dataSize);
    writeU32(out, 3780); // 96 pixels per inch
    writeU32(out, 3780);
    writeU32(out, 0);
    writeU32(out, 0);
    writeU32(out, 0x00FF0000u);
    writeU32(out, 0x0000FF00u);
    writeU32(out, 0x000000FFu);
    writeU32(out, 0xFF000000u);
    for (int32_t y = bitmap.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < bitmap.width; ++x)
            writeU32(out, bitmap.pixel(x, y));
    }
    return out;
}

std::vector<uint8_t> encodeIcon(std::span<const Bitmap32> images)
{
    constexpr uint32_t kDirectoryBytes = 6;
    constexpr uint32_t kEntryBytes = 16;
    constexpr uint32_t kImageHeaderBytes = 40;
    if (images.empty() || images.size() > UINT16_MAX)
        return {};
    auto maskRowBytes = [](int32_t width) { return uint32_t((width + 31) / 32 * 4); };
    std::vector<uint8_t> out;
    writeU16(out, 0);
    writeU16(out, 1); // icons, not cursors
    writeU16(out, uint16_t(images.size()));
    uint32_t offset = kDirectoryBytes + kEntryBytes * uint32_t(images.size());
    for (const Bitmap32& image : images) {
        if (!image.isValid() || image.width > 256 || image.height > 256)
            return {};
        uint32_t bytes = kImageHeaderBytes + uint32_t(image.width * image.height) * 4
            + maskRowBytes(image.width) * uint32_t(image.height);
        out.push_back(uint8_t(image.width)); // 256 is written as 0
        out.push_back(uint8_t(image.height));
        out.push_back(0); // no palette
        out.push_back(0);
        writeU16(out, 1);
        writeU16(out, 32);
        writeU32(out, bytes);
        writeU32(out, offset);
        offset += bytes;
    }
    for (const Bitmap32& image : images) {
        // The image's header counts the colour rows and the mask rows.
        writeU32(out, kImageHeaderBytes);
        writeU32(out, uint32_t(image.width));
        writeU32(out, uint32_t(image.height) * 2);
        writeU16(out, 1);
        writeU16(out, 32);
        for (int field = 0; field < 6; ++field)
            writeU32(out, 0); // uncompressed; sizes and resolution unstated
        for (int32_t y = image.height - 1; y >= 0; --y)
            for (int32_t x = 0; x < image.width; ++x)
                writeU32(out, image.pixel(x, y));
        for (int32_t y = image.height - 1; y >= 0; --y) {
            std::vector<uint8_t> row(maskRowBytes(image.width), 0);
            for (int32_t x = 0; x < image.width; ++x)
                if ((image.pixel(x, y) >> 24) == 0)
                    row[size_t(x) / 8] |= uint8_t(0x80u >> (x % 8));
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

} // namespace quorvex::platform::component
