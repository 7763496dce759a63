#include "launcher/controls/PointerCodes.h"

#include <gtest/gtest.h>

namespace controls {
namespace {

TEST(PointerCodes, ButtonsAndModifiersCombineAsBits)
{
    EXPECT_EQ(mouseButtonCode(Qt::NoButton), 0);
    EXPECT_EQ(mouseButtonCode(Qt::LeftButton), 1);
    EXPECT_EQ(mouseButtonCode(Qt::RightButton), 2);
    EXPECT_EQ(mouseButtonCode(Qt::MiddleButton), 4);
    EXPECT_EQ(mouseButtonCode(Qt::LeftButton | Qt::RightButton | Qt::BackButton), 3);

    EXPECT_EQ(shiftCode(Qt::NoModifier), 0);
    EXPECT_EQ(shiftCode(Qt::ShiftModifier), 1);
    EXPECT_EQ(shiftCode(Qt::ControlModifier), 2);
    EXPECT_EQ(shiftCode(Qt::AltModifier), 4);
    EXPECT_EQ(shiftCode(Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier), 5);

    EXPECT_EQ(dropEffectCode(Qt::IgnoreAction), 0);
    EXPECT_EQ(dropEffectCode(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction), 7);
}

TEST(PointerCodes, DropNeverAnswersMoveSoTheSourceKeepsItsFiles)
{
    struct Case {
        Qt::DropActions possible;
        Qt::DropAction answer;
    };
    const Case cases[] = {
        {Qt::CopyAction | Qt::MoveAction | Qt::LinkAction, Qt::CopyAction},
        {Qt::MoveAction | Qt::LinkAction, Qt::LinkAction},
        {Qt::MoveAction, Qt::IgnoreAction},
        {Qt::IgnoreAction, Qt::IgnoreAction},
    };
    for (const Case& c : cases)
        EXPECT_EQ(safeDropAction(c.possible), c.answer) << int(c.possible);
}

} // namespace
} // namespace controls
