#include "RecordingHooks.h"
#include "launcher/dialogs/Helper.h"
#include "launcher/dialogs/Message.h"
#include "launcher/dialogs/Shortcuts.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::string text(const QWidget& window, const char* name)
{
    const QLabel* label = window.findChild<QLabel*>(name);
    return label ? label->text().toStdString() : "<no " + std::string(name) + ">";
}

TEST(Helper, ShowsItsFourTopicsWordForWord)
{
    launcher::Helper helper;
    EXPECT_EQ(helper.windowTitle(), " Just Starting Out?");
    EXPECT_EQ(helper.size(), QSize(482, 443));
    const std::pair<const char*, const char*> headings[] = {{"Label1", "Add Section and Action Buttons..."},
                                                            {"Label6", "Moving and Using..."},
                                                            {"Label5", "Special Features..."},
                                                            {"Label8", "Drag and Drop Fun..."}};
    for (const auto& [name, heading] : headings)
        EXPECT_EQ(text(helper, name), heading);

    EXPECT_EQ(text(helper, "Label2").rfind("It's easy to add sections and buttons to Quorvex.  Three default", 0), 0u);
    EXPECT_NE(text(helper, "Label3").find("Quorvex \"snaps\" to the edges of the screen within 10 pixels."),
              std::string::npos);
    const std::string special = text(helper, "Label4");
    EXPECT_NE(special.find("telling you to double-click to shade.  The Ferrolume skin"), std::string::npos);
    EXPECT_NE(special.find(".  In addition, each skin features a hotkey"), std::string::npos);
    EXPECT_EQ(special.substr(special.size() - 26), "WindowShade automatically!");
    EXPECT_EQ(text(helper, "Label7").substr(0, 30), "You can drag-and-drop files on");
}

TEST(Helper, EveryParagraphFitsItsPlace)
{
    launcher::Helper helper;
    helper.show();
    for (const char* name : {"Label2", "Label3", "Label4", "Label7"}) {
        const QLabel* paragraph = helper.findChild<QLabel*>(name);
        ASSERT_NE(paragraph, nullptr) << name;
        EXPECT_LE(paragraph->heightForWidth(paragraph->width()), paragraph->height()) << name;
        EXPECT_LE(paragraph->geometry().bottom(), helper.findChild<QPushButton*>("Command1")->y()) << name;
    }
}

TEST(Helper, OkRestoresTheLaunchersTopmostStateAndCloses)
{
    std::vector<std::string> events;
    launcher::Helper helper(testsupport::RecordingHooks(events));
    helper.show();

    helper.findChild<QPushButton*>("Command1")->click();

    EXPECT_EQ(events, std::vector<std::string>{"restore launcher"});
    EXPECT_FALSE(helper.isVisible());
}

TEST(Helper, EnterSpaceAndEscapeCloseItAsOkDoes)
{
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space, Qt::Key_Escape}) {
        std::vector<std::string> events;
        launcher::Helper helper(testsupport::RecordingHooks(events));
        helper.show();
        helper.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&helper));
        ASSERT_EQ(QApplication::focusWidget(), helper.findChild<QPushButton*>("Command1")) << key;

        QTest::keyClick(QApplication::focusWidget(), key);

        EXPECT_EQ(events, std::vector<std::string>{"restore launcher"}) << key;
        EXPECT_FALSE(helper.isVisible()) << key;
    }
}

TEST(Helper, ScreenReadersNameEachParagraphByItsHeading)
{
    launcher::Helper helper;
    for (const launcher::HelperTopic& topic : launcher::kHelperTopics) {
        const auto labels = QAccessible::queryAccessibleInterface(helper.findChild<QLabel*>(topic.paragraphName))
                                ->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << topic.paragraphName;
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), topic.heading);
    }
}

TEST(SmallWindows, ScreenReadersSeeEachAsAWindowNamedByItsTitle)
{
    launcher::Helper helper;
    launcher::Message message;
    launcher::Shortcuts reminder("/app/shortcuts", {});
    const std::pair<QWidget*, QAccessible::Role> windows[] = {
        {&helper, QAccessible::Window}, {&message, QAccessible::Window}, {&reminder, QAccessible::Dialog}};
    for (const auto& [window, role] : windows) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window);
        EXPECT_EQ(accessible->role(), role) << window->objectName().toStdString();
        EXPECT_EQ(accessible->text(QAccessible::Name), window->windowTitle());
    }
}

TEST(Shortcuts, OpensTheFolderStaysInFrontAndClosesItself)
{
    std::vector<std::string> events;
    launcher::Shortcuts::Actions actions;
    actions.playSound = [&] { events.push_back("sound"); };
    actions.openFolder = [&](const std::string& folder) { events.push_back("open " + folder); };
    launcher::Shortcuts reminder("/app/shortcuts", actions, testsupport::RecordingHooks(events));

    EXPECT_EQ(text(reminder, "Label1"), "When done, click on a section button to refresh your shortcuts!");
    EXPECT_EQ(reminder.windowTitle(), " Remember...");
    const int result = reminder.exec();

    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_FALSE(reminder.isVisible());
    EXPECT_EQ(events, (std::vector<std::string>{"sound", "Shortcuts topmost", "pause 500", "open /app/shortcuts",
                                                "pause 1000", "Shortcuts topmost", "restore launcher"}));
}

TEST(Message, AsksTheUserToWait)
{
    launcher::Message message;
    EXPECT_EQ(message.windowTitle(), " Quorvex");
    EXPECT_EQ(text(message, "Label1"), "Please wait -- Refreshing Shortcuts...");
    EXPECT_EQ(message.size(), QSize(312, 92));
}

} // namespace
