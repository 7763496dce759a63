#pragma once

#include "platform/component/Dispatch.h"
#include "platform/component/Variant.h"

#include <string>
#include <string_view>

namespace quorvex::shape {

using platform::component::HResult;
using platform::component::IDispatch;
using platform::component::VariantBool;

// The window-shape control's own interface. It is dual: the same members are
// reachable through IDispatch by dispid (FormShapeIds.h). Every method
// returns a status; getters write through their out-pointer.
class IFormShape : public IDispatch {
public:
    static constexpr platform::component::Guid kIid =
        platform::component::Guid::literal("{40BD39F0-6F1E-11D1-B2DF-444553540000}");

    virtual HResult getHWnd(int32_t* window) = 0;
    virtual HResult putHWnd(int32_t window) = 0;
    virtual HResult getShapeType(int16_t* type) = 0;
    virtual HResult putShapeType(int16_t type) = 0;
    virtual HResult getShapeString(std::u16string* text) = 0;
    virtual HResult putShapeString(std::u16string_view text) = 0;
    // The picture's dispatch interface, or null.
    virtual HResult getShapePicture(IDispatch** picture) = 0;
    // Holds an independent copy of the picture (kFalse when a sink refused).
    virtual HResult putShapePicture(IDispatch* picture) = 0;
    // Holds the caller's picture itself (kFalse when a sink refused).
    virtual HResult putRefShapePicture(IDispatch* picture) = 0;
    virtual HResult getMaskColor(uint32_t* color) = 0;
    virtual HResult putMaskColor(uint32_t color) = 0;
    virtual HResult getAutoScale(VariantBool* autoScale) = 0;
    virtual HResult putAutoScale(VariantBool autoScale) = 0;
    virtual HResult getScaleX(double* scale) = 0;
    virtual HResult putScaleX(double scale) = 0;
    virtual HResult getScaleY(double* scale) = 0;
    virtual HResult putScaleY(double scale) = 0;
    virtual HResult refresh() = 0;
};

} // namespace quorvex::shape
