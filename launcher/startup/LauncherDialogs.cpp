// The launcher's small windows: the first-run helper, the reminder of the
// shortcut-management button and the skin chooser.
#include "launcher/startup/Launcher.h"

#include "launcher/dialogs/ChooseSkin.h"
#include "launcher/startup/SkinCheckCommand.h"
#include "launcher/dialogs/Helper.h"
#include "launcher/dialogs/Shortcuts.h"
#include "launcher/skin/HotKeyText.h"

#include <QImage>

namespace launcher {

DialogHooks Launcher::dialogHooks()
{
    return {[this](QWidget& window, bool on) { SetWindowTopmost(window, on); },
            [this](int milliseconds) { pause(milliseconds); },
            [this] { SetWindowTopmost(*m_form, m_settings.alwaysOnTop); },
            [this](QWidget& window, const QImage& picture) {
                // As the main window: drawn transparent where the outline
                // cuts, under a compositor. Only a window not yet created in
                // the window system can still become translucent.
                if (m_services.translucentWindows && !window.testAttribute(Qt::WA_WState_Created))
                    window.setAttribute(Qt::WA_TranslucentBackground);
                m_hosted.outlineOtherWindow(window, QPixmap::fromImage(picture));
            }};
}

namespace {

// The chooser's questions and its restart go to the desktop. They are
// members of the window itself, so they live exactly as long as it does.
struct DesktopChooserPlatform {
    explicit DesktopChooserPlatform(Launcher& launcher)
        : program([&launcher] { launcher.form().close(); })
    {
    }
    QtTextInput input;
    QtProgramControl program;
};

class DesktopChooseSkin final : private DesktopChooserPlatform, public ChooseSkin {
public:
    DesktopChooseSkin(Launcher& launcher, DialogHooks hooks)
        : DesktopChooserPlatform(launcher)
        , ChooseSkin(servicesFor(launcher, std::move(hooks), input, program), &launcher.form())
    {
    }

private:
    static ChooseSkin::Services servicesFor(Launcher& launcher, DialogHooks hooks, TextInput& input,
                                            ProgramControl& program)
    {
        return {launcher.services().profiles,
                launcher.services().messages,
                input,
                program,
                launcher.paths(),
                launcher.state(),
                std::move(hooks),
                [&launcher] {
                    launcher.skinSounds().PlaySkinSound(
                        launcher.skin().actionButtons[static_cast<size_t>(ActionButton::Skin)].sounds[2]);
                },
                [&launcher](const std::string& text) { launcher.hosted().setHotKey(ParseHotKeyText(text)); },
                [&launcher] { launcher.RemoveSkinFonts(); },
                CheckInstalledSkin};
    }
};

} // namespace

void Launcher::ShowHelper()
{
    // A window of its own that goes away with the launcher window.
    auto* helper = new Helper(dialogHooks(), m_form.get());
    helper->setAttribute(Qt::WA_DeleteOnClose);
    helper->show();
    helper->activateWindow();
    SetWindowTopmost(*helper, true);
}

void Launcher::ShowShortcutsReminder()
{
    std::string folder = m_paths.ShortcutsFolder();
    if (!folder.empty() && folder.back() == '/')
        folder.pop_back();
    Shortcuts reminder(folder,
                       {[this] {
                            m_skinSounds.PlaySkinSound(
                                m_skin.actionButtons[static_cast<size_t>(ActionButton::Shortcut)].sounds[2]);
                        },
                        [this](const std::string& shortcuts) { m_services.shell.openFolder(shortcuts, shortcuts); }},
                       dialogHooks(), m_form.get());
    reminder.exec();
}

void Launcher::OpenSkinChooser()
{
    // One chooser at a time: opening it again brings the open one forward.
    if (auto* open = m_form->findChild<ChooseSkin*>(QString(), Qt::FindDirectChildrenOnly)) {
        open->show();
        open->raise();
        open->activateWindow();
        return;
    }
    auto* chooser = new DesktopChooseSkin(*this, dialogHooks());
    chooser->setAttribute(Qt::WA_DeleteOnClose);
    chooser->show();
    // A window manager may leave a new window unfocused; opened from the
    // keyboard, the chooser must take the keys that follow.
    chooser->activateWindow();
}

} // namespace launcher
