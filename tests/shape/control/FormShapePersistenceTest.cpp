#include "FormShapeFixture.h"

#include "platform/component/DesignData.h"
#include "platform/component/MemoryPropertyBag.h"
#include "platform/component/MemoryStorage.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/StreamIo.h"
#include "support/PictureFileWriter.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace quorvex::shape::testing {
namespace {

using namespace platform::component;

std::vector<uint8_t> readData(const std::string& name)
{
    std::ifstream in(std::string(QUORVEX_TEST_DATA_DIR) + "/shape/" + name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
}

std::vector<uint8_t> saveStream(IFormShape* shape)
{
    Ref<MemoryStream> stream = MemoryStream::create();
    EXPECT_EQ(queryInterface<IPersistStreamInit>(shape)->save(stream.get(), true), kOk);
    return stream->bytes();
}

HResult loadStream(IFormShape* shape, const std::vector<uint8_t>& bytes)
{
    Ref<MemoryStream> stream = MemoryStream::create(bytes);
    return queryInterface<IPersistStreamInit>(shape)->load(stream.get());
}

TEST_F(FormShapeTest, LauncherStreamLoadsAndSavesByteForByte)
{
    std::vector<uint8_t> golden = readData("formshape-launcher.bin");
    ASSERT_EQ(golden.size(), 70u);
    EXPECT_EQ(formShapeLauncherDesignData(), golden) << "the launcher's built-in copy";

    ASSERT_EQ(loadStream(m_shape.get(), golden), kOk);
    int16_t type = 0;
    uint32_t colour = 0;
    VariantBool autoScale = -1;
    Extent extent;
    m_shape->getShapeType(&type);
    m_shape->getMaskColor(&colour);
    m_shape->getAutoScale(&autoScale);
    as<IOleObject>()->getExtent(&extent);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(colour, 0x00FF00FFu);
    EXPECT_EQ(autoScale, 0);
    EXPECT_EQ(extent, (Extent { 5080, 5080 }));
    EXPECT_EQ(as<IPersistStreamInit>()->isDirty(), kFalse) << "loading clears the needs-saving flag";
    EXPECT_EQ(windowCalls(), 0u) << "no window yet";

    EXPECT_EQ(saveStream(m_shape.get()), golden);
    uint64_t sizeMax = 0;
    as<IPersistStreamInit>()->getSizeMax(&sizeMax);
    EXPECT_GE(sizeMax, golden.size());
}

TEST_F(FormShapeTest, LoadingSetsThePropertiesThroughTheirSettersInOrder)
{
    ASSERT_EQ(loadStream(m_shape.get(), readData("formshape-launcher.bin")), kOk);
    EXPECT_EQ(m_sink.changed,
              (std::vector<DispId> { kDispIdShapeType, kDispIdMaskColor, kDispIdAutoScale, kDispIdScaleX,
                                     kDispIdScaleY, kDispIdShapePicture, kDispIdShapeString }));
}

TEST_F(FormShapeTest, StreamWithPictureAndTextRoundTrips)
{
    Ref<IDispatch> picture = makePicture(makeBitmap(6, 4, 0xFF00FF, 0x00FF00, 1, 1, 5, 3));
    m_shape->putShapePicture(picture.get());
    m_shape->putShapeString(u"{(0,0)(10,0)[5,5,180]}");
    m_shape->putScaleY(0.25);
    m_shape->putHWnd(kWindowA);
    std::vector<uint8_t> saved = saveStream(m_shape.get());
    EXPECT_EQ(as<IPersistStreamInit>()->isDirty(), kFalse);

    Ref<IFormShape> copy = Ref<IFormShape>::adopt(FormShape::create(m_windows, nullptr));
    ASSERT_EQ(loadStream(copy.get(), saved), kOk);
    EXPECT_EQ(saveStream(copy.get()), saved);
    int32_t window = 1;
    copy->getHWnd(&window);
    EXPECT_EQ(window, 0) << "the window is never saved";
}

// A stream as a classic container saves it: the launcher's properties, an
// 8-bit picture in the standard form, then a shape string. The picture loads,
// the string after it is kept, and saving gives the same bytes back.
TEST_F(FormShapeTest, StreamWithAStandardFormPictureKeepsItsShapeString)
{
    const std::vector<uint8_t> launcher = readData("formshape-launcher.bin");
    const size_t pictureAt = 48; // after the picture's variant type
    // 2 x 1, 8 bits per pixel: magenta, black.
    const std::vector<uint8_t> bmp = testsupport::makeBmp(2, 1, 8, { 0xFF00FF, 0x000000 }, { 0, 1, 0, 0 });
    std::vector<uint8_t> bytes(launcher.begin(), launcher.begin() + pictureAt);
    const std::vector<uint8_t> picture = testsupport::standardPictureObject(bmp);
    bytes.insert(bytes.end(), picture.begin(), picture.end());
    Ref<MemoryStream> text = MemoryStream::create();
    StreamWriter(*text).writeCountedString(u"{(0,0)(4,0)(4,4)}");
    bytes.insert(bytes.end(), text->bytes().begin(), text->bytes().end());

    ASSERT_EQ(loadStream(m_shape.get(), bytes), kOk);
    std::u16string shapeString;
    m_shape->getShapeString(&shapeString);
    EXPECT_EQ(shapeString, u"{(0,0)(4,0)(4,4)}");
    Ref<IDispatch> loaded;
    m_shape->getShapePicture(loaded.put());
    const Bitmap32* bitmap = nullptr;
    Ref<IPicture> held = queryInterface<IPicture>(loaded);
    ASSERT_TRUE(held);
    held->getBitmap(&bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->rgb(0, 0), 0xFF00FFu);
    EXPECT_EQ(saveStream(m_shape.get()), bytes);
}

// One picture limit for saving and loading: an 8K picture is refused with an
// error when saving instead of being written for a load that would refuse
// it; the largest picture that saves loads back unchanged.
TEST_F(FormShapeTest, PicturesSaveOnlyWhenTheyLoadBack)
{
    Ref<IDispatch> huge = makePicture(Bitmap32(7680, 4320, 0xFF102030u));
    ASSERT_EQ(m_shape->putRefShapePicture(huge.get()), kOk);
    Ref<MemoryStream> refused = MemoryStream::create();
    EXPECT_EQ(as<IPersistStreamInit>()->save(refused.get(), true), kTooLarge);
    EXPECT_EQ(as<IPersistStreamInit>()->isDirty(), kOk) << "a failed save leaves the control unsaved";
    EXPECT_LT(refused->bytes().size(), 100u) << "the picture's bytes are not written";

    // 70 header bytes plus 4096 x 4095 pixels of 4 bytes: one more row would not fit.
    Bitmap32 largest(4096, 4095, 0xFF405060u);
    largest.setPixel(4095, 4094, 0xFF010203u);
    ASSERT_LE(encodedBmpBytes(largest), kMaxPictureDataBytes);
    ASSERT_GT(encodedBmpBytes(Bitmap32(4096, 4096)), kMaxPictureDataBytes);
    ASSERT_EQ(m_shape->putRefShapePicture(makePicture(largest).get()), kOk);
    const std::vector<uint8_t> saved = saveStream(m_shape.get());

    Ref<IFormShape> copy = Ref<IFormShape>::adopt(FormShape::create(m_windows, nullptr));
    ASSERT_EQ(loadStream(copy.get(), saved), kOk);
    Ref<IDispatch> loaded;
    copy->getShapePicture(loaded.put());
    Ref<IPicture> picture = queryInterface<IPicture>(loaded);
    ASSERT_TRUE(picture);
    const Bitmap32* bitmap = nullptr;
    picture->getBitmap(&bitmap);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_TRUE(*bitmap == largest);
}

TEST_F(FormShapeTest, EveryTruncationIsRefusedAndKeepsWhatWasReadSoFar)
{
    m_shape->putShapePicture(makePicture(makeBitmap(3, 3, 0, 0xFFFFFF, 0, 0, 1, 1)).get());
    m_shape->putShapeString(u"{(0,0)(4,0)(4,4)}");
    m_shape->putShapeType(kShapeNone);
    m_shape->putScaleX(3.5);
    std::vector<uint8_t> full = saveStream(m_shape.get());
    for (size_t length = 0; length < full.size(); ++length) {
        Ref<IFormShape> target = Ref<IFormShape>::adopt(FormShape::create(m_windows, nullptr));
        std::vector<uint8_t> cut(full.begin(), full.begin() + length);
        EXPECT_LT(loadStream(target.get(), cut), 0) << "length " << length;
        int16_t type = -1;
        target->getShapeType(&type);
        // ShapeType's value ends at byte 16.
        EXPECT_EQ(type, length >= 16 ? kShapeNone : kShapeFromString) << "length " << length;
        double sx = 0;
        target->getScaleX(&sx);
        EXPECT_EQ(sx, length >= 36 ? 3.5 : 1.0) << "length " << length;
    }
}

struct Malformed {
    const char* file;
    HResult status;
};

class FormShapeMalformedStream : public FormShapeTest, public ::testing::WithParamInterface<Malformed> { };

TEST_P(FormShapeMalformedStream, IsRefusedWithAnErrorStatus)
{
    EXPECT_EQ(loadStream(m_shape.get(), readData(std::string("malformed/") + GetParam().file)), GetParam().status);
    int16_t type = -1;
    m_shape->getShapeType(&type);
    if (std::string_view(GetParam().file) != "unknown-variant-type.bin") {
        EXPECT_EQ(type, 1) << "properties before the fault keep their loaded values";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, FormShapeMalformedStream,
                         ::testing::Values(Malformed { "string-length-absurd.bin", kInvalidData },
                                           Malformed { "string-length-beyond-data.bin", kReadFault },
                                           Malformed { "string-without-terminator.bin", kInvalidData },
                                           Malformed { "unknown-variant-type.bin", kInvalidData },
                                           Malformed { "picture-class-unknown.bin", kClassNotRegistered },
                                           Malformed { "cut-inside-scale.bin", kReadFault }));

TEST_F(FormShapeTest, NewerVersionsCarryNoExtent)
{
    std::vector<uint8_t> golden = readData("formshape-launcher.bin");
    std::vector<uint8_t> newer = { 0x01, 0x02, 0, 0 }; // version 513
    newer.insert(newer.end(), golden.begin() + 12, golden.end());
    ASSERT_EQ(loadStream(m_shape.get(), newer), kOk);
    Extent extent;
    as<IOleObject>()->getExtent(&extent);
    EXPECT_EQ(extent, (Extent { 714, 714 })) << "the extent stays the image's";
}

TEST_F(FormShapeTest, PropertyBagHoldsEveryPropertyByNameAndRoundTrips)
{
    m_shape->putShapeType(kShapeFromPicture);
    m_shape->putMaskColor(0x00123456u);
    m_shape->putShapeString(u"{(1,1)(9,1)(9,9)}");
    m_shape->putShapePicture(makePicture(makeBitmap(2, 2, 0, 0xFFFFFF, 0, 0, 1, 1)).get());
    Ref<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    ASSERT_EQ(as<IPersistPropertyBag>()->save(bag.get(), true, true), kOk);
    std::vector<std::string> names;
    for (const auto& [name, value] : bag->values())
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string> { "ShapeType", "MaskColor", "AutoScale", "ScaleX", "ScaleY",
                                                 "ShapePicture", "ShapeString" }));
    Variant text;
    bag->read("ShapeString", &text);
    EXPECT_EQ(text.type(), VarType::String);

    // Through the bag's text form, as a host tool would store it.
    Ref<MemoryPropertyBag> reread = MemoryPropertyBag::create();
    ASSERT_TRUE(reread->fromText(bag->toText()));
    Ref<IFormShape> copy = Ref<IFormShape>::adopt(FormShape::create(m_windows, nullptr));
    ASSERT_EQ(queryInterface<IPersistPropertyBag>(copy)->load(reread.get()), kOk);
    EXPECT_EQ(saveStream(copy.get()), saveStream(m_shape.get()));
}

TEST_F(FormShapeTest, PropertyBagLoadSkipsMissingValuesAndStopsAtABadOne)
{
    Ref<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    bag->write("MaskColor", Variant(uint32_t(7)));
    bag->write("ScaleX", Variant(u"not a number"));
    bag->write("ShapeString", Variant(u"{(0,0)}"));
    EXPECT_EQ(as<IPersistPropertyBag>()->load(bag.get()), kTypeMismatch);
    uint32_t colour = 0;
    m_shape->getMaskColor(&colour);
    EXPECT_EQ(colour, 7u);
    std::u16string text;
    m_shape->getShapeString(&text);
    EXPECT_EQ(text, u"") << "loading stopped before ShapeString";
}

TEST_F(FormShapeTest, StorageKeepsTheStreamFormInContents)
{
    ASSERT_EQ(loadStream(m_shape.get(), readData("formshape-launcher.bin")), kOk);
    Ref<MemoryStorage> storage = MemoryStorage::create();
    ASSERT_EQ(as<IPersistStorage>()->save(storage.get(), true), kOk);
    ASSERT_TRUE(storage->stream("Contents"));
    EXPECT_EQ(storage->stream("Contents")->bytes(), readData("formshape-launcher.bin"));

    Ref<IFormShape> copy = Ref<IFormShape>::adopt(FormShape::create(m_windows, nullptr));
    ASSERT_EQ(queryInterface<IPersistStorage>(copy)->load(storage.get()), kOk);
    int16_t type = 0;
    copy->getShapeType(&type);
    EXPECT_EQ(type, 1);
    EXPECT_EQ(queryInterface<IPersistStorage>(copy)->load(MemoryStorage::create().get()), kFileNotFound);
}

} // namespace
} // namespace quorvex::shape::testing
