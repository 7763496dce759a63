#include "launcher/controls/DragData.h"

#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

namespace controls {
namespace {

TEST(DragData, LocalFilesAreNumberedFromOne)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile("/home/user/a b.lnk"), QUrl("https://example.org/x.lnk"),
                  QUrl::fromLocalFile("/home/user/notes.txt")});
    const DragData data(&mime);

    EXPECT_TRUE(data.getFormat(DragData::kFormatFiles));
    for (int otherFormat : {0, 1, 13, 16})
        EXPECT_FALSE(data.getFormat(otherFormat)) << otherFormat;
    ASSERT_EQ(data.fileCount(), 2);
    EXPECT_EQ(data.file(1), "/home/user/a b.lnk");
    EXPECT_EQ(data.file(2), "/home/user/notes.txt");
}

TEST(DragData, IndexOutsideTheListGivesEmptyText)
{
    const DragData data(QStringList{"/media/stick/one.lnk"});
    for (int index : {0, -1, 2, 1000})
        EXPECT_TRUE(data.file(index).isEmpty()) << index;
}

TEST(DragData, DataWithoutLocalFilesHasNoFileList)
{
    QMimeData text;
    text.setText("selected words");
    QMimeData remote;
    remote.setUrls({QUrl("https://example.org/page")});

    for (const QMimeData* mime : {static_cast<const QMimeData*>(&text), static_cast<const QMimeData*>(&remote),
                                  static_cast<const QMimeData*>(nullptr)}) {
        const DragData data(mime);
        EXPECT_FALSE(data.getFormat(DragData::kFormatFiles));
        EXPECT_EQ(data.fileCount(), 0);
        EXPECT_TRUE(data.file(1).isEmpty());
    }
}

} // namespace
} // namespace controls
