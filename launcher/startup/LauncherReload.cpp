// Live reload: the running skin is loaded again in place when its files are
// edited, through the same steps as at start-up.
#include "launcher/startup/Launcher.h"

#include "launcher/startup/SkinChangeWatch.h"
#include "launcher/startup/SkinCheckCommand.h"
#include "platform/files/CaseInsensitivePath.h"

#include <QThread>

#include <cstdio>

namespace launcher {

void Launcher::StartLiveReload()
{
    if (!m_services.skinFolderWatcher)
        return;
    m_skinWatch = std::make_unique<SkinChangeWatch>(*m_services.skinFolderWatcher, m_services.profiles,
                                                    [this] { return ReloadSkin(); });
    if (const std::string problem = m_skinWatch->watch(m_paths.SkinFolder(m_state.CurrentSkin)); !problem.empty())
        std::fprintf(stderr, "quorvex: %s; edits to the skin show after a restart\n", problem.c_str());
}

bool Launcher::skinReloadPending() const
{
    return m_skinWatch && m_skinWatch->isSettling();
}

bool Launcher::ReloadSkin()
{
    // Only between the user's actions: a pause, a drag or a dialog running
    // its own event loop is in the middle of one, which counts on the skin
    // it began with.
    if (m_pause.isWaiting() || m_state.windowDragging || QThread::currentThread()->loopLevel() > 1)
        return false;

    // The check decodes every picture the load needs, so an unloadable skin
    // is refused before anything on the window has changed.
    const SkinCheckReport report =
        CheckInstalledSkin(platform::resolveCaseInsensitive(m_paths.SkinFolder(m_state.CurrentSkin)).string());
    if (!report.loadable()) {
        std::fprintf(stderr, "quorvex: the skin %s was changed and cannot be loaded; it keeps its look\n",
                     m_state.CurrentSkin.c_str());
        PrintSkinCheckReport(report, stderr);
        std::fflush(stderr);
        return true;
    }
    if (!LoadSkinBackground())
        return true;

    const QPoint position = m_form->pos();
    const bool shaded = m_state.ShadedFlag != 0;
    RemoveSkinFonts();
    // Image lists never replace a picture they hold; a reload starts empty.
    m_form->images() = SkinImages{};
    m_state.ShadedFlag = 0;
    // A file changed again between the check and the load leaves the look
    // half loaded; its own change report brings the next reload.
    const bool loaded = LoadSkinLook(SkinLoadPass::Reload);
    m_form->move(position);
    KeepWindowOnScreen();
    if (!loaded)
        return true;
    LoadShadePicture();
    if (const int style = SectionStyle(m_state.CurrentSection - 1); style != 0) {
        if (const QPixmap background = SectionBackground(style); !background.isNull())
            m_form->setPicture(background);
    }
    if (shaded)
        ComeBackShaded();
    StartClock();
    ApplyAlwaysOnTop();
    return true;
}

} // namespace launcher
