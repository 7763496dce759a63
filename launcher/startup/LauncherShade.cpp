// The window shade: rolling the window up to its small shaded look and back
// down to the full one, and coming back shaded at start-up.
#include "launcher/startup/Launcher.h"

#include "launcher/config/IniValues.h"
#include "launcher/controls/PixelScale.h"
#include "launcher/window/WindowShade.h"

namespace launcher {

namespace {

PixelSize sizeOf(const QPixmap& picture)
{
    const QSize size = controls::logicalSize(picture);
    return {size.width(), size.height()};
}

// A part of `picture` given in skin pixels, at the picture's own density.
QPixmap partOf(const QPixmap& picture, const PixelRect& r)
{
    const qreal ratio = picture.devicePixelRatio();
    const QRectF logical(r.left, r.top, r.width, r.height);
    QPixmap part = picture.copy(QRectF(logical.topLeft() * ratio, logical.size() * ratio).toRect());
    part.setDevicePixelRatio(ratio);
    return part;
}

// What the rolled-up window shows and is outlined by.
struct ShadeLookPicture {
    std::optional<ShadeLook> look;
    QPixmap picture;
};

// `full` is the picture the window shows while unshaded.
ShadeLookPicture shadeLookOf(const QPixmap& shadePicture, const ShadingKeys& strip, const QPixmap& full)
{
    ShadeLookPicture chosen;
    chosen.look = ChooseShadeLook(sizeOf(shadePicture), strip, sizeOf(full));
    if (!chosen.look)
        return chosen;
    if (chosen.look->source == ShadeSource::ShadePicture) {
        chosen.picture = shadePicture;
    } else {
        chosen.picture = partOf(full, chosen.look->rect);
    }
    return chosen;
}

// Carries out the steps of a roll in their order. `shade` is the rolled-up
// picture; `shadeIsOwnPicture` says whether it is the skin's shade picture,
// whose outline its shape control already holds. `picture1` is the full-size
// picture the window comes back with.
void runShadeSteps(Launcher& launcher, QPixmap& picture1, const WindowSteps& steps, const QPixmap& shade,
                   bool shadeIsOwnPicture)
{
    QuorvexForm& form = launcher.form();
    HostedControls& hosted = launcher.hosted();
    for (const WindowStep& step : steps) {
        switch (step.kind) {
        case StepKind::SetShaded:
            launcher.state().ShadedFlag = step.flag ? -1 : 0;
            break;
        case StepKind::ShowLaunchControls:
            launcher.ShowLaunchControls(step.flag);
            break;
        case StepKind::InstallOutline:
            if (step.outline == WindowLook::Full)
                hosted.bind(HostedControls::Outline::Full, form);
            else if (shadeIsOwnPicture)
                hosted.bind(HostedControls::Outline::Shaded, form);
            else
                hosted.outline(HostedControls::Outline::Shaded, form, shade);
            break;
        case StepKind::ResizeWindow:
            form.setFixedSize(step.width, step.height);
            break;
        case StepKind::SetWindowPicture:
            form.setPicture(step.outline == WindowLook::Full ? picture1 : shade);
            break;
        case StepKind::LoadFullBackground:
            // Without any background picture (not even the skin's own) the
            // window comes back with the one it had rather than none.
            if (const QPixmap background = launcher.SectionBackground(step.number); !background.isNull())
                picture1 = background;
            break;
        case StepKind::ShowShadeStrip:
            form.controls().shading->setVisible(step.flag);
            break;
        case StepKind::PlaySound:
            launcher.skinSounds().PlaySkinSound(step.text);
            break;
        default:
            break;
        }
    }
}

void rollUp(Launcher& launcher, QPixmap& picture1, ShadeSound sound)
{
    if (launcher.state().ShadedFlag != 0)
        return;
    const ShadingKeys& strip = launcher.skin().shading;
    const ShadeLookPicture shade = shadeLookOf(launcher.Picture3(), strip, launcher.form().picture());
    runShadeSteps(launcher, picture1, RollUpSteps(strip, shade.look, sound), shade.picture,
                  shade.look && shade.look->source == ShadeSource::ShadePicture);
}

} // namespace

void Launcher::RollUp()
{
    rollUp(*this, m_picture1, ShadeSound::Play);
}

void Launcher::RollDown()
{
    const int style = SectionStyle(m_state.CurrentSection - 1);
    const QPixmap background = SectionBackground(style);
    const PixelSize full = sizeOf(background.isNull() ? m_picture1 : background);
    runShadeSteps(*this, m_picture1, RollDownSteps(m_state.ShadedFlag, m_skin.shading, style, full), QPixmap(), false);
}

void Launcher::RestoreShadedState()
{
    m_state.ShadedFlag = 0;
    if (leadingWholeNumber(skinValue("UserSettings", "Shaded", 0)) != 0)
        ComeBackShaded();
}

void Launcher::ComeBackShaded()
{
    rollUp(*this, m_picture1, ShadeSound::Silent);
    if (m_state.ShadedFlag != 0)
        return;
    // A skin that cannot roll up (no strip, nothing to show rolled up) still
    // starts as it was left: flagged shaded with its buttons hidden, so that
    // a double click on the background brings them back.
    m_state.ShadedFlag = -1;
    ShowLaunchControls(false);
}

} // namespace launcher
