// Names of files and folders and texts from skin files reach the screen
// as written, never as markup: every label of the launcher's windows is a
// plain-text label, and every tool tip shows its text literally.
#include "LauncherFixture.h"

#include "launcher/controls/PlainText.h"
#include "launcher/dialogs/ChooseSkin.h"
#include "launcher/dialogs/Helper.h"
#include "launcher/dialogs/Message.h"
#include "launcher/dialogs/Shortcuts.h"
#include "launcher/dialogs/Splash.h"

#include "platform/copy/QtCopyInteraction.h"
#include "platform/desktop/MessageBox.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QThread>
#include <QTimer>

#include <functional>

using namespace launcher;
using dragdroptest::LauncherFixture;

namespace {

const std::string kBigName = "<font color=red size=7>BIG";
const std::string kPictureText = "<img src=\"private.png\"> and <b>bold</b>";

// The text a tool tip window shows for `tip`, which treats text that looks
// like markup as markup; empty when the markup would draw a picture or
// give any of the text a look of its own (colour, size, weight, link).
QString shownToolTip(const QString& tip)
{
    QTextDocument document;
    if (Qt::mightBeRichText(tip))
        document.setHtml(tip);
    else
        document.setPlainText(tip);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat() || !format.properties().isEmpty())
                return {};
        }
    }
    return document.toPlainText();
}

class PlainTextTest : public LauncherFixture {
protected:
    // Every label and tool tip of every window the launcher has open.
    void expectEverythingPlain()
    {
        int labels = 0;
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QList<QWidget*> widgets = window->findChildren<QWidget*>();
            widgets.push_back(window);
            for (QWidget* widget : widgets) {
                const QString name = window->objectName() + "/" + widget->objectName();
                if (auto* label = qobject_cast<QLabel*>(widget)) {
                    ++labels;
                    EXPECT_EQ(label->textFormat(), Qt::PlainText) << name.toStdString();
                }
                if (!widget->toolTip().isEmpty()) {
                    EXPECT_FALSE(shownToolTip(widget->toolTip()).isEmpty())
                        << name.toStdString() << ": " << widget->toolTip().toStdString();
                }
            }
        }
        EXPECT_GT(labels, 40); // the window's captions and the chooser's texts were walked
    }
};

} // namespace

TEST(PlainToolTip, ShowsAnyTextLiterallyBlanksIncluded)
{
    for (const QString& text : {QString(" Games "), QString(" <font color=red size=7>BIG "),
                               QString("<img src=\"x.png\">"), QString("a &lt; b & c"), QString("<qt>x</qt>")})
        EXPECT_EQ(shownToolTip(controls::plainToolTip(text)), text) << text.toStdString();
    // The check itself can fail.
    for (const QString& markup : {QString::fromStdString(" " + kBigName + " "), QString("<img src=\"x.png\">"),
                                 QString("<b>bold</b>")})
        EXPECT_TRUE(shownToolTip(markup).isEmpty()) << markup.toStdString();
}

TEST_F(PlainTextTest, NamesFromFilesAndSkinTextsAreShownAsWritten)
{
    // "<u>Tools" sorts first, so it is the current section.
    app.write("shortcuts/<u>Tools/" + kBigName + ".url", "[InternetShortcut]\nURL=https://example.org/\n");
    profiles.write(app.str() + "skins/Slatewise/Slatewise.ini", "SkinInfo", "SkinDescription", kPictureText);
    profiles.write(app.str() + "skins/Slatewise/Slatewise.ini", "SkinInfo", "AuthorName", "<h1>Ana</h1>");
    load();
    launcher->OpenSkinChooser();
    // The other windows are walked too, whether or not they are shown.
    Message message;
    message.show();
    const Helper helper;
    const Splash about(Splash::Mode::About);
    const Shortcuts reminder(app.str() + "shortcuts", {{}, [](const std::string&) {}});

    const LaunchButtonSet& buttons = launcher->launchButtons();
    int big = -1;
    for (int i = 0; i < buttons.VisibleButtonCount; ++i)
        if (buttons.buttons[static_cast<size_t>(i)].caption == kBigName)
            big = i;
    ASSERT_GE(big, 0);
    const SkinnedControls& controls = launcher->form().controls();
    EXPECT_EQ(controls.BLabel[static_cast<size_t>(big)]->text().toStdString(), kBigName);
    EXPECT_EQ(shownToolTip(controls.SSButton[static_cast<size_t>(big)]->toolTip()).toStdString(), " " + kBigName + " ");
    bool toolsTip = false;
    for (const controls::SkinPanel* section : controls.SSPanel1)
        toolsTip = toolsTip || shownToolTip(section->toolTip()) == " <u>Tools ";
    EXPECT_TRUE(toolsTip);

    ChooseSkin* chooser = launcher->form().findChild<ChooseSkin*>();
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(chooser->findChild<QLabel*>("Desc")->text().toStdString(), kPictureText);
    EXPECT_EQ(chooser->findChild<QLabel*>("Author")->text().toStdString(), "<h1>Ana</h1>");

    expectEverythingPlain();
    message.close();
}

namespace {

// Opens a modal dialog with `open`; while it runs, records the text format
// and text of each of its labels that shows `name`, then closes it.
std::vector<std::pair<Qt::TextFormat, std::string>> labelsOfModal(const std::function<void()>& open,
                                                                   const std::string& name)
{
    std::vector<std::pair<Qt::TextFormat, std::string>> seen;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        for (const QLabel* label : modal->findChildren<QLabel*>())
            if (label->text().toStdString().find(name) != std::string::npos)
                seen.emplace_back(label->textFormat(), label->text().toStdString());
        modal->close();
    });
    open();
    return seen;
}

} // namespace

TEST(PlainTextDialogs, MessagesAndQuestionsQuoteNamesAsWritten)
{
    const std::string name = "<font color=red size=7>BIG";
    platform::QtMessageBox messages;
    platform::QtCopyInteraction copies;
    launcher::QtTextInput input;
    const std::pair<const char*, std::function<void()>> dialogs[] = {
        {"message", [&] { messages.show("Cannot copy " + name + ".url", "Quorvex"); }},
        {"copy error", [&] { copies.reportError("Cannot write /home/u/" + name + ".url: No space left on device"); }},
        {"replace question", [&] { copies.askReplace("/lib/" + name + ".url", "/home/u/" + name + ".url"); }},
        {"hot-key question", [&] { input.ask(nullptr, "Hotkey Assignment", HotkeyPrompt(name), ""); }},
    };
    for (const auto& [what, open] : dialogs) {
        SCOPED_TRACE(what);
        const auto labels = labelsOfModal(open, name);
        ASSERT_FALSE(labels.empty());
        for (const auto& [format, text] : labels)
            EXPECT_EQ(format, Qt::PlainText) << text;
    }
}

TEST(PlainTextDialogs, CopyProgressNamesTheFileAsWritten)
{
    const std::string name = "<font color=red size=7>BIG.url";
    platform::QtCopyInteraction copies;
    copies.begin(100, 1);
    // The progress window shows up only for copies that take a while.
    QThread::msleep(platform::QtCopyInteraction::kShowAfterMs + 20);
    copies.progress("/lib/" + name, 50);

    bool found = false;
    for (QWidget* window : QApplication::topLevelWidgets())
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->text().toStdString().find(name) != std::string::npos) {
                found = true;
                EXPECT_EQ(label->textFormat(), Qt::PlainText);
            }
    EXPECT_TRUE(found);
    copies.end();
}
