#include "platform/component/PictureStreamForm.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/Picture.h"
#include "support/PictureFileWriter.h"

#include <gtest/gtest.h>

using namespace quorvex::platform::component;
using testsupport::makeBmp;
using testsupport::ownPictureStream;
using testsupport::putU32;
using testsupport::standardPictureObject;
using testsupport::standardPictureStream;

namespace {

// A 3 x 2 bitmap in `bits` per pixel: paletted depths index colours
// (x + y) modulo the palette; direct depths store their own colours.
std::vector<uint8_t> patternBmp(uint16_t bits)
{
    const std::vector<uint32_t> palette = { 0x000000, 0xFF00FF, 0x00FF00, 0x123456 };
    std::vector<uint8_t> rows;
    for (int y = 0; y < 2; ++y) {
        std::vector<uint8_t> row;
        for (int x = 0; x < 3; ++x) {
            uint32_t index = uint32_t(x + y) % (bits == 1 ? 2 : 4);
            uint32_t colour = palette[index];
            if (bits == 1 || bits == 4) {
                size_t bit = size_t(x) * bits;
                if (row.size() <= bit / 8)
                    row.push_back(0);
                row[bit / 8] |= uint8_t(index << (8 - bits - bit % 8));
            } else if (bits == 8) {
                row.push_back(uint8_t(index));
            } else {
                for (int byte = 0; byte < bits / 8; ++byte)
                    row.push_back(byte < 3 ? uint8_t(colour >> (8 * byte)) : 0xFF);
            }
        }
        row.resize((row.size() + 3) / 4 * 4, 0);
        rows.insert(rows.end(), row.begin(), row.end());
    }
    std::vector<uint32_t> used;
    if (bits <= 8)
        used.assign(palette.begin(), palette.begin() + (bits == 1 ? 2 : 4));
    return makeBmp(3, 2, bits, used, rows);
}

std::vector<uint8_t> saved(IPicture* picture)
{
    Ref<MemoryStream> stream = MemoryStream::create();
    EXPECT_EQ(saveObjectToStream(queryInterface<IPersistStream>(picture).get(), stream.get()), kOk);
    return stream->bytes();
}

Ref<IPicture> loadedObject(const std::vector<uint8_t>& bytes, HResult expected = kOk)
{
    Ref<MemoryStream> stream = MemoryStream::create(bytes);
    Ref<IPicture> picture;
    EXPECT_EQ(loadObjectFromStream(stream.get(), IPicture::kIid, picture.putVoid()), expected);
    return picture;
}

std::vector<uint8_t> withClass(const Guid& clsid, const std::vector<uint8_t>& form)
{
    std::vector<uint8_t> out(Guid::kByteSize);
    clsid.toBytes(out.data());
    out.insert(out.end(), form.begin(), form.end());
    return out;
}

class PictureDepth : public testing::TestWithParam<uint16_t> { };

// Whichever form a bitmap arrives in, it is the same picture, and saving
// writes the standard form with the BMP file in its own depth.
TEST_P(PictureDepth, LoadsFromBothFormsAndSavesItsOwnDepthInTheStandardForm)
{
    const std::vector<uint8_t> file = patternBmp(GetParam());
    const Bitmap32 expected = decodeBmp(file);
    ASSERT_TRUE(expected.isValid());
    EXPECT_EQ(expected.rgb(0, 0), 0xFF00FFu) << "top row, first pixel";
    EXPECT_EQ(expected.rgb(0, 1), 0x000000u) << "bottom row, first pixel";
    EXPECT_EQ(expected.rgb(1, 1), 0xFF00FFu) << "bottom row, second pixel";

    const std::vector<uint8_t> standard = standardPictureObject(file);
    for (const std::vector<uint8_t>& form : { standard, withClass(kEarlierPictureClsid, ownPictureStream(1, file)),
             withClass(kStdPictureClsid, ownPictureStream(1, file)) }) {
        Ref<IPicture> picture = loadedObject(form);
        ASSERT_TRUE(picture);
        const Bitmap32* bitmap = nullptr;
        picture->getBitmap(&bitmap);
        ASSERT_NE(bitmap, nullptr);
        EXPECT_EQ(*bitmap, expected);
        EXPECT_EQ(saved(picture.get()), standard);
        uint64_t sizeMax = 0;
        queryInterface<IPersistStream>(picture)->getSizeMax(&sizeMax);
        EXPECT_EQ(sizeMax + Guid::kByteSize, standard.size());
    }
}

INSTANTIATE_TEST_SUITE_P(Bits, PictureDepth, testing::Values(1, 4, 8, 24, 32));

TEST(PictureStreamFormTest, OneBitPictureIsTheseBytes)
{
    // 1 x 1, one bit per pixel, palette black and white, the pixel white.
    const std::vector<uint8_t> golden = {
        0x04, 0x52, 0xE3, 0x0B, 0x91, 0x8F, 0xCE, 0x11, 0x9D, 0xE3, 0x00, 0xAA, 0x00, 0x4B, 0xB8, 0x51, // class
        'l', 't', 0, 0, 66, 0, 0, 0, // marker, count
        'B', 'M', 66, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, // file header
        40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, // info header
        0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, //
        0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0, // palette
        0x80, 0, 0, 0, // the row
    };
    const std::vector<uint8_t> file(golden.begin() + 24, golden.end());
    ASSERT_EQ(makeBmp(1, 1, 1, { 0x000000, 0xFFFFFF }, { 0x80, 0, 0, 0 }), file);
    Ref<IPicture> picture = createPictureFromBmpFile(file);
    ASSERT_TRUE(picture);
    EXPECT_EQ(saved(picture.get()), golden);
    Ref<IPicture> loaded = loadedObject(golden);
    ASSERT_TRUE(loaded);
    const Bitmap32* bitmap = nullptr;
    loaded->getBitmap(&bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->rgb(0, 0), 0xFFFFFFu);
}

TEST(PictureStreamFormTest, EmptyPictureIsAnEmptyStandardFormAndLoadsFromBoth)
{
    const std::vector<uint8_t> standard = standardPictureObject({});
    ASSERT_EQ(standard.size(), 24u);
    EXPECT_EQ(saved(createPictureFromBitmap({}).get()), standard);
    for (const std::vector<uint8_t>& form : { standard, withClass(kEarlierPictureClsid, ownPictureStream(0, {})) }) {
        Ref<IPicture> picture = loadedObject(form);
        ASSERT_TRUE(picture);
        PictureKind kind = PictureKind::Bitmap;
        picture->getKind(&kind);
        EXPECT_EQ(kind, PictureKind::None);
        EXPECT_EQ(saved(picture.get()), standard);
    }
}

std::vector<uint8_t> enhancedMetafileBytes()
{
    std::vector<uint8_t> data(88, 0);
    putU32(data, 0, 1);
    putU32(data, 4, 88);
    putU32(data, 40, 0x464D4520u);
    return data;
}

struct KindCase {
    const char* label;
    std::vector<uint8_t> data;
    PictureKind kind;
};

class StandardFormKind : public testing::TestWithParam<KindCase> { };

// The standard form stores no kind: it is told from the file bytes, and the
// bytes come back unchanged.
TEST_P(StandardFormKind, IsToldFromTheBytesAndKeepsThem)
{
    const KindCase& c = GetParam();
    const std::vector<uint8_t> standard = standardPictureObject(c.data);
    Ref<IPicture> picture = loadedObject(standard);
    ASSERT_TRUE(picture) << c.label;
    PictureKind kind = PictureKind::None;
    picture->getKind(&kind);
    EXPECT_EQ(kind, c.kind) << c.label;
    std::span<const uint8_t> data;
    picture->getData(&data);
    EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.end()), c.data) << c.label;
    EXPECT_EQ(saved(picture.get()), standard) << c.label;
    EXPECT_EQ(saved(createPictureFromData(c.kind, c.data).get()), standard) << c.label;
}

INSTANTIATE_TEST_SUITE_P(Table, StandardFormKind,
    testing::Values(KindCase { "placeable metafile", { 0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 1, 2 }, PictureKind::Metafile },
        KindCase { "plain metafile", { 1, 0, 9, 0, 0, 3, 5, 6 }, PictureKind::Metafile },
        KindCase { "enhanced metafile", enhancedMetafileBytes(), PictureKind::EnhancedMetafile },
        KindCase { "icon", { 0, 0, 1, 0, 1, 0, 16, 16 }, PictureKind::Icon },
        KindCase { "cursor", { 0, 0, 2, 0, 1, 0, 32, 32 }, PictureKind::Icon }));

// Bytes that do not say their kind keep it through the own form; the same
// bytes in the standard form, where nothing tells the kind, are refused.
TEST(PictureStreamFormTest, BytesOfNoKnownKindUseTheOwnFormAndAreRefusedInTheStandardOne)
{
    const std::vector<uint8_t> data = { 9, 9, 9 };
    std::vector<uint8_t> bytes = saved(createPictureFromData(PictureKind::Metafile, data).get());
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + Guid::kByteSize, bytes.end()), ownPictureStream(2, data));
    EXPECT_FALSE(loadedObject(standardPictureObject(data), kInvalidData));
    EXPECT_EQ(pictureStreamFormFor(PictureKind::Bitmap, data), PictureStreamForm::Own);
    EXPECT_EQ(pictureStreamFormFor(PictureKind::None, {}), PictureStreamForm::Standard);
}

// Every cut of either form is refused, and a count past the stream's end is
// refused before the bytes are read or allocated; a complete picture stops
// reading where it ends, leaving what follows for the container.
TEST(PictureStreamFormTest, TruncatedStreamsAreRefusedAndNothingBeyondThePictureIsRead)
{
    const std::vector<uint8_t> file = patternBmp(8);
    for (const std::vector<uint8_t>& form : { standardPictureStream(file), ownPictureStream(1, file) }) {
        for (size_t length = 0; length < form.size(); ++length) {
            Ref<MemoryStream> cut = MemoryStream::create(std::span(form.data(), length));
            Ref<IPicture> loaded;
            EXPECT_LT(loadPicture(cut.get(), IPicture::kIid, loaded.putVoid()), 0) << "length " << length;
            EXPECT_FALSE(loaded);
        }
        std::vector<uint8_t> followed = form;
        followed.insert(followed.end(), { 'n', 'e', 'x', 't' });
        Ref<MemoryStream> stream = MemoryStream::create(followed);
        Ref<IPicture> loaded;
        ASSERT_EQ(loadPicture(stream.get(), IPicture::kIid, loaded.putVoid()), kOk);
        uint64_t position = 0;
        stream->seek(0, SeekOrigin::Current, &position);
        EXPECT_EQ(position, form.size());
    }
    std::vector<uint8_t> overlong = standardPictureStream(file);
    putU32(overlong, 4, uint32_t(file.size() + 1));
    Ref<IPicture> loaded;
    EXPECT_EQ(loadPicture(MemoryStream::create(overlong).get(), IPicture::kIid, loaded.putVoid()), kReadFault);
    putU32(overlong, 4, 0xFFFFFFF0u);
    EXPECT_EQ(loadPicture(MemoryStream::create(overlong).get(), IPicture::kIid, loaded.putVoid()), kTooLarge);
}

TEST(PictureStreamFormTest, StreamsOfNeitherFormOrWithADamagedBitmapAreRefused)
{
    std::vector<uint8_t> damaged = patternBmp(24);
    putU32(damaged, 18, 0x7FFFFFFF);
    for (const std::vector<uint8_t>& bytes : { std::vector<uint8_t> { 'l', 'x', 0, 0, 0, 0, 0, 0 },
             ownPictureStream(9, {}), standardPictureStream(damaged), ownPictureStream(1, damaged) }) {
        Ref<IPicture> loaded;
        EXPECT_EQ(loadPicture(MemoryStream::create(bytes).get(), IPicture::kIid, loaded.putVoid()), kInvalidData);
        EXPECT_FALSE(loaded);
    }
}

} // namespace
