#include "hotkey/HotKeyClasses.h"
#include "hotkey/server/HotKeyRegistration.h"
#include "platform/component/ClassesRoot.h"
#include "platform/component/Container.h"
#include "platform/component/RegistryScript.h"
#include "platform/component/Runtime.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace quorvex::hotkey {
namespace {

using namespace quorvex::platform::component;

TEST(HotKeyRegistrationTest, ScriptRegistersBothClassesAndRemovesThemAgain)
{
    RegistryScript script;
    std::string error;
    ASSERT_TRUE(script.parse(hotKeyRegistryScript(), &error)) << error;
    ClassesRoot root;
    root.setValue("CLSID\\{00000000-0000-0000-0000-000000000001}", "", "someone else");
    script.apply(root, "/opt/q/libhotkey.so");

    struct Class {
        const char* progId;
        Guid clsid;
    };
    for (const Class& c : {Class{"HotKey.HotKeyCoReceiver", kHotKeyCoReceiverClsid},
                           Class{"HotKey.HotKeyReciver", kHotKeyReciverClsid}}) {
        const std::string progId = c.progId;
        const std::string key = "CLSID\\" + c.clsid.toString();
        EXPECT_EQ(root.value(progId + "\\CLSID"), c.clsid.toString());
        EXPECT_EQ(root.value(progId + "\\CurVer"), progId);
        EXPECT_EQ(root.value(key + "\\ProgID"), progId);
        EXPECT_EQ(root.value(key + "\\InprocServer32"), "/opt/q/libhotkey.so");
        EXPECT_EQ(root.value(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
        EXPECT_EQ(root.value(key + "\\ToolboxBitmap32"), "/opt/q/libhotkey.so, 1");
        EXPECT_TRUE(root.hasKey(key + "\\Control"));
        EXPECT_EQ(root.value(key + "\\MiscStatus\\1"), "131473");
        EXPECT_EQ(root.value(key + "\\TypeLib"), kHotKeyTypeLibrary.toString());
    }
    EXPECT_EQ(root.value("Interface\\" + kHotKeyCoReceiverIid.toString() + "\\TypeLib"),
              kHotKeyTypeLibrary.toString());
    EXPECT_TRUE(root.hasKey("Interface\\" + kHotKeyCoReceiverEventsIid.toString()));
    EXPECT_EQ(root.value("CLSID\\{12F8D126-715B-11D2-B957-0080C886E5F4}\\ProgID"), "HotKey.HotKeyCoReceiver");

    script.remove(root);
    for (const std::string& key : root.keys())
        EXPECT_EQ(key.find("12F8D1"), std::string::npos) << key;
    EXPECT_FALSE(root.hasKey("HotKey.HotKeyCoReceiver"));
    EXPECT_EQ(root.value("CLSID\\{00000000-0000-0000-0000-000000000001}"), "someone else");
}

// The built library through the platform's loader: registration into the
// test's own classes root, creation by ProgID, the unload rule.
TEST(HotKeyRegistrationTest, LibraryRegistersAndServesItsClasses)
{
    const std::string rootPath = ClassesRoot::defaultPath();
    std::remove(rootPath.c_str());
    std::string error;
    auto server = InprocServer::load(std::string(QUORVEX_BINARY_DIR) + "/bin/libhotkey.so", &error);
    ASSERT_TRUE(server) << error;
    ASSERT_EQ(server->registerServer(), kOk);

    ClassesRoot root(rootPath);
    ASSERT_TRUE(root.load(&error)) << error;
    EXPECT_EQ(root.value("CLSID\\" + kHotKeyCoReceiverClsid.toString() + "\\InprocServer32"), server->path());
    EXPECT_EQ(classIdFromProgId(kHotKeyReciverProgId), kHotKeyReciverClsid);

    {
        auto site = AmbientSite::create(false);
        Created<IDispatch> control = createLauncherHotKey(site.get());
        ASSERT_TRUE(control) << control.error;
        Variant maskKey;
        ASSERT_EQ(getProperty(control.object.get(), "MaskKey", &maskKey), kOk);
        EXPECT_EQ(maskKey, Variant(int32_t(145)));
        EXPECT_EQ(server->canUnloadNow(), kFalse);
    }
    EXPECT_EQ(server->canUnloadNow(), kOk);

    Ref<IUnknown> factory;
    EXPECT_EQ(server->getClassObject(Guid::literal("{40BD39F1-6F1E-11D1-B2DF-444553540000}"), IUnknown::kIid,
                                     factory.putVoid()),
              kClassNotAvailable);

    EXPECT_EQ(server->unregisterServer(), kOk);
    ASSERT_TRUE(root.load(&error)) << error;
    EXPECT_FALSE(root.hasKey("HotKey.HotKeyCoReceiver"));
    EXPECT_FALSE(classIdFromProgId(kHotKeyCoReceiverProgId).has_value());
}

} // namespace
} // namespace quorvex::hotkey
