#pragma once

// What a container needs to host the hot-key controls of libhotkey.so: their
// names and identifiers, member numbers, and the launcher's saved design
// data. Header-only; link the component services, not the library.
//
//     using namespace quorvex::platform::component;
//     namespace hk = quorvex::hotkey;
//     Ref<AmbientSite> site = AmbientSite::create(/*userMode=*/true);
//     Created<IDispatch> hotkey = hk::createLauncherHotKey(site.get());
//     Ref<EventSink> sink = EventSink::create(hk::kHotKeyCoReceiverEventsIid,
//         [](DispId event, std::span<const Variant>) {
//             if (event == hk::kHotKeyUpEvent) onHotKeyUp();
//         });
//     uint32_t cookie = 0;
//     connectEvents(hotkey.object.get(), hk::kHotKeyCoReceiverEventsIid, sink.get(), &cookie);
//     setProperty(hotkey.object.get(), "CtrlKey", Variant::boolean(true));
//     setProperty(hotkey.object.get(), "MaskKey", Variant(int32_t(112)));
//     setProperty(hotkey.object.get(), "Enabled", Variant::boolean(false));

#include "platform/component/Container.h"
#include "platform/component/Dispatch.h"
#include "platform/component/Guid.h"
#include "platform/component/MemoryPropertyBag.h"
#include "platform/component/MemoryStream.h"
#include "platform/component/Persistence.h"
#include "platform/component/Runtime.h"
#include "platform/component/StreamIo.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace quorvex::hotkey {

namespace pc = quorvex::platform::component;

inline constexpr std::string_view kHotKeyCoReceiverProgId = "HotKey.HotKeyCoReceiver";
inline constexpr pc::Guid kHotKeyCoReceiverClsid = pc::Guid::literal("{12F8D126-715B-11D2-B957-0080C886E5F4}");
inline constexpr pc::Guid kHotKeyCoReceiverIid = pc::Guid::literal("{12F8D125-715B-11D2-B957-0080C886E5F4}");
inline constexpr pc::Guid kHotKeyCoReceiverEventsIid = pc::Guid::literal("{12F8D127-715B-11D2-B957-0080C886E5F4}");

inline constexpr std::string_view kHotKeyReciverProgId = "HotKey.HotKeyReciver";
inline constexpr pc::Guid kHotKeyReciverClsid = pc::Guid::literal("{12F8D129-715B-11D2-B957-0080C886E5F4}");
inline constexpr pc::Guid kHotKeyReciverIid = pc::Guid::literal("{12F8D128-715B-11D2-B957-0080C886E5F4}");
inline constexpr pc::Guid kHotKeyReciverEventsIid = pc::Guid::literal("{12F8D12A-715B-11D2-B957-0080C886E5F4}");

inline constexpr pc::Guid kHotKeyTypeLibrary = pc::Guid::literal("{12F8D120-715B-11D2-B957-0080C886E5F4}");
// The property pages, as named by ISpecifyPropertyPages.
inline constexpr pc::Guid kGeneralCoPageClsid = pc::Guid::literal("{12F8D12B-715B-11D2-B957-0080C886E5F4}");
inline constexpr pc::Guid kGeneralPageClsid = pc::Guid::literal("{12F8D12C-715B-11D2-B957-0080C886E5F4}");

// Member numbers of both controls' dispatch interfaces.
namespace dispid {
inline constexpr pc::DispId kInterval = 1;
inline constexpr pc::DispId kEnabled = 2;
inline constexpr pc::DispId kMaskKey = 3;
inline constexpr pc::DispId kShiftKey = 4;
inline constexpr pc::DispId kCtrlKey = 5;
inline constexpr pc::DispId kAltKey = 6;
inline constexpr pc::DispId kAboutMe = 7;
} // namespace dispid

// Event numbers of both controls' outgoing interfaces (no arguments).
inline constexpr pc::DispId kHotKeyDownEvent = 1;
inline constexpr pc::DispId kHotKeyUpEvent = 2;

// The control's fixed size in 0.01 mm; saved with it as _ExtentX/_ExtentY.
inline constexpr std::int32_t kHotKeyExtent = 847;

// The stream form: a version word, the extent, then the properties in their
// load order (Interval i32, Enabled i16, MaskKey i32, ShiftKey, CtrlKey,
// AltKey i16 each; booleans are -1 or 0). 26 bytes.
inline constexpr std::uint16_t kHotKeyStreamVersion = 1;
inline constexpr std::uint32_t kHotKeyStreamSize = 26;

// The launcher's saved hot-key control: poll every 250 ms for Scroll Lock.
inline constexpr std::int32_t kLauncherHotKeyIntervalMs = 250;
inline constexpr std::int32_t kLauncherHotKeyMaskKey = 145;

// ... as a property bag (what IPersistPropertyBag::load takes).
inline pc::Ref<pc::MemoryPropertyBag> hotKeyLauncherDesignBag()
{
    auto bag = pc::MemoryPropertyBag::create();
    bag->write("_ExtentX", pc::Variant(kHotKeyExtent));
    bag->write("_ExtentY", pc::Variant(kHotKeyExtent));
    bag->write("Interval", pc::Variant(kLauncherHotKeyIntervalMs));
    bag->write("MaskKey", pc::Variant(kLauncherHotKeyMaskKey));
    return bag;
}

// ... and in the stream form (what createControl takes).
inline std::vector<std::uint8_t> hotKeyLauncherDesignStream()
{
    auto stream = pc::MemoryStream::create();
    pc::StreamWriter out(*stream);
    out.writeUInt16(kHotKeyStreamVersion);
    out.writeInt32(kHotKeyExtent);
    out.writeInt32(kHotKeyExtent);
    out.writeInt32(kLauncherHotKeyIntervalMs);
    out.writeInt16(pc::kVariantTrue);
    out.writeInt32(kLauncherHotKeyMaskKey);
    for (int modifier = 0; modifier < 3; ++modifier)
        out.writeInt16(pc::kVariantFalse);
    return stream->bytes();
}

// Creates the launcher's hot-key control from its saved design data. The
// site should answer the ambient user mode (true at run time) so that the
// control polls.
inline pc::Created<pc::IDispatch> createLauncherHotKey(pc::IOleClientSite* site)
{
    return pc::createControl(kHotKeyCoReceiverProgId, hotKeyLauncherDesignStream(), site);
}

} // namespace quorvex::hotkey
