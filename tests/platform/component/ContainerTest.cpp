#include "platform/component/ClassesRoot.h"
#include "platform/component/Container.h"
#include "platform/component/DesignData.h"
#include "platform/component/Runtime.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

using namespace quorvex::platform::component;

namespace {

// Each test gets its own classes root.
class ContainerTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_path = (std::filesystem::temp_directory_path()
                  / ("quorvex-container-" + std::to_string(getpid()) + ".ini"))
                     .string();
        std::filesystem::remove(m_path);
        setenv("QUORVEX_CLASSES_ROOT", m_path.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove(m_path); }

    std::string m_path;
};

TEST_F(ContainerTest, UnregisteredProgIdNamesItAndTheRegistrationCommand)
{
    Ref<AmbientSite> site = AmbientSite::create();
    Created<IDispatch> created = createControl("FormShape.FormShape", formShapeLauncherDesignData(), site.get());
    EXPECT_FALSE(created);
    EXPECT_EQ(created.status, kClassNotRegistered);
    EXPECT_NE(created.error.find("FormShape.FormShape is not registered"), std::string::npos) << created.error;
    EXPECT_NE(created.error.find("quorvex-regserver"), std::string::npos) << created.error;
}

TEST_F(ContainerTest, RegisteredClassWhoseLibraryIsMissingReportsTheLoadFailure)
{
    ClassesRoot root(m_path);
    root.setValue("Broken.Thing\\CLSID", "", "{8612AD42-2CFC-46BA-BC3E-000000000001}");
    root.setValue("CLSID\\{8612AD42-2CFC-46BA-BC3E-000000000001}\\InprocServer32", "", "/no/such/library.so");
    ASSERT_TRUE(root.save());
    Created<IDispatch> created = createControl("Broken.Thing", {}, nullptr);
    EXPECT_EQ(created.status, kNotLoaded);
    EXPECT_NE(created.error.find("Broken.Thing"), std::string::npos) << created.error;
    EXPECT_NE(created.error.find("/no/such/library.so"), std::string::npos) << created.error;
}

TEST_F(ContainerTest, MalformedClassIdInTheRegistryIsReported)
{
    ClassesRoot root(m_path);
    root.setValue("Odd.Thing\\CLSID", "", "not-an-id");
    ASSERT_TRUE(root.save());
    std::string error;
    EXPECT_EQ(classIdFromProgId("Odd.Thing", &error), std::nullopt);
    EXPECT_NE(error.find("not-an-id"), std::string::npos) << error;
}

TEST(AmbientSiteTest, AnswersUserModeThroughItsDispatch)
{
    Ref<AmbientSite> site = AmbientSite::create(false);
    EXPECT_FALSE(ambientUserMode(site.get(), true));
    site->setUserMode(true);
    EXPECT_TRUE(ambientUserMode(site.get(), false));
    EXPECT_TRUE(ambientUserMode(nullptr, true));
    EXPECT_FALSE(ambientUserMode(nullptr, false));
}

TEST(EventSinkTest, StandsForTheEventInterfaceAndForwardsEventsByNumber)
{
    constexpr Guid kEvents = Guid::literal("{12F8D127-715B-11D2-B957-0080C886E5F4}");
    std::vector<DispId> seen;
    Ref<EventSink> sink = EventSink::create(kEvents, [&](DispId id, std::span<const Variant>) { seen.push_back(id); });
    Ref<IUnknown> asEvents;
    ASSERT_EQ(sink->queryInterface(kEvents, asEvents.putVoid()), kOk);
    auto* dispatch = static_cast<IDispatch*>(static_cast<void*>(asEvents.get()));
    dispatch->invoke(2, InvokeKind::Method, {}, nullptr);
    dispatch->invoke(1, InvokeKind::Method, {}, nullptr);
    EXPECT_EQ(seen, (std::vector<DispId> { 2, 1 }));
    EXPECT_EQ(dispatch->invoke(1, InvokeKind::PropertyGet, {}, nullptr), kMemberNotFound);
}

TEST(DesignDataTest, LauncherShapeDataIsSeventyBytesOfTheDocumentedFields)
{
    std::vector<uint8_t> data = formShapeLauncherDesignData();
    ASSERT_EQ(data.size(), 70u);
    auto u32 = [&](size_t at) { return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16 | uint32_t(data[at + 3]) << 24; };
    EXPECT_EQ(u32(0), 512u);
    EXPECT_EQ(u32(4), 5080u);
    EXPECT_EQ(u32(8), 5080u);
    EXPECT_EQ(u32(12), 0x00010002u) << "ShapeType: 16-bit integer 1";
    EXPECT_EQ(data[16], 19);
    EXPECT_EQ(u32(18), 0x00FF00FFu);
    EXPECT_EQ(u32(64), 2u) << "an empty ShapeString is its terminator alone";
}

} // namespace
