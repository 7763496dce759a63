#pragma once

#include "launcher/dialogs/DialogHooks.h"

#include <QDialog>

#include <functional>
#include <string>

namespace launcher {

// Opens a folder in the desktop's file manager; the result is not checked.
void OpenFolderInFileManager(const std::string& folder);

// " Remember...": shown modally (exec()) by the shortcut-management
// button. Once on screen it plays the button's sound, opens the shortcuts
// folder in the file manager, stays in front of it for a moment and closes
// itself; exec() then returns.
class Shortcuts : public QDialog {
    Q_OBJECT

public:
    struct Actions {
        std::function<void()> playSound; // the shortcut-management button's action sound
        std::function<void(const std::string& folder)> openFolder = OpenFolderInFileManager;
    };

    Shortcuts(std::string shortcutsFolder, Actions actions, DialogHooks hooks = {}, QWidget* parent = nullptr);

    static constexpr int kWidthPx = 334;
    static constexpr int kHeightPx = 105;

    // The sequence that runs once the window is shown.
    void Form_Activate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::string m_shortcutsFolder;
    Actions m_actions;
    DialogHooks m_hooks;
    bool m_activated = false;
};

} // namespace launcher
