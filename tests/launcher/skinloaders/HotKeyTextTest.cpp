#include "launcher/skin/HotKeyText.h"

#include <gtest/gtest.h>

using launcher::HotKeySetting;
using launcher::ParseHotKeyText;

TEST(ParseHotKeyText, ReadsModifiersInTheirOrderAndTheKey)
{
    const struct {
        const char* text;
        HotKeySetting expected; // ctrl, alt, shift, key
    } cases[] = {
        {"ScrollLock", {false, false, false, 145}},
        {"  scrolllock ", {false, false, false, 145}},
        {"CTRL+F1", {true, false, false, 112}},
        {"f10", {false, false, false, 121}},
        {"f16", {false, false, false, 127}},
        {"ctrl+alt+x", {true, true, false, 88}},
        {"ctrl-f1", {true, false, false, 112}},     // any separator character
        {"alt+ctrl+x", {false, true, false, 88}},   // out of order: ctrl+x is the key text
        {"shift+9", {false, false, true, 57}},
        {"alt+shift+5", {false, true, true, 53}},
        {"home", {false, false, false, 69}},        // the last character, upper-cased
        {"ctrl+alt+shift+f12", {true, true, true, 123}},
        {"f17", {false, false, false, 55}},         // not a function key: '7'
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseHotKeyText(c.text), c.expected);
    }
}

TEST(ParseHotKeyText, TextsWithoutAKeyLeaveTheHotKeyUnset)
{
    for (const char* text : {"", "   ", "ctrl+", "ctrl+alt", "ctrl+alt+", "ctrl", "shift"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(ParseHotKeyText(text).maskKey, 0);
    }
}
