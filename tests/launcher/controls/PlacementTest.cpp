#include "launcher/controls/Placement.h"

#include <gtest/gtest.h>

namespace controls {
namespace {

// An item of 10 x 4 in an area of 100 x 40 at (5, 7).
const QRect kArea(5, 7, 100, 40);
const QSize kItem(10, 4);

TEST(Placement, EveryCodeHasItsOwnCornerEdgeOrCentre)
{
    struct Case {
        int code;
        QPoint topLeft;
        Qt::Alignment alignment;
    };
    const int left = 5, centreX = 5 + 45, right = 5 + 90;
    const int top = 7, middleY = 7 + 18, bottom = 7 + 36;
    const Case cases[] = {
        {0, {left, top}, Qt::AlignLeft | Qt::AlignTop},
        {1, {left, middleY}, Qt::AlignLeft | Qt::AlignVCenter},
        {2, {left, bottom}, Qt::AlignLeft | Qt::AlignBottom},
        {3, {right, top}, Qt::AlignRight | Qt::AlignTop},
        {4, {right, middleY}, Qt::AlignRight | Qt::AlignVCenter},
        {5, {right, bottom}, Qt::AlignRight | Qt::AlignBottom},
        {6, {centreX, top}, Qt::AlignHCenter | Qt::AlignTop},
        {7, {centreX, middleY}, Qt::AlignHCenter | Qt::AlignVCenter},
        {8, {centreX, bottom}, Qt::AlignHCenter | Qt::AlignBottom},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(placeRect(kItem, kArea, c.code), QRect(c.topLeft, kItem)) << "code " << c.code;
        EXPECT_EQ(alignmentFromPlacement(c.code), c.alignment) << "code " << c.code;
        EXPECT_TRUE(kArea.contains(placeRect(kItem, kArea, c.code))) << "code " << c.code;
    }
}

TEST(Placement, UnknownCodesCentreTheItem)
{
    const QRect centred = placeRect(kItem, kArea, kPlacementCentreMiddle);
    for (int code : {-1, 9, 255, 32767}) {
        EXPECT_FALSE(isValidPlacement(code));
        EXPECT_EQ(placeRect(kItem, kArea, code), centred) << code;
        EXPECT_EQ(alignmentFromPlacement(code), Qt::AlignCenter) << code;
    }
}

} // namespace
} // namespace controls
