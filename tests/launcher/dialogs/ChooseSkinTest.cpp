#include "launcher/dialogs/ChooseSkin.h"

#include "launcher/controls/SkinCheckBox.h"
#include "platform/profile/FileProfileStore.h"
#include "RecordingHooks.h"
#include "support/ScopedEnvironment.h"
#include "support/TempFolder.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

class ScriptedTextInput final : public launcher::TextInput {
public:
    std::string answer;
    std::vector<std::string> titles, prompts, presets;
    std::string ask(QWidget*, const std::string& title, const std::string& prompt, const std::string& preset) override
    {
        titles.push_back(title);
        prompts.push_back(prompt);
        presets.push_back(preset);
        return answer;
    }
};

class RecordingProgram final : public launcher::ProgramControl {
public:
    explicit RecordingProgram(std::vector<std::string>& events)
        : events(events)
    {
    }
    void startNewInstance(const std::string& workingFolder) override { events.push_back("start " + workingFolder); }
    void endProgram() override { events.push_back("end"); }
    std::vector<std::string>& events;
};

class ChooseSkinTest : public ::testing::Test {
protected:
    testsupport::TempFolder app;
    launcher::AppPaths paths{app.str()};
    platform::FileProfileStore profiles;
    platform::RecordingMessageBox messages;
    ScriptedTextInput input;
    std::vector<std::string> events;
    RecordingProgram program{events};
    launcher::LauncherState state;
    std::vector<std::string> hotKeys;
    // Skin name -> the errors its check finds; other skins check clean.
    std::map<std::string, std::vector<std::string>> checkErrors;
    std::vector<std::string> checkedFolders;
    // Folder -> the name the check says start-up gives it.
    std::map<std::string, std::string> checkRenames;
    std::unique_ptr<launcher::ChooseSkin> chooser;

    void SetUp() override
    {
        app.write("skins/beta/beta.ini", "[SkinInfo]\nSkinName=Beta Steel\nAuthorName=Ana\nAuthorWebsite=beta.example\n"
                                         "AuthorEmail=ana@beta.example\nAuthorComment=shiny\nSkinCopyright=(c) Ana\n"
                                         "SkinDescription=A steel skin.\nHotKey=ctrl+b\nAlwaysOnTop=5\n"
                                         "SkinThumbnail=1\n");
        app.write("skins/Alpha/Alpha.ini", "[SkinInfo]\nenableSound=0\n");
        app.write("skins/gamma/gamma.ini", "[SkinInfo]\nSkinThumbnail=abc\n");
        app.write("skins/readme.txt", "a file, not a skin");
        QImage thumbnail(120, 90, QImage::Format_RGB32);
        thumbnail.fill(Qt::red);
        thumbnail.save(QString::fromStdString(app.str() + "skins/beta/Thumbnail.BMP"), "BMP");
        thumbnail.fill(Qt::blue);
        thumbnail.save(QString::fromStdString(app.str() + "nothumb.bmp"), "BMP");
        state.CurrentSkin = "BETA";
        create();
    }

    void create()
    {
        const launcher::DialogHooks hooks = testsupport::RecordingHooks(events);
        chooser = std::make_unique<launcher::ChooseSkin>(launcher::ChooseSkin::Services{
            profiles, messages, input, program, paths, state, hooks, [this] { events.push_back("skin sound"); },
            [this](const std::string& text) { hotKeys.push_back(text); },
            [this] { events.push_back("remove fonts"); },
            [this](const std::string& folder) {
                checkedFolders.push_back(folder);
                launcher::SkinCheckReport report;
                report.skinName = std::filesystem::path(folder).parent_path().filename().string();
                report.errors = checkErrors[report.skinName];
                if (const auto renamed = checkRenames.find(report.skinName); renamed != checkRenames.end())
                    report.skinName = renamed->second;
                return report;
            }});
    }

    template <typename T>
    T* child(const char* name) const
    {
        T* found = chooser->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString labelText(const char* name) const { return child<QLabel>(name)->text(); }
    void select(const char* skin) const
    {
        QListWidget* list = child<QListWidget>("List1");
        list->setCurrentItem(list->findItems(skin, Qt::MatchExactly).value(0));
    }
    std::string skinValue(const std::string& skin, const char* section, const char* key)
    {
        return profiles.read(paths.SkinIniPath(skin), section, key).value_or("<missing>");
    }
};

TEST_F(ChooseSkinTest, ActivationListsSkinsInNameOrderAndSelectsTheRunningOneWhateverItsCase)
{
    chooser->Form_Activate();

    QListWidget* list = child<QListWidget>("List1");
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    EXPECT_EQ(names, (QStringList{"Alpha", "beta", "gamma"}));
    EXPECT_EQ(chooser->selectedSkin(), "beta");
    EXPECT_EQ(child<QPushButton>("HotkeyButton")->text(), "Change beta's Hotkey");
    EXPECT_EQ(events, (std::vector<std::string>{"skin sound", "ChooseSkin topmost"}));
}

TEST_F(ChooseSkinTest, ActivationFromItsProgramsOtherWindowsRefreshesButNotFromItsQuestionOrAnotherProgram)
{
    auto activate = [this] {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(chooser.get(), &activation);
    };
    auto sounds = [this] { return std::count(events.begin(), events.end(), "skin sound"); };
    chooser->show();
    activate(); // the show's own activation
    EXPECT_EQ(sounds(), 1);

    select("gamma");
    input.answer = "alt+g";
    chooser->HotkeyButtonClick();
    activate(); // back from the question
    EXPECT_EQ(chooser->selectedSkin(), "gamma");
    EXPECT_EQ(sounds(), 1);

    app.write("skins/delta/delta.ini", "[SkinInfo]\n");
    // Back from another program: the user's selection stays.
    chooser->FocusWindowChanged(nullptr);
    activate();
    EXPECT_EQ(sounds(), 1);
    EXPECT_EQ(chooser->selectedSkin(), "gamma");
    EXPECT_EQ(chooser->SkinNames().size(), 3u);

    // Back from another window of this program.
    QWidget launcherWindow;
    launcherWindow.winId();
    chooser->FocusWindowChanged(launcherWindow.windowHandle());
    chooser->FocusWindowChanged(chooser->windowHandle());
    activate();
    EXPECT_EQ(sounds(), 2);
    EXPECT_EQ(chooser->selectedSkin(), "beta");
    EXPECT_EQ(chooser->SkinNames().size(), 4u);

    // Through another program on the way back from the launcher window.
    select("gamma");
    chooser->FocusWindowChanged(launcherWindow.windowHandle());
    chooser->FocusWindowChanged(nullptr);
    activate();
    EXPECT_EQ(sounds(), 2);
    EXPECT_EQ(chooser->selectedSkin(), "gamma");
}

TEST_F(ChooseSkinTest, SelectionShowsTheSkinsValuesAndOptions)
{
    chooser->Form_Activate();

    EXPECT_EQ(labelText("SkinName"), "Beta Steel");
    EXPECT_EQ(labelText("Author"), "Ana");
    EXPECT_EQ(labelText("Website"), "beta.example");
    EXPECT_EQ(labelText("Email"), "ana@beta.example");
    EXPECT_EQ(labelText("Comment"), "shiny");
    EXPECT_EQ(labelText("Copyright"), "(c) Ana");
    EXPECT_EQ(labelText("Desc"), "A steel skin.");
    EXPECT_EQ(labelText("hotkey"), "ctrl+b");
    auto* check1 = child<controls::SkinCheckBox>("Check1");
    auto* check2 = child<controls::SkinCheckBox>("Check2");
    EXPECT_EQ(check1->caption(), "beta is Always on Top");
    EXPECT_EQ(check1->value(), 1); // any non-zero number is on
    EXPECT_EQ(check2->caption(), "beta should use Sound");
    EXPECT_EQ(check2->value(), 1); // the default

    select("Alpha");
    EXPECT_EQ(check1->value(), 0);
    EXPECT_EQ(check2->value(), 0);
    EXPECT_EQ(labelText("SkinName"), "");
    EXPECT_EQ(labelText("hotkey"), "");
    EXPECT_EQ(child<QPushButton>("HotkeyButton")->text(), "Change Alpha's Hotkey");
}

TEST_F(ChooseSkinTest, ThumbnailComesFromTheSkinOnlyWhenItsFileSaysSo)
{
    chooser->Form_Activate();
    const std::pair<const char*, QColor> cases[] = {{"beta", Qt::red}, {"Alpha", Qt::blue}, {"gamma", Qt::blue}};
    for (const auto& [skin, colour] : cases) {
        select(skin);
        const QPixmap shown = child<QLabel>("Picture1")->pixmap();
        ASSERT_FALSE(shown.isNull()) << skin;
        EXPECT_EQ(shown.toImage().pixelColor(60, 45), colour) << skin;
    }
}

TEST_F(ChooseSkinTest, CheckBoxesWriteIntoTheSelectedSkinAtOnce)
{
    chooser->Form_Activate();
    select("gamma");

    child<controls::SkinCheckBox>("Check1")->click();
    EXPECT_EQ(skinValue("gamma", "SkinInfo", "AlwaysOnTop"), "1");
    child<controls::SkinCheckBox>("Check2")->click();
    EXPECT_EQ(app.read("skins/gamma/gamma.ini").find("enableSound=0") != std::string::npos, true);
    child<controls::SkinCheckBox>("Check1")->click();
    EXPECT_EQ(skinValue("gamma", "SkinInfo", "AlwaysOnTop"), "0");
    // The running skin's file is untouched.
    EXPECT_EQ(skinValue("beta", "SkinInfo", "AlwaysOnTop"), "5");
}

TEST_F(ChooseSkinTest, HotKeyIsStoredTrimmedShownAsTypedAndAppliedOnlyForTheRunningSkin)
{
    chooser->Form_Activate();
    events.clear();
    input.answer = " ctrl+f5 ";

    chooser->HotkeyButtonClick();

    EXPECT_EQ(input.titles, std::vector<std::string>{"Hotkey Assignment"});
    EXPECT_EQ(input.prompts[0],
              "Enter the hotkey combination you would like to use for the beta skin.  Valid keys are CTRL, SHFT, "
              "ALT, ScrollLock, F1 to F16, A to Z, and 0 to 9.  Use + to make combinations (eg. CTRL+F1)  Certain "
              "key combinations may not work on your keyboard, or may already be used by another program.");
    EXPECT_EQ(input.presets[0], "ctrl+b");
    EXPECT_NE(app.read("skins/beta/beta.ini").find("HotKey=ctrl+f5\n"), std::string::npos);
    EXPECT_EQ(labelText("hotkey"), " ctrl+f5 ");
    EXPECT_EQ(hotKeys, std::vector<std::string>{" ctrl+f5 "});
    EXPECT_EQ(events, (std::vector<std::string>{"ChooseSkin not topmost", "pause 100", "ChooseSkin topmost",
                                                "pause 100"}));

    select("gamma");
    input.answer = "alt+g";
    chooser->HotkeyButtonClick();
    EXPECT_EQ(skinValue("gamma", "SkinInfo", "HotKey"), "alt+g");
    EXPECT_EQ(hotKeys.size(), 1u); // another skin's key waits until that skin is loaded
}

TEST_F(ChooseSkinTest, CancelledHotKeyQuestionWritesNothing)
{
    chooser->Form_Activate();
    const std::string before = app.read("skins/beta/beta.ini");
    input.answer = "";

    chooser->HotkeyButtonClick();

    EXPECT_EQ(app.read("skins/beta/beta.ini"), before);
    EXPECT_EQ(labelText("hotkey"), "ctrl+b");
    EXPECT_TRUE(hotKeys.empty());
}

TEST_F(ChooseSkinTest, HotKeyTextWithALineBreakIsRefusedAndTheUserTold)
{
    chooser->Form_Activate();
    const std::string before = app.read("skins/beta/beta.ini");
    for (const std::string& typed : std::vector<std::string>{"ctrl+a\n[UserSettings]\nShaded=-1", "ctrl+a\r",
                                                           std::string("ctrl+a\0b", 8)}) {
        SCOPED_TRACE(typed);
        const size_t shownBefore = messages.shown().size();
        input.answer = typed;

        chooser->HotkeyButtonClick();

        EXPECT_EQ(app.read("skins/beta/beta.ini"), before);
        ASSERT_EQ(messages.shown().size(), shownBefore + 1);
        EXPECT_NE(messages.shown().back().text.find("not valid"), std::string::npos);
        EXPECT_EQ(labelText("hotkey"), "ctrl+b");
        EXPECT_TRUE(hotKeys.empty());
    }
}

TEST_F(ChooseSkinTest, ChoosingASkinStoresItWithTheShadeStateAndRestarts)
{
    state.ShadedFlag = -1;
    chooser->Form_Activate();
    select("gamma");
    events.clear();

    chooser->Command2Click();

    EXPECT_EQ(state.CurrentSkin, "gamma");
    EXPECT_EQ(profiles.read(paths.LauncherIniPath(), "Options", "StartupSkin"), "gamma");
    EXPECT_EQ(skinValue("gamma", "UserSettings", "Shaded"), "-1");
    EXPECT_EQ(skinValue("beta", "UserSettings", "Shaded"), "<missing>");
    EXPECT_EQ(events, (std::vector<std::string>{"remove fonts", "start " + paths.AppFolder(), "pause 500", "end"}));
}

TEST_F(ChooseSkinTest, ASkinThatCannotLoadIsRefusedWithItsReasonsAndTheRunningSkinStays)
{
    checkErrors["gamma"] = {"missing gamma.bmp (window background)", "missing Exit_up.bmp (exit button)"};
    chooser->Form_Activate();
    select("gamma");
    events.clear();

    chooser->Command2Click();

    EXPECT_EQ(checkedFolders, std::vector<std::string>{paths.SkinFolder("gamma")});
    ASSERT_EQ(messages.shown().size(), 1u);
    const std::string& text = messages.shown()[0].text;
    EXPECT_EQ(text, launcher::SkinRefusedText({"gamma", "", {}, checkErrors["gamma"], {}, {}}, "BETA"));
    EXPECT_NE(text.find("gamma.bmp"), std::string::npos);
    EXPECT_NE(text.find("Exit_up.bmp"), std::string::npos);
    EXPECT_NE(text.find("keeps the skin BETA"), std::string::npos);
    // Nothing stored, no restart, the fonts of the running skin kept.
    EXPECT_EQ(state.CurrentSkin, "BETA");
    EXPECT_FALSE(profiles.read(paths.LauncherIniPath(), "Options", "StartupSkin").has_value());
    EXPECT_EQ(skinValue("gamma", "UserSettings", "Shaded"), "<missing>");
    EXPECT_EQ(events, (std::vector<std::string>{"ChooseSkin not topmost", "pause 100", "ChooseSkin topmost", "pause 100"}));

    // The same chooser still takes a skin that loads.
    select("Alpha");
    chooser->Command2Click();
    EXPECT_EQ(profiles.read(paths.LauncherIniPath(), "Options", "StartupSkin"), "Alpha");
}

// A folder added while the launcher runs may be named otherwise than its
// definition file; the next start would rename it and then find no folder
// of the stored name.
TEST_F(ChooseSkinTest, AFolderStartUpWouldRenameIsRenamedBeforeItIsStored)
{
    app.write("skins/delta/Dusk.ini", "[SkinInfo]\n");
    checkRenames["delta"] = "Dusk";
    chooser->Form_Activate();
    select("delta");

    chooser->Command2Click();

    EXPECT_TRUE(messages.shown().empty());
    EXPECT_EQ(state.CurrentSkin, "Dusk");
    EXPECT_EQ(profiles.read(paths.LauncherIniPath(), "Options", "StartupSkin"), "Dusk");
    EXPECT_TRUE(std::filesystem::is_directory(app.path() / "skins/Dusk"));
    EXPECT_FALSE(std::filesystem::exists(app.path() / "skins/delta"));
    EXPECT_EQ(skinValue("Dusk", "UserSettings", "Shaded"), "0");
}

TEST_F(ChooseSkinTest, CancelRestoresTheLauncherAndWritesNothing)
{
    chooser->show();
    const std::string before = app.read("skins/beta/beta.ini");
    events.clear();

    child<QPushButton>("Command3")->click();

    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(events, std::vector<std::string>{"restore launcher"});
    EXPECT_EQ(app.read("skins/beta/beta.ini"), before);
    EXPECT_FALSE(profiles.read(paths.LauncherIniPath(), "Options", "StartupSkin").has_value());
}

TEST_F(ChooseSkinTest, HowToCreateSkinsNamesTheProgramFolder)
{
    chooser->Command1Click();

    ASSERT_EQ(messages.shown().size(), 1u);
    const std::string text = messages.shown()[0].text;
    EXPECT_EQ(messages.shown()[0].caption, "Quorvex");
    // Four paragraphs, lines ending in CR LF.
    std::vector<std::string> paragraphs;
    for (size_t start = 0;;) {
        const size_t end = text.find("\r\n\r\n", start);
        paragraphs.push_back(text.substr(start, end - start));
        if (end == std::string::npos)
            break;
        start = end + 4;
    }
    ASSERT_EQ(paragraphs.size(), 4u);
    EXPECT_EQ(paragraphs[1],
              "Just open the SKINS.TXT file in notepad for instructions, which is in the following folder:");
    std::string folder = paths.AppFolder();
    folder.pop_back();
    EXPECT_EQ(paragraphs[2].rfind("     " + folder + "\r\n     ", 0), 0u);
    size_t lineFeeds = 0, lineEnds = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        lineFeeds += text[i] == '\n';
        lineEnds += text.compare(i, 2, "\r\n") == 0;
    }
    EXPECT_EQ(lineFeeds, lineEnds); // every line ends in CR LF
}

TEST_F(ChooseSkinTest, NoSkinsLeftEndsTheProgram)
{
    std::filesystem::remove_all(app.path() / "skins");
    std::filesystem::create_directories(app.path() / "skins");

    chooser->Form_Activate();

    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, "No skins to load! Cannot run without skins!");
    EXPECT_EQ(events, std::vector<std::string>{"end"});
}

} // namespace

TEST_F(ChooseSkinTest, LoginStartBoxWritesAndRemovesTheAutostartEntry)
{
    testsupport::TempFolder config;
    const testsupport::ScopedEnvironment configHome("XDG_CONFIG_HOME", config.str() + "cfg");
    const std::filesystem::path entry = config.path() / "cfg/autostart/quorvex.desktop";
    auto* box = child<controls::SkinCheckBox>("LoginStart");
    chooser->Form_Activate();
    EXPECT_FALSE(box->isChecked());

    box->click();
    ASSERT_TRUE(std::filesystem::exists(entry));
    const std::string text = config.read("cfg/autostart/quorvex.desktop");
    EXPECT_NE(text.find("\nExec=" + QCoreApplication::applicationFilePath().toStdString() + " --autostart\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(box->isChecked());

    // The box shows the file, whoever made or removed it.
    chooser->Form_Activate();
    EXPECT_TRUE(box->isChecked());
    box->click();
    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_FALSE(box->isChecked());
    config.write("cfg/autostart/quorvex.desktop", "[Desktop Entry]\n");
    chooser->Form_Activate();
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(ChooseSkinTest, LoginStartThatCannotBeWrittenIsReportedAndLeftUnchecked)
{
    testsupport::TempFolder config;
    config.write("cfg", "a file where the config folder would be");
    const testsupport::ScopedEnvironment configHome("XDG_CONFIG_HOME", config.str() + "cfg");
    auto* box = child<controls::SkinCheckBox>("LoginStart");
    box->click();
    EXPECT_FALSE(box->isChecked());
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_NE(messages.shown()[0].text.find("autostart"), std::string::npos);
}

class ChooseSkinKeyboardTest : public ChooseSkinTest {
protected:
    void SetUp() override
    {
        ChooseSkinTest::SetUp();
        chooser->show();
        chooser->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(chooser.get()));
        events.clear();
    }
    static void press(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }
    void focus(const char* name) { child<QWidget>(name)->setFocus(Qt::TabFocusReason); }
};

TEST_F(ChooseSkinKeyboardTest, TabReachesEveryControlInReadingOrderStartingAtTheList)
{
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "List1");
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
        QStringList reached;
        for (int i = 0; i < 8; ++i) {
            reached << QApplication::focusWidget()->objectName();
            press(key);
        }
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "List1") << key;
        QStringList order{"List1", "Check1", "Check2", "HotkeyButton", "Command1", "Command2", "Command3", "LoginStart"};
        if (key == Qt::Key_Backtab)
            std::reverse(order.begin() + 1, order.end());
        EXPECT_EQ(reached, order) << key;
    }
}

TEST_F(ChooseSkinKeyboardTest, ArrowsPickASkinAndSpaceSetsItsOption)
{
    press(Qt::Key_Down);
    EXPECT_EQ(chooser->selectedSkin(), "gamma");
    EXPECT_EQ(child<controls::SkinCheckBox>("Check2")->caption(), "gamma should use Sound");
    focus("Check2");
    press(Qt::Key_Space);
    EXPECT_EQ(skinValue("gamma", "SkinInfo", "enableSound"), "0");
}

TEST_F(ChooseSkinKeyboardTest, EnterChoosesTheSelectedSkinUnlessAnotherButtonHasTheFocus)
{
    // "How can I create my own skins?" answers its own Enter.
    focus("Command1");
    press(Qt::Key_Return);
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(std::count(events.begin(), events.end(), "end"), 0);

    focus("List1");
    press(Qt::Key_Up);
    press(Qt::Key_Enter);
    EXPECT_EQ(profiles.read(paths.LauncherIniPath(), "Options", "StartupSkin").value_or(""), "Alpha");
    EXPECT_EQ(events.back(), "end");
}

TEST_F(ChooseSkinKeyboardTest, EscapeCancelsFromAnyControl)
{
    const std::string before = app.read("skins/beta/beta.ini");
    focus("Check1");
    press(Qt::Key_Escape);
    EXPECT_FALSE(chooser->isVisible());
    EXPECT_EQ(events, std::vector<std::string>{"restore launcher"});
    EXPECT_EQ(app.read("skins/beta/beta.ini"), before);
}

TEST_F(ChooseSkinTest, ScreenReadersGetANameForEveryControlAndTheValuesTheirCaptions)
{
    app.write("skins/Rock&Roll/Rock&Roll.ini", "[SkinInfo]\nAuthorName=Bo\n");
    chooser->Form_Activate();
    select("Rock&Roll");
    const auto name = [this](const char* control) {
        return QAccessible::queryAccessibleInterface(child<QWidget>(control))->text(QAccessible::Name);
    };
    EXPECT_EQ(QAccessible::queryAccessibleInterface(chooser.get())->role(), QAccessible::Window);
    EXPECT_EQ(name("List1"), "Skins");
    EXPECT_EQ(name("Picture1"), "Thumbnail of Rock&Roll");
    // An "&" of a skin's name is shown and read as written, not taken for a mnemonic.
    EXPECT_EQ(name("Check1"), "Rock&Roll is Always on Top");
    EXPECT_EQ(name("Check2"), "Rock&Roll should use Sound");
    EXPECT_EQ(name("HotkeyButton"), "Change Rock&Roll's Hotkey");
    for (QWidget* control : chooser->findChildren<QWidget*>())
        if (control->focusPolicy() != Qt::NoFocus)
            EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
                << control->objectName().toStdString();

    const std::pair<const char*, QString> values[] = {{"Author", "Author:"}, {"Desc", "Description:"},
                                                      {"hotkey", "Hotkey:"}};
    for (const auto& [value, caption] : values) {
        const auto labels = QAccessible::queryAccessibleInterface(child<QWidget>(value))->relations(QAccessible::Label);
        ASSERT_EQ(labels.size(), 1) << value;
        EXPECT_EQ(labels[0].first->text(QAccessible::Name), caption) << value;
    }
    EXPECT_EQ(name("Author"), "Bo");
}
