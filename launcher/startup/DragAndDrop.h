#pragma once

#include "launcher/controls/DragData.h"
#include "launcher/dialogs/DropDecision.h"
#include "platform/copy/CopyService.h"

#include <QObject>
#include <QTimer>

#include <memory>

namespace launcher {

class Launcher;
class QuorvexForm;
struct StyleKeys;

// Files dragged over and dropped on the launcher window: the window
// background, the section buttons and the launch buttons. Created by
// Launcher::ConnectDragAndDrop as a child of the window.
//
// While a drag passes over the window it comes to the front and a shaded
// window rolls down; a launch button under the drag lights up; a drag that
// rests on another section's button switches to that section once
// DwellTicks (counted by the window's 500 ms dwell timer) has moved on.
// Shortcut files dropped on the window or a section button are copied into
// that section's folder; files dropped on a launch button go to its
// shortcut.
class DragAndDrop : public QObject {
public:
    explicit DragAndDrop(Launcher& launcher, QObject* parent = nullptr);
    ~DragAndDrop() override;

    // The one connected to `window`, nullptr before ConnectDragAndDrop.
    static DragAndDrop* of(QuorvexForm& window);

    // Copies go through `copier` from now on instead of the desktop's own
    // copy service. `copier` must outlive this object.
    void setCopyService(platform::CopyService& copier);

    // A drag resting on a section button reports no motion, so its drag-over
    // is repeated this often to let the dwell complete without wiggling.
    static constexpr int kRestRepeatMs = 100;

    // The section a drag is dwelling on, -1 when no dwell runs.
    int dwellSection() const;

private:
    void windowDragOver();
    void sectionDragOver(int index);
    void sectionDwell(int index);
    void launchDragOver(int index);
    void windowDrop(const controls::DragData& data);
    void sectionDrop(int index, const controls::DragData& data);
    void launchDrop(int index, const controls::DragData& data, int shift);

    // Notifications of one drag-over, whatever the control: Leave ends a
    // rest, Enter and Over run `handler`.
    void dragOver(int state, int restingSection, void (*handler)(DragAndDrop&, int), int index);

    void bringForward();
    void stopDwell();
    void switchSectionByDwell(int index);
    void addShortcuts(DropTarget target, int slot, const controls::DragData& data);
    void showLaunchLook(int index, bool hover);
    void restoreDragHighlight();
    const StyleKeys& launchStyle(int index) const;

    Launcher& m_launcher;
    std::unique_ptr<platform::CopyService> m_ownCopier;
    platform::CopyService* m_copier = nullptr;

    // The section dwell: DwellTarget is 1 while a dwell runs, 0 after it.
    // The window's dwell timer (Timer2) counts DwellTicks while it runs; the
    // pointer leaving for a launch button or the background ends it.
    bool m_dwelling = false;
    int m_dwellSection = -1;
    int m_dwellTarget = 0;

    QTimer m_restRepeat;
    int m_restingSection = -1;
};

} // namespace launcher
