#include "launcher/controls/ImageList.h"
#include "launcher/controls/PanelTestHelpers.h"

#include <gtest/gtest.h>

namespace controls {
namespace {

using Result = ImageList::AddResult;

TEST(ImageList, DuplicateKeyIsRefusedAndKeepsTheFirstPicture)
{
    ImageList list;
    const QPixmap first = testing::solidPixmap(3, 3, Qt::red);
    const QPixmap second = testing::solidPixmap(5, 5, Qt::blue);

    EXPECT_EQ(list.add("Style0", first), Result::Added);
    EXPECT_EQ(list.add("Style0", second), Result::DuplicateKey);
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.picture("Style0").cacheKey(), first.cacheKey());
}

TEST(ImageList, KeysMatchExactly)
{
    ImageList list;
    ASSERT_EQ(list.add("ExitUp", testing::solidPixmap(1, 1, Qt::red)), Result::Added);
    EXPECT_EQ(list.add("exitup", testing::solidPixmap(1, 1, Qt::blue)), Result::Added);
    EXPECT_FALSE(list.contains("EXITUP"));
    EXPECT_EQ(list.keys(), QStringList({"ExitUp", "exitup"}));
}

TEST(ImageList, MissingKeyGivesANullPicture)
{
    ImageList list;
    EXPECT_TRUE(list.picture("Button1").isNull());
    ASSERT_EQ(list.add("Button1", testing::solidPixmap(2, 2, Qt::red)), Result::Added);
    EXPECT_TRUE(list.picture("Button2").isNull());
    EXPECT_FALSE(list.picture("Button1").isNull());
}

TEST(ImageList, ClearEmptiesTheListSoKeysCanBeAddedAgain)
{
    ImageList list;
    ASSERT_EQ(list.add("section00_1.bmp", testing::solidPixmap(2, 2, Qt::red)), Result::Added);
    ASSERT_EQ(list.add("section00_2.bmp", testing::solidPixmap(2, 2, Qt::red)), Result::Added);
    list.clear();
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(list.contains("section00_1.bmp"));
    EXPECT_TRUE(list.keys().isEmpty());
    EXPECT_EQ(list.add("section00_1.bmp", testing::solidPixmap(2, 2, Qt::blue)), Result::Added);
    EXPECT_EQ(list.count(), 1);
}

TEST(ImageList, EmptyKeyAndUnloadedPictureAreRefusedWithAReason)
{
    ImageList list;
    EXPECT_EQ(list.add("", testing::solidPixmap(1, 1, Qt::red)), Result::EmptyKey);
    EXPECT_EQ(list.add("Button3", QPixmap()), Result::NullPicture);
    EXPECT_TRUE(list.isEmpty());
    EXPECT_TRUE(ImageList::describe(Result::NullPicture, "Button3").contains("Button3"));
    EXPECT_TRUE(ImageList::describe(Result::DuplicateKey, "Style1").contains("Style1"));
}

} // namespace
} // namespace controls
