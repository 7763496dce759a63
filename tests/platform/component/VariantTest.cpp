#include "platform/component/OleColor.h"
#include "platform/component/Variant.h"

#include <gtest/gtest.h>

using namespace quorvex::platform::component;

namespace {

struct Conversion {
    const char* label;
    Variant from;
    VarType to;
    HResult status;
    Variant expected;
};

class VariantConversion : public testing::TestWithParam<Conversion> { };

TEST_P(VariantConversion, ConvertsOrRefuses)
{
    const Conversion& c = GetParam();
    Variant out;
    EXPECT_EQ(c.from.convertTo(c.to, out), c.status) << c.label;
    if (c.status == kOk)
        EXPECT_EQ(out, c.expected) << c.label;
}

INSTANTIATE_TEST_SUITE_P(
    Table, VariantConversion,
    testing::Values(
        Conversion { "int32 fits int16", Variant(int32_t(-32768)), VarType::Int16, kOk, Variant(int16_t(-32768)) },
        Conversion { "int32 overflows int16", Variant(int32_t(32768)), VarType::Int16, kOverflow, {} },
        Conversion { "negative to unsigned", Variant(int32_t(-1)), VarType::UInt32, kOverflow, {} },
        Conversion { "unsigned max to int32", Variant(uint32_t(0xFFFFFFFFu)), VarType::Int32, kOverflow, {} },
        Conversion { "true is -1 as a number", Variant::boolean(true), VarType::Int32, kOk, Variant(int32_t(-1)) },
        Conversion { "non-zero is true", Variant(int16_t(7)), VarType::Bool, kOk, Variant::boolean(true) },
        Conversion { "text to int32", Variant(u" 250 "), VarType::Int32, kOk, Variant(int32_t(250)) },
        Conversion { "text that is no number", Variant(u"25x"), VarType::Int32, kTypeMismatch, {} },
        Conversion { "empty text", Variant(u""), VarType::Int32, kTypeMismatch, {} },
        Conversion { "text beyond int32", Variant(u"4294967296"), VarType::Int32, kOverflow, {} },
        Conversion { "double rounds half to even", Variant(2.5), VarType::Int16, kOk, Variant(int16_t(2)) },
        Conversion { "infinity overflows", Variant(1e300 * 1e300), VarType::Int32, kOverflow, {} },
        Conversion { "number to text", Variant(int32_t(-42)), VarType::String, kOk, Variant(u"-42") },
        Conversion { "bool to text", Variant::boolean(false), VarType::String, kOk, Variant(u"False") },
        Conversion { "text to bool", Variant(u"True"), VarType::Bool, kOk, Variant::boolean(true) },
        Conversion { "empty to int32", Variant(), VarType::Int32, kOk, Variant(int32_t(0)) },
        Conversion { "object to number", Variant(static_cast<IDispatch*>(nullptr)), VarType::Int32, kTypeMismatch,
                     {} }),
    [](const testing::TestParamInfo<Conversion>& info) { return std::to_string(info.index); });

TEST(VariantTest, BooleansAreMinusOneAndZero)
{
    EXPECT_EQ(Variant::boolean(true).asVariantBool(), -1);
    EXPECT_EQ(Variant::boolean(false).asVariantBool(), 0);
    EXPECT_NE(Variant::boolean(false), Variant(int16_t(0))) << "a boolean is not a 16-bit integer";
}

TEST(VariantTest, Utf8RoundTripsThroughUtf16IncludingSurrogatePairs)
{
    const std::string text = "Gr\xC3\xBC\xC3\x9F" "e \xF0\x9F\x98\x80 {(0,0)}";
    std::u16string wide = toUtf16(text);
    EXPECT_EQ(wide.size(), 16u) << "the emoji takes two code units";
    EXPECT_EQ(toUtf8(wide), text);
}

TEST(VariantTest, MalformedUtf8BecomesReplacementCharacters)
{
    EXPECT_EQ(toUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(toUtf16("\xE2\x82"), u"\uFFFD\uFFFD") << "a truncated sequence must not read past the end";
    EXPECT_EQ(toUtf16("\xC0\xAF"), u"\uFFFD\uFFFD") << "overlong forms are refused";
    EXPECT_EQ(toUtf8(u"\xD800x"), "\xEF\xBF\xBDx") << "a lone surrogate";
}

TEST(OleColorTest, PlainColoursSwapToRgbAndSystemColoursUseThePalette)
{
    EXPECT_EQ(translateOleColor(0x000000FFu), 0xFF0000u) << "low byte is red";
    EXPECT_EQ(translateOleColor(0x00FF0000u), 0x0000FFu) << "third byte is blue";
    EXPECT_EQ(translateOleColor(0x80000005u), 0xFFFFFFu) << "window background";
    EXPECT_EQ(translateOleColor(0x80000100u), std::nullopt) << "unknown system colour";
    EXPECT_EQ(translateOleColor(0x01000003u), std::nullopt) << "palette index without a palette";
    EXPECT_EQ(oleColorFromRgb(0x123456u), 0x563412u);
}

} // namespace
