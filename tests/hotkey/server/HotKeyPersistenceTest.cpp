#include "hotkey/support/HotKeyFixture.h"
#include "platform/component/MemoryPropertyBag.h"
#include "platform/component/MemoryStream.h"

namespace quorvex::hotkey {
namespace {

using namespace quorvex::platform::component;

class HotKeyPersistenceTest : public HotKeyFixture {
protected:
    static std::string saved(HotKeyControl& control, bool saveAll = false)
    {
        auto bag = MemoryPropertyBag::create();
        EXPECT_EQ(control.save(bag.get(), true, saveAll), kOk);
        return bag->toText();
    }
};

TEST_F(HotKeyPersistenceTest, BagRoundTripKeepsEveryProperty)
{
    auto bag = MemoryPropertyBag::create();
    ASSERT_TRUE(bag->fromText("Interval=i4:125\nEnabled=bool:false\nMaskKey=i4:112\n"
                              "ShiftKey=bool:true\nCtrlKey=bool:true\nAltKey=bool:true\n"));
    auto first = make();
    ASSERT_EQ(control(first).load(bag.get()), kOk);
    EXPECT_EQ(control(first).isDirty(), kFalse);
    const std::string text = saved(control(first));

    auto second = make();
    auto reread = MemoryPropertyBag::create();
    ASSERT_TRUE(reread->fromText(text));
    ASSERT_EQ(control(second).load(reread.get()), kOk);
    EXPECT_EQ(control(second).core().properties(), control(first).core().properties());
    EXPECT_EQ(saved(control(second)), text);
    EXPECT_EQ(control(second).core().interval(), 125);
    EXPECT_TRUE(control(second).core().altKey());
}

TEST_F(HotKeyPersistenceTest, AbsentOrUnreadableValuesTakeTheirDefaults)
{
    auto bag = MemoryPropertyBag::create();
    ASSERT_TRUE(bag->fromText("Interval=str:often\nCtrlKey=str:maybe\n"));
    auto object = make();
    control(object).core().setShiftKey(true);
    ASSERT_EQ(control(object).load(bag.get()), kOk);
    EXPECT_EQ(control(object).core().properties(), HotKeyProperties{});
    EXPECT_EQ(control(object).core().interval(), 0) << "absent Interval means no polling";
}

TEST_F(HotKeyPersistenceTest, DefaultsAreLeftOutUnlessAllAreWanted)
{
    auto object = make();
    control(object).load(MemoryPropertyBag::create().get());
    const std::string minimal = saved(control(object));
    EXPECT_EQ(minimal, "_ExtentX=i4:847\n_ExtentY=i4:847\n");
    const std::string all = saved(control(object), /*saveAll=*/true);
    for (const char* name : {"Interval=i4:0", "Enabled=bool:true", "MaskKey=i4:27", "ShiftKey=bool:false",
                             "CtrlKey=bool:false", "AltKey=bool:false"})
        EXPECT_NE(all.find(name), std::string::npos) << name << " in\n" << all;
}

TEST_F(HotKeyPersistenceTest, KeyOnlyControlSavesNoModifiers)
{
    auto object = make(ModifierRule::Ignore);
    auto bag = MemoryPropertyBag::create();
    ASSERT_TRUE(bag->fromText("CtrlKey=bool:true\nMaskKey=i4:9\n"));
    control(object).load(bag.get());
    const std::string all = saved(control(object), /*saveAll=*/true);
    EXPECT_EQ(all.find("CtrlKey"), std::string::npos) << all;
    EXPECT_NE(all.find("MaskKey=i4:9"), std::string::npos) << all;
}

TEST_F(HotKeyPersistenceTest, NewInstanceWatchesEscapeAndPolls)
{
    auto object = make();
    ASSERT_EQ(control(object).initNew(), kOk);
    Variant maskKey;
    getProperty(object.get(), "MaskKey", &maskKey);
    EXPECT_EQ(maskKey, Variant(int32_t(27)));
    EXPECT_TRUE(control(object).core().enabled());
    EXPECT_TRUE(control(object).core().isPolling());
}

TEST_F(HotKeyPersistenceTest, LauncherDesignDataInBothForms)
{
    auto fromBag = make();
    ASSERT_EQ(control(fromBag).load(hotKeyLauncherDesignBag().get()), kOk);
    auto fromStream = make();
    const auto bytes = hotKeyLauncherDesignStream();
    ASSERT_EQ(bytes.size(), kHotKeyStreamSize);
    auto stream = MemoryStream::create(bytes);
    ASSERT_EQ(control(fromStream).load(stream.get()), kOk);

    for (auto* object : {&control(fromBag), &control(fromStream)}) {
        EXPECT_EQ(object->core().interval(), 250);
        EXPECT_EQ(object->core().maskKey(), 145);
        EXPECT_TRUE(object->core().enabled());
        EXPECT_FALSE(object->core().ctrlKey());
        EXPECT_TRUE(object->core().isPolling());
    }
    auto resaved = MemoryStream::create();
    ASSERT_EQ(control(fromStream).save(resaved.get(), true), kOk);
    EXPECT_EQ(resaved->bytes(), bytes);
}

TEST_F(HotKeyPersistenceTest, ShortOrForeignStreamChangesNothing)
{
    auto object = make();
    control(object).core().setInterval(77);
    const auto bytes = hotKeyLauncherDesignStream();
    for (std::size_t length : {std::size_t(0), std::size_t(1), std::size_t(11), bytes.size() - 1}) {
        auto stream = MemoryStream::create(std::span(bytes.data(), length));
        EXPECT_TRUE(failed(control(object).load(stream.get()))) << length;
        EXPECT_EQ(control(object).core().interval(), 77) << length;
    }
    auto foreign = bytes;
    foreign[0] = 9;
    auto stream = MemoryStream::create(foreign);
    EXPECT_EQ(control(object).load(stream.get()), kInvalidData);
    EXPECT_EQ(control(object).core().interval(), 77);
}

} // namespace
} // namespace quorvex::hotkey
