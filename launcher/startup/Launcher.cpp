#include "launcher/startup/Launcher.h"

#include "launcher/config/IniValues.h"
#include "launcher/config/SkinFolders.h"
#include "launcher/controls/PixelScale.h"
#include "launcher/controls/Twips.h"
#include "launcher/dialogs/Splash.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/skin/SkinPictures.h"
#include "launcher/startup/SkinChangeWatch.h"
#include "platform/files/CaseInsensitivePath.h"
#include "platform/files/DirectoryListing.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

namespace launcher {

namespace fs = std::filesystem;

Launcher::Launcher(Services services, AppPaths paths)
    : m_services(services)
    , m_paths(std::move(paths))
    , m_form(std::make_unique<QuorvexForm>())
    , m_pause(services.pauseScale)
    , m_skinSounds(services.sounds)
    , m_launcher(std::make_unique<ShortcutLauncher>(services.shell, services.sounds,
                                                    [this](int milliseconds) { m_pause(milliseconds); }))
{
    m_form->setCloseHandler([this] { QueryUnload(); });
    if (services.translucentWindows)
        m_form->setAttribute(Qt::WA_TranslucentBackground);
}

Launcher::~Launcher()
{
    m_services.screen.setLayoutChangedHandler({});
}

void Launcher::setStatus(const char* status)
{
    m_startupSteps.emplace_back(status);
    if (m_splash)
        m_splash->setStatus(status);
}

void Launcher::startupPause(int milliseconds)
{
    if (!m_quiet)
        m_pause(milliseconds);
}

// The splash suits a start from the menu; at log-in, or when the user turned
// it off, the window comes up as fast as the steps allow. Anything but a
// plain 0 keeps the splash.
bool Launcher::QuietStartWanted()
{
    if (m_services.quietStart)
        return true;
    const std::optional<long> show = parseWholeNumber(
        ReadIniValue(m_services.profiles, m_paths.LauncherIniPath(), "Options", "ShowSplash", 1));
    return show && *show == 0;
}

std::string Launcher::skinValue(const char* section, const char* key, int defaultValue)
{
    return ReadIniValue(m_services.profiles, m_paths.SkinIniPath(m_state.CurrentSkin), section, key, defaultValue);
}

StartupResult Launcher::Load()
{
    // The window's component controls come with the window itself.
    if (std::string missing = m_hosted.create(); !missing.empty()) {
        m_services.messages.show(missing, kProgramTitle);
        return StartupResult::MissingControl;
    }
    m_hosted.setHotKeyUpHandler([this] { HotKeyUp(); });

    m_quiet = QuietStartWanted();
    if (!m_quiet) {
        m_splash = std::make_unique<Splash>(Splash::Mode::Startup, dialogHooks());
        m_splash->show();
        m_splash->repaint();
    }
    startupPause(500);

    if (std::string stopped = NormaliseSkinFolders(m_paths); !stopped.empty())
        std::fprintf(stderr, "quorvex: %s; later skin folders keep their names\n", stopped.c_str());

    CreateFirstRunFolders();

    setStatus("Fonts");
    startupPause(250);

    m_state.DragHighlightButton = -1;
    m_state.windowDragging = false;
    m_state.CurrentSection = 1;

    setStatus("Skin List");
    startupPause(250);

    m_skinNames = ListSkins(m_paths);
    if (m_skinNames.empty()) {
        m_splash.reset();
        m_services.messages.show(kNoSkinsMessage, kProgramTitle);
        return StartupResult::NoSkins;
    }

    m_state.CurrentSkin =
        ReadIniValue(m_services.profiles, m_paths.LauncherIniPath(), "Options", "StartupSkin", kDefaultSkin);
    if (!IsSkinFolderName(m_state.CurrentSkin)) {
        std::fprintf(stderr, "quorvex: StartupSkin does not name a folder in the skins folder; using %s\n",
                     kDefaultSkin);
        m_state.CurrentSkin = kDefaultSkin;
    }

    if (!LoadSkinBackground()) {
        m_splash.reset();
        m_services.messages.show(kCannotLoadSkinMessage, kProgramTitle);
        return StartupResult::CannotLoadSkin;
    }

    if (!LoadSkinLook(SkinLoadPass::Startup))
        return StartupResult::CannotLoadSkin;
    RestoreStoredPosition();
    KeepWindowOnScreen();

    m_splash.reset();
    startupPause(500);

    LoadShadePicture();
    m_state.StartupDone = 1;
    PlayStartupSound();
    m_form->show();
    RestoreShadedState();
    if (m_state.FirstRun)
        ShowHelper();
    ApplyAlwaysOnTop();
    ConnectWindowInteraction();
    ConnectDragAndDrop();

    StoreScreenSize();
    m_services.screen.setLayoutChangedHandler([this] { ScreenLayoutChanged(); });
    StartLiveReload();
    return StartupResult::Running;
}

bool Launcher::LoadSkinLook(SkinLoadPass pass)
{
    ScanSectionFolders();
    InstallSkinFonts();
    SizeWindowToPicture(m_picture1);
    m_form->setPicture(m_picture1);
    OutlineWindow();

    const QSize screenPx(m_services.screen.size().widthPx, m_services.screen.size().heightPx);
    loadStep(pass, "Options");
    if (!skinLoaded(pass, LoadSkinOptions(skinSource(), screenPx, m_skin, m_settings, m_form->controls(),
                                          m_form->images())))
        return false;
    m_hosted.setHotKey(m_settings.hotKey);
    m_skinSounds.setSkinFolder(m_paths.SkinFolder(m_state.CurrentSkin));
    m_skinSounds.setSoundEnabled(m_settings.soundEnabled);

    loadStep(pass, "Sections");
    if (!skinLoaded(pass, LoadSectionPanels(skinSource(), m_skin, m_form->controls(), m_form->images())))
        return false;

    loadStep(pass, "Styles");
    if (!skinLoaded(pass, LoadButtonStyles(skinSource(), m_skin, m_form->images())))
        return false;

    loadStep(pass, "Icons");
    BuildShortcutIcons();

    loadStep(pass, "Buttons");
    // A reload may bring fewer sections, or find fewer section folders, than
    // the section in use.
    if (m_state.CurrentSection > std::min(static_cast<int>(m_skin.sections.size()), m_library->SectionFolderCount()))
        m_state.CurrentSection = 1;
    PopulateLaunchButtons();
    MarkCurrentSection();
    return true;
}

void Launcher::loadStep(SkinLoadPass pass, const char* status)
{
    if (pass != SkinLoadPass::Startup)
        return;
    setStatus(status);
    startupPause(250);
}

SkinSource Launcher::skinSource() const
{
    return {m_services.profiles, m_paths, m_state.CurrentSkin, PictureScaleForRatio(m_services.screen.devicePixelRatio())};
}

// A skin missing a picture it cannot do without is refused as a whole, with
// the names of the missing files on standard error for the skin's author.
bool Launcher::skinLoaded(SkinLoadPass pass, const SkinLoadErrors& errors)
{
    if (errors.empty())
        return true;
    for (const std::string& error : errors)
        std::fprintf(stderr, "quorvex: skin %s: %s\n", m_state.CurrentSkin.c_str(), error.c_str());
    if (pass == SkinLoadPass::Reload)
        return false;
    m_splash.reset();
    m_form->hide();
    m_services.messages.show(kCannotLoadSkinMessage, kProgramTitle);
    return false;
}

void Launcher::SetWindowTopmost(QWidget& window, bool onTop)
{
    m_services.stacking.setTopmost(window, onTop);
}

void Launcher::MarkCurrentSection()
{
    const int current = m_state.CurrentSection - 1;
    if (current < 0 || current >= static_cast<int>(m_skin.sections.size()) || current >= kMaxSections)
        return;
    const SectionKeys& section = m_skin.sections[static_cast<size_t>(current)];
    controls::SkinPanel& panel = *m_form->controls().SSPanel1[static_cast<size_t>(current)];
    if (!section.regionOnly)
        panel.setBackgroundPicture(m_form->images().SectionsIL[static_cast<size_t>(current)].picture(
            QString::fromStdString(SectionImageKey(current, 2))));
    panel.setForeColor(QColor(section.currentColor.red, section.currentColor.green, section.currentColor.blue));
}

void Launcher::OutlineWindow()
{
    m_hosted.outline(HostedControls::Outline::Full, *m_form, m_form->picture());
}

void Launcher::LoadShadePicture()
{
    m_picture3 = QPixmap();
    const std::string shade = m_paths.SkinFolder(m_state.CurrentSkin) + kShadeFileName;
    if (!fs::exists(platform::resolveCaseInsensitive(shade)))
        return;
    m_picture3 = m_form->images().ShadeIL.picture("ShadeSkin");
    if (!m_picture3.isNull())
        m_hosted.setPicture(HostedControls::Outline::Shaded, m_picture3);
}

void Launcher::HotKeyUp()
{
    // No further hot-key event may arrive while the window is being raised.
    m_hosted.setHotKeyEnabled(false);
    QCoreApplication::processEvents();
    SetWindowTopmost(*m_form, true);
    QCoreApplication::processEvents();
    SetWindowTopmost(*m_form, m_settings.alwaysOnTop);
    QCoreApplication::processEvents();
    m_hosted.setHotKeyEnabled(true);
}

void Launcher::ApplyAlwaysOnTop()
{
    SetWindowTopmost(*m_form, m_settings.alwaysOnTop);
}

void Launcher::CreateFirstRunFolders()
{
    std::error_code error;
    const std::string shortcuts = m_paths.AppFolder() + "shortcuts";
    // Whatever stands there, file or folder, means the library exists.
    if (fs::exists(fs::symlink_status(shortcuts, error)))
        return;
    m_state.FirstRun = true;
    m_services.folders.create(shortcuts);
    startupPause(250);
    for (const char* section : {"Accessories", "Games", "Software"})
        m_services.folders.create(shortcuts + "/" + section);
}

bool Launcher::LoadSkinBackground()
{
    const SkinSource source = skinSource();
    SkinPicture loaded = LoadSkinPicture(source.folder(), BackgroundFileName(source.skinName, 0), source.pictureScale);
    if (loaded.picture.isNull()) {
        std::fprintf(stderr, "quorvex: cannot load the background: %s\n", loaded.error.c_str());
        return false;
    }
    m_picture1 = std::move(loaded.picture);
    return true;
}

void Launcher::SizeWindowToPicture(const QPixmap& picture)
{
    // The window is a whole number of pixels and exactly the picture's size.
    const QSize size = controls::logicalSize(picture);
    const int widthPx = controls::pixelsFromTwipsX(controls::twipsFromPixelsX(size.width()));
    const int heightPx = controls::pixelsFromTwipsY(controls::twipsFromPixelsY(size.height()));
    m_form->setFixedSize(widthPx, heightPx);
}

std::vector<std::string> Launcher::SkinFontFiles() const
{
    std::vector<std::string> fonts;
    // StartupSkin may differ from the folder name in letter case; every other
    // skin file is found regardless, so the fonts must be too.
    std::string folder = platform::resolveCaseInsensitive(m_paths.SkinFolder(m_state.CurrentSkin)).string();
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    for (const std::string& name : platform::listEntries(folder, platform::EntryKind::Files)) {
        if (name.size() >= 4 && platform::toLowerAscii(name.substr(name.size() - 4)) == ".ttf")
            fonts.push_back(folder + name);
    }
    return fonts;
}

void Launcher::InstallSkinFonts()
{
    for (const std::string& font : SkinFontFiles())
        m_services.fonts.add(font);
}

void Launcher::RemoveSkinFonts()
{
    for (const std::string& font : SkinFontFiles())
        m_services.fonts.remove(font);
}

void Launcher::QueryUnload()
{
    RemoveSkinFonts();
    m_services.profiles.write(m_paths.SkinIniPath(m_state.CurrentSkin), "UserSettings", "Shaded",
                              std::to_string(m_state.ShadedFlag));
}

} // namespace launcher
