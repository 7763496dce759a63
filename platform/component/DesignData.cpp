#include "platform/component/DesignData.h"

#include "platform/component/MemoryStream.h"
#include "platform/component/StreamIo.h"
#include "platform/component/Variant.h"

namespace quorvex::platform::component {

std::vector<uint8_t> formShapeLauncherDesignData()
{
    Ref<MemoryStream> stream = MemoryStream::create();
    StreamWriter w(*stream);
    w.writeUInt32(512);  // version
    w.writeInt32(5080);  // extent width, 0.01 mm
    w.writeInt32(5080);  // extent height
    w.writeUInt16(uint16_t(VarType::Int16));
    w.writeInt16(1);     // ShapeType: picture
    w.writeUInt16(uint16_t(VarType::UInt32));
    w.writeUInt32(0x00FF00FFu); // MaskColor: magenta
    w.writeUInt16(uint16_t(VarType::Bool));
    w.writeInt16(kVariantFalse); // AutoScale
    w.writeUInt16(uint16_t(VarType::Double));
    w.writeDouble(1.0);  // ScaleX
    w.writeUInt16(uint16_t(VarType::Double));
    w.writeDouble(1.0);  // ScaleY
    w.writeUInt16(uint16_t(VarType::Dispatch));
    w.writeGuid(Guid {}); // no picture
    w.writeCountedString(u""); // ShapeString
    return stream->bytes();
}

} // namespace quorvex::platform::component
