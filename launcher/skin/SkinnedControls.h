#pragma once

#include "launcher/controls/ImageList.h"
#include "launcher/controls/SkinPanel.h"
#include "launcher/skin/SkinLimits.h"

#include <QLabel>
#include <QWidget>

#include <array>
#include <memory>

namespace launcher {

inline constexpr int kLaunchButtonCount = kMaxSlotsPerSection;

// The controls of the main window that a skin fills. The window owns the
// widgets; the loaders only set them up.
struct SkinnedControls {
    QWidget* form = nullptr;
    controls::SkinPanel* SSExit = nullptr;
    controls::SkinPanel* SSSC = nullptr;
    controls::SkinPanel* SSSkin = nullptr;
    std::array<controls::SkinPanel*, kMaxSections> SSPanel1{};
    std::array<controls::SkinPanel*, kLaunchButtonCount> SSButton{};
    std::array<QLabel*, kLaunchButtonCount> BLabel{};
    controls::SkinPanel* shading = nullptr;
    std::array<controls::SkinPanel*, kFilmLoopCount> FilmLoop{};
    QLabel* Clock = nullptr;

    controls::SkinPanel* actionButton(int index) const
    {
        return index == 0 ? SSExit : index == 1 ? SSSC : SSSkin;
    }
};

// Every picture of the skin in use, under fixed keys.
struct SkinImages {
    controls::ImageList ExitIL;
    controls::ImageList SCIL;
    controls::ImageList SkinIL;
    controls::ImageList ShadeIL;
    controls::ImageList SectionStyle; // window backgrounds "Style0", "Style1", …
    std::array<controls::ImageList, kMaxSections> SectionsIL;
    std::array<controls::ImageList, kMaxButtonStyles> ButtonIL;
    std::array<controls::ImageList, 2> IconList; // 32 and 16 pixel shortcut icons

    controls::ImageList& actionButtonImages(int index)
    {
        return index == 0 ? ExitIL : index == 1 ? SCIL : SkinIL;
    }
};

} // namespace launcher
