#include "platform/component/Dispatch.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/Picture.h"
#include "platform/component/StreamIo.h"
#include "support/PictureFileWriter.h"

#include <gtest/gtest.h>

using namespace quorvex::platform::component;

namespace {

using testsupport::makeBmp;
using testsupport::putU32;

TEST(BmpTest, Reads24BitBottomUpRowsWithPadding)
{
    // 2 x 2: bottom row blue, red; top row green, white. Rows pad to 8 bytes.
    std::vector<uint8_t> pixels = { 255, 0, 0, 0, 0, 255, 0, 0, 0, 255, 0, 255, 255, 255, 0, 0 };
    Bitmap32 bitmap = decodeBmp(makeBmp(2, 2, 24, {}, pixels));
    ASSERT_TRUE(bitmap.isValid());
    EXPECT_EQ(bitmap.rgb(0, 0), 0x00FF00u);
    EXPECT_EQ(bitmap.rgb(1, 0), 0xFFFFFFu);
    EXPECT_EQ(bitmap.rgb(0, 1), 0x0000FFu);
    EXPECT_EQ(bitmap.rgb(1, 1), 0xFF0000u);
}

TEST(BmpTest, ReadsPalettedTopDownRows)
{
    // 3 x 1, 4 bits per pixel, indices 1, 0, 1; top-down (negative height).
    std::vector<uint8_t> pixels = { 0x10, 0x10, 0, 0 };
    Bitmap32 bitmap = decodeBmp(makeBmp(3, -1, 4, { 0x000000, 0xFF00FF }, pixels));
    ASSERT_TRUE(bitmap.isValid());
    EXPECT_EQ(bitmap.rgb(0, 0), 0xFF00FFu);
    EXPECT_EQ(bitmap.rgb(1, 0), 0x000000u);
    EXPECT_EQ(bitmap.rgb(2, 0), 0xFF00FFu);
}

TEST(BmpTest, EncodedBitmapsDecodeUnchanged)
{
    Bitmap32 original(5, 3);
    for (int32_t y = 0; y < 3; ++y)
        for (int32_t x = 0; x < 5; ++x)
            original.setPixel(x, y, 0x80000000u | uint32_t(x * 40) << 16 | uint32_t(y * 90));
    EXPECT_EQ(decodeBmp(encodeBmp(original)), original);
}

struct BadBmp {
    const char* label;
    std::vector<uint8_t> file;
};

class BmpRefusal : public testing::TestWithParam<BadBmp> { };

TEST_P(BmpRefusal, IsRefusedWithAMessage)
{
    std::string error;
    Bitmap32 bitmap = decodeBmp(GetParam().file, &error);
    EXPECT_FALSE(bitmap.isValid()) << GetParam().label;
    EXPECT_FALSE(error.empty()) << GetParam().label;
}

std::vector<uint8_t> withHeaderField(std::vector<uint8_t> file, size_t at, uint32_t value)
{
    putU32(file, at, value);
    return file;
}

const std::vector<uint8_t> kGood = makeBmp(2, 2, 24, {}, std::vector<uint8_t>(16, 0));

INSTANTIATE_TEST_SUITE_P(
    Table, BmpRefusal,
    testing::Values(BadBmp { "not a bitmap", std::vector<uint8_t>(60, 'x') },
                    BadBmp { "pixel data cut short", std::vector<uint8_t>(kGood.begin(), kGood.end() - 1) },
                    BadBmp { "absurd width", withHeaderField(kGood, 18, 0x7FFFFFFF) },
                    BadBmp { "zero height", withHeaderField(kGood, 22, 0) },
                    BadBmp { "data offset past the end", withHeaderField(kGood, 10, 0xFFFFFFF0u) },
                    BadBmp { "compressed", withHeaderField(kGood, 30, 1) },
                    BadBmp { "header size beyond the file", withHeaderField(kGood, 14, 0x10000) },
                    BadBmp { "palette larger than the depth allows",
                             withHeaderField(makeBmp(1, 1, 1, { 0, 0 }, { 0, 0, 0, 0 }), 46, 3) }));

TEST(BmpTest, PaletteIndexBeyondThePaletteReadsAsBlack)
{
    // One colour in the palette, pixel index 255.
    Bitmap32 bitmap = decodeBmp(makeBmp(1, 1, 8, { 0xFFFFFF }, { 255, 0, 0, 0 }));
    ASSERT_TRUE(bitmap.isValid());
    EXPECT_EQ(bitmap.rgb(0, 0), 0u);
}

TEST(PictureTest, BitmapPictureSurvivesItsStreamFormWithClassIdInFront)
{
    Bitmap32 bitmap(3, 2, 0xFFFF00FFu);
    bitmap.setPixel(1, 1, 0xFF102030u);
    Ref<IPicture> picture = createPictureFromBitmap(bitmap);
    Ref<IPersistStream> persist = queryInterface<IPersistStream>(picture);
    ASSERT_TRUE(persist);

    Ref<MemoryStream> stream = MemoryStream::create();
    ASSERT_EQ(saveObjectToStream(persist.get(), stream.get()), kOk);
    uint64_t sizeMax = 0;
    persist->getSizeMax(&sizeMax);
    EXPECT_EQ(stream->bytes().size(), Guid::kByteSize + sizeMax) << "the size bound is exact for bitmaps";
    EXPECT_EQ(Guid::fromBytes(stream->bytes().data()), kStdPictureClsid);

    stream->seek(0, SeekOrigin::Begin, nullptr);
    Ref<IPicture> loaded;
    ASSERT_EQ(loadObjectFromStream(stream.get(), IPicture::kIid, loaded.putVoid()), kOk);
    ASSERT_TRUE(loaded);
    EXPECT_NE(loaded.get(), picture.get());
    const Bitmap32* copy = nullptr;
    loaded->getBitmap(&copy);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(*copy, bitmap);
}

TEST(PictureTest, NullClassIdLoadsAsNoObject)
{
    Ref<MemoryStream> stream = MemoryStream::create(std::vector<uint8_t>(16, 0));
    Ref<IPicture> loaded;
    EXPECT_EQ(loadObjectFromStream(stream.get(), IPicture::kIid, loaded.putVoid()), kOk);
    EXPECT_FALSE(loaded);
}

TEST(PictureTest, MetafileAndIconKindsKeepTheirBytesAndHaveNoBitmap)
{
    for (PictureKind kind : { PictureKind::Metafile, PictureKind::EnhancedMetafile, PictureKind::Icon }) {
        Ref<IPicture> picture = createPictureFromData(kind, { 1, 2, 3 });
        Ref<MemoryStream> stream = MemoryStream::create();
        queryInterface<IPersistStream>(picture)->save(stream.get(), true);
        stream->seek(0, SeekOrigin::Begin, nullptr);
        Ref<IPicture> loaded;
        ASSERT_EQ(loadPicture(stream.get(), IPicture::kIid, loaded.putVoid()), kOk);
        PictureKind loadedKind = PictureKind::None;
        loaded->getKind(&loadedKind);
        EXPECT_EQ(loadedKind, kind);
        std::span<const uint8_t> data;
        loaded->getData(&data);
        EXPECT_EQ(std::vector<uint8_t>(data.begin(), data.end()), (std::vector<uint8_t> { 1, 2, 3 }));
        const Bitmap32* bitmap = reinterpret_cast<const Bitmap32*>(1);
        loaded->getBitmap(&bitmap);
        EXPECT_EQ(bitmap, nullptr);
    }
}

// The same limit on both sides and in both forms, to the byte: data of
// exactly the limit saves and loads, one byte more is refused by either.
// Bytes that say they are an enhanced metafile take the standard form
// (count at offset 4); bytes that do not, the own form (count at offset 8).
TEST(PictureTest, SizeLimitIsTheSameForSavingAndLoading)
{
    std::vector<uint8_t> enhanced(kMaxPictureDataBytes, 7);
    putU32(enhanced, 0, 1);
    putU32(enhanced, 40, 0x464D4520u);
    struct Case {
        std::vector<uint8_t> data;
        size_t countAt;
    };
    std::vector<Case> cases;
    cases.push_back({ std::vector<uint8_t>(kMaxPictureDataBytes, 7), 8 });
    cases.push_back({ std::move(enhanced), 4 });
    for (Case& c : cases) {
        SCOPED_TRACE(c.countAt);
        Ref<IPicture> atLimit = createPictureFromData(PictureKind::EnhancedMetafile, c.data);
        Ref<MemoryStream> stream = MemoryStream::create();
        ASSERT_EQ(queryInterface<IPersistStream>(atLimit)->save(stream.get(), true), kOk);
        stream->seek(0, SeekOrigin::Begin, nullptr);
        Ref<IPicture> loaded;
        ASSERT_EQ(loadPicture(stream.get(), IPicture::kIid, loaded.putVoid()), kOk);
        std::span<const uint8_t> data;
        loaded->getData(&data);
        EXPECT_EQ(data.size(), kMaxPictureDataBytes);

        c.data.push_back(7);
        Ref<IPicture> over = createPictureFromData(PictureKind::EnhancedMetafile, c.data);
        Ref<MemoryStream> refused = MemoryStream::create();
        EXPECT_EQ(queryInterface<IPersistStream>(over)->save(refused.get(), true), kTooLarge);
        EXPECT_TRUE(refused->bytes().empty()) << "nothing is written";

        // A stream claiming one byte more than the limit, with the bytes there.
        std::vector<uint8_t> claimed(stream->bytes());
        putU32(claimed, c.countAt, kMaxPictureDataBytes + 1u);
        claimed.push_back(7);
        Ref<IPicture> notLoaded;
        EXPECT_EQ(loadPicture(MemoryStream::create(claimed).get(), IPicture::kIid, notLoaded.putVoid()), kTooLarge);
        EXPECT_FALSE(notLoaded);
    }
}

TEST(PictureTest, DispatchReportsKindAndSize)
{
    Ref<IDispatch> picture = queryInterface<IDispatch>(createPictureFromBitmap(Bitmap32(96, 48)));
    Variant type, width;
    ASSERT_EQ(picture->invoke(dispatchIdOf(picture.get(), "type"), InvokeKind::PropertyGet, {}, &type), kOk);
    ASSERT_EQ(picture->invoke(dispatchIdOf(picture.get(), "Width"), InvokeKind::PropertyGet, {}, &width), kOk);
    EXPECT_EQ(type, Variant(int16_t(1)));
    EXPECT_EQ(width, Variant(int32_t(2540))) << "96 pixels are one inch";
}

} // namespace
