#include "launcher/startup/DragAndDrop.h"

#include "launcher/controls/PointerCodes.h"
#include "launcher/dialogs/Message.h"
#include "launcher/library/ShortcutNames.h"
#include "launcher/skin/SkinFileNames.h"
#include "launcher/startup/Launcher.h"
#include "platform/copy/CopyFilesToFolder.h"
#include "platform/copy/QtFileCopyService.h"

#include <QCoreApplication>
#include <QLabel>

#include <filesystem>
#include <optional>

namespace launcher {

namespace {

using controls::DragData;
using controls::DragState;

QColor toQColor(const RgbColor& color)
{
    return QColor(color.red, color.green, color.blue);
}

std::vector<std::string> filesOf(const DragData& data)
{
    std::vector<std::string> files;
    for (int i = 1; i <= data.fileCount(); ++i)
        files.push_back(data.file(i).toStdString());
    return files;
}

const StyleKeys kDefaultStyle{};
constexpr const char* kObjectName = "DragAndDrop";

// State 1 is a section button's up look, 2 its current look.
void showSectionLook(QuorvexForm& form, const std::vector<SectionKeys>& sections, int index, int stateImage)
{
    if (index < 0 || index >= static_cast<int>(sections.size()) || index >= kMaxSections)
        return;
    const SectionKeys& section = sections[static_cast<size_t>(index)];
    controls::SkinPanel& panel = *form.controls().SSPanel1[static_cast<size_t>(index)];
    if (!section.regionOnly)
        panel.setBackgroundPicture(form.images().SectionsIL[static_cast<size_t>(index)].picture(
            QString::fromStdString(SectionImageKey(index, stateImage))));
    panel.setForeColor(toQColor(stateImage == 2 ? section.currentColor : section.fontColor));
}

} // namespace

DragAndDrop::DragAndDrop(Launcher& launcher, QObject* parent)
    : QObject(parent)
    , m_launcher(launcher)
    , m_ownCopier(std::make_unique<platform::QtFileCopyService>(&launcher.form()))
    , m_copier(m_ownCopier.get())
{
    setObjectName(kObjectName);
    m_restRepeat.setInterval(kRestRepeatMs);
    connect(&m_restRepeat, &QTimer::timeout, this, [this] {
        if (m_restingSection >= 0)
            sectionDwell(m_restingSection);
    });

    QuorvexForm& form = launcher.form();
    // Drop handlers run once the drop event has returned, so that the
    // dragging program hears at once that its drop was taken and is not
    // held up by our messages, copies and pauses.
    const auto later = [this](auto work) { QTimer::singleShot(0, this, work); };

    controls::SkinPanel& surface = form.surface();
    surface.setAcceptDrops(true);
    connect(&surface, &controls::SkinPanel::oleDragOver, this,
            [this](const DragData&, int, int, int, double, double, int state) {
                dragOver(state, -1, [](DragAndDrop& self, int) { self.windowDragOver(); }, 0);
            });
    connect(&surface, &controls::SkinPanel::oleDragDrop, this,
            [this, later](const DragData& data, int, int, int, double, double) {
                m_restRepeat.stop();
                later([this, data] { windowDrop(data); });
            });

    for (int i = 0; i < kMaxSections; ++i) {
        controls::SkinPanel& panel = *form.controls().SSPanel1[static_cast<size_t>(i)];
        panel.setAcceptDrops(true);
        connect(&panel, &controls::SkinPanel::oleDragOver, this,
                [this, i](const DragData&, int, int, int, double, double, int state) {
                    dragOver(state, i, [](DragAndDrop& self, int index) { self.sectionDragOver(index); }, i);
                });
        connect(&panel, &controls::SkinPanel::oleDragDrop, this,
                [this, i, later](const DragData& data, int, int, int, double, double) {
                    m_restRepeat.stop();
                    later([this, i, data] { sectionDrop(i, data); });
                });
    }

    for (int i = 0; i < kLaunchButtonCount; ++i) {
        controls::SkinPanel& button = *form.controls().SSButton[static_cast<size_t>(i)];
        button.setAcceptDrops(true);
        connect(&button, &controls::SkinPanel::oleDragOver, this,
                [this, i](const DragData&, int, int, int, double, double, int state) {
                    dragOver(state, -1, [](DragAndDrop& self, int index) { self.launchDragOver(index); }, i);
                });
        connect(&button, &controls::SkinPanel::oleDragDrop, this,
                [this, i, later](const DragData& data, int, int, int shift, double, double) {
                    m_restRepeat.stop();
                    later([this, i, data, shift] { launchDrop(i, data, shift); });
                });
    }
}

DragAndDrop::~DragAndDrop() = default;

DragAndDrop* DragAndDrop::of(QuorvexForm& window)
{
    return dynamic_cast<DragAndDrop*>(window.findChild<QObject*>(kObjectName, Qt::FindDirectChildrenOnly));
}

void DragAndDrop::setCopyService(platform::CopyService& copier)
{
    m_copier = &copier;
}

void DragAndDrop::dragOver(int state, int restingSection, void (*handler)(DragAndDrop&, int), int index)
{
    if (state == static_cast<int>(DragState::Leave)) {
        if (restingSection >= 0 && restingSection == m_restingSection) {
            m_restRepeat.stop();
            m_restingSection = -1;
        }
        return;
    }
    m_restingSection = restingSection;
    if (restingSection >= 0)
        m_restRepeat.start();
    else
        m_restRepeat.stop();
    handler(*this, index);
}

void DragAndDrop::bringForward()
{
    // Topmost for a moment lifts the window above the dragging program;
    // then it keeps the stacking its skin asks for.
    QuorvexForm& form = m_launcher.form();
    m_launcher.SetWindowTopmost(form, true);
    QCoreApplication::processEvents();
    m_launcher.SetWindowTopmost(form, m_launcher.windowSettings().alwaysOnTop);
}

int DragAndDrop::dwellSection() const
{
    return m_dwelling ? m_dwellSection : -1;
}

void DragAndDrop::stopDwell()
{
    if (!m_dwelling)
        return;
    m_dwelling = false;
    m_launcher.SetDwellTimerEnabled(false);
}

void DragAndDrop::windowDragOver()
{
    bringForward();
    // The pointer moving over the background ends a dwell and a highlight,
    // as it does without a drag.
    stopDwell();
    restoreDragHighlight();
    if (m_launcher.state().ShadedFlag != 0)
        m_launcher.RollDown();
}

void DragAndDrop::sectionDragOver(int index)
{
    bringForward();
    sectionDwell(index);
}

void DragAndDrop::sectionDwell(int index)
{
    LauncherState& state = m_launcher.state();
    if (state.CurrentSection == index + 1 || index >= m_launcher.library().SectionFolderCount()) {
        m_restRepeat.stop(); // nothing to wait for here
        return;
    }
    if (index != m_dwellSection || !m_dwelling) {
        m_dwellTarget = 1;
        state.DwellTicks = 0;
        m_dwellSection = index;
        m_dwelling = true;
        m_launcher.SetDwellTimerEnabled(true);
        return;
    }
    if (state.DwellTicks < m_dwellTarget)
        return;
    stopDwell();
    m_dwellTarget = 0;
    state.DwellTicks = 0;
    switchSectionByDwell(index);
}

void DragAndDrop::switchSectionByDwell(int index)
{
    const std::vector<SectionKeys>& sections = m_launcher.skin().sections;
    LauncherState& state = m_launcher.state();
    const int previous = state.CurrentSection - 1;
    const auto styleOf = [&sections](int section) {
        return section >= 0 && section < static_cast<int>(sections.size())
                   ? sections[static_cast<size_t>(section)].style
                   : 0;
    };
    const bool known = index < static_cast<int>(sections.size());
    if (known)
        m_launcher.skinSounds().PlaySkinSound(sections[static_cast<size_t>(index)].sounds[1]);
    showSectionLook(m_launcher.form(), sections, index, 2);
    showSectionLook(m_launcher.form(), sections, previous, 1);
    state.CurrentSection = index + 1;
    if (styleOf(index) != styleOf(previous)) {
        const QPixmap background = m_launcher.SectionBackground(styleOf(index));
        if (!background.isNull())
            m_launcher.form().setPicture(background);
    }
    if (known)
        m_launcher.skinSounds().PlaySkinSound(sections[static_cast<size_t>(index)].sounds[2]);
    m_launcher.PopulateLaunchButtons();
    // Filled again, the buttons all show their up look.
    state.DragHighlightButton = -1;
}

const StyleKeys& DragAndDrop::launchStyle(int index) const
{
    const std::vector<StyleKeys>& styles = m_launcher.skin().styles;
    const int style = m_launcher.launchButtons().buttons[static_cast<size_t>(index)].style;
    return style >= 0 && style < static_cast<int>(styles.size()) ? styles[static_cast<size_t>(style)] : kDefaultStyle;
}

void DragAndDrop::showLaunchLook(int index, bool hover)
{
    const LaunchButtonView& view = m_launcher.launchButtons().buttons[static_cast<size_t>(index)];
    const StyleKeys& style = launchStyle(index);
    SkinnedControls& controls = m_launcher.form().controls();
    controls::SkinPanel& button = *controls.SSButton[static_cast<size_t>(index)];
    if (!style.regionOnly)
        button.setBackgroundPicture(
            m_launcher.form().images().ButtonIL[static_cast<size_t>(view.style)].picture(hover ? "Button2" : "Button1"));
    const QColor color = toQColor(hover ? style.fontHoverColor : style.fontColor);
    button.setForeColor(color);
    QLabel& label = *controls.BLabel[static_cast<size_t>(index)];
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, color);
    label.setPalette(palette);
}

void DragAndDrop::restoreDragHighlight()
{
    LauncherState& state = m_launcher.state();
    const int highlighted = state.DragHighlightButton;
    state.DragHighlightButton = -1;
    if (highlighted >= 0 && highlighted < m_launcher.launchButtons().VisibleButtonCount)
        showLaunchLook(highlighted, false);
}

void DragAndDrop::launchDragOver(int index)
{
    bringForward();
    stopDwell();
    LauncherState& state = m_launcher.state();
    if (index == state.DragHighlightButton || index >= m_launcher.launchButtons().VisibleButtonCount)
        return;
    showLaunchLook(index, true);
    restoreDragHighlight();
    m_launcher.form().controls().SSButton[static_cast<size_t>(index)]->refresh();
    m_launcher.skinSounds().PlaySkinSoundAndWait(launchStyle(index).sounds[3]);
    state.DragHighlightButton = index;
}

void DragAndDrop::windowDrop(const DragData& data)
{
    // The window stands for the current section. A section whose folder is
    // gone is treated like an inactive section button. With no section
    // current at all (every folder was deleted) the drop has no folder:
    // its first shortcut meets the file-error rule.
    const int slot = m_launcher.state().CurrentSection - 1;
    const bool active = slot < 0 || slot < m_launcher.library().SectionFolderCount();
    addShortcuts(active ? DropTarget::Window : DropTarget::SectionButton, slot, data);
}

void DragAndDrop::sectionDrop(int index, const DragData& data)
{
    addShortcuts(DropTarget::SectionButton, index, data);
}

void DragAndDrop::addShortcuts(DropTarget target, int slot, const DragData& data)
{
    stopDwell();
    std::optional<std::vector<std::string>> files;
    if (data.getFormat(DragData::kFormatFiles))
        files = filesOf(data);
    DropDecision decision = DecideSectionDrop(target, slot, m_launcher.library().SectionFolderCount(), files);
    const std::string folder =
        decision.kind == DropDecision::Kind::Files ? m_launcher.library().sectionFolderPath(slot) : std::string();
    const DropResult result = AddDroppedShortcuts(decision, folder, *m_copier, m_launcher.services().messages,
                                                  [this](int ms) { m_launcher.pause(ms); });
    if (result.added)
        m_launcher.ReloadAfterDrop();
    if (result.finished)
        m_launcher.SetWindowTopmost(m_launcher.form(), m_launcher.windowSettings().alwaysOnTop);
}

void DragAndDrop::launchDrop(int index, const DragData& data, int shift)
{
    // The button keeps no hover look once its drag is over.
    restoreDragHighlight();
    stopDwell();
    if (!data.getFormat(DragData::kFormatFiles) || index >= m_launcher.launchButtons().VisibleButtonCount)
        return;
    const std::vector<std::string> files = filesOf(data);
    const std::string& dropSound = launchStyle(index).sounds[4];
    if ((shift & controls::ShiftCode::kAlt) != 0 && m_launcher.skin().shading.shadingSize() > 0) {
        m_launcher.skinSounds().PlaySkinSoundAndWait(dropSound);
        m_launcher.RollUp();
    } else {
        m_launcher.skinSounds().PlaySkinSound(dropSound);
    }
    const LaunchResult result = m_launcher.LaunchButton(index, files);
    if (result.outcome == LaunchOutcome::CopyIntoFolder)
        platform::CopyFilesToFolder(*m_copier, m_launcher.services().messages, files, result.copyFolder);
}

void Launcher::ConnectDragAndDrop()
{
    if (!DragAndDrop::of(*m_form))
        new DragAndDrop(*this, m_form.get());
}

void Launcher::ReloadAfterDrop()
{
    // The section folders are not listed again: a drop adds files, never
    // sections, and the current section stays as it is.
    Message message;
    message.show();
    m_pause(250);
    m_state.DragHighlightButton = -1;
    m_state.windowDragging = false;
    LoadSectionPanels(skinSource(), m_skin, m_form->controls(), m_form->images());
    BuildShortcutIcons();
    PopulateLaunchButtons();
    showSectionLook(*m_form, m_skin.sections, m_state.CurrentSection - 1, 2);
    message.close();
}

} // namespace launcher
