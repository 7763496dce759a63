#pragma once

#include "platform/component/Bitmap32.h"

namespace quorvex::shape {

// The 27 x 27 image the control shows of itself while a form is designed:
// a window outline with a rounded corner cut away over a grey tile.
const platform::component::Bitmap32& formShapeDesignImage();

// The toolbox's 16 x 16 version of the same picture.
const platform::component::Bitmap32& formShapeToolboxImage();

// The library's icon at `side` pixels: the same window, its carved corner and
// its surroundings transparent.
platform::component::Bitmap32 formShapeIconImage(int32_t side);

} // namespace quorvex::shape
