#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvex::platform::component {

inline constexpr std::string_view kFormShapeProgId = "FormShape.FormShape";

// The saved design data of the launcher's two window-shape controls, in the
// control's stream form (70 bytes): extent 5080 x 5080, ShapeType 1,
// MaskColor magenta (0x00FF00FF), AutoScale false, scales 1.0, no picture,
// empty ShapeString.
std::vector<uint8_t> formShapeLauncherDesignData();

} // namespace quorvex::platform::component
