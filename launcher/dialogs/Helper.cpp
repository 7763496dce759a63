#include "launcher/dialogs/Helper.h"

#include "launcher/controls/DialogKeys.h"
#include "launcher/controls/PlainText.h"
#include "launcher/controls/WindowRole.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace launcher {

const HelperTopic kHelperTopics[4] = {
    {"Label1", "Add Section and Action Buttons...", "Label2",
     "It's easy to add sections and buttons to Quorvex.  Three default sections have been created for you "
     "already.  Drag shortcuts onto them to add buttons.  To rename, delete, or move buttons, click the Shortcut "
     "Management button.  You can create up to 12 folders (sections) for your shortcuts.  Quorvex will update "
     "your sections and buttons every time you switch to a new section, or click the shortcut management "
     "button."},
    {"Label6", "Moving and Using...", "Label3",
     "Click and hold to drag Quorvex around your screen.  It will remember its position the next time you run "
     "it, even if you switch skins!  Since Quorvex is skin-able software, and can mimic anything by using "
     "graphics and sounds, it cannot be resized.  You can, however, make your own skins to suit your particular "
     "needs.  Quorvex \"snaps\" to the edges of the screen within 10 pixels.  If you don't want to use this "
     "feature, hold down the control key when dragging the launcher."},
    {"Label5", "Special Features...", "Label4",
     "You can Windowshade by double-clicking on the designated shade area.  Some skins don't use this feature "
     "(the default one does not.)  Roll your mouse over objects and look for a popup tooltip telling you to "
     "double-click to shade.  The Ferrolume skin has one: double-click the strip along its top to roll it up.  "
     "In addition, each skin features a hotkey, which you can press from any program in Windows to bring "
     "Quorvex to the top.  Look in the Skin Management Window to see what hotkey each skin uses, or to change "
     "it.  Hold down the ALT key when launching anything, and Quorvex will WindowShade automatically!"},
    {"Label8", "Drag and Drop Fun...", "Label7",
     "You can drag-and-drop files onto buttons to launch programs with those files, and even drop files and "
     "folders onto buttons that represent folders or drives to copy them there!  If you drag files over a "
     "section button and pause for a second, it will switch to that section automatically.  This makes it easy "
     "to find the button you want to drop files onto.  If Quorvex is rolled-up (WindowShade), you can open it "
     "automatically by dragging a file over it."},
};

Helper::Helper(DialogHooks hooks, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_hooks(std::move(hooks))
{
    setObjectName("Helper");
    controls::giveWindowsTheirRole();
    setWindowTitle(" Just Starting Out?");
    setFixedSize(kWidthPx, kHeightPx);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 6, 10, 6);
    layout->setSpacing(1);
    for (const HelperTopic& topic : kHelperTopics) {
        auto* heading = &controls::makePlainText(*new QLabel(topic.heading, this));
        heading->setObjectName(topic.headingName);
        QFont bold = heading->font();
        bold.setBold(true);
        bold.setPixelSize(11);
        heading->setFont(bold);
        layout->addWidget(heading);

        auto* paragraph = &controls::makePlainText(*new QLabel(topic.paragraph, this));
        paragraph->setObjectName(topic.paragraphName);
        paragraph->setWordWrap(true);
        paragraph->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QFont small = paragraph->font();
        small.setPixelSize(11);
        paragraph->setFont(small);
        paragraph->setContentsMargins(12, 0, 0, 2);
        layout->addWidget(paragraph);
        // A screen reader names each paragraph by its heading.
        heading->setBuddy(paragraph);
    }
    layout->addStretch();

    auto* ok = new QPushButton("Ok", this);
    ok->setObjectName("Command1");
    ok->setFixedWidth(80);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &Helper::Command1Click);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    // Ok is the only control, so it has the focus: Enter, Space and Escape all close.
    new controls::DialogKeys(*this, [this] { Command1Click(); }, ok);
}

void Helper::Command1Click()
{
    m_hooks.restoreLauncherTopmost();
    close();
}

} // namespace launcher
