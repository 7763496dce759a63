#pragma once

#include "hotkey/control/HotKeyReceiverCore.h"
#include "hotkey/control/QtPollTimer.h"
#include "platform/component/Connection.h"
#include "platform/component/Control.h"
#include "platform/component/Persistence.h"
#include "platform/component/Server.h"

namespace quorvex::hotkey {

namespace pc = quorvex::platform::component;

// HotKeyCoReceiver and HotKeyReciver as embeddable components: the polling
// core behind dispatch, events, property-change notification, property-bag
// and stream persistence, and the container's user-mode flag.
class HotKeyControl final : public pc::IDispatch,
                            public pc::IOleObject,
                            public pc::IOleControl,
                            public pc::IPersistPropertyBag,
                            public pc::IPersistStreamInit,
                            public pc::IConnectionPointContainer,
                            public pc::IProvideClassInfo2,
                            public pc::ISpecifyPropertyPages,
                            public pc::IViewObject {
public:
    // New objects holding one reference, for class factories.
    static pc::IUnknown* createCoReceiver();
    static pc::IUnknown* createReciver();

    pc::HResult queryInterface(const pc::Guid& iid, void** out) override;
    QUORVEX_IMPLEMENT_REFCOUNT

    // IDispatch
    pc::HResult getIdsOfNames(std::span<const std::string_view> names, std::span<pc::DispId> ids) override;
    pc::HResult invoke(pc::DispId id, pc::InvokeKind kind, std::span<const pc::Variant> args,
                       pc::Variant* result) override;

    // IOleObject
    pc::HResult setClientSite(pc::IOleClientSite* site) override;
    pc::HResult getClientSite(pc::IOleClientSite** site) override;
    pc::HResult setExtent(const pc::Extent& extent) override;
    pc::HResult getExtent(pc::Extent* extent) override;
    pc::HResult getMiscStatus(std::uint32_t* status) override;
    pc::HResult close() override;

    // IOleControl
    pc::HResult onAmbientPropertyChange(pc::DispId id) override;

    // IPersistPropertyBag and IPersistStreamInit
    pc::HResult classId(pc::Guid* clsid) override;
    pc::HResult initNew() override;
    pc::HResult load(pc::IPropertyBag* bag) override;
    pc::HResult save(pc::IPropertyBag* bag, bool clearDirty, bool saveAll) override;
    pc::HResult isDirty() override;
    pc::HResult load(pc::IStream* stream) override;
    pc::HResult save(pc::IStream* stream, bool clearDirty) override;
    pc::HResult getSizeMax(std::uint64_t* size) override;

    // IConnectionPointContainer
    pc::HResult findConnectionPoint(const pc::Guid& iid, pc::IConnectionPoint** out) override;

    // IProvideClassInfo2
    pc::HResult getClassInfo(const pc::ClassInfo** info) override;
    pc::HResult getDefaultSourceIid(pc::Guid* iid) override;

    // ISpecifyPropertyPages
    pc::HResult getPages(std::vector<pc::Guid>* pages) override;

    // IViewObject
    pc::HResult draw(pc::Bitmap32& target, const pc::DrawRect& bounds) override;

    HotKeyReceiverCore& core() { return m_core; }

private:
    explicit HotKeyControl(ModifierRule rule);
    ~HotKeyControl();

    bool hasModifiers() const { return m_core.modifierRule() == ModifierRule::Exact; }
    pc::HResult putProperty(pc::DispId id, const pc::Variant& value);
    pc::HResult getPropertyValue(pc::DispId id, pc::Variant* result);
    void propertyChanged(std::string_view name);
    void raise(HotKeyEvent event);

    pc::RefCount m_refs;
    pc::ServerObjectCounter m_counter;
    const pc::ClassInfo& m_info;
    QtPollTimer m_timer;
    HotKeyReceiverCore m_core;
    pc::ConnectionPoint m_events;
    pc::ConnectionPoint m_propertyNotify;
    pc::Ref<pc::IOleClientSite> m_site;
    bool m_dirty = false;
};

} // namespace quorvex::hotkey
