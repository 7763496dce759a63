#include "launcher/skin/ButtonStyleUse.h"

namespace launcher {

std::vector<bool> ButtonStylesInUse(const SkinDefinition& skin)
{
    std::vector<bool> used(skin.styles.size(), false);
    for (const SectionKeys& section : skin.sections) {
        for (const SlotKeys& slot : section.launchSlots) {
            if (slot.style >= 0 && slot.style < static_cast<int>(used.size()))
                used[static_cast<size_t>(slot.style)] = true;
        }
    }
    return used;
}

} // namespace launcher
