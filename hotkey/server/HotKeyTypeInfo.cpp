#include "hotkey/server/HotKeyTypeInfo.h"

#include "hotkey/HotKeyClasses.h"

namespace quorvex::hotkey {

namespace {

using pc::MemberInfo;
using pc::VarType;
constexpr auto kProperty = MemberInfo::Kind::Property;
constexpr auto kMethod = MemberInfo::Kind::Method;

constexpr MemberInfo kCoReceiverMembers[] = {
    {dispid::kInterval, "Interval", kProperty, VarType::Int32, "Polling period in milliseconds; 0 stops polling"},
    {dispid::kEnabled, "Enabled", kProperty, VarType::Bool, "Whether the key is watched at run time"},
    {dispid::kMaskKey, "MaskKey", kProperty, VarType::Int32, "Virtual-key code of the watched key"},
    {dispid::kShiftKey, "ShiftKey", kProperty, VarType::Bool, "Whether Shift must be down"},
    {dispid::kCtrlKey, "CtrlKey", kProperty, VarType::Bool, "Whether Ctrl must be down"},
    {dispid::kAltKey, "AltKey", kProperty, VarType::Bool, "Whether Alt must be down"},
    {dispid::kAboutMe, "AboutMe", kMethod, VarType::Empty, "Shows the about box"},
};

constexpr MemberInfo kReciverMembers[] = {
    kCoReceiverMembers[0], kCoReceiverMembers[1], kCoReceiverMembers[2], kCoReceiverMembers[6],
};

} // namespace

const pc::ClassInfo& hotKeyCoReceiverClassInfo()
{
    static const pc::ClassInfo info{
        kHotKeyCoReceiverClsid,
        kHotKeyCoReceiverProgId,
        "Hot Key Combination Receiver",
        {kHotKeyCoReceiverIid, "_HotKeyCoReceiver", "Watches a key with an exact Shift/Ctrl/Alt combination",
         kCoReceiverMembers},
        kHotKeyCoReceiverEventsIid,
        kHotKeyTypeLibrary,
    };
    return info;
}

const pc::ClassInfo& hotKeyReciverClassInfo()
{
    static const pc::ClassInfo info{
        kHotKeyReciverClsid,
        kHotKeyReciverProgId,
        "Hot Key Receiver",
        {kHotKeyReciverIid, "_HotKeyReciver", "Watches a single key", kReciverMembers},
        kHotKeyReciverEventsIid,
        kHotKeyTypeLibrary,
    };
    return info;
}

} // namespace quorvex::hotkey
