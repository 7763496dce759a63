#include "launcher/controls/SkinCheckBox.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace controls {
namespace {

TEST(SkinCheckBox, UserClickReportsTheNewValue)
{
    SkinCheckBox box;
    box.setCaption("Default is Always on Top");
    box.resize(box.sizeHint());
    box.show();
    QSignalSpy clicks(&box, &SkinCheckBox::valueClicked);

    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::mouseClick(&box, Qt::LeftButton);

    ASSERT_EQ(clicks.count(), 2);
    EXPECT_EQ(clicks.at(0).at(0).toInt(), 1);
    EXPECT_EQ(clicks.at(1).at(0).toInt(), 0);
    EXPECT_EQ(box.value(), 0);
}

TEST(SkinCheckBox, ValueFromCodeIsZeroOrOneAndRaisesNoClick)
{
    SkinCheckBox box;
    QSignalSpy clicks(&box, &SkinCheckBox::valueClicked);
    const std::pair<int, int> cases[] = {{1, 1}, {0, 0}, {-1, 1}, {5, 1}, {0, 0}};
    for (auto [given, read] : cases) {
        box.setValue(given);
        EXPECT_EQ(box.value(), read) << given;
    }
    EXPECT_EQ(clicks.count(), 0);
}

} // namespace
} // namespace controls
