#pragma once

#include <QImage>
#include <QSize>

namespace quorvex::hotkey {

// The control's face: a key cap, drawn rather than loaded so the library
// carries no image files. Its size is the control's fixed size (32 x 32
// pixels, 847 x 847 hundredths of a millimetre at 96 dots per inch).
inline constexpr QSize kHotKeyImageSize{32, 32};
// A QImage, so that it can be drawn without a windowing application.
QImage hotKeyImage(int scale = 1);

} // namespace quorvex::hotkey
