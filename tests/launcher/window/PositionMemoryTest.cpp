#include "launcher/window/PositionMemory.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace launcher {
namespace {

using Answer = std::optional<PixelPoint>;
using Step = PositionMemory::Step;

// The answers the window system gives after one release, and what the memory
// makes of each; it is asked no further once it says so.
struct Case {
    const char* name;
    std::optional<PixelPoint> placed;
    std::vector<Answer> answers;
    std::vector<Step> expected;
};

TEST(PositionMemoryTest, StoresOnlyWhatTheWindowSystemReports)
{
    const PixelPoint put{200, 180};
    const Case cases[] = {
        {"own move, already there", put, {put}, {{put, false}}},
        {"own move, window system catching up",
         put,
         {PixelPoint{190, 170}, PixelPoint{190, 170}, put},
         {{PixelPoint{190, 170}, true}, {std::nullopt, true}, {put, false}}},
        {"own move, window system cannot say", put, {std::nullopt}, {{std::nullopt, false}}},
        {"window system moved it", std::nullopt, {PixelPoint{432, 282}}, {{PixelPoint{432, 282}, false}}},
        {"window system never says where", std::nullopt, {std::nullopt}, {{std::nullopt, false}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PositionMemory memory;
        memory.dragEnded(c.placed);
        ASSERT_EQ(c.answers.size(), c.expected.size());
        for (std::size_t i = 0; i < c.answers.size(); ++i) {
            const Step step = memory.answered(c.answers[i]);
            EXPECT_EQ(step.store.has_value(), c.expected[i].store.has_value()) << "answer " << i;
            if (step.store && c.expected[i].store) {
                EXPECT_EQ(step.store->x, c.expected[i].store->x) << "answer " << i;
                EXPECT_EQ(step.store->y, c.expected[i].store->y) << "answer " << i;
            }
            EXPECT_EQ(step.askAgain, c.expected[i].askAgain) << "answer " << i;
        }
        EXPECT_EQ(memory.answered(put), Step{}) << "an answer after the last question";
    }
}

TEST(PositionMemoryTest, GivesUpOnAMoveThatNeverArrives)
{
    PositionMemory memory;
    memory.dragEnded(PixelPoint{500, 500});
    int questions = 0;
    Step step;
    do {
        step = memory.answered(PixelPoint{32, 32});
        ++questions;
    } while (step.askAgain && questions < 100);
    EXPECT_EQ(questions, PositionMemory::kMaxQuestions);
}

TEST(PositionMemoryTest, EveryReleaseStoresItsPositionAgain)
{
    // The file may have been changed in between; a click without a move
    // still writes where the window is.
    PositionMemory memory;
    for (int release = 0; release < 2; ++release) {
        memory.dragEnded(PixelPoint{10, 20});
        const Step step = memory.answered(PixelPoint{10, 20});
        ASSERT_TRUE(step.store) << release;
        EXPECT_EQ(step.store->x, 10);
    }
    EXPECT_EQ(memory.answered(PixelPoint{10, 20}), Step{}) << "nothing asked before a release";
}

} // namespace
} // namespace launcher
