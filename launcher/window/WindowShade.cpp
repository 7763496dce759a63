#include "launcher/window/WindowShade.h"

#include <algorithm>

namespace launcher {

std::optional<ShadeLook> ChooseShadeLook(PixelSize shadePicture, const ShadingKeys& strip, PixelSize background)
{
    if (!shadePicture.isEmpty())
        return ShadeLook{ShadeSource::ShadePicture, {0, 0, shadePicture.width, shadePicture.height}};
    // The strip's keys are whatever the skin wrote; only the part that lies
    // on the background can be cut from it.
    const long left = std::clamp<long>(strip.left, 0, background.width);
    const long top = std::clamp<long>(strip.top, 0, background.height);
    const long right = std::clamp<long>(static_cast<long>(strip.left) + strip.width, 0, background.width);
    const long bottom = std::clamp<long>(static_cast<long>(strip.top) + strip.height, 0, background.height);
    if (right <= left || bottom <= top)
        return std::nullopt;
    return ShadeLook{ShadeSource::BackgroundStrip, {static_cast<int>(left), static_cast<int>(top),
                                                    static_cast<int>(right - left), static_cast<int>(bottom - top)}};
}

WindowSteps RollUpSteps(const ShadingKeys& shading, const std::optional<ShadeLook>& look, ShadeSound sound)
{
    if (shading.shadingSize() <= 0 || !look)
        return {};
    WindowSteps steps;
    steps.push_back(step::withFlag(StepKind::SetShaded, true));
    steps.push_back(step::withFlag(StepKind::ShowLaunchControls, false));
    steps.push_back(step::withLook(StepKind::InstallOutline, WindowLook::Shade));
    steps.push_back(step::resize(look->rect.width, look->rect.height));
    steps.push_back(step::withLook(StepKind::SetWindowPicture, WindowLook::Shade));
    if (sound == ShadeSound::Play)
        steps.push_back(step::sound(SoundMode::Async, shading.shadeSound));
    steps.push_back(step::withFlag(StepKind::ShowShadeStrip, false));
    return steps;
}

WindowSteps RollDownSteps(int shadedFlag, const ShadingKeys& shading, int currentSectionStyle, PixelSize fullPicture)
{
    if (shadedFlag == 0)
        return {};
    WindowSteps steps;
    steps.push_back(step::withNumber(StepKind::LoadFullBackground, currentSectionStyle));
    steps.push_back(step::resize(fullPicture.width, fullPicture.height));
    steps.push_back(step::withLook(StepKind::InstallOutline, WindowLook::Full));
    steps.push_back(step::withLook(StepKind::SetWindowPicture, WindowLook::Full));
    steps.push_back(step::withFlag(StepKind::ShowShadeStrip, true));
    steps.push_back(step::sound(SoundMode::Async, shading.restoreSound));
    steps.push_back(step::withFlag(StepKind::ShowLaunchControls, true));
    steps.push_back(step::withFlag(StepKind::SetShaded, false));
    return steps;
}

} // namespace launcher
