#include "platform/component/Connection.h"

#include <gtest/gtest.h>

#include <functional>

using namespace quorvex::platform::component;

namespace {

// An object owning a property-notify connection point.
class Owner final : public IConnectionPointContainer {
public:
    Owner() : point(*this, IPropertyNotifySink::kIid) { }
    HResult queryInterface(const Guid& iid, void** out) override
    {
        return answerQuery<IConnectionPointContainer>(this, iid, out);
    }
    uint32_t addRef() override { return ++refs; }
    uint32_t release() override { return --refs; }
    HResult findConnectionPoint(const Guid& iid, IConnectionPoint** out) override
    {
        if (iid != point.iid())
            return kNoConnection;
        *out = &point;
        point.addRef();
        return kOk;
    }
    uint32_t refs = 1;
    ConnectionPoint point;
};

class RecordingSink final : public IPropertyNotifySink {
public:
    HResult queryInterface(const Guid& iid, void** out) override
    {
        return answerQuery<IPropertyNotifySink>(this, iid, out);
    }
    uint32_t addRef() override { return ++refs; }
    uint32_t release() override { return --refs; }
    HResult onChanged(DispId id) override
    {
        changed.push_back(id);
        if (whenChanged)
            whenChanged();
        return kOk;
    }
    HResult onRequestEdit(DispId id) override
    {
        asked.push_back(id);
        return refuse ? kFalse : kOk;
    }
    uint32_t refs = 1;
    bool refuse = false;
    std::vector<DispId> changed;
    std::vector<DispId> asked;
    std::function<void()> whenChanged;
};

class PlainObject final : public IUnknown {
public:
    HResult queryInterface(const Guid& iid, void** out) override { return answerQuery<IUnknown>(this, iid, out); }
    uint32_t addRef() override { return 2; }
    uint32_t release() override { return 1; }
};

TEST(ConnectionPointTest, NotifiesEverySinkAndAnyRefusalWins)
{
    Owner owner;
    RecordingSink first, second;
    uint32_t a = 0, b = 0;
    ASSERT_EQ(owner.point.advise(&first, &a), kOk);
    ASSERT_EQ(owner.point.advise(&second, &b), kOk);
    EXPECT_NE(a, b);
    EXPECT_EQ(first.refs, 2u) << "the connection holds the sink";

    owner.point.notifyChanged(4);
    EXPECT_EQ(first.changed, std::vector<DispId> { 4 });
    EXPECT_EQ(second.changed, std::vector<DispId> { 4 });

    second.refuse = true;
    EXPECT_FALSE(owner.point.requestEdit(4));
    first.refuse = false;
    second.refuse = false;
    EXPECT_TRUE(owner.point.requestEdit(4));

    ASSERT_EQ(owner.point.unadvise(a), kOk);
    EXPECT_EQ(first.refs, 1u);
    EXPECT_EQ(owner.point.unadvise(a), kNoConnection);
    owner.point.notifyChanged(5);
    EXPECT_EQ(first.changed.size(), 1u);
}

TEST(ConnectionPointTest, RefusesSinksWithoutTheInterface)
{
    Owner owner;
    PlainObject plain;
    uint32_t cookie = 99;
    EXPECT_EQ(owner.point.advise(&plain, &cookie), kNoInterface);
    EXPECT_EQ(cookie, 0u);
    EXPECT_EQ(owner.point.sinkCount(), 0u);
}

TEST(ConnectionPointTest, SinkDisconnectingDuringABroadcastIsSafe)
{
    Owner owner;
    RecordingSink leaving, staying;
    uint32_t cookie = 0, other = 0;
    owner.point.advise(&leaving, &cookie);
    owner.point.advise(&staying, &other);
    leaving.whenChanged = [&] { owner.point.unadvise(cookie); };
    owner.point.notifyChanged(1);
    EXPECT_EQ(staying.changed.size(), 1u);
    EXPECT_EQ(owner.point.sinkCount(), 1u);
}

TEST(ConnectionPointTest, ReferencesToThePointKeepTheOwnerAlive)
{
    Owner owner;
    Ref<IConnectionPoint> point;
    ASSERT_EQ(owner.findConnectionPoint(IPropertyNotifySink::kIid, point.put()), kOk);
    EXPECT_EQ(owner.refs, 2u);
    point.reset();
    EXPECT_EQ(owner.refs, 1u);
    EXPECT_EQ(owner.findConnectionPoint(IDispatch::kIid, point.put()), kNoConnection);
}

} // namespace
