#pragma once

#include "platform/component/Dispatch.h"
#include "platform/component/Guid.h"

#include <string_view>

namespace quorvex::shape {

using platform::component::DispId;
using platform::component::Guid;

inline constexpr Guid kFormShapeClsid = Guid::literal("{40BD39F1-6F1E-11D1-B2DF-444553540000}");
inline constexpr Guid kFormShapeTypeLibrary = Guid::literal("{40BD39E3-6F1E-11D1-B2DF-444553540000}");
inline constexpr std::string_view kFormShapeProgId = "FormShape.FormShape";
inline constexpr std::string_view kFormShapeDescription = "Window Shape Control";
// The platform's stock page for picture properties.
inline constexpr Guid kStockPicturePage = Guid::literal("{7EBDAAE2-8120-11CF-899F-00AA00688B10}");

inline constexpr DispId kDispIdHWnd = 1;
inline constexpr DispId kDispIdShapeType = 2;
inline constexpr DispId kDispIdShapeString = 3;
inline constexpr DispId kDispIdShapePicture = 4;
inline constexpr DispId kDispIdMaskColor = 5;
inline constexpr DispId kDispIdAutoScale = 6;
inline constexpr DispId kDispIdScaleX = 7;
inline constexpr DispId kDispIdScaleY = 8;
inline constexpr DispId kDispIdRefresh = 9;

// ShapeType values.
inline constexpr int16_t kShapeFromString = 0;
inline constexpr int16_t kShapeFromPicture = 1;
inline constexpr int16_t kShapeNone = 2;

// The stream form written by this version of the control.
inline constexpr uint32_t kFormShapeStreamVersion = 512;

// Status flags for the content aspect: recompose on resize, can't link
// inside, inside-out, activate when visible, invisible at run time, set
// client site first.
inline constexpr uint32_t kFormShapeMiscStatus = 0x20591;

// The design image is 27 x 27 pixels.
inline constexpr int32_t kFormShapeImageSide = 27;

} // namespace quorvex::shape
