#include "shape/control/FormShapeTypeInfo.h"

#include "shape/control/FormShapeIds.h"
#include "shape/control/IFormShape.h"

namespace quorvex::shape {

using namespace platform::component;

namespace {

using Kind = MemberInfo::Kind;

constexpr MemberInfo kMembers[] = {
    { kDispIdHWnd, "hWnd", Kind::Property, VarType::Int32, "", true },
    { kDispIdShapeType, "ShapeType", Kind::Property, VarType::Int16, "Shape Type" },
    { kDispIdShapeString, "ShapeString", Kind::Property, VarType::String, "Shape String" },
    { kDispIdShapePicture, "ShapePicture", Kind::Property, VarType::Dispatch, "Shape Picture" },
    { kDispIdMaskColor, "MaskColor", Kind::Property, VarType::UInt32, "Mask Color for Shape Picture" },
    { kDispIdAutoScale, "AutoScale", Kind::Property, VarType::Bool, "Automaticaly Scale the Shape" },
    { kDispIdScaleX, "ScaleX", Kind::Property, VarType::Double, "Scale Rate in Horizontal" },
    { kDispIdScaleY, "ScaleY", Kind::Property, VarType::Double, "Scale Rate in Vertical" },
    { kDispIdRefresh, "Refresh", Kind::Method, VarType::Empty, "Refresh the Shape" },
};

} // namespace

const ClassInfo& formShapeClassInfo()
{
    static const ClassInfo info {
        kFormShapeClsid,
        kFormShapeProgId,
        kFormShapeDescription,
        InterfaceInfo { IFormShape::kIid, "IFormShape", "IFormShape Interface", kMembers },
        Guid {},
        kFormShapeTypeLibrary,
        1,
        0,
    };
    return info;
}

} // namespace quorvex::shape
