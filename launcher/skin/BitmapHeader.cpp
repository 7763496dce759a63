#include "launcher/skin/BitmapHeader.h"

#include <cstdlib>

namespace launcher {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr uint32_t kCoreHeaderBytes = 12;
constexpr uint32_t kInfoHeaderBytes = 40;

// Compression codes of the info header.
constexpr uint32_t kUncompressed = 0;
constexpr uint32_t kRunLength8 = 1;
constexpr uint32_t kRunLength4 = 2;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kAlphaBitFields = 6;

// Little-endian fields, read only after the caller checked the length.
uint32_t field32(std::string_view bytes, size_t at)
{
    const auto byte = [&](size_t i) { return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24;
}

uint16_t field16(std::string_view bytes, size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 static_cast<unsigned char>(bytes[at + 1]) << 8);
}

struct Dimensions {
    uint64_t width = 0;
    uint64_t height = 0;
    uint32_t bitsPerPixel = 0;
    uint32_t compression = kUncompressed;
    uint32_t imageBytes = 0; // as the header states it; 0 when not stated
};

BitmapHeaderCheck refused(std::string problem)
{
    return {true, std::move(problem)};
}

} // namespace

BitmapHeaderCheck checkBitmapHeader(std::string_view bytes, std::uint64_t maxPixels)
{
    if (bytes.size() < 2 || bytes.substr(0, 2) != "BM")
        return {};
    if (bytes.size() < kFileHeaderBytes + 4)
        return refused("the bitmap headers are cut short");
    const uint32_t pixelOffset = field32(bytes, 10);
    const uint32_t headerBytes = field32(bytes, kFileHeaderBytes);
    if (headerBytes != kCoreHeaderBytes && headerBytes < kInfoHeaderBytes)
        return refused("the bitmap header has an unknown size");
    if (bytes.size() < kFileHeaderBytes + headerBytes)
        return refused("the bitmap headers are cut short");

    Dimensions size;
    const size_t at = kFileHeaderBytes + 4;
    if (headerBytes == kCoreHeaderBytes) {
        size.width = field16(bytes, at);
        size.height = field16(bytes, at + 2);
        size.bitsPerPixel = field16(bytes, at + 6);
    } else {
        const auto width = static_cast<int32_t>(field32(bytes, at));
        const auto height = static_cast<int32_t>(field32(bytes, at + 4));
        if (width < 0)
            return refused("the bitmap has a negative width");
        size.width = static_cast<uint64_t>(width);
        size.height = static_cast<uint64_t>(std::llabs(static_cast<long long>(height)));
        size.bitsPerPixel = field16(bytes, at + 10);
        size.compression = field32(bytes, at + 12);
        size.imageBytes = field32(bytes, at + 16);
    }
    if (size.width == 0 || size.height == 0)
        return refused("the bitmap has no pixels");
    if (size.width * size.height > maxPixels)
        return refused("the bitmap has " + std::to_string(size.width) + " × " + std::to_string(size.height) +
                       " pixels, more than " + std::to_string(maxPixels));

    uint64_t pixelBytes = 0;
    if (size.compression == kUncompressed || size.compression == kBitFields || size.compression == kAlphaBitFields) {
        if (size.bitsPerPixel == 0 || size.bitsPerPixel > 32)
            return refused("the bitmap has " + std::to_string(size.bitsPerPixel) + " bits per pixel");
        const uint64_t rowBytes = (size.width * size.bitsPerPixel + 31) / 32 * 4;
        pixelBytes = rowBytes * size.height;
    } else if (size.compression == kRunLength8 || size.compression == kRunLength4) {
        // Run-length data has no fixed size; the header's own count is all
        // there is to check against.
        pixelBytes = size.imageBytes;
    }
    if (static_cast<uint64_t>(pixelOffset) + pixelBytes > bytes.size())
        return refused("the bitmap is cut short: its pixels need " +
                       std::to_string(static_cast<uint64_t>(pixelOffset) + pixelBytes) + " bytes, the file has " +
                       std::to_string(bytes.size()));
    return {true, {}};
}

} // namespace launcher
