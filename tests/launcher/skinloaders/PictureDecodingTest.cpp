#include "launcher/skin/BitmapHeader.h"
#include "launcher/skin/SkinPictures.h"

#include "support/TempFolder.h"

#include <QBuffer>
#include <QImage>
#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace launcher;
using testsupport::TempFolder;

namespace {

std::string bitmapBytes(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    image.fill(QColor(200, 40, 90));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes.toStdString();
}

void put32(std::string& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// The width and height fields of the info header.
constexpr size_t kWidthAt = 18;
constexpr size_t kHeightAt = 22;
constexpr size_t kCompressionAt = 30;
constexpr size_t kImageBytesAt = 34;

} // namespace

// A decoder handed a cut file fills the rest with black and calls it a
// success, which once gave a black, unshaped window; the header check must
// refuse every cut, and accept the whole file.
TEST(BitmapHeader, EveryCutOfABitmapIsRefused)
{
    const std::string whole = bitmapBytes(30, 20);
    EXPECT_EQ(checkBitmapHeader(whole).problem, "");
    EXPECT_TRUE(checkBitmapHeader(whole).isBitmap);
    for (size_t length = 2; length < whole.size(); ++length) {
        const BitmapHeaderCheck cut = checkBitmapHeader(std::string_view(whole).substr(0, length));
        EXPECT_TRUE(cut.isBitmap);
        EXPECT_NE(cut.problem, "") << "cut at " << length;
    }
}

TEST(BitmapHeader, HeaderValuesThatCannotBeAPicture)
{
    struct Case {
        const char* name;
        size_t at;
        uint32_t value;
        const char* problem;
    };
    const Case cases[] = {
        {"too many pixels", kWidthAt, 4000000, "pixels, more than"},
        {"no width", kWidthAt, 0, "no pixels"},
        {"no height", kHeightAt, 0, "no pixels"},
        {"negative width", kWidthAt, static_cast<uint32_t>(-30), "negative width"},
        {"run length beyond the file", kCompressionAt, 1, "cut short"},
        {"unknown header size", 14, 20, "unknown size"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        std::string bytes = bitmapBytes(30, 20, QImage::Format_Indexed8);
        put32(bytes, test.at, test.value);
        if (test.at == kCompressionAt)
            put32(bytes, kImageBytesAt, static_cast<uint32_t>(bytes.size()));
        EXPECT_NE(checkBitmapHeader(bytes).problem.find(test.problem), std::string::npos)
            << checkBitmapHeader(bytes).problem;
    }
    // Bottom-up and top-down rows need the same bytes.
    std::string topDown = bitmapBytes(30, 20);
    put32(topDown, kHeightAt, static_cast<uint32_t>(-20));
    EXPECT_EQ(checkBitmapHeader(topDown).problem, "");
}

TEST(BitmapHeader, OtherFormatsAreLeftToTheDecoder)
{
    for (std::string_view bytes : {std::string_view(""), std::string_view("B"), std::string_view("\x89PNG\r\n")}) {
        EXPECT_FALSE(checkBitmapHeader(bytes).isBitmap);
        EXPECT_EQ(checkBitmapHeader(bytes).problem, "");
    }
}

TEST(DecodePictureFile, OnlyWholePicturesInRegularFilesDecode)
{
    TempFolder folder;
    const std::string whole = bitmapBytes(30, 20);
    const DecodedPicture good = DecodePictureFile(folder.write("good.bmp", whole).string());
    EXPECT_EQ(good.error, "");
    EXPECT_EQ(good.image.size(), QSize(30, 20));
    EXPECT_EQ(good.image.pixelColor(29, 19), QColor(200, 40, 90));

    const auto fifo = folder.path() / "fifo.bmp";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_directory(folder.path() / "folder.bmp");
    const std::string refused[] = {
        folder.write("cut.bmp", whole.substr(0, 100)).string(),
        folder.write("empty.bmp", "").string(),
        folder.write("text.bmp", "not a picture at all").string(),
        fifo.string(),
        (folder.path() / "folder.bmp").string(),
    };
    for (const std::string& path : refused) {
        const DecodedPicture bad = DecodePictureFile(path);
        EXPECT_TRUE(bad.image.isNull()) << path;
        EXPECT_FALSE(bad.missing) << path;
        EXPECT_NE(bad.error.find(path), std::string::npos) << bad.error;
    }
    const DecodedPicture missing = DecodePictureFile((folder.path() / "absent.bmp").string());
    EXPECT_TRUE(missing.missing);
    EXPECT_TRUE(missing.image.isNull());
}
