#include "hotkey/pages/frmAbout.h"
#include "hotkey/support/QtTestApplication.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quorvex::hotkey {
namespace {

TEST(frmAboutTest, CarriesItsCaptionsAndAPicture)
{
    ensureQtApplication();
    frmAbout box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box.label2()->text(), QStringLiteral("Hot Key"));
    EXPECT_FALSE(box.label1()->text().isEmpty());
    EXPECT_EQ(box.command1()->text(), QStringLiteral("Ok"));
    EXPECT_FALSE(box.image1()->pixmap().isNull());
}

TEST(frmAboutTest, OkClosesTheModalBox)
{
    ensureQtApplication();
    bool clicked = false;
    QTimer::singleShot(0, [&clicked] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (box) {
            box->command1()->click();
            clicked = true;
        }
    });
    frmAbout::showModal();
    EXPECT_TRUE(clicked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace
} // namespace quorvex::hotkey
