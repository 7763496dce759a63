#include "platform/copy/QtFileCopyService.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QProgressDialog>

#include <gtest/gtest.h>

namespace {

TEST(QtFileCopyService, QuickCopyCompletesWithoutLeavingADialogBehind)
{
    testsupport::TempFolder temp;
    temp.write("from/Editor.lnk", "bytes");
    std::filesystem::create_directories(temp.path() / "to");
    platform::QtFileCopyService copier;

    const platform::CopyOutcome outcome =
        copier.copy({(temp.path() / "from/Editor.lnk").string()}, (temp.path() / "to").string());

    EXPECT_EQ(outcome.status, platform::CopyOutcome::Status::Completed);
    EXPECT_EQ(temp.read("to/Editor.lnk"), "bytes");
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<QProgressDialog*>(window), nullptr);
}

} // namespace
