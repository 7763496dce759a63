#include "platform/component/LayeredClassesRoot.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace quorvex::platform::component;
using testsupport::TempFolder;

namespace {

const char* const kServer = "CLSID\\{AB}\\InprocServer32";

TEST(LayeredClassesRootTest, TheUsersRegistryWinsAndTheInstalledOneFillsIn)
{
    TempFolder prefix;
    const std::string installed = prefix.write("share/quorvex/classes-root.ini",
        "[CLSID\\{AB}\\InprocServer32]\n@=../../lib/quorvex/libab.so\nThreadingModel=Apartment\n"
        "[Ab.Ab\\CLSID]\n@={AB}\n"
        "[CLSID\\{CD}\\InprocServer32]\n@=/opt/cd/libcd.so\n").string();
    const std::string user = prefix.write("home/classes-root.ini",
        "[CLSID\\{AB}\\InprocServer32]\n@=/home/me/libab.so\n"
        "[CLSID\\{EF}\\InprocServer32]\n@=mine/libef.so\n").string();

    ClassesRoot merged;
    std::string error;
    ASSERT_TRUE(LayeredClassesRoot::load(merged, installed, user, &error)) << error;

    EXPECT_EQ(merged.value(kServer), "/home/me/libab.so");
    EXPECT_EQ(merged.value(kServer, "ThreadingModel"), "Apartment");
    EXPECT_EQ(merged.value("Ab.Ab\\CLSID"), "{AB}");
    EXPECT_EQ(merged.value("CLSID\\{CD}\\InprocServer32"), "/opt/cd/libcd.so");
    // Relative server paths hang off the folder of the file that names them.
    EXPECT_EQ(merged.value("CLSID\\{EF}\\InprocServer32"), (prefix.path() / "home/mine/libef.so").string());
    EXPECT_EQ(merged.path(), user) << "registering writes the user's registry";

    ASSERT_TRUE(LayeredClassesRoot::load(merged, installed, prefix.str() + "home/none.ini", &error)) << error;
    EXPECT_EQ(merged.value(kServer), (prefix.path() / "lib/quorvex/libab.so").string());
}

TEST(LayeredClassesRootTest, AMalformedLayerIsReportedByName)
{
    TempFolder folder;
    const std::string good = folder.write("good.ini", "[Ab.Ab\\CLSID]\n@={AB}\n").string();
    const std::string bad = folder.write("bad.ini", "no key for this=value\n").string();
    ClassesRoot merged;
    for (const auto& [installed, user] : { std::pair { bad, good }, std::pair { good, bad } }) {
        std::string error;
        EXPECT_FALSE(LayeredClassesRoot::load(merged, installed, user, &error));
        EXPECT_NE(error.find("bad.ini"), std::string::npos) << error;
    }
    std::string error;
    EXPECT_TRUE(LayeredClassesRoot::load(merged, folder.str() + "missing.ini", folder.str() + "absent.ini", &error));
    EXPECT_TRUE(merged.keys().empty());
}

TEST(LayeredClassesRootTest, ModulePathsBecomeRelativeToTheRegistry)
{
    TempFolder prefix;
    prefix.write("lib/quorvex/libab.so", "");
    const std::string module = (prefix.path() / "lib/quorvex/libab.so").string();
    ClassesRoot root((prefix.path() / "share/quorvex/classes-root.ini").string());
    root.setValue(kServer, "", module);
    root.setValue("CLSID\\{AB}\\ToolboxBitmap32", "", module + ", 1");
    root.setValue("CLSID\\{CD}\\InprocServer32", "", module + ".old");
    root.setValue("CLSID\\{EF}\\InprocServer32", "", "/elsewhere/libef.so");

    LayeredClassesRoot::makeModuleRelative(root, module);

    EXPECT_EQ(root.value(kServer), "../../lib/quorvex/libab.so");
    EXPECT_EQ(root.value("CLSID\\{AB}\\ToolboxBitmap32"), "../../lib/quorvex/libab.so, 1");
    EXPECT_EQ(root.value("CLSID\\{CD}\\InprocServer32"), module + ".old") << "another library's path";
    EXPECT_EQ(root.value("CLSID\\{EF}\\InprocServer32"), "/elsewhere/libef.so");
}

} // namespace
