#include "launcher/window/ButtonStates.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

using Lines = std::vector<std::string>;

constexpr int kLeft = 1;
constexpr int kRight = 2;
constexpr int kMiddle = 4;
constexpr int kAlt = 4;
constexpr int k32Px = 32 * 15;

PointerAction enter() { return {PointerEvent::Enter}; }
PointerAction leave() { return {PointerEvent::Leave}; }
PointerAction move() { return {PointerEvent::Move, kLeft}; }
PointerAction press(int button) { return {PointerEvent::Press, button}; }
PointerAction release(int button, float xPx = 5, float yPx = 5, int shift = 0)
{
    return {PointerEvent::Release, button, shift, xPx * 15, yPx * 15};
}

StyleKeys style(bool regionOnly)
{
    StyleKeys s;
    s.regionOnly = regionOnly;
    s.fontColor = {1, 2, 3};
    s.fontHoverColor = {4, 5, 6};
    s.sounds = {"hover.wav", "down.wav", "up.wav", "", ""};
    return s;
}

struct LaunchCase {
    const char* name;
    bool regionOnly;
    int shadingSize;
    PointerAction action;
    Lines steps;
};

TEST(ButtonStatesTest, LaunchButtonEvents)
{
    const LaunchCase cases[] = {
        {"enter", false, 0, enter(), {"picture 7 Button2", "colour 7 4,5,6", "sound nostop hover.wav"}},
        {"leave", false, 0, leave(), {"picture 7 Button1", "colour 7 1,2,3"}},
        {"move", false, 0, move(), {"dwell timer off", "clear drag highlight"}},
        {"left press", false, 0, press(kLeft), {"picture 7 Button3", "sound async down.wav"}},
        {"right press does nothing", false, 0, press(kRight), {}},
        {"right release shows the splash", false, 0, release(kRight), {"splash"}},
        {"middle release shows the splash", false, 0, release(kMiddle), {"splash"}},
        {"left release inside",
         false,
         0,
         release(kLeft),
         {"picture 7 Button4", "pause 5", "sound async up.wav", "launch 7"}},
        {"left release at the right edge",
         false,
         0,
         release(kLeft, 32, 32),
         {"picture 7 Button4", "pause 5", "sound async up.wav", "launch 7"}},
        {"left release outside", false, 0, release(kLeft, 33, 5), {"picture 7 Button4", "pause 5", "picture 7 Button1"}},
        {"alt release without a shade strip launches normally",
         false,
         0,
         release(kLeft, 5, 5, kAlt),
         {"picture 7 Button4", "pause 5", "sound async up.wav", "launch 7"}},
        {"alt release with a shade strip rolls up after the whole sound",
         false,
         20,
         release(kLeft, 5, 5, kAlt),
         {"picture 7 Button4", "pause 5", "sound wait up.wav", "roll up", "launch 7"}},
        {"alt release outside neither rolls up nor launches",
         false,
         20,
         release(kLeft, 40, 5, kAlt),
         {"picture 7 Button4", "pause 5", "picture 7 Button1"}},
        {"shift release is an ordinary one",
         false,
         20,
         release(kLeft, 5, 5, 1),
         {"picture 7 Button4", "pause 5", "sound async up.wav", "launch 7"}},
        // Region-only styles keep their picture; colours and sounds go on.
        {"region-only enter", true, 0, enter(), {"colour 7 4,5,6", "sound nostop hover.wav"}},
        {"region-only leave", true, 0, leave(), {"colour 7 1,2,3"}},
        {"region-only press", true, 0, press(kLeft), {"sound async down.wav"}},
        {"region-only release inside", true, 0, release(kLeft), {"pause 5", "sound async up.wav", "launch 7"}},
        {"region-only release outside", true, 0, release(kLeft, -2, 5), {"pause 5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const StyleKeys keys = style(c.regionOnly);
        const LaunchButtonContext button{7, keys, k32Px, k32Px, c.shadingSize};
        EXPECT_EQ(describe(LaunchButtonSteps(button, c.action)), c.steps);
    }
}

TEST(ButtonStatesTest, AClickSequenceThroughALaunchButton)
{
    const StyleKeys keys = style(false);
    const LaunchButtonContext button{0, keys, k32Px, k32Px, 0};
    Lines all;
    for (const auto& action : {enter(), press(kLeft), move(), release(kLeft), leave()}) {
        const Lines steps = describe(LaunchButtonSteps(button, action));
        all.insert(all.end(), steps.begin(), steps.end());
    }
    EXPECT_EQ(all, (Lines{"picture 0 Button2", "colour 0 4,5,6", "sound nostop hover.wav", "picture 0 Button3",
                          "sound async down.wav", "dwell timer off", "clear drag highlight", "picture 0 Button4",
                          "pause 5", "sound async up.wav", "launch 0", "picture 0 Button1", "colour 0 1,2,3"}));
}

TEST(ButtonStatesTest, MovingOverAButtonEndsADragHighlightElsewhere)
{
    const StyleKeys keys = style(false);
    StyleKeys other = style(false);
    other.fontColor = {9, 9, 9};
    LaunchButtonContext button{7, keys, k32Px, k32Px, 0, 2, &other};
    EXPECT_EQ(describe(LaunchButtonSteps(button, move())),
              (Lines{"dwell timer off", "picture 2 Button1", "colour 2 9,9,9", "clear drag highlight"}));
    // Over the highlighted button itself its hover look is right.
    button.dragHighlightButton = 7;
    EXPECT_EQ(describe(LaunchButtonSteps(button, move())), (Lines{"dwell timer off", "clear drag highlight"}));
}

TEST(ButtonStatesTest, DragHighlightIsUndoneLikeALeave)
{
    EXPECT_EQ(describe(DragHighlightRestoreSteps(3, style(false))),
              (Lines{"picture 3 Button1", "colour 3 1,2,3", "clear drag highlight"}));
    EXPECT_EQ(describe(DragHighlightRestoreSteps(3, style(true))), (Lines{"colour 3 1,2,3", "clear drag highlight"}));
}

ActionButtonKeys actionKeys(std::array<std::string, 4> sounds, bool regionOnly = false)
{
    ActionButtonKeys keys;
    keys.sounds = std::move(sounds);
    keys.regionOnly = regionOnly;
    return keys;
}

struct ActionCase {
    const char* name;
    ActionButton which;
    ActionButtonKeys keys;
    PointerEvent event;
    Lines steps;
};

TEST(ButtonStatesTest, ActionButtonEvents)
{
    const auto exitKeys = actionKeys({"xd.wav", "xu.wav", "bye.wav", "xh.wav"});
    const auto scKeys = actionKeys({"sd.wav", "su.wav", "s.wav", "sh.wav"});
    const auto skinKeys = actionKeys({"kd.wav", "ku.wav", "k.wav", "kh.wav"});
    const ActionCase cases[] = {
        {"exit enter", ActionButton::Exit, exitKeys, PointerEvent::Enter,
         {"dwell timer off", "picture -1 ExitHover", "sound nostop xh.wav"}},
        {"exit leave", ActionButton::Exit, exitKeys, PointerEvent::Leave, {"picture -1 ExitUp"}},
        {"exit move", ActionButton::Exit, exitKeys, PointerEvent::Move, {}},
        {"exit press", ActionButton::Exit, exitKeys, PointerEvent::Press, {"picture -1 ExitDown", "sound async xd.wav"}},
        {"exit release",
         ActionButton::Exit,
         exitKeys,
         PointerEvent::Release,
         {"picture -1 ExitHover", "repaint -1", "sound wait xu.wav", "pause 500", "sound wait bye.wav", "exit"}},
        // Without sounds the pause before the end remains.
        {"silent exit release",
         ActionButton::Exit,
         actionKeys({"", "", "", ""}),
         PointerEvent::Release,
         {"picture -1 ExitHover", "repaint -1", "pause 500", "exit"}},
        {"shortcut enter", ActionButton::Shortcut, scKeys, PointerEvent::Enter,
         {"dwell timer off", "picture -1 SCHover", "sound nostop sh.wav"}},
        {"shortcut press", ActionButton::Shortcut, scKeys, PointerEvent::Press,
         {"picture -1 SCDown", "sound async sd.wav"}},
        {"shortcut release",
         ActionButton::Shortcut,
         scKeys,
         PointerEvent::Release,
         {"sound async su.wav", "picture -1 SCUp", "refresh shortcuts", "pause 500", "shortcuts window"}},
        {"skin leave", ActionButton::Skin, skinKeys, PointerEvent::Leave, {"picture -1 SkinUp"}},
        {"skin release",
         ActionButton::Skin,
         skinKeys,
         PointerEvent::Release,
         {"picture -1 SkinHover", "sound async ku.wav", "pause 250", "skin chooser"}},
        {"region-only skin release",
         ActionButton::Skin,
         actionKeys({"kd.wav", "ku.wav", "k.wav", "kh.wav"}, true),
         PointerEvent::Release,
         {"sound async ku.wav", "pause 250", "skin chooser"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(describe(ActionButtonSteps(c.which, c.keys, c.event)), c.steps);
    }
}

std::vector<SectionKeys> threeSections()
{
    std::vector<SectionKeys> sections(3);
    for (int i = 0; i < 3; ++i) {
        auto& s = sections[i];
        s.fontColor = {static_cast<std::uint8_t>(10 + i), 0, 0};
        s.hoverColor = {0, static_cast<std::uint8_t>(20 + i), 0};
        s.currentColor = {0, 0, static_cast<std::uint8_t>(30 + i)};
        s.sounds = {"h" + std::to_string(i), "d" + std::to_string(i), "u" + std::to_string(i)};
    }
    sections[0].style = 1;
    sections[1].style = 1;
    sections[2].style = 2;
    return sections;
}

struct SectionCase {
    const char* name;
    int index;
    int current;
    PointerAction action;
    Lines steps;
};

TEST(ButtonStatesTest, SectionButtonEvents)
{
    auto sections = threeSections();
    // Sections 0 and 1 have folders; section 2 only exists in the skin.
    const int folderCount = 2;
    const SectionCase cases[] = {
        {"enter another section", 1, 1, enter(), {"picture 1 section01_3.bmp", "colour 1 0,21,0", "sound nostop h1"}},
        {"leave another section", 1, 1, leave(), {"picture 1 section01_1.bmp", "colour 1 11,0,0"}},
        {"enter the current section", 0, 1, enter(), {}},
        {"leave the current section", 0, 1, leave(), {}},
        {"enter an inactive section", 2, 1, enter(), {}},
        {"switch with the same background",
         1,
         1,
         press(kLeft),
         {"picture 0 section00_1.bmp", "colour 0 10,0,0", "picture 1 section01_4.bmp", "colour 1 0,0,31",
          "sound async d1", "select section 1", "pause 50", "clear populated"}},
        {"pressing the current section switches to it again",
         0,
         1,
         press(kLeft),
         {"picture 0 section00_1.bmp", "colour 0 10,0,0", "picture 0 section00_4.bmp", "colour 0 0,0,30",
          "sound async d0", "select section 0", "pause 50", "clear populated"}},
        {"left press on an inactive section", 2, 1, press(kLeft), {}},
        {"right press, also inactive", 2, 1, press(kRight), {"splash"}},
        {"middle press", 1, 1, press(kMiddle), {}},
        {"left release", 1, 2, release(kLeft), {"sound async u1", "picture 1 section01_2.bmp"}},
        {"left release on an inactive section", 2, 1, release(kLeft), {}},
        {"right release", 1, 1, release(kRight), {"splash"}},
        {"middle release, also inactive", 2, 1, release(kMiddle), {"splash"}},
        {"a panel beyond the skin's sections", 5, 1, release(kRight), {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SectionButtonContext button{c.index, sections, c.current, folderCount};
        EXPECT_EQ(describe(SectionButtonSteps(button, c.action)), c.steps);
    }
}

TEST(ButtonStatesTest, SectionSwitchChangesTheBackgroundOnlyForADifferentStyle)
{
    auto sections = threeSections();
    const SectionButtonContext toThird{2, sections, 1, 3};
    const Lines steps = describe(SectionButtonSteps(toThird, press(kLeft)));
    ASSERT_FALSE(steps.empty());
    EXPECT_EQ(steps.back(), "background Style2");

    sections[0].regionOnly = true;
    sections[2].regionOnly = true;
    EXPECT_EQ(describe(SectionButtonSteps(toThird, press(kLeft))),
              (Lines{"colour 0 10,0,0", "colour 2 0,0,32", "sound async d2", "select section 2", "pause 50",
                     "clear populated", "background Style2"}));

    // No section was current (no folders at start): nothing to put back up.
    const SectionButtonContext fromNone{1, sections, 0, 3};
    EXPECT_EQ(describe(SectionButtonSteps(fromNone, press(kLeft))).front(), "picture 1 section01_4.bmp");
}

} // namespace
} // namespace launcher
