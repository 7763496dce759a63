#include "ServerTestSupport.h"

#include "platform/component/Bitmap32.h"
#include "platform/component/ClassesRoot.h"
#include "platform/component/Container.h"
#include "platform/component/DesignData.h"
#include "platform/component/PictureStreamForm.h"
#include "platform/component/Runtime.h"

#include <dlfcn.h>
#include <map>
#include <set>

namespace quorvex::shape::testing {
namespace {

using namespace platform::component;

constexpr Guid kFormShapeClsid = Guid::literal("{40BD39F1-6F1E-11D1-B2DF-444553540000}");
const std::string kClassKey = "CLSID\\{40BD39F1-6F1E-11D1-B2DF-444553540000}";

using Values = std::vector<std::pair<std::string, std::string>>;

// The class entries the registration must write, written out independently
// of the library's own script.
std::map<std::string, Values> expectedClassEntries(const std::string& module)
{
    return {
        { "FormShape.FormShape", { { "", "Window Shape Control" } } },
        { "FormShape.FormShape\\CLSID", { { "", "{40BD39F1-6F1E-11D1-B2DF-444553540000}" } } },
        { "FormShape.FormShape\\CurVer", { { "", "FormShape.FormShape" } } },
        { kClassKey, { { "", "Window Shape Control" } } },
        { kClassKey + "\\ProgID", { { "", "FormShape.FormShape" } } },
        { kClassKey + "\\VersionIndependentProgID", { { "", "FormShape.FormShape" } } },
        { kClassKey + "\\Programmable", {} },
        { kClassKey + "\\InprocServer32", { { "", module }, { "ThreadingModel", "Apartment" } } },
        { kClassKey + "\\Control", {} },
        { kClassKey + "\\Insertable", {} },
        { kClassKey + "\\ToolboxBitmap32", { { "", module + ", 1" } } },
        { kClassKey + "\\MiscStatus", { { "", "0" } } },
        { kClassKey + "\\MiscStatus\\1", { { "", "132497" } } },
        { kClassKey + "\\TypeLib", { { "", "{40BD39E3-6F1E-11D1-B2DF-444553540000}" } } },
        { kClassKey + "\\Version", { { "", "1.0" } } },
    };
}

class ShapeServerTest : public ClassesRootTest {
protected:
    std::unique_ptr<InprocServer> load()
    {
        std::string error;
        std::unique_ptr<InprocServer> server = InprocServer::load(builtLibrary(), &error);
        EXPECT_TRUE(server) << error;
        return server;
    }
    ClassesRoot registry()
    {
        ClassesRoot root(m_path);
        EXPECT_TRUE(root.load());
        return root;
    }
};

TEST_F(ShapeServerTest, RegistrationWritesTheClassEntriesAndUnregistrationRemovesThemAgain)
{
    // Someone else's entries must survive both steps.
    ClassesRoot before(m_path);
    before.setValue("CLSID\\{12F8D126-715B-11D2-B957-0080C886E5F4}\\InprocServer32", "", "/lib/libhotkey.so");
    before.setValue("HotKey.HotKeyCoReceiver\\CLSID", "", "{12F8D126-715B-11D2-B957-0080C886E5F4}");
    ASSERT_TRUE(before.save());
    const std::string original = before.toText();

    std::unique_ptr<InprocServer> server = load();
    ASSERT_TRUE(server);
    ASSERT_EQ(server->registerServer(), kOk);

    ClassesRoot root = registry();
    const auto expected = expectedClassEntries(builtLibrary());
    for (const auto& [key, values] : expected) {
        EXPECT_TRUE(root.hasKey(key)) << key;
        EXPECT_EQ(root.values(key), values) << key;
    }
    std::set<std::string> classKeys;
    for (const std::string& key : root.keys()) {
        if (key.rfind("FormShape.", 0) == 0 || key.rfind(kClassKey, 0) == 0)
            classKeys.insert(key);
    }
    EXPECT_EQ(classKeys.size(), expected.size()) << "no entries beyond the table";
    EXPECT_EQ(root.value("TypeLib\\{40BD39E3-6F1E-11D1-B2DF-444553540000}\\1.0\\0\\linux"), builtLibrary());
    EXPECT_EQ(root.value("CLSID\\{12F8D126-715B-11D2-B957-0080C886E5F4}\\InprocServer32"), "/lib/libhotkey.so");

    ASSERT_EQ(server->unregisterServer(), kOk);
    ClassesRoot after = registry();
    for (const auto& [key, values] : expected)
        EXPECT_FALSE(after.hasKey(key)) << key;
    EXPECT_FALSE(after.hasKey("TypeLib\\{40BD39E3-6F1E-11D1-B2DF-444553540000}"));
    EXPECT_FALSE(after.hasKey("Interface\\{40BD39F0-6F1E-11D1-B2DF-444553540000}"));
    EXPECT_TRUE(after.hasKey("CLSID")) << "the CLSID key itself stays";
    EXPECT_EQ(after.value("HotKey.HotKeyCoReceiver\\CLSID"), "{12F8D126-715B-11D2-B957-0080C886E5F4}");
    EXPECT_EQ(server->unregisterServer(), kOk) << "unregistering twice still succeeds";
}

TEST_F(ShapeServerTest, LauncherCreatesFormShapeByProgIdThroughTheRegistry)
{
    ASSERT_EQ(load()->registerServer(), kOk);
    Ref<AmbientSite> site = AmbientSite::create(true);
    Created<IDispatch> shape = createControl("FormShape.FormShape", formShapeLauncherDesignData(), site.get());
    ASSERT_TRUE(shape) << shape.error;

    Variant type, colour, autoScale;
    ASSERT_EQ(getProperty(shape.object.get(), "ShapeType", &type), kOk);
    ASSERT_EQ(getProperty(shape.object.get(), "MaskColor", &colour), kOk);
    ASSERT_EQ(getProperty(shape.object.get(), "AutoScale", &autoScale), kOk);
    EXPECT_EQ(type, Variant(int16_t(1)));
    EXPECT_EQ(colour, Variant(uint32_t(0x00FF00FFu)));
    EXPECT_EQ(autoScale, Variant::boolean(false));
    EXPECT_EQ(setProperty(shape.object.get(), "ShapeString", Variant(u"{(0,0)(5,0)(5,5)}")), kOk);

    // The saved data comes back unchanged apart from the new text.
    Ref<IPersistStreamInit> persist = queryInterface<IPersistStreamInit>(shape.object);
    ASSERT_TRUE(persist);
    Guid clsid;
    persist->classId(&clsid);
    EXPECT_EQ(clsid, kFormShapeClsid);
}

TEST_F(ShapeServerTest, ObjectsAndLocksKeepTheServerLoaded)
{
    std::unique_ptr<InprocServer> server = load();
    ASSERT_TRUE(server);
    EXPECT_EQ(server->canUnloadNow(), kOk);

    Ref<IClassFactory> factory;
    ASSERT_EQ(server->getClassObject(kFormShapeClsid, IClassFactory::kIid, factory.putVoid()), kOk);
    Ref<IDispatch> shape;
    ASSERT_EQ(factory->createInstance(nullptr, IDispatch::kIid, shape.putVoid()), kOk);
    EXPECT_EQ(server->canUnloadNow(), kFalse);
    shape.reset();
    EXPECT_EQ(server->canUnloadNow(), kOk);

    factory->lockServer(true);
    EXPECT_EQ(server->canUnloadNow(), kFalse);
    factory->lockServer(false);
    EXPECT_EQ(server->canUnloadNow(), kOk);

    Ref<IUnknown> outer;
    ASSERT_EQ(factory->createInstance(nullptr, IUnknown::kIid, outer.putVoid()), kOk);
    Ref<IDispatch> aggregated;
    EXPECT_EQ(factory->createInstance(outer.get(), IDispatch::kIid, aggregated.putVoid()), kNoAggregation);
}

TEST_F(ShapeServerTest, ServesNoOtherClass)
{
    std::unique_ptr<InprocServer> server = load();
    Ref<IClassFactory> factory;
    EXPECT_EQ(server->getClassObject(Guid::literal("{40BD39F2-6F1E-11D1-B2DF-444553540000}"), IClassFactory::kIid,
                                     factory.putVoid()),
              kClassNotAvailable);
    EXPECT_FALSE(factory);
}

TEST_F(ShapeServerTest, CarriesItsVersionScriptTypeLibraryAndImages)
{
    void* handle = dlopen(builtLibrary().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr);
    using GetResource = bool (*)(const char*, int, const uint8_t**, size_t*);
    auto get = reinterpret_cast<GetResource>(dlsym(handle, "QuorvexGetResource"));
    ASSERT_NE(get, nullptr);
    auto text = [&](const char* type, int id) {
        const uint8_t* data = nullptr;
        size_t size = 0;
        return get(type, id, &data, &size) ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
    };
    std::string version = text("VERSION", 1);
    EXPECT_NE(version.find("FileVersion=1.0.5.1"), std::string::npos) << version;
    EXPECT_NE(version.find("ProductVersion=1.0.5.1"), std::string::npos) << version;
    EXPECT_NE(version.find("InternalName=Shape\n"), std::string::npos) << version;
    EXPECT_NE(version.find("OLESelfRegister"), std::string::npos) << version;
    EXPECT_EQ(text("STRING", 1), "Shape");
    EXPECT_NE(text("ABOUT", 1).find("1.05"), std::string::npos);
    EXPECT_NE(text("REGISTRY", 101).find("%MODULE%"), std::string::npos);
    std::string typeLibrary = text("TYPELIB", 1);
    EXPECT_NE(typeLibrary.find("property 7 ScaleX r8 \"Scale Rate in Horizontal\""), std::string::npos) << typeLibrary;
    EXPECT_NE(typeLibrary.find("\"IFormShape Interface\""), std::string::npos) << typeLibrary;

    const uint8_t* bmp = nullptr;
    size_t size = 0;
    ASSERT_TRUE(get("BITMAP", 202, &bmp, &size));
    Bitmap32 design = decodeBmp(std::span(bmp, size));
    EXPECT_EQ(design.width, 27);
    EXPECT_EQ(design.height, 27);
    EXPECT_FALSE(get("BITMAP", 999, &bmp, &size));
    const uint8_t* icon = nullptr;
    ASSERT_TRUE(get("ICON", 1, &icon, &size));
    EXPECT_EQ(pictureKindOfData(std::span(icon, size)), PictureKind::Icon);
    dlclose(handle);
}

TEST_F(ShapeServerTest, ExportsOnlyItsEntryPoints)
{
    void* handle = dlopen(builtLibrary().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(handle, nullptr);
    for (const char* name : { "DllGetClassObject", "DllCanUnloadNow", "DllRegisterServer", "DllUnregisterServer" })
        EXPECT_NE(dlsym(handle, name), nullptr) << name;
    // The component layer linked into the library stays private, so that two
    // servers in one process never bind to each other's copies.
    EXPECT_EQ(dlsym(handle, "_ZN7quorvex8platform9component11ClassesRoot11defaultPathB5cxx11Ev"), nullptr);
    dlclose(handle);
}

} // namespace
} // namespace quorvex::shape::testing
