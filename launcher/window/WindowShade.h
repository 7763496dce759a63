#pragma once

#include "launcher/skin/SkinDefinition.h"
#include "launcher/window/PixelGeometry.h"
#include "launcher/window/WindowStep.h"

#include <optional>

namespace launcher {

// Where the rolled-up window takes its picture and outline from.
enum class ShadeSource {
    ShadePicture,    // the skin's shade.bmp, whole
    BackgroundStrip, // the shade strip's own rectangle, cut from the full background
};

struct ShadeLook {
    ShadeSource source = ShadeSource::ShadePicture;
    // The part of the source picture that becomes the rolled-up window; for
    // the shade picture always all of it.
    PixelRect rect;

    PixelSize size() const { return {rect.width, rect.height}; }
    friend bool operator==(const ShadeLook&, const ShadeLook&) = default;
};

// The rolled-up look of a skin. A skin with a shade strip but no shade.bmp
// (or an empty one) rolls up to the strip itself: the strip's rectangle of
// the full background, clipped to the background, with the background's own
// outline within it. When even that is empty the skin has no usable rolled-up
// look and the window does not roll up, rather than shrinking to nothing.
std::optional<ShadeLook> ChooseShadeLook(PixelSize shadePicture, const ShadingKeys& strip, PixelSize background);

enum class ShadeSound { Play, Silent };

// Rolling up: flag, controls hidden, the shade outline installed before the
// window shrinks to the rolled-up size, then the picture, the shade sound
// (not at start-up, when the window comes back shaded) and the strip hidden.
// Nothing at all without a shade strip or a usable look.
WindowSteps RollUpSteps(const ShadingKeys& shading, const std::optional<ShadeLook>& look,
                        ShadeSound sound = ShadeSound::Play);

// Rolling down, only while shaded: the full picture is the background of the
// section that is current now (`fullPicture` is that picture's size); the
// window grows first and then takes the full outline, the strip comes back,
// the restore sound plays, the controls come back and the flag is cleared.
WindowSteps RollDownSteps(int shadedFlag, const ShadingKeys& shading, int currentSectionStyle,
                          PixelSize fullPicture);

} // namespace launcher
