#include "hotkey/server/HotKeyControl.h"

#include "hotkey/HotKeyClasses.h"
#include "hotkey/control/HotKeyImage.h"
#include "hotkey/pages/frmAbout.h"
#include "hotkey/server/HotKeyTypeInfo.h"
#include "hotkey/server/SharedKeyState.h"
#include "platform/component/Bitmap32.h"
#include "platform/component/Container.h"
#include "platform/component/StreamIo.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <array>

namespace quorvex::hotkey {

using namespace quorvex::platform::component;

namespace {

// Recompose on resize, can't link inside, inside-out, activate when visible,
// set client site first.
constexpr std::uint32_t kMiscStatus = 0x20191;

struct PropertyName {
    std::string_view name;
    DispId id;
    bool modifier;
};
constexpr std::array<PropertyName, 6> kProperties{{
    {"Interval", dispid::kInterval, false},
    {"Enabled", dispid::kEnabled, false},
    {"MaskKey", dispid::kMaskKey, false},
    {"ShiftKey", dispid::kShiftKey, true},
    {"CtrlKey", dispid::kCtrlKey, true},
    {"AltKey", dispid::kAltKey, true},
}};

constexpr DispatchName kCoReceiverNames[] = {
    {"Interval", dispid::kInterval}, {"Enabled", dispid::kEnabled}, {"MaskKey", dispid::kMaskKey},
    {"ShiftKey", dispid::kShiftKey}, {"CtrlKey", dispid::kCtrlKey}, {"AltKey", dispid::kAltKey},
    {"AboutMe", dispid::kAboutMe},
};
constexpr DispatchName kReciverNames[] = {
    {"Interval", dispid::kInterval}, {"Enabled", dispid::kEnabled}, {"MaskKey", dispid::kMaskKey},
    {"AboutMe", dispid::kAboutMe},
};

bool isBooleanProperty(DispId id)
{
    return id == dispid::kEnabled || id == dispid::kShiftKey || id == dispid::kCtrlKey
        || id == dispid::kAltKey;
}

// A value of the bag converted to the property's type; the default when the
// bag has no such value or holds something that does not convert.
std::int32_t readInt32(IPropertyBag& bag, std::string_view name, std::int32_t fallback)
{
    Variant stored;
    Variant converted;
    if (failed(bag.read(name, &stored)) || failed(stored.convertTo(VarType::Int32, converted)))
        return fallback;
    return converted.asInt32();
}

bool readBool(IPropertyBag& bag, std::string_view name, bool fallback)
{
    Variant stored;
    Variant converted;
    if (failed(bag.read(name, &stored)) || failed(stored.convertTo(VarType::Bool, converted)))
        return fallback;
    return converted.asBool();
}

} // namespace

IUnknown* HotKeyControl::createCoReceiver()
{
    return static_cast<IDispatch*>(new HotKeyControl(ModifierRule::Exact));
}

IUnknown* HotKeyControl::createReciver()
{
    return static_cast<IDispatch*>(new HotKeyControl(ModifierRule::Ignore));
}

HotKeyControl::HotKeyControl(ModifierRule rule)
    : m_info(rule == ModifierRule::Exact ? hotKeyCoReceiverClassInfo() : hotKeyReciverClassInfo())
    , m_core(rule, sharedKeyState(), m_timer)
    , m_events(*static_cast<IDispatch*>(this), m_info.defaultSourceIid)
    , m_propertyNotify(*static_cast<IDispatch*>(this), IPropertyNotifySink::kIid)
{
    m_core.setEventHandler([this](HotKeyEvent event) { raise(event); });
    m_core.setChangeHandler([this](std::string_view name) { propertyChanged(name); });
}

HotKeyControl::~HotKeyControl()
{
    m_core.setEventHandler({});
    m_core.setChangeHandler({});
}

HResult HotKeyControl::queryInterface(const Guid& iid, void** out)
{
    if (iid == m_info.defaultInterface.iid) {
        // The default interface is dispatch-only.
        return answerQuery<IDispatch>(this, IDispatch::kIid, out);
    }
    return answerQuery<IDispatch, IOleObject, IOleControl, IPersistPropertyBag, IPersistStream,
                       IPersistStreamInit, IConnectionPointContainer, IProvideClassInfo,
                       IProvideClassInfo2, ISpecifyPropertyPages, IViewObject>(this, iid, out);
}

HResult HotKeyControl::getIdsOfNames(std::span<const std::string_view> names, std::span<DispId> ids)
{
    if (hasModifiers())
        return lookupDispatchNames(kCoReceiverNames, names, ids);
    return lookupDispatchNames(kReciverNames, names, ids);
}

HResult HotKeyControl::invoke(DispId id, InvokeKind kind, std::span<const Variant> args, Variant* result)
{
    const bool known = id == dispid::kInterval || id == dispid::kEnabled || id == dispid::kMaskKey
        || id == dispid::kAboutMe || (hasModifiers() && (id == dispid::kShiftKey || id == dispid::kCtrlKey
                                                         || id == dispid::kAltKey));
    if (!known)
        return kMemberNotFound;
    if (id == dispid::kAboutMe) {
        if (kind != InvokeKind::Method)
            return kMemberNotFound;
        if (!args.empty())
            return kBadParamCount;
        // The about box is a widget; a host without widgets cannot show it.
        if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
            return kUnexpected;
        frmAbout::showModal();
        return kOk;
    }
    switch (kind) {
    case InvokeKind::PropertyGet:
        if (!args.empty())
            return kBadParamCount;
        return getPropertyValue(id, result);
    case InvokeKind::PropertyPut:
        if (args.size() != 1)
            return kBadParamCount;
        return putProperty(id, args.front());
    default:
        return kMemberNotFound;
    }
}

HResult HotKeyControl::getPropertyValue(DispId id, Variant* result)
{
    if (!result)
        return kPointer;
    switch (id) {
    case dispid::kInterval: *result = Variant(m_core.interval()); break;
    case dispid::kEnabled: *result = Variant::boolean(m_core.enabled()); break;
    case dispid::kMaskKey: *result = Variant(m_core.maskKey()); break;
    case dispid::kShiftKey: *result = Variant::boolean(m_core.shiftKey()); break;
    case dispid::kCtrlKey: *result = Variant::boolean(m_core.ctrlKey()); break;
    case dispid::kAltKey: *result = Variant::boolean(m_core.altKey()); break;
    default: return kMemberNotFound;
    }
    return kOk;
}

HResult HotKeyControl::putProperty(DispId id, const Variant& value)
{
    Variant converted;
    const HResult conversion = value.convertTo(isBooleanProperty(id) ? VarType::Bool : VarType::Int32, converted);
    if (failed(conversion))
        return conversion;
    switch (id) {
    case dispid::kInterval: m_core.setInterval(converted.asInt32()); break;
    case dispid::kEnabled: m_core.setEnabled(converted.asBool()); break;
    case dispid::kMaskKey: m_core.setMaskKey(converted.asInt32()); break;
    case dispid::kShiftKey: m_core.setShiftKey(converted.asBool()); break;
    case dispid::kCtrlKey: m_core.setCtrlKey(converted.asBool()); break;
    case dispid::kAltKey: m_core.setAltKey(converted.asBool()); break;
    default: return kMemberNotFound;
    }
    return kOk;
}

void HotKeyControl::propertyChanged(std::string_view name)
{
    m_dirty = true;
    for (const PropertyName& property : kProperties) {
        if (property.name == name) {
            m_propertyNotify.notifyChanged(property.id);
            return;
        }
    }
}

void HotKeyControl::raise(HotKeyEvent event)
{
    // A handler may drop the container's last reference to this control
    // while its timer is still delivering the tick; the object then goes once
    // control is back in the event loop.
    addRef();
    m_events.fire(event == HotKeyEvent::Down ? kHotKeyDownEvent : kHotKeyUpEvent);
    if (QCoreApplication* application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, [this] { release(); }, Qt::QueuedConnection);
    else
        release();
}

HResult HotKeyControl::setClientSite(IOleClientSite* site)
{
    m_site = Ref<IOleClientSite>(site);
    if (site)
        m_core.setRunTime(ambientUserMode(site, true));
    return kOk;
}

HResult HotKeyControl::getClientSite(IOleClientSite** site)
{
    if (!site)
        return kPointer;
    *site = m_site.get();
    if (*site)
        (*site)->addRef();
    return kOk;
}

HResult HotKeyControl::setExtent(const Extent&)
{
    // The control always keeps the size of its image.
    return kOk;
}

HResult HotKeyControl::getExtent(Extent* extent)
{
    if (!extent)
        return kPointer;
    *extent = {kHotKeyExtent, kHotKeyExtent};
    return kOk;
}

HResult HotKeyControl::getMiscStatus(std::uint32_t* status)
{
    if (!status)
        return kPointer;
    *status = kMiscStatus;
    return kOk;
}

HResult HotKeyControl::close()
{
    m_core.setRunTime(false);
    m_events.disconnectAll();
    m_propertyNotify.disconnectAll();
    m_site.reset();
    return kOk;
}

HResult HotKeyControl::onAmbientPropertyChange(DispId id)
{
    if ((id == kDispIdAmbientUserMode || id == kDispIdUnknown) && m_site) {
        const bool runTime = ambientUserMode(m_site.get(), true);
        if (runTime != m_core.isRunTime())
            m_core.setRunTime(runTime);
    }
    return kOk;
}

HResult HotKeyControl::classId(Guid* clsid)
{
    if (!clsid)
        return kPointer;
    *clsid = m_info.clsid;
    return kOk;
}

HResult HotKeyControl::initNew()
{
    m_core.initNew();
    m_dirty = false;
    return kOk;
}

HResult HotKeyControl::load(IPropertyBag* bag)
{
    if (!bag)
        return kPointer;
    const HotKeyProperties defaults;
    HotKeyProperties saved;
    saved.interval = readInt32(*bag, "Interval", defaults.interval);
    saved.enabled = readBool(*bag, "Enabled", defaults.enabled);
    saved.maskKey = readInt32(*bag, "MaskKey", defaults.maskKey);
    if (hasModifiers()) {
        saved.shiftKey = readBool(*bag, "ShiftKey", defaults.shiftKey);
        saved.ctrlKey = readBool(*bag, "CtrlKey", defaults.ctrlKey);
        saved.altKey = readBool(*bag, "AltKey", defaults.altKey);
    }
    m_core.load(saved);
    m_dirty = false;
    return kOk;
}

HResult HotKeyControl::save(IPropertyBag* bag, bool clearDirty, bool saveAll)
{
    if (!bag)
        return kPointer;
    const HotKeyProperties defaults;
    const HotKeyProperties current = m_core.properties();
    HResult status = kOk;
    auto write = [&](std::string_view name, const Variant& value, bool isDefault) {
        if (succeeded(status) && (saveAll || !isDefault))
            status = bag->write(name, value);
    };
    write("_ExtentX", Variant(kHotKeyExtent), false);
    write("_ExtentY", Variant(kHotKeyExtent), false);
    write("Interval", Variant(current.interval), current.interval == defaults.interval);
    write("Enabled", Variant::boolean(current.enabled), current.enabled == defaults.enabled);
    write("MaskKey", Variant(current.maskKey), current.maskKey == defaults.maskKey);
    if (hasModifiers()) {
        write("ShiftKey", Variant::boolean(current.shiftKey), current.shiftKey == defaults.shiftKey);
        write("CtrlKey", Variant::boolean(current.ctrlKey), current.ctrlKey == defaults.ctrlKey);
        write("AltKey", Variant::boolean(current.altKey), current.altKey == defaults.altKey);
    }
    if (succeeded(status) && clearDirty)
        m_dirty = false;
    return status;
}

HResult HotKeyControl::isDirty()
{
    return m_dirty ? kOk : kFalse;
}

HResult HotKeyControl::load(IStream* stream)
{
    if (!stream)
        return kPointer;
    StreamReader in(*stream);
    std::uint16_t version = 0;
    std::int32_t extentX = 0, extentY = 0;
    std::int16_t enabled = 0, shift = 0, ctrl = 0, alt = 0;
    HotKeyProperties saved;
    // Everything is read before anything is applied: a short stream leaves
    // the control as it was.
    for (HResult status : {in.readUInt16(version), in.readInt32(extentX), in.readInt32(extentY),
                           in.readInt32(saved.interval), in.readInt16(enabled), in.readInt32(saved.maskKey),
                           in.readInt16(shift), in.readInt16(ctrl), in.readInt16(alt)}) {
        if (failed(status))
            return status;
    }
    if (version != kHotKeyStreamVersion)
        return kInvalidData;
    saved.enabled = enabled != 0;
    saved.shiftKey = shift != 0;
    saved.ctrlKey = ctrl != 0;
    saved.altKey = alt != 0;
    m_core.load(saved);
    m_dirty = false;
    return kOk;
}

HResult HotKeyControl::save(IStream* stream, bool clearDirty)
{
    if (!stream)
        return kPointer;
    const HotKeyProperties current = m_core.properties();
    StreamWriter out(*stream);
    for (HResult status : {out.writeUInt16(kHotKeyStreamVersion), out.writeInt32(kHotKeyExtent),
                           out.writeInt32(kHotKeyExtent), out.writeInt32(current.interval),
                           out.writeInt16(toVariantBool(current.enabled)), out.writeInt32(current.maskKey),
                           out.writeInt16(toVariantBool(current.shiftKey)),
                           out.writeInt16(toVariantBool(current.ctrlKey)),
                           out.writeInt16(toVariantBool(current.altKey))}) {
        if (failed(status))
            return status;
    }
    if (clearDirty)
        m_dirty = false;
    return kOk;
}

HResult HotKeyControl::getSizeMax(std::uint64_t* size)
{
    if (!size)
        return kPointer;
    *size = kHotKeyStreamSize;
    return kOk;
}

HResult HotKeyControl::findConnectionPoint(const Guid& iid, IConnectionPoint** out)
{
    if (!out)
        return kPointer;
    *out = nullptr;
    ConnectionPoint* point = nullptr;
    if (iid == m_events.iid())
        point = &m_events;
    else if (iid == m_propertyNotify.iid())
        point = &m_propertyNotify;
    if (!point)
        return kNoConnection;
    point->addRef();
    *out = point;
    return kOk;
}

HResult HotKeyControl::getClassInfo(const ClassInfo** info)
{
    if (!info)
        return kPointer;
    *info = &m_info;
    return kOk;
}

HResult HotKeyControl::getDefaultSourceIid(Guid* iid)
{
    if (!iid)
        return kPointer;
    *iid = m_info.defaultSourceIid;
    return kOk;
}

HResult HotKeyControl::getPages(std::vector<Guid>* pages)
{
    if (!pages)
        return kPointer;
    *pages = {hasModifiers() ? kGeneralCoPageClsid : kGeneralPageClsid};
    return kOk;
}

HResult HotKeyControl::draw(Bitmap32& target, const DrawRect& bounds)
{
    if (!target.isValid())
        return kInvalidArg;
    const int left = std::max(bounds.left, 0);
    const int top = std::max(bounds.top, 0);
    const int right = std::min(bounds.right, target.width);
    const int bottom = std::min(bounds.bottom, target.height);
    if (right <= left || bottom <= top)
        return kOk;
    const QImage face = hotKeyImage().scaled(bounds.right - bounds.left, bounds.bottom - bounds.top,
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_ARGB32);
    for (int y = top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(face.constScanLine(y - bounds.top));
        for (int x = left; x < right; ++x)
            target.setPixel(x, y, row[x - bounds.left]);
    }
    return kOk;
}

} // namespace quorvex::hotkey
