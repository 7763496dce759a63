#pragma once

#include <vector>

namespace quorvex::platform {

// The X11 keysyms that stand for a virtual-key code (empty for mouse buttons
// and for codes with no key behind them). Letters give their lower-case
// keysym, which is what the keyboard map holds at the first level.
std::vector<unsigned long> keysymsForVirtualKey(int virtualKey);

} // namespace quorvex::platform
