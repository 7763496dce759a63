#pragma once

#include "platform/component/Picture.h"

class QImage;

namespace quorvex::platform {

// A bitmap picture object holding a copy of the image's pixels, for handing
// a window's background to the window-shape control; null for a null image.
component::Ref<component::IPicture> pictureFromImage(const QImage& image);

} // namespace quorvex::platform
