#include "hotkey/pages/MaskKeyList.h"
#include "platform/keystate/X11KeyState.h"
#include "platform/keystate/X11Keysyms.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvex::hotkey {
namespace {

TEST(MaskKeyListTest, HasOneHundredUniqueKeys)
{
    const auto& items = maskKeyList();
    ASSERT_EQ(items.size(), 100u);
    std::set<int> codes;
    std::set<QString> texts;
    for (const MaskKeyItem& item : items) {
        codes.insert(item.virtualKey);
        texts.insert(item.text);
    }
    EXPECT_EQ(codes.size(), 100u);
    EXPECT_EQ(texts.size(), 100u);
}

TEST(MaskKeyListTest, ExactTextsCodesAndPlaces)
{
    struct Expected {
        std::size_t index;
        const char* text;
        int code;
    };
    const Expected expected[] = {
        {0, "HotKeyLButton ", 1},   {3, "HotKeyMButton ", 4},    {13, "HotKeyEscape ", 27},
        {29, "HotKeyHelp ", 47},    {30, "HotKeyA ", 65},        {55, "HotKeyZ ", 90},
        {56, "HotKey0 ", 48},       {65, "HotKey9 ", 57},        {66, "HotKeyNumpad0 ", 96},
        {76, "HotKeyMultiply ", 106}, {81, "HotKeyDivide ", 111}, {82, "HotKeyNumlock ", 144},
        {83, "HotKeyScrolllock", 145}, {84, "HotKeyF1 ", 112},   {99, "HotKeyF16 ", 127},
    };
    const auto& items = maskKeyList();
    for (const Expected& e : expected) {
        ASSERT_LT(e.index, items.size());
        EXPECT_EQ(items[e.index].text, QLatin1String(e.text)) << e.index;
        EXPECT_EQ(items[e.index].virtualKey, e.code) << e.index;
    }
    EXPECT_EQ(items[0].text.size(), 14);
}

TEST(MaskKeyListTest, OnlyScrollLockLacksTheTrailingBlank)
{
    for (const MaskKeyItem& item : maskKeyList()) {
        EXPECT_TRUE(item.text.startsWith(QLatin1String("HotKey"))) << item.text.toStdString();
        EXPECT_EQ(item.text.endsWith(QLatin1Char(' ')), item.virtualKey != 145)
            << item.text.toStdString();
    }
}

// A key offered on the page that the X11 backend cannot see would never fire.
TEST(MaskKeyListTest, EveryListedKeyIsKnownToTheKeyboardBackend)
{
    for (const MaskKeyItem& item : maskKeyList()) {
        const bool mouseButton = item.virtualKey == 1 || item.virtualKey == 2 || item.virtualKey == 4;
        EXPECT_NE(platform::keysymsForVirtualKey(item.virtualKey).empty(), !mouseButton)
            << item.text.toStdString();
    }
}

} // namespace
} // namespace quorvex::hotkey
