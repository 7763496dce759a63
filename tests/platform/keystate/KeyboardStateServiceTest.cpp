#include "platform/keystate/KeyboardStateService.h"
#include "platform/keystate/ScriptedKeyboard.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvex::platform {
namespace {

constexpr int kKey = vk::kScroll;

struct Reading {
    std::uint16_t state;
    bool releasedSince;
};

// Each case scripts the keyboard between queries of one key and lists what
// every query must read. A step runs before the query with the same index.
struct Case {
    std::string name;
    std::vector<std::function<void(ScriptedKeyboard&)>> before;
    std::vector<Reading> readings;
};

void press(ScriptedKeyboard& keys) { keys.press(kKey); }
void release(ScriptedKeyboard& keys) { keys.release(kKey); }
void tap(ScriptedKeyboard& keys) { keys.tap(kKey); }
void nothing(ScriptedKeyboard&) {}

TEST(KeyboardStateServiceTest, ReadsWhatHappenedBetweenTwoQueries)
{
    const Case cases[] = {
        {"idle key", {nothing, nothing}, {{0, false}, {0, false}}},
        {"held across queries", {press, nothing, release, nothing},
         {{0x8001, false}, {0x8000, false}, {0, true}, {0, false}}},
        {"tap between queries", {tap, nothing}, {{0x0001, true}, {0, false}}},
        {"two taps between queries", {[](ScriptedKeyboard& k) { tap(k); tap(k); }, nothing},
         {{0x0001, true}, {0, false}}},
        {"taps in consecutive gaps", {tap, tap, nothing}, {{0x0001, true}, {0x0001, true}, {0, false}}},
        {"released and pressed again while held", {press, [](ScriptedKeyboard& k) { release(k); press(k); }},
         {{0x8001, false}, {0x8001, true}}},
        {"release without a press", {[](ScriptedKeyboard& k) { k.reportOnly(kKey, false); }, nothing},
         {{0, true}, {0, false}}},
        // The keymap was read before the press arrived: not a tap, but a
        // press that the next query reports.
        {"press ahead of the keymap", {[](ScriptedKeyboard& k) { k.reportOnly(kKey, true); }, press},
         {{0, false}, {0x8001, false}}},
        {"press ahead of the keymap, then its release",
         {[](ScriptedKeyboard& k) { k.reportOnly(kKey, true); }, [](ScriptedKeyboard& k) { k.reportOnly(kKey, false); }},
         {{0, false}, {0x0001, true}}},
    };
    for (const Case& c : cases) {
        ScriptedKeyboard keys;
        KeyboardStateService service(keys);
        for (std::size_t i = 0; i < c.readings.size(); ++i) {
            c.before[i](keys);
            const KeyActivity activity = service.keyActivity(kKey);
            std::uint16_t state = activity.downNow ? kKeyDownNow : 0;
            if (activity.pressedSince)
                state |= kKeyWentDown;
            EXPECT_EQ(state, c.readings[i].state) << c.name << ", query " << i;
            EXPECT_EQ(activity.releasedSince, c.readings[i].releasedSince) << c.name << ", query " << i;
        }
    }
}

TEST(KeyboardStateServiceTest, EachKeyKeepsItsOwnSince)
{
    ScriptedKeyboard keys;
    KeyboardStateService service(keys);
    keys.tap(vk::kF1);
    keys.press(vk::kShift);
    EXPECT_EQ(service.asyncKeyState(vk::kShift), static_cast<std::int16_t>(0x8001));
    EXPECT_EQ(service.asyncKeyState(vk::kF1), 1) << "querying Shift must not use up F1's tap";
    EXPECT_EQ(service.asyncKeyState(vk::kF1), 0);
    EXPECT_EQ(service.asyncKeyState(vk::kShift), static_cast<std::int16_t>(0x8000));
}

TEST(KeyboardStateServiceTest, WithoutTransitionsATapLeavesNoTrace)
{
    ScriptedKeyboard keys;
    keys.setSeesTransitions(false);
    KeyboardStateService service(keys);
    keys.tap(kKey);
    EXPECT_EQ(service.asyncKeyState(kKey), 0);
    keys.press(kKey);
    EXPECT_EQ(service.asyncKeyState(kKey), static_cast<std::int16_t>(0x8001));
    keys.release(kKey);
    const KeyActivity activity = service.keyActivity(kKey);
    EXPECT_FALSE(activity.downNow);
    EXPECT_TRUE(activity.releasedSince) << "a key seen down, then up, was released";
}

TEST(KeyboardStateServiceTest, CodesOutOfRangeReadUpAndTheirEventsAreIgnored)
{
    ScriptedKeyboard keys;
    KeyboardStateService service(keys);
    for (int code : {-1, 256, 100000}) {
        keys.reportOnly(code, true);
        keys.reportOnly(code, false);
        EXPECT_EQ(service.asyncKeyState(code), 0) << code;
    }
    keys.reportOnly(300, true);
    keys.reportOnly(300, false);
    EXPECT_EQ(service.asyncKeyState(kKey), 0) << "an event out of range counted for another key";
}

TEST(KeyboardStateServiceTest, DisconnectedSourceIsNeverAsked)
{
    ScriptedKeyboard keys;
    keys.setConnected(false);
    KeyboardStateService service(keys);
    keys.press(kKey);
    EXPECT_EQ(service.asyncKeyState(kKey), 0);
    EXPECT_EQ(keys.updateCount(), 0);
}

} // namespace
} // namespace quorvex::platform
