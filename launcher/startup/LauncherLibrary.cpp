// The launcher's shortcut library on screen: section captions, icons, the
// launch buttons of the current section, the refresh when the library
// changed behind the launcher's back, section switching and launching.
#include "launcher/startup/Launcher.h"

#include "launcher/controls/PixelScale.h"
#include "launcher/controls/PlainText.h"
#include "launcher/controls/Twips.h"
#include "launcher/dialogs/Message.h"
#include "launcher/skin/SkinFileNames.h"

#include <QFont>

namespace launcher {

using controls::kTwipsPerPixelX;
using controls::kTwipsPerPixelY;

namespace {

QColor toQColor(const RgbColor& color)
{
    return QColor(color.red, color.green, color.blue);
}

void applyFont(QWidget& widget, const ButtonFont& font)
{
    QFont qfont = widget.font();
    qfont.setItalic(font.italic);
    if (!font.name.empty())
        qfont.setFamily(QString::fromStdString(font.name));
    if (font.sizePt > 0)
        qfont.setPointSize(font.sizePt);
    qfont.setBold(font.bold);
    widget.setFont(qfont);
}

// Label alignment codes: 0 left, 1 right, 2 centred.
Qt::Alignment labelAlignment(int code)
{
    const Qt::Alignment horizontal = code == 1 ? Qt::AlignRight : code == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    return horizontal | Qt::AlignTop;
}

} // namespace

void Launcher::ScanSectionFolders()
{
    if (!m_library)
        m_library = std::make_unique<ShortcutLibrary>(m_paths, m_skin, m_state);
    m_library->ScanSectionFolders();
    const auto& buttons = m_library->sectionButtons();
    for (int i = 0; i < kMaxSections; ++i) {
        controls::SkinPanel& panel = *m_form->controls().SSPanel1[static_cast<size_t>(i)];
        panel.hide();
        panel.setCaption(QString::fromStdString(buttons[static_cast<size_t>(i)].caption));
        panel.setToolTip(controls::plainToolTip(QString::fromStdString(buttons[static_cast<size_t>(i)].toolTip)));
        // A section without a folder shows no caption but still takes focus.
        const QString caption = QString::fromStdString(buttons[static_cast<size_t>(i)].caption);
        panel.setAccessibleName(caption.isEmpty() ? QStringLiteral("Empty section %1").arg(i + 1) : caption);
    }
}

void Launcher::BuildShortcutIcons()
{
    m_icons.BuildShortcutIcons(*m_library, m_services.icons);
}

void Launcher::PopulateLaunchButtons()
{
    m_populated = true;
    m_buttons = launcher::PopulateLaunchButtons(*m_library);
    for (int i = 0; i < kLaunchButtonCount; ++i)
        applyLaunchButton(i, m_buttons.buttons[static_cast<size_t>(i)]);
    // Every switch of section ends here; a screen reader learns which
    // section is on show from its tab.
    for (int i = 0; i < kMaxSections; ++i)
        m_form->controls().SSPanel1[static_cast<size_t>(i)]->setAccessibleSelected(i == m_state.CurrentSection - 1);
}

void Launcher::applyLaunchButton(int index, const LaunchButtonView& view)
{
    controls::SkinPanel& button = *m_form->controls().SSButton[static_cast<size_t>(index)];
    QLabel& label = *m_form->controls().BLabel[static_cast<size_t>(index)];
    if (!view.visible) {
        button.hide();
        label.hide();
        return;
    }
    const QPixmap up = m_form->images().ButtonIL[static_cast<size_t>(view.style)].picture("Button1");
    button.setBackStyle(view.transparency);
    button.setMaskedBackground(view.transparency);
    button.setBackgroundPicture(view.showStateImage ? up : QPixmap());
    const QSize size = controls::logicalSize(up);
    button.setGeometryTwips(view.leftPx * kTwipsPerPixelX, view.topPx * kTwipsPerPixelY,
                            size.width() * kTwipsPerPixelX, size.height() * kTwipsPerPixelY);

    const QString caption = QString::fromStdString(view.caption);
    label.hide();
    label.setText(caption);
    // Read out even where the skin draws no caption at all.
    button.setAccessibleName(caption);
    if (view.panelDrawsCaption) {
        button.setCaptionAlignment(view.captionAlignment);
        button.setCaption(QString::fromStdString(view.panelCaption));
        button.setFontItalic(view.font.italic);
        button.setFontName(QString::fromStdString(view.font.name));
        button.setFontSize(view.font.sizePt);
        button.setForeColor(toQColor(view.font.color));
        button.setFontBold(view.font.bold);
    } else {
        button.setCaption(QString());
    }
    if (view.labelVisible) {
        label.setAlignment(labelAlignment(view.labelAlignment));
        label.setGeometry(view.labelLeftPx, view.labelTopPx, view.labelWidthPx, view.labelHeightPx);
        applyFont(label, view.font);
        QPalette palette = label.palette();
        palette.setColor(QPalette::WindowText, toQColor(view.font.color));
        label.setPalette(palette);
        label.show();
    }
    button.show();
    label.raise();

    // A button without an icon shows none, not the icon of the shortcut that
    // had its place before.
    if (view.icon == LaunchIcon::None) {
        button.setPicture(QPixmap());
    } else {
        button.setPictureAlignment(view.iconAlignment);
        const QImage icon = view.icon == LaunchIcon::Large ? m_icons.large(view.iconKey) : m_icons.small(view.iconKey);
        button.setPicture(QPixmap::fromImage(icon));
    }
    button.setToolTip(controls::plainToolTip(QString::fromStdString(view.toolTip)));
}

bool Launcher::RefreshShortcutsIfChanged()
{
    if (!m_state.StartupDone || !m_library || !m_library->RefreshShortcutsIfChanged())
        return false;
    ReloadLibrary();
    return true;
}

void Launcher::ReloadLibrary()
{
    Message message;
    message.show();
    SetWindowTopmost(message, true);
    m_pause(500);

    ScanSectionFolders();
    LoadSectionPanels(skinSource(), m_skin, m_form->controls(), m_form->images());
    BuildShortcutIcons();
    PopulateLaunchButtons();

    MarkCurrentSection();
    SetWindowTopmost(message, false);
    message.close();
    SetWindowTopmost(*m_form, m_settings.alwaysOnTop);
}

int Launcher::SectionStyle(int index) const
{
    return index >= 0 && index < static_cast<int>(m_skin.sections.size()) ? m_skin.sections[static_cast<size_t>(index)].style
                                                                           : 0;
}

QPixmap Launcher::SectionBackground(int number) const
{
    const controls::ImageList& backgrounds = m_form->images().SectionStyle;
    const QPixmap own = backgrounds.picture(QString("Style%1").arg(number));
    return own.isNull() ? backgrounds.picture("Style0") : own;
}

void Launcher::SwitchSection(int index)
{
    const int previous = m_state.CurrentSection - 1;
    m_state.CurrentSection = index + 1;
    m_populated = false;
    RefreshShortcutsIfChanged();
    if (!m_populated)
        PopulateLaunchButtons();
    m_pause(50);
    m_populated = false;

    // Each section may show its own window background.
    const int newStyle = SectionStyle(m_state.CurrentSection - 1);
    if (newStyle != SectionStyle(previous) && m_state.ShadedFlag == 0) {
        const QPixmap background = SectionBackground(newStyle);
        if (!background.isNull())
            m_form->setPicture(background);
    }
}

LaunchResult Launcher::LaunchButton(int index, const std::vector<std::string>& droppedFiles)
{
    // The launcher stays in front while the desktop starts the program, but
    // unless its skin keeps it above everything, a window that the program
    // opened meanwhile ends up in front of it: the user clicked to see it.
    const std::vector<platform::WindowId> before = m_services.stacking.otherProgramsWindows();
    SetWindowTopmost(*m_form, true);
    const LaunchResult result = m_launcher->LaunchShortcut(m_buttons, index, droppedFiles);
    SetWindowTopmost(*m_form, m_settings.alwaysOnTop);
    if (!m_settings.alwaysOnTop)
        BringForwardWindowsOpenedSince(before);
    if (result.outcome == LaunchOutcome::Failed)
        RefreshShortcutsIfChanged();
    return result;
}

void Launcher::ShowLaunchControls(bool visible)
{
    const SkinnedControls& controls = m_form->controls();
    for (int i = 0; i < m_buttons.VisibleButtonCount; ++i) {
        controls.SSButton[static_cast<size_t>(i)]->setVisible(visible);
        const LaunchButtonView& view = m_buttons.buttons[static_cast<size_t>(i)];
        controls.BLabel[static_cast<size_t>(i)]->setVisible(visible && view.labelVisible);
    }
    for (int i = 0; i < static_cast<int>(m_skin.sections.size()); ++i)
        controls.SSPanel1[static_cast<size_t>(i)]->setVisible(visible);
}

void Launcher::PlayStartupSound()
{
    m_skinSounds.PlaySkinSound(m_skin.info.skinStartupSound);
}

} // namespace launcher
