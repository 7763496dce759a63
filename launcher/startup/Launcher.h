#pragma once

#include "launcher/config/AppPaths.h"
#include "launcher/config/LauncherState.h"
#include "launcher/dialogs/DialogHooks.h"
#include "launcher/library/LaunchButtons.h"
#include "launcher/library/ShortcutIconTable.h"
#include "launcher/library/ShortcutLauncher.h"
#include "launcher/library/ShortcutLibrary.h"
#include "launcher/skin/SkinDefinition.h"
#include "launcher/skin/SkinLoaders.h"
#include "launcher/startup/Services.h"
#include "launcher/window/HostedControls.h"
#include "launcher/window/PauseWithEvents.h"
#include "launcher/window/QuorvexForm.h"
#include "platform/sound/SkinSoundPlayer.h"

#include <QPixmap>

#include <memory>
#include <string>
#include <vector>

namespace launcher {

class SkinChangeWatch;
class Splash;

enum class StartupResult {
    Running,
    NoSkins,        // the skins folder holds no skin
    CannotLoadSkin, // the start-up skin's background could not be loaded
    MissingControl, // a component control of the window is not registered
};

inline constexpr const char* kProgramTitle = "Quorvex";
inline constexpr const char* kNoSkinsMessage = "No skins to load! Cannot run without skins!";
inline constexpr const char* kCannotLoadSkinMessage = "Cannot load skin!";
inline constexpr const char* kDefaultSkin = "Slatewise";

// The launcher: its main window and the program-wide state, brought up by the
// start-up sequence and put away by the close handler.
class Launcher {
public:
    Launcher(Services services, AppPaths paths);
    ~Launcher();

    // Runs the whole start-up sequence. Unless the result is Running, the
    // user has been told why and the program should end at once.
    StartupResult Load();

    // The close handler: removes the skin's fonts and stores the shade state.
    void QueryUnload();

    QuorvexForm& form() { return *m_form; }
    LauncherState& state() { return m_state; }
    Splash* splash() const { return m_splash.get(); }
    const AppPaths& paths() const { return m_paths; }
    const std::vector<std::string>& SkinNames() const { return m_skinNames; }
    const SkinDefinition& skin() const { return m_skin; }
    const SkinWindowSettings& windowSettings() const { return m_settings; }
    // The start-up steps run so far, by their status line, and whether
    // this start skipped the splash and its pauses.
    const std::vector<std::string>& startupSteps() const { return m_startupSteps; }
    bool quietStart() const { return m_quiet; }
    int pausesTaken() const { return m_pause.pausesTaken(); }

    // Loads the running skin again in place, after its files were edited,
    // keeping the section, the window's position and its shade state. A
    // skin that no longer loads keeps its look, and what --check-skin says
    // about it goes to standard error. False when the launcher is in the
    // middle of something (a pause, a drag, a dialog's event loop) and
    // nothing was done: ask again later.
    bool ReloadSkin();
    // An edit of the skin was seen and the reload waits for it to settle.
    bool skinReloadPending() const;

    // Keeps `window` above all others, or lets it go back among them.
    void SetWindowTopmost(QWidget& window, bool onTop);

    // The global hot key was pressed and released: bring the window forward.
    void HotKeyUp();

    // The shortcut library and the launch buttons of the current section.
    ShortcutLibrary& library() { return *m_library; }
    const LaunchButtonSet& launchButtons() const { return m_buttons; }
    platform::SkinSoundPlayer& skinSounds() { return m_skinSounds; }
    Services& services() { return m_services; }
    HostedControls& hosted() { return m_hosted; }
    void pause(int milliseconds) { m_pause(milliseconds); }

    // Re-reads the library when it changed behind the launcher's back,
    // behind the "Please wait" window. True when it reloaded.
    bool RefreshShortcutsIfChanged();
    // Reads the section folders, panels, icons and buttons again.
    void ReloadLibrary();
    // Makes section `index` (0-based) current and shows its launch buttons.
    void SwitchSection(int index);
    // Opens what launch button `index` stands for, with files dropped on it.
    LaunchResult LaunchButton(int index, const std::vector<std::string>& droppedFiles = {});
    // Shows or hides the launch buttons in use and the section panels.
    void ShowLaunchControls(bool visible);
    // The window background of a background number (0: the skin's own). A
    // number whose picture is missing gives the skin's own background, never
    // the one another section left on the window.
    QPixmap SectionBackground(int number) const;
    const QPixmap& Picture3() const { return m_picture3; }

    // The window's behaviour, each part wired up in its own file:
    // WindowInteraction.cpp, LauncherShade.cpp, DragAndDrop.cpp and
    // LauncherDialogs.cpp.
    void ConnectWindowInteraction(); // pointer, buttons, sounds, dragging, shade, clock
    void ConnectDragAndDrop();       // files dragged over and dropped on the window
    void RollUp();                   // the window shade
    void RollDown();
    void ShowAbout();                // the splash as about window
    void SetDwellTimerEnabled(bool enabled); // Timer2, the drag dwell counter (DwellTicks)
    void StartClock();                       // after the skin's clock changed
    void ShowShortcutsReminder();    // the shortcut-management button's window
    void OpenSkinChooser();          // the skin-management button's window
    void ReloadAfterDrop();          // panels, icons and buttons after shortcuts were added
    void RemoveSkinFonts();
    // What the launcher's small windows need from it: stacking, pauses and
    // the outline of their own picture.
    DialogHooks dialogHooks();

private:
    friend class DragAndDrop; // the dwell switch fills the launch buttons itself
    void setStatus(const char* status);
    bool QuietStartWanted();
    // A pause that lets the splash be read; a quiet start takes none.
    void startupPause(int milliseconds);
    void CreateFirstRunFolders();
    bool LoadSkinBackground();
    // Every step that puts the skin on the window, from the section folders
    // to the launch buttons. A reload runs them without status or pauses and
    // keeps the window as it is when a picture is missing.
    enum class SkinLoadPass { Startup, Reload };
    bool LoadSkinLook(SkinLoadPass pass);
    void loadStep(SkinLoadPass pass, const char* status);
    void StartLiveReload();
    void SizeWindowToPicture(const QPixmap& picture);
    std::vector<std::string> SkinFontFiles() const;
    void InstallSkinFonts();
    // Where the window opens and where it goes when the screens change
    // (LauncherPlacement.cpp).
    void RestoreStoredPosition();
    void KeepWindowOnScreen();
    void StoreScreenSize();
    void ScreenLayoutChanged();
    void BringForwardWindowsOpenedSince(const std::vector<platform::WindowId>& before);
    void RestoreShadedState();
    // Rolls the window up without a sound, as it comes back shaded.
    void ComeBackShaded();
    // The background number of section `index` (0-based); 0 beyond the skin's sections.
    int SectionStyle(int index) const;
    std::string skinValue(const char* section, const char* key, int defaultValue);

    // The steps of start-up and of the library's reload (LauncherLibrary.cpp).
    SkinSource skinSource() const;
    bool skinLoaded(SkinLoadPass pass, const SkinLoadErrors& errors);

    void ScanSectionFolders();
    void OutlineWindow();
    void BuildShortcutIcons();
    void PopulateLaunchButtons();
    void applyLaunchButton(int index, const LaunchButtonView& view);
    void MarkCurrentSection();
    void LoadShadePicture();
    void PlayStartupSound();
    void ShowHelper();
    void ApplyAlwaysOnTop();

    Services m_services;
    AppPaths m_paths;
    LauncherState m_state;
    std::unique_ptr<QuorvexForm> m_form;
    std::unique_ptr<Splash> m_splash;
    PauseWithEvents m_pause;
    bool m_quiet = false;
    std::vector<std::string> m_startupSteps;
    std::vector<std::string> m_skinNames;
    QPixmap m_picture1; // the skin background as loaded
    QPixmap m_picture3; // the shade picture, when the skin has one
    SkinDefinition m_skin;
    SkinWindowSettings m_settings;
    HostedControls m_hosted;
    std::unique_ptr<ShortcutLibrary> m_library;
    ShortcutIconTable m_icons;
    LaunchButtonSet m_buttons;
    bool m_populated = false; // PopulatedFlag: the buttons were filled since the switch began
    platform::SkinSoundPlayer m_skinSounds;
    std::unique_ptr<ShortcutLauncher> m_launcher;
    std::unique_ptr<SkinChangeWatch> m_skinWatch; // last: it calls into everything above
};

} // namespace launcher
