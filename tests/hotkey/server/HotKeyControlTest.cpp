#include "hotkey/support/HotKeyFixture.h"
#include "platform/component/Bitmap32.h"

#include <string>
#include <vector>

namespace quorvex::hotkey {
namespace {

using namespace quorvex::platform::component;
namespace vk = platform::vk;

// Records the property-change notifications of a control.
class ChangeSink final : public IPropertyNotifySink {
public:
    HResult queryInterface(const Guid& iid, void** out) override
    {
        return answerQuery<IPropertyNotifySink>(this, iid, out);
    }
    uint32_t addRef() override { return 2; }
    uint32_t release() override { return 1; }
    HResult onChanged(DispId id) override
    {
        changed.push_back(id);
        return kOk;
    }
    HResult onRequestEdit(DispId) override { return kOk; }

    std::vector<DispId> changed;
};

class HotKeyControlTest : public HotKeyFixture {};

TEST_F(HotKeyControlTest, CombinationRaisesEventsThroughTheOutgoingInterface)
{
    auto object = make();
    ASSERT_EQ(setProperty(object.get(), "Interval", Variant(int32_t(250))), kOk);
    ASSERT_EQ(setProperty(object.get(), "MaskKey", Variant(int32_t(vk::kF1))), kOk);
    ASSERT_EQ(setProperty(object.get(), "CtrlKey", Variant::boolean(true)), kOk);
    std::vector<DispId> events;
    auto sink = EventSink::create(kHotKeyCoReceiverEventsIid,
                                  [&](DispId event, std::span<const Variant> args) {
                                      EXPECT_TRUE(args.empty());
                                      events.push_back(event);
                                  });
    uint32_t cookie = 0;
    ASSERT_EQ(connectEvents(object.get(), kHotKeyCoReceiverEventsIid, sink.get(), &cookie), kOk);

    HotKeyReceiverCore& core = control(object).core();
    ASSERT_TRUE(core.isPolling());
    keys.hold({vk::kF1});
    core.tick();
    keys.hold({vk::kControl, vk::kF1});
    core.tick();
    keys.hold({vk::kControl});
    core.tick();
    EXPECT_EQ(events, (std::vector<DispId>{kHotKeyDownEvent, kHotKeyUpEvent}));

    ASSERT_EQ(disconnectEvents(object.get(), kHotKeyCoReceiverEventsIid, cookie), kOk);
    keys.hold({vk::kControl, vk::kF1});
    core.tick();
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(HotKeyControlTest, PropertiesByDispatch)
{
    auto object = make();
    EXPECT_EQ(setProperty(object.get(), "Enabled", Variant(int32_t(0))), kOk);
    EXPECT_EQ(setProperty(object.get(), "interval", Variant(u"120")), kOk);
    EXPECT_EQ(setProperty(object.get(), "Interval", Variant(u"soon")), kTypeMismatch);
    EXPECT_EQ(setProperty(object.get(), "MaskKey", Variant(1e12)), kOverflow);
    EXPECT_EQ(setProperty(object.get(), "Visible", Variant(int32_t(1))), kUnknownName);

    Variant value;
    ASSERT_EQ(getProperty(object.get(), "Interval", &value), kOk);
    EXPECT_EQ(value, Variant(int32_t(120)));
    ASSERT_EQ(getProperty(object.get(), "Enabled", &value), kOk);
    EXPECT_EQ(value.type(), VarType::Bool);
    EXPECT_EQ(value.asVariantBool(), kVariantFalse);
    ASSERT_EQ(setProperty(object.get(), "AltKey", Variant(int32_t(5))), kOk);
    ASSERT_EQ(getProperty(object.get(), "AltKey", &value), kOk);
    EXPECT_EQ(value.asVariantBool(), kVariantTrue);
}

TEST_F(HotKeyControlTest, KeyOnlyControlHasNoModifierMembers)
{
    auto object = make(ModifierRule::Ignore);
    for (const char* name : {"ShiftKey", "CtrlKey", "AltKey"})
        EXPECT_EQ(dispatchIdOf(object.get(), name), kDispIdUnknown) << name;
    EXPECT_EQ(dispatchIdOf(object.get(), "MaskKey"), dispid::kMaskKey);
    Variant ignored;
    EXPECT_EQ(object->invoke(dispid::kShiftKey, InvokeKind::PropertyGet, {}, &ignored), kMemberNotFound);
    auto info = queryInterface<IProvideClassInfo2>(object);
    Guid source;
    ASSERT_TRUE(info);
    EXPECT_EQ(info->getDefaultSourceIid(&source), kOk);
    EXPECT_EQ(source, kHotKeyReciverEventsIid);
}

TEST_F(HotKeyControlTest, EveryPropertyChangeIsReportedToTheContainer)
{
    auto object = make();
    ChangeSink sink;
    uint32_t cookie = 0;
    ASSERT_EQ(connectEvents(object.get(), IPropertyNotifySink::kIid, &sink, &cookie), kOk);
    setProperty(object.get(), "Interval", Variant(int32_t(10)));
    setProperty(object.get(), "Enabled", Variant::boolean(true));
    setProperty(object.get(), "MaskKey", Variant(int32_t(65)));
    setProperty(object.get(), "ShiftKey", Variant::boolean(true));
    setProperty(object.get(), "CtrlKey", Variant::boolean(true));
    setProperty(object.get(), "AltKey", Variant::boolean(true));
    EXPECT_EQ(sink.changed, (std::vector<DispId>{dispid::kInterval, dispid::kEnabled, dispid::kMaskKey,
                                                  dispid::kShiftKey, dispid::kCtrlKey, dispid::kAltKey}));
    EXPECT_EQ(control(object).isDirty(), kOk);
    disconnectEvents(object.get(), IPropertyNotifySink::kIid, cookie);
}

TEST_F(HotKeyControlTest, DesignTimeSiteNeverPollsUntilUserModeChanges)
{
    auto object = make(ModifierRule::Exact, /*userMode=*/false);
    auto bag = hotKeyLauncherDesignBag();
    ASSERT_EQ(control(object).load(bag.get()), kOk);
    EXPECT_FALSE(control(object).core().isPolling());
    EXPECT_EQ(keys.queryCount(), 0u);

    site->setUserMode(true);
    control(object).onAmbientPropertyChange(kDispIdAmbientUserMode);
    EXPECT_TRUE(control(object).core().isPolling());
    site->setUserMode(false);
    control(object).onAmbientPropertyChange(kDispIdUnknown);
    EXPECT_FALSE(control(object).core().isPolling());
}

TEST_F(HotKeyControlTest, KeepsItsImageSize)
{
    auto object = make();
    auto embedded = queryInterface<IOleObject>(object);
    ASSERT_TRUE(embedded);
    EXPECT_EQ(embedded->setExtent({5000, 120}), kOk);
    Extent extent;
    ASSERT_EQ(embedded->getExtent(&extent), kOk);
    EXPECT_EQ(extent, (Extent{847, 847}));
    EXPECT_EQ(hundredthsMmToPixels(extent.width), 32);
}

TEST_F(HotKeyControlTest, DrawsItsFaceInsideTheBoundsOnly)
{
    auto object = make();
    auto view = queryInterface<IViewObject>(object);
    ASSERT_TRUE(view);
    Bitmap32 target(40, 40, 0xFF123456u);
    ASSERT_EQ(view->draw(target, {4, 4, 36, 36}), kOk);
    EXPECT_EQ(target.pixel(2, 2), 0xFF123456u);
    EXPECT_EQ(target.pixel(38, 38), 0xFF123456u);
    EXPECT_NE(target.pixel(20, 20), 0xFF123456u);
    // Bounds reaching past the image are clipped, not written out of range.
    EXPECT_EQ(view->draw(target, {-10, -10, 100, 100}), kOk);
}

TEST_F(HotKeyControlTest, AboutMeNeedsAWidgetApplication)
{
    auto object = make();
    EXPECT_EQ(callMethod(object.get(), "AboutMe"), kUnexpected);
    EXPECT_EQ(callMethod(object.get(), "AboutMe", std::vector<Variant>{Variant(int32_t(1))}), kBadParamCount);
}

TEST_F(HotKeyControlTest, CloseStopsPollingAndDropsSinks)
{
    auto object = make();
    control(object).load(hotKeyLauncherDesignBag().get());
    int fired = 0;
    auto sink = EventSink::create(kHotKeyCoReceiverEventsIid, [&](DispId, std::span<const Variant>) { ++fired; });
    uint32_t cookie = 0;
    connectEvents(object.get(), kHotKeyCoReceiverEventsIid, sink.get(), &cookie);
    ASSERT_TRUE(control(object).core().isPolling());
    control(object).close();
    EXPECT_FALSE(control(object).core().isPolling());
    keys.tap(vk::kScroll);
    control(object).core().tick();
    EXPECT_EQ(fired, 0);
}

TEST_F(HotKeyControlTest, HandlerReleasingTheLastReferenceIsSafe)
{
    auto object = make();
    control(object).load(hotKeyLauncherDesignBag().get());
    HotKeyControl* raw = &control(object);
    created.clear();
    int fired = 0;
    auto sink = EventSink::create(kHotKeyCoReceiverEventsIid, [&](DispId, std::span<const Variant>) {
        ++fired;
        raw->close();
        object.reset();
    });
    uint32_t cookie = 0;
    connectEvents(object.get(), kHotKeyCoReceiverEventsIid, sink.get(), &cookie);
    keys.tap(vk::kScroll);
    raw->core().tick();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(object);
}

} // namespace
} // namespace quorvex::hotkey
