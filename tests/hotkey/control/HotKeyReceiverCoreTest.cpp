#include "hotkey/control/HotKeyReceiverCore.h"
#include "platform/keystate/FakeKeyState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex::hotkey {
namespace {

namespace vk = platform::vk;
using Events = std::vector<HotKeyEvent>;
constexpr HotKeyEvent Down = HotKeyEvent::Down;
constexpr HotKeyEvent Up = HotKeyEvent::Up;

class HotKeyReceiverCoreTest : public ::testing::Test {
protected:
    explicit HotKeyReceiverCoreTest(ModifierRule rule = ModifierRule::Exact)
        : core(rule, keys, timer)
    {
        core.setEventHandler([this](HotKeyEvent event) { events.push_back(event); });
        core.setChangeHandler([this](std::string_view name) { changes.emplace_back(name); });
    }

    // A control as the launcher runs it: saved data loaded at run time.
    void startRunning(HotKeyProperties saved)
    {
        core.setRunTime(true);
        core.load(saved);
        events.clear();
        changes.clear();
    }

    static HotKeyProperties watching(int maskKey, bool ctrl = false)
    {
        HotKeyProperties saved;
        saved.interval = 250;
        saved.maskKey = maskKey;
        saved.ctrlKey = ctrl;
        return saved;
    }

    // Ticks as the timer would; returns the events raised by these ticks.
    Events ticks(int count = 1)
    {
        events.clear();
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(timer.fire()) << "the timer should be running";
        return events;
    }

    platform::FakeKeyState keys;
    ManualPollTimer timer;
    HotKeyReceiverCore core;
    Events events;
    std::vector<std::string> changes;
};

class HotKeyReciverTest : public HotKeyReceiverCoreTest {
protected:
    HotKeyReciverTest()
        : HotKeyReceiverCoreTest(ModifierRule::Ignore)
    {
    }
};

TEST_F(HotKeyReceiverCoreTest, PressWhileShiftHeldIsReportedOnceShiftGoesUp)
{
    startRunning(watching(vk::kF1));
    keys.hold({vk::kShift, vk::kF1});
    EXPECT_EQ(ticks(2), Events{});
    keys.hold({vk::kF1});
    EXPECT_EQ(ticks(), Events{Down});
    EXPECT_EQ(ticks(3), Events{});
    keys.hold({});
    EXPECT_EQ(ticks(), Events{Up});
}

TEST_F(HotKeyReceiverCoreTest, CtrlCombinationReportsDownTwiceThenUp)
{
    startRunning(watching(vk::kF1, /*ctrl=*/true));
    keys.hold({vk::kF1});
    EXPECT_EQ(ticks(2), Events{});

    keys.hold({});
    ticks();
    keys.hold({vk::kControl});
    EXPECT_EQ(ticks(), Events{});
    keys.hold({vk::kControl, vk::kF1});
    // Seen first as down-and-went-down, then as down: two different values.
    EXPECT_EQ(ticks(), Events{Down});
    EXPECT_EQ(ticks(), Events{Down});
    EXPECT_EQ(ticks(5), Events{});
    keys.hold({vk::kControl});
    EXPECT_EQ(ticks(), Events{Up});
}

// Where a Ctrl combination ends decides its Up, at that tick and never later:
// each script is a list of key sets, one per interval, ending with an
// unrelated Ctrl+C; the events of the whole script are compared.
TEST_F(HotKeyReceiverCoreTest, CombinationIsDecidedAtTheTickWhereItEnds)
{
    struct Step {
        std::vector<int> pressedBeforeTick; // keys that go down, in order
        std::vector<int> releasedBeforeTick;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        Events expected;
    };
    const int ctrl = vk::kControl;
    const int f1 = vk::kF1;
    const int c = vk::kA + 2;
    const Step ctrlC{{ctrl, c}, {}};
    const Step letGo{{}, {c, ctrl}};
    const Case cases[] = {
        {"Ctrl let go first, a tick, then F1", {{{ctrl, f1}, {}}, {{}, {ctrl}}, {{}, {}}, {{}, {f1}}, {{}, {}}, ctrlC, letGo},
         {Down, Down}},
        {"Ctrl and F1 let go within one interval", {{{ctrl, f1}, {}}, {{}, {ctrl, f1}}, {{}, {}}, ctrlC, letGo},
         {Down, Up}},
        {"F1 let go first", {{{ctrl, f1}, {}}, {{}, {f1}}, {{}, {ctrl}}, ctrlC, letGo}, {Down, Up}},
        {"whole combination within one interval", {{{ctrl, f1}, {f1, ctrl}}, {{}, {}}, ctrlC, letGo}, {Up}},
        {"F1 alone, then Ctrl", {{{f1}, {}}, {{}, {f1}}, {{}, {}}, ctrlC, letGo}, {}},
        {"F1 tapped alone", {{{f1}, {f1}}, {{}, {}}, ctrlC, letGo}, {}},
    };
    for (const Case& test : cases) {
        platform::FakeKeyState script;
        ManualPollTimer scriptTimer;
        HotKeyReceiverCore scripted(ModifierRule::Exact, script, scriptTimer);
        Events seen;
        scripted.setEventHandler([&seen](HotKeyEvent event) { seen.push_back(event); });
        scripted.setRunTime(true);
        scripted.load(watching(f1, /*ctrl=*/true));
        for (const Step& step : test.steps) {
            for (int key : step.pressedBeforeTick)
                script.press(key);
            for (int key : step.releasedBeforeTick)
                script.release(key);
            scriptTimer.fire();
        }
        EXPECT_EQ(seen, test.expected) << test.name;
    }
}

TEST_F(HotKeyReceiverCoreTest, ExtraModifierOrMissingModifierBlocksEvents)
{
    startRunning(watching(vk::kF1, /*ctrl=*/true));
    keys.hold({vk::kControl, vk::kMenu, vk::kF1});
    EXPECT_EQ(ticks(2), Events{});
    keys.hold({vk::kControl, vk::kShift, vk::kF1});
    EXPECT_EQ(ticks(2), Events{});
    EXPECT_EQ(core.lastState(), 0) << "a blocked change must not be stored";
}

TEST_F(HotKeyReceiverCoreTest, EveryTapBetweenTicksGivesOneUp)
{
    startRunning(watching(vk::kScroll));
    keys.tap(vk::kScroll);
    EXPECT_EQ(ticks(), Events{Up});
    EXPECT_EQ(core.lastState(), 1);
    EXPECT_EQ(ticks(), Events{}) << "the 0 after a tap is the same release";
    EXPECT_EQ(core.lastState(), 0);
    // Taps in consecutive intervals read 1 both times: each is a release.
    keys.tap(vk::kScroll);
    EXPECT_EQ(ticks(), Events{Up});
    keys.tap(vk::kScroll);
    EXPECT_EQ(ticks(), Events{Up});
    // A tap while Shift is held is not the combination.
    keys.press(vk::kShift);
    keys.tap(vk::kScroll);
    EXPECT_EQ(ticks(), Events{});
    keys.release(vk::kShift);
    EXPECT_EQ(ticks(3), Events{});
}

TEST_F(HotKeyReceiverCoreTest, TapSpanningATickGivesDownTwiceOrOnceThenUp)
{
    startRunning(watching(vk::kScroll));
    keys.press(vk::kScroll);
    EXPECT_EQ(ticks(), Events{Down});
    keys.release(vk::kScroll);
    EXPECT_EQ(ticks(2), Events{Up});
}

TEST_F(HotKeyReceiverCoreTest, KeyAlreadyDownWhenLoadedRaisesNothingFirst)
{
    keys.hold({vk::kScroll});
    keys.asyncKeyState(vk::kScroll); // someone else saw the press already
    startRunning(watching(vk::kScroll));
    EXPECT_EQ(ticks(3), Events{});
    keys.hold({});
    EXPECT_EQ(ticks(), Events{Up});
}

TEST_F(HotKeyReceiverCoreTest, IntervalZeroStopsAndPositiveReseeds)
{
    startRunning(watching(vk::kF1));
    keys.hold({vk::kF1});
    ticks(2);
    core.setInterval(0);
    EXPECT_FALSE(core.isPolling());
    EXPECT_TRUE(core.enabled()) << "interval 0 must not disable the control";
    EXPECT_FALSE(timer.fire());
    keys.hold({});
    core.setInterval(100);
    EXPECT_TRUE(core.isPolling());
    EXPECT_EQ(timer.intervalMs(), 100);
    // Without re-seeding, the release made while paused would show as Up.
    EXPECT_EQ(ticks(2), Events{});
}

TEST_F(HotKeyReceiverCoreTest, DisablingStopsAtOnceAndEnablingReseeds)
{
    startRunning(watching(vk::kF1));
    core.setEnabled(false);
    EXPECT_FALSE(timer.fire());
    keys.hold({vk::kF1});
    keys.asyncKeyState(vk::kF1);
    core.setEnabled(true);
    EXPECT_EQ(ticks(2), Events{});
    keys.hold({});
    EXPECT_EQ(ticks(), Events{Up});
}

TEST_F(HotKeyReceiverCoreTest, HandlerMayDisableAndReenableTheControl)
{
    startRunning(watching(vk::kF1));
    Events seen;
    core.setEventHandler([&](HotKeyEvent event) {
        seen.push_back(event);
        if (event != Up)
            return;
        // The launcher's reaction: pause polling while it raises itself. The
        // key goes down meanwhile and another program sees the press.
        core.setEnabled(false);
        keys.press(vk::kF1);
        keys.asyncKeyState(vk::kF1);
        core.setEnabled(true);
    });
    keys.tap(vk::kF1);
    timer.fire();
    timer.fire();
    timer.fire();
    EXPECT_EQ(seen, Events{Up}) << "a change during the handler must not raise an event";
}

TEST_F(HotKeyReceiverCoreTest, SettingMaskKeySeedsFromTheNewKey)
{
    startRunning(watching(vk::kF1));
    keys.hold({vk::kF1 + 1});
    keys.asyncKeyState(vk::kF1 + 1);
    core.setMaskKey(vk::kF1 + 1);
    EXPECT_EQ(core.lastState(), -32768);
    EXPECT_EQ(ticks(2), Events{});
}

TEST_F(HotKeyReceiverCoreTest, SettersSeedOnlyWhenTheyMay)
{
    struct Case {
        const char* name;
        std::function<void(HotKeyReceiverCore&)> act;
        bool seeds;
    };
    const Case cases[] = {
        {"positive interval", [](auto& c) { c.setInterval(50); }, true},
        {"zero interval", [](auto& c) { c.setInterval(0); }, false},
        {"negative interval", [](auto& c) { c.setInterval(-5); }, false},
        {"enabled true", [](auto& c) { c.setEnabled(true); }, true},
        {"enabled false", [](auto& c) { c.setEnabled(false); }, false},
        {"mask key", [](auto& c) { c.setMaskKey(vk::kF1); }, true},
        {"modifier", [](auto& c) { c.setCtrlKey(true); }, false},
    };
    for (const Case& testCase : cases) {
        platform::FakeKeyState fakeKeys;
        ManualPollTimer fakeTimer;
        HotKeyReceiverCore receiver(ModifierRule::Exact, fakeKeys, fakeTimer);
        receiver.setRunTime(true);
        receiver.load(watching(vk::kF1));
        fakeKeys.clearQueries();
        testCase.act(receiver);
        EXPECT_EQ(fakeKeys.queryCount(), testCase.seeds ? 1u : 0u) << testCase.name;
    }
}

TEST_F(HotKeyReceiverCoreTest, DesignTimeNeverPollsNorQueries)
{
    core.setRunTime(false);
    core.load(watching(vk::kF1));
    core.setEnabled(true);
    core.setInterval(100);
    core.setMaskKey(vk::kF1 + 1);
    keys.hold({vk::kF1 + 1});
    EXPECT_FALSE(core.isPolling());
    EXPECT_FALSE(timer.fire());
    EXPECT_EQ(keys.queryCount(), 0u);
    EXPECT_TRUE(core.enabled()) << "the stored flag is kept at design time";
}

TEST_F(HotKeyReceiverCoreTest, SwitchingToRunTimeStartsPollingWithASeed)
{
    core.load(watching(vk::kF1));
    keys.hold({vk::kF1});
    keys.asyncKeyState(vk::kF1);
    core.setRunTime(true);
    EXPECT_TRUE(core.isPolling());
    EXPECT_EQ(ticks(2), Events{});
    core.setRunTime(false);
    EXPECT_FALSE(core.isPolling());
}

TEST_F(HotKeyReceiverCoreTest, LoadSetsEveryPropertyInOrderAndReportsEach)
{
    HotKeyProperties saved;
    saved.interval = 120;
    saved.enabled = false;
    saved.maskKey = 65;
    saved.shiftKey = true;
    saved.altKey = true;
    core.setRunTime(true);
    core.load(saved);
    EXPECT_EQ(changes, (std::vector<std::string>{"Interval", "Enabled", "MaskKey", "ShiftKey",
                                                 "CtrlKey", "AltKey"}));
    EXPECT_EQ(core.properties(), saved);
    EXPECT_FALSE(core.isPolling()) << "saved Enabled false keeps the timer off";
}

TEST_F(HotKeyReceiverCoreTest, NewInstanceWatchesEscapeWithoutReportingEnabled)
{
    core.setRunTime(true);
    core.initNew();
    EXPECT_EQ(changes, std::vector<std::string>{"MaskKey"});
    EXPECT_EQ(core.maskKey(), 27);
    EXPECT_TRUE(core.enabled());
    EXPECT_EQ(core.interval(), kDesignIntervalMs);
    EXPECT_TRUE(core.isPolling());
}

TEST_F(HotKeyReceiverCoreTest, AnyMaskKeyIsPassedToTheQueryAsItIs)
{
    for (int maskKey : {-7, 0, 146, 70000}) {
        startRunning(watching(maskKey));
        keys.clearQueries();
        ticks();
        ASSERT_FALSE(keys.queries().empty());
        EXPECT_EQ(keys.queries().back(), maskKey);
    }
    EXPECT_EQ(ticks(), Events{});
}

TEST_F(HotKeyReceiverCoreTest, DestroyingTheCoreStopsItsTimer)
{
    platform::FakeKeyState fakeKeys;
    ManualPollTimer fakeTimer;
    {
        HotKeyReceiverCore receiver(ModifierRule::Exact, fakeKeys, fakeTimer);
        receiver.setRunTime(true);
        receiver.load(watching(vk::kF1));
        ASSERT_TRUE(fakeTimer.isTicking());
    }
    EXPECT_FALSE(fakeTimer.fire());
}

TEST_F(HotKeyReciverTest, IgnoresModifiersAndDoesNotQueryThem)
{
    startRunning(watching(vk::kF1, /*ctrl=*/true));
    keys.hold({vk::kShift, vk::kMenu, vk::kF1});
    keys.clearQueries();
    EXPECT_EQ(ticks(3), (Events{Down, Down}));
    EXPECT_EQ(keys.queries(), (std::vector<int>{vk::kF1, vk::kF1, vk::kF1}));
}

TEST_F(HotKeyReciverTest, LoadsOnlyItsThreeProperties)
{
    HotKeyProperties saved = watching(vk::kF1, /*ctrl=*/true);
    core.setRunTime(true);
    core.load(saved);
    EXPECT_EQ(changes, (std::vector<std::string>{"Interval", "Enabled", "MaskKey"}));
    EXPECT_FALSE(core.properties().ctrlKey);
}

} // namespace
} // namespace quorvex::hotkey
