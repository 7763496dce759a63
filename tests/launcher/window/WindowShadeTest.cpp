#include "launcher/window/WindowShade.h"

#include <gtest/gtest.h>

namespace launcher {
namespace {

using Lines = std::vector<std::string>;

ShadingKeys strip(int left, int top, int width, int height)
{
    ShadingKeys keys;
    keys.left = left;
    keys.top = top;
    keys.width = width;
    keys.height = height;
    keys.shadeSound = "shade.wav";
    keys.restoreSound = "restore.wav";
    return keys;
}

TEST(WindowShadeTest, RollUpInstallsTheOutlineBeforeShrinking)
{
    const auto look = ChooseShadeLook({180, 24}, strip(10, 5, 100, 12), {300, 200});
    EXPECT_EQ(describe(RollUpSteps(strip(10, 5, 100, 12), look)),
              (Lines{"shaded on", "launch controls off", "outline shade", "size 180x24", "window picture shade",
                     "sound async shade.wav", "shade strip off"}));
    // Coming back shaded at start-up is silent.
    EXPECT_EQ(describe(RollUpSteps(strip(10, 5, 100, 12), look, ShadeSound::Silent)),
              (Lines{"shaded on", "launch controls off", "outline shade", "size 180x24", "window picture shade",
                     "shade strip off"}));
}

TEST(WindowShadeTest, RollDownGrowsBeforeTakingTheFullOutline)
{
    EXPECT_EQ(describe(RollDownSteps(-1, strip(10, 5, 100, 12), 3, {300, 200})),
              (Lines{"full picture Style3", "size 300x200", "outline full", "window picture full", "shade strip on",
                     "sound async restore.wav", "launch controls on", "shaded off"}));
}

TEST(WindowShadeTest, NothingHappensWithoutAShadeStripOrWhenNotShaded)
{
    const auto look = ChooseShadeLook({180, 24}, strip(0, 0, 0, 0), {300, 200});
    EXPECT_TRUE(RollUpSteps(strip(0, 0, 0, 0), look).empty());
    EXPECT_TRUE(RollDownSteps(0, strip(10, 5, 100, 12), 0, {300, 200}).empty());
}

TEST(WindowShadeTest, RollUpThenDownRestoresEveryChangedThing)
{
    const ShadingKeys keys = strip(10, 5, 100, 12);
    const WindowSteps up = RollUpSteps(keys, ChooseShadeLook({180, 24}, keys, {300, 200}));
    const WindowSteps down = RollDownSteps(-1, keys, 0, {300, 200});
    // Every visibility, flag and look the roll-up set is set back.
    for (const StepKind kind : {StepKind::SetShaded, StepKind::ShowLaunchControls, StepKind::ShowShadeStrip}) {
        const auto find = [kind](const WindowSteps& steps) {
            return std::find_if(steps.begin(), steps.end(), [kind](const WindowStep& s) { return s.kind == kind; });
        };
        ASSERT_NE(find(up), up.end());
        ASSERT_NE(find(down), down.end());
        EXPECT_NE(find(up)->flag, find(down)->flag);
    }
}

TEST(WindowShadeTest, WithoutShadePictureTheStripItselfIsTheRolledUpWindow)
{
    struct Case {
        const char* name;
        PixelSize shadePicture;
        ShadingKeys keys;
        std::optional<ShadeLook> look;
    };
    const Case cases[] = {
        {"shade picture", {180, 24}, strip(10, 5, 100, 12), ShadeLook{ShadeSource::ShadePicture, {0, 0, 180, 24}}},
        {"no shade picture", {0, 0}, strip(10, 5, 100, 12), ShadeLook{ShadeSource::BackgroundStrip, {10, 5, 100, 12}}},
        {"empty shade picture", {180, 0}, strip(10, 5, 100, 12),
         ShadeLook{ShadeSource::BackgroundStrip, {10, 5, 100, 12}}},
        {"strip past the background", {}, strip(250, 190, 100, 20),
         ShadeLook{ShadeSource::BackgroundStrip, {250, 190, 50, 10}}},
        {"strip partly left of it", {}, strip(-5, 0, 20, 10), ShadeLook{ShadeSource::BackgroundStrip, {0, 0, 15, 10}}},
        {"strip off the background", {}, strip(400, 0, 20, 10), std::nullopt},
        {"line of a strip", {}, strip(10, 10, 0, 30), std::nullopt},
        {"absurd strip", {}, strip(2147483000, 0, 2147483000, 10), std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ChooseShadeLook(c.shadePicture, c.keys, {300, 200}), c.look);
    }
    // A strip that gives no look leaves the window as it is.
    EXPECT_TRUE(RollUpSteps(strip(10, 10, 0, 30), std::nullopt).empty());
    const auto stripLook = ChooseShadeLook({}, strip(10, 5, 100, 12), {300, 200});
    EXPECT_EQ(describe(RollUpSteps(strip(10, 5, 100, 12), stripLook))[3], "size 100x12");
}

} // namespace
} // namespace launcher
