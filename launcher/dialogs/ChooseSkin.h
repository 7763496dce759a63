#pragma once

#include "launcher/config/AppPaths.h"
#include "launcher/config/LauncherState.h"
#include "launcher/dialogs/ChooserPlatform.h"
#include "launcher/dialogs/DialogHooks.h"
#include "launcher/skin/SkinCheck.h"
#include "platform/desktop/MessageBox.h"
#include "platform/profile/ProfileStore.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QWindow;
class QPushButton;

namespace controls {
class SkinCheckBox;
}

namespace launcher {

inline constexpr const char* kHotkeyDialogTitle = "Hotkey Assignment";

// The prompt of the hot-key question for one skin.
std::string HotkeyPrompt(const std::string& skinName);

// The text that tells where the skin-making instructions are, for a
// program installed in `programFolder`.
std::string HowToCreateSkinsText(const std::string& programFolder);

// What the chooser says when it refuses the skin of `report`: its name,
// the skin that stays, and the errors that stop it from loading.
std::string SkinRefusedText(const SkinCheckReport& report, const std::string& runningSkin);

// " Choose a Skin...": lists the installed skins with their description and
// thumbnail, writes each skin's options (always on top, sound, hot key) into
// that skin's file as they are changed, and restarts the program with the
// chosen skin; also turns the program's start at log-in on and off. Opened without blocking; the launcher stays usable.
class ChooseSkin : public QWidget {
    Q_OBJECT

public:
    struct Services {
        platform::ProfileStore& profiles;
        platform::MessageBox& messages;
        TextInput& input;
        ProgramControl& program;
        const AppPaths& paths;
        LauncherState& state;
        DialogHooks hooks;
        // The skin-management button's action sound.
        std::function<void()> playSkinSound;
        // Reprograms the launcher's hot key from a hot-key text, as loading a skin does.
        std::function<void(const std::string& hotKeyText)> applyHotKey;
        // Removes the fonts of the skin in use.
        std::function<void()> removeSkinFonts;
        // Checks a skin folder as `--check-skin` does; a skin it finds
        // unloadable is never made the start-up skin. Unset: no check.
        std::function<SkinCheckReport(const std::string& skinFolder)> checkSkin;
    };

    explicit ChooseSkin(Services services, QWidget* parent = nullptr);

    static constexpr int kWidthPx = 524;
    static constexpr int kHeightPx = 464;

    // Each runs what the window does for that event; public so that the
    // launcher and tests can drive them.
    void Form_Activate();
    void List1Changed();
    void Check1Click(int value);
    void Check2Click(int value);
    void HotkeyButtonClick();
    void Command1Click();
    void Command2Click();
    void Command3Click();
    // "Start Quorvex when I log in": writes or removes the log-in start
    // entry, which starts this very executable with --autostart.
    void LoginStartClick(int value);

    // The keyboard focus moved to `window`: another window of this program,
    // or none (another program has it). Only a return from a window of this
    // program rebuilds the list; coming back from another program keeps the
    // selection the user was working on.
    void FocusWindowChanged(QWindow* window);

    const std::vector<std::string>& SkinNames() const { return m_skinNames; }
    // The selected skin's name, empty when none is selected.
    std::string selectedSkin() const;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    std::string skinValue(const char* key, const char* defaultText) const;
    void writeSkinValue(const char* key, const std::string& value);
    void showThumbnail(const std::string& skin);
    // Shows a message in front of the chooser and hands the window back
    // without rebuilding its list.
    void showOwnMessage(const std::string& text);

    Services m_services;
    std::vector<std::string> m_skinNames;
    bool m_ignoreNextActivation = false;
    bool m_focusWasInThisProgram = false; // where the focus went when it last left this window
    int m_ownDialogs = 0; // our own question or message is open

    QListWidget* m_list1 = nullptr;
    QLabel* m_picture1 = nullptr;
    QLabel* m_skinName = nullptr;
    QLabel* m_author = nullptr;
    QLabel* m_website = nullptr;
    QLabel* m_email = nullptr;
    QLabel* m_comment = nullptr;
    QLabel* m_copyright = nullptr;
    QLabel* m_desc = nullptr;
    QLabel* m_hotkey = nullptr;
    controls::SkinCheckBox* m_check1 = nullptr;
    controls::SkinCheckBox* m_check2 = nullptr;
    controls::SkinCheckBox* m_loginStart = nullptr;
    QPushButton* m_hotkeyButton = nullptr;
};

} // namespace launcher
