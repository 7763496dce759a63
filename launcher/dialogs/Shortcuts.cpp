#include "launcher/dialogs/Shortcuts.h"

#include "launcher/controls/PlainText.h"

#include <QDesktopServices>
#include <QLabel>
#include <QTimer>
#include <QUrl>

namespace launcher {

void OpenFolderInFileManager(const std::string& folder)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

Shortcuts::Shortcuts(std::string shortcutsFolder, Actions actions, DialogHooks hooks, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint)
    , m_shortcutsFolder(std::move(shortcutsFolder))
    , m_actions(std::move(actions))
    , m_hooks(std::move(hooks))
{
    setObjectName("Shortcuts");
    setWindowTitle(" Remember...");
    setFixedSize(kWidthPx, kHeightPx);

    auto* label = &controls::makePlainText(*new QLabel("When done, click on a section button to refresh your shortcuts!", this));
    label->setObjectName("Label1");
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(16, 12, kWidthPx - 32, kHeightPx - 24);
}

void Shortcuts::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // After the show has finished, so that the window is painted before
    // the pauses begin.
    if (!m_activated)
        QTimer::singleShot(0, this, &Shortcuts::Form_Activate);
}

void Shortcuts::Form_Activate()
{
    if (m_activated)
        return;
    m_activated = true;
    if (m_actions.playSound)
        m_actions.playSound();
    m_hooks.topmost(*this, true);
    m_hooks.pause(500);
    if (m_actions.openFolder)
        m_actions.openFolder(m_shortcutsFolder);
    m_hooks.pause(1000);
    // Again, now that the file manager has opened in front of everything.
    m_hooks.topmost(*this, true);
    m_hooks.restoreLauncherTopmost();
    accept();
}

} // namespace launcher
