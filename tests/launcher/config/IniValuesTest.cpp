#include "launcher/config/AppPaths.h"
#include "launcher/config/IniValues.h"
#include "platform/profile/MemoryProfileStore.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST(ReadIniValue, ReadsStartupSkinWithItsDefault)
{
    const struct {
        const char* fileText; // nullptr: no file
        const char* expected;
    } cases[] = {
        {nullptr, "Slatewise"},
        {"[Other]\nStartupSkin=X\n", "Slatewise"},
        {"[Options]\n", "Slatewise"},
        {"[Options]\nStartupSkin=\n", "Slatewise"},
        {"[Options]\nStartupSkin=   \n", "Slatewise"},
        {"[Options]\nStartupSkin=  Dusk  \n", "Dusk"},
        {"[options]\nstartupskin=Dusk\n", "Dusk"},
        {"[Options]\nStartupSkin=\" Dusk \"\n", "Dusk"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fileText ? c.fileText : "(no file)");
        platform::MemoryProfileStore store;
        if (c.fileText)
            store.setText("Quorvex.ini", c.fileText);
        EXPECT_EQ(ReadIniValue(store, "Quorvex.ini", "Options", "StartupSkin", "Slatewise"), c.expected);
    }
}

TEST(ReadIniValue, CutsLongValuesTo249Characters)
{
    platform::MemoryProfileStore store;
    const std::string value250(250, 'x');
    store.setText("a.ini", "[A]\nk=" + value250 + "\n");
    EXPECT_EQ(ReadIniValue(store, "a.ini", "A", "k", ""), std::string(249, 'x'));
    store.setText("a.ini", "[A]\nk=" + std::string(249, 'y') + "\n");
    EXPECT_EQ(ReadIniValue(store, "a.ini", "A", "k", "").size(), 249u);
}

TEST(ReadIniValue, IntegerDefaultComesBackForMissingOrEmptyKeys)
{
    platform::MemoryProfileStore store;
    store.setText("s.ini", "[UserSettings]\nStartupTop=\nStartupLeft=0\n");
    EXPECT_EQ(ReadIniValue(store, "s.ini", "UserSettings", "StartupTop", -1), "-1");
    EXPECT_EQ(ReadIniValue(store, "s.ini", "UserSettings", "Missing", -1), "-1");
    EXPECT_EQ(ReadIniValue(store, "s.ini", "UserSettings", "StartupLeft", -1), "0");
}

TEST(CleanIniText, DropsBlanksThenTrailingLineEndsAndNuls)
{
    EXPECT_EQ(CleanIniText("  abc  "), "abc");
    EXPECT_EQ(CleanIniText(std::string("abc\r\n\0", 6)), "abc");
    EXPECT_EQ(CleanIniText(std::string("abc\0    ", 8)), "abc");
    EXPECT_EQ(CleanIniText("\r\n"), "");
    EXPECT_EQ(CleanIniText(""), "");
}

TEST(NumberRules, WholeNumbersAcceptOnlyNumbers)
{
    EXPECT_EQ(parseWholeNumber(" 42 "), 42);
    EXPECT_EQ(parseWholeNumber("-1"), -1);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    EXPECT_EQ(parseWholeNumber("2.5"), 2);   // halves go to even
    EXPECT_EQ(parseWholeNumber("3.5"), 4);
    EXPECT_EQ(parseWholeNumber("12px"), std::nullopt);
    EXPECT_EQ(parseWholeNumber("abc"), std::nullopt);
    EXPECT_EQ(parseWholeNumber(""), std::nullopt);
    EXPECT_EQ(parseWholeNumber("99999999999"), std::nullopt);
}

TEST(NumberRules, LeadingNumberTakesTheLongestNumericPrefix)
{
    EXPECT_EQ(leadingNumber("12px"), 12);
    EXPECT_EQ(leadingNumber("  -1.5e1x"), -15);
    EXPECT_EQ(leadingNumber("abc"), 0);
    EXPECT_EQ(leadingNumber(".5"), 0.5);
    EXPECT_EQ(leadingNumber("1e"), 1);
    EXPECT_EQ(leadingNumber("-"), 0);
    EXPECT_EQ(leadingWholeNumber("1e300"), 2147483647);
    EXPECT_EQ(leadingWholeNumber("-1e300"), -2147483647 - 1);
}

TEST(AppPaths, BuildsSkinAndSectionPaths)
{
    AppPaths paths("/opt/quorvex");
    EXPECT_EQ(paths.AppFolder(), "/opt/quorvex/");
    EXPECT_EQ(paths.SkinFolder("Dusk"), "/opt/quorvex/skins/Dusk/");
    EXPECT_EQ(paths.SkinIniPath("Dusk"), "/opt/quorvex/skins/Dusk/Dusk.ini");
    EXPECT_EQ(paths.SectionFolder("Games"), "/opt/quorvex/shortcuts/Games");
    // A program in the root folder does not double the separator.
    EXPECT_EQ(AppPaths("/").AppFolder(), "/");
    EXPECT_EQ(AppPaths("/opt/q/").AppFolder(), "/opt/q/");
}
