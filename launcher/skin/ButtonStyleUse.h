#pragma once

#include "launcher/skin/SkinDefinition.h"

#include <vector>

namespace launcher {

// For each of the skin's launch-button styles, whether a launch-button slot
// of one of its sections uses it. Only those styles can ever be shown, so only
// their pictures are indispensable: a skin without sections needs none.
std::vector<bool> ButtonStylesInUse(const SkinDefinition& skin);

} // namespace launcher
