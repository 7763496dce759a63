#include "platform/component/MemoryPropertyBag.h"
#include "platform/component/Picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace quorvex::platform::component;

namespace {

TEST(MemoryPropertyBagTest, MissingNamesAreInvalidArgumentsAndNamesIgnoreCase)
{
    Ref<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    Variant value;
    EXPECT_EQ(bag->read("Interval", &value), kInvalidArg);
    bag->write("Interval", Variant(int32_t(250)));
    bag->write("INTERVAL", Variant(int32_t(300)));
    ASSERT_EQ(bag->read("interval", &value), kOk);
    EXPECT_EQ(value, Variant(int32_t(300)));
    EXPECT_EQ(bag->values().size(), 1u);
    EXPECT_EQ(bag->write("bad=name", Variant()), kInvalidArg);
}

TEST(MemoryPropertyBagTest, TextFormRoundTripsEveryValueType)
{
    Ref<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    Bitmap32 bitmap(2, 1, 0xFFFF00FFu);
    bitmap.setPixel(1, 0, 0xFF000000u);
    Ref<IDispatch> picture = queryInterface<IDispatch>(createPictureFromBitmap(bitmap));
    bag->write("Small", Variant(int16_t(-3)));
    bag->write("Interval", Variant(int32_t(250)));
    bag->write("MaskColor", Variant(uint32_t(0x00FF00FFu)));
    bag->write("Enabled", Variant::boolean(true));
    bag->write("ScaleX", Variant(0.1));
    bag->write("ShapeString", Variant(u"{(0,0)(1,0)}\nline\\two"));
    bag->write("Nothing", Variant());
    bag->write("ShapePicture", Variant(picture));
    bag->write("NoPicture", Variant(static_cast<IDispatch*>(nullptr)));

    Ref<MemoryPropertyBag> copy = MemoryPropertyBag::create();
    std::string error;
    ASSERT_TRUE(copy->fromText(bag->toText(), &error)) << error;
    ASSERT_EQ(copy->values().size(), bag->values().size());
    for (size_t i = 0; i < bag->values().size(); ++i) {
        const auto& [name, value] = bag->values()[i];
        EXPECT_EQ(copy->values()[i].first, name);
        if (value.type() != VarType::Dispatch)
            EXPECT_EQ(copy->values()[i].second, value) << name;
    }
    Variant loaded;
    copy->read("ShapePicture", &loaded);
    ASSERT_EQ(loaded.type(), VarType::Dispatch);
    Ref<IPicture> loadedPicture = queryInterface<IPicture>(loaded.asDispatch());
    ASSERT_TRUE(loadedPicture);
    const Bitmap32* loadedBitmap = nullptr;
    loadedPicture->getBitmap(&loadedBitmap);
    ASSERT_NE(loadedBitmap, nullptr);
    EXPECT_EQ(*loadedBitmap, bitmap);
    copy->read("NoPicture", &loaded);
    EXPECT_EQ(loaded.type(), VarType::Dispatch);
    EXPECT_EQ(loaded.asDispatch(), nullptr);
}

TEST(MemoryPropertyBagTest, MalformedLineStopsParsingAndKeepsWhatCameBefore)
{
    const char* cases[] = { "Bad=i2:40000\n", "Bad=i4:12x\n", "Bad=bool:yes\n", "Bad=str:trailing\\\n",
                            "Bad=obj:abc\n",  "Bad\n",        "=i4:1\n",        "Bad=float:1\n" };
    for (const char* line : cases) {
        Ref<MemoryPropertyBag> bag = MemoryPropertyBag::create();
        std::string error;
        EXPECT_FALSE(bag->fromText(std::string("; saved\nGood=i4:7\n") + line, &error)) << line;
        EXPECT_NE(error.find("line 3"), std::string::npos) << error;
        Variant good;
        EXPECT_EQ(bag->read("Good", &good), kOk) << line;
    }
}

TEST(MemoryPropertyBagTest, FileFormSavesAndLoads)
{
    std::string path = (std::filesystem::temp_directory_path() / ("quorvex-bag-" + std::to_string(getpid()))).string();
    Ref<MemoryPropertyBag> bag = MemoryPropertyBag::create();
    bag->write("MaskKey", Variant(int32_t(145)));
    ASSERT_TRUE(bag->saveToFile(path));
    Ref<MemoryPropertyBag> loaded = MemoryPropertyBag::create();
    ASSERT_TRUE(loaded->loadFromFile(path));
    Variant value;
    ASSERT_EQ(loaded->read("MaskKey", &value), kOk);
    EXPECT_EQ(value, Variant(int32_t(145)));
    std::filesystem::remove(path);
    std::string error;
    EXPECT_FALSE(loaded->loadFromFile(path, &error));
    EXPECT_NE(error.find(path), std::string::npos);
}

} // namespace
