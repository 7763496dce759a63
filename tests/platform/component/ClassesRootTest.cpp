#include "platform/component/ClassesRoot.h"
#include "platform/component/RegistryScript.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using namespace quorvex::platform::component;

namespace {

std::string temporaryPath(const std::string& name)
{
    return (std::filesystem::temp_directory_path() / ("quorvex-component-" + name + "-" + std::to_string(getpid())))
        .string();
}

TEST(ClassesRootTest, KeysAndValuesMatchWithoutRegardToCase)
{
    ClassesRoot root;
    root.setValue("CLSID\\{AB}\\InprocServer32", "", "/lib/x.so");
    root.setValue("clsid\\{ab}\\inprocserver32", "ThreadingModel", "Apartment");
    EXPECT_EQ(root.value("Clsid\\{AB}\\InprocServer32"), "/lib/x.so");
    EXPECT_EQ(root.value("CLSID\\{AB}\\InprocServer32", "threadingmodel"), "Apartment");
    EXPECT_TRUE(root.hasKey("CLSID")) << "parents are created";
    EXPECT_EQ(root.value("CLSID\\{AB}"), std::nullopt) << "a key without a default value";
    EXPECT_EQ(root.keys().size(), 3u);
}

TEST(ClassesRootTest, RemovingATreeKeepsItsParentAndSiblingsWithSimilarNames)
{
    ClassesRoot root;
    root.setValue("CLSID\\{A}\\Sub", "", "1");
    root.setValue("CLSID\\{A}", "", "a");
    root.setValue("CLSID\\{A}B", "", "other");
    EXPECT_TRUE(root.removeTree("clsid\\{a}"));
    EXPECT_FALSE(root.hasKey("CLSID\\{A}"));
    EXPECT_FALSE(root.hasKey("CLSID\\{A}\\Sub"));
    EXPECT_EQ(root.value("CLSID\\{A}B"), "other");
    EXPECT_TRUE(root.hasKey("CLSID"));
    EXPECT_FALSE(root.removeTree("CLSID\\{A}"));
}

TEST(ClassesRootTest, SurvivesSavingAndLoadingIncludingEmptyKeysAndLineBreaksInValues)
{
    std::string path = temporaryPath("root") + "/sub/classes.ini";
    {
        ClassesRoot root(path);
        root.createKey("Thing\\Empty");
        root.setValue("Thing", "", "two\nlines");
        root.setValue("Thing", "Named", "v=w");
        std::string error;
        ASSERT_TRUE(root.save(&error)) << error;
    }
    ClassesRoot loaded(path);
    ASSERT_TRUE(loaded.load());
    EXPECT_TRUE(loaded.hasKey("Thing\\Empty"));
    EXPECT_EQ(loaded.value("Thing"), "two lines");
    EXPECT_EQ(loaded.value("Thing", "Named"), "v=w");
    std::filesystem::remove_all(std::filesystem::path(path).parent_path().parent_path());
}

TEST(ClassesRootTest, MissingFileIsEmptyAndMalformedFileIsReported)
{
    ClassesRoot missing(temporaryPath("missing"));
    EXPECT_TRUE(missing.load());
    EXPECT_TRUE(missing.keys().empty());

    std::string path = temporaryPath("malformed");
    std::ofstream(path) << "stray=value\n";
    ClassesRoot malformed(path);
    std::string error;
    EXPECT_FALSE(malformed.load(&error));
    EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    std::filesystem::remove(path);
}

TEST(ClassesRootTest, UpdatesKeepOtherWritersKeysAndLeaveAReadOnlyFileAlone)
{
    const std::string path = temporaryPath("update");
    ClassesRoot first(path), second(path);
    ASSERT_TRUE(first.update([](ClassesRoot& keys) { keys.setValue("One", "", "1"); }));
    // `second` never loaded the file: its update starts from what is on disk.
    ASSERT_TRUE(second.update([](ClassesRoot& keys) { keys.setValue("Two", "", "2"); }));
    ClassesRoot loaded(path);
    ASSERT_TRUE(loaded.load());
    EXPECT_EQ(loaded.value("One"), "1");
    EXPECT_EQ(loaded.value("Two"), "2");

    std::ifstream in(path, std::ios::binary);
    const std::string before((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ::chmod(path.c_str(), 0444);
    std::string error;
    EXPECT_FALSE(first.update([](ClassesRoot& keys) { keys.removeTree("One"); }, &error));
    EXPECT_NE(error.find(path), std::string::npos) << error;
    std::ifstream after(path, std::ios::binary);
    EXPECT_EQ(std::string((std::istreambuf_iterator<char>(after)), std::istreambuf_iterator<char>()), before);
    EXPECT_FALSE(first.save(&error));
    std::filesystem::remove(path);
}

TEST(ClassesRootTest, EnvironmentOverridesTheDefaultPath)
{
    const char* saved = std::getenv("QUORVEX_CLASSES_ROOT");
    std::string restore = saved ? saved : "";
    setenv("QUORVEX_CLASSES_ROOT", "/somewhere/roots.ini", 1);
    EXPECT_EQ(ClassesRoot::defaultPath(), "/somewhere/roots.ini");
    unsetenv("QUORVEX_CLASSES_ROOT");
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(ClassesRoot::defaultPath(), "/data/quorvex/classes-root.ini");
    if (saved)
        setenv("QUORVEX_CLASSES_ROOT", restore.c_str(), 1);
}

TEST(RegistryScriptTest, AppliesWithModulePathAndRemovesOnlyMarkedTrees)
{
    RegistryScript script;
    ASSERT_TRUE(script.parse("; comment\n"
                             "[Prog.Id] remove\n@=Thing\n"
                             "[CLSID]\n"
                             "[CLSID\\{X}] remove\n@=Thing\n"
                             "[CLSID\\{X}\\Server]\n@=%MODULE%\nIcon=%MODULE%, 1\n"));
    ClassesRoot root;
    root.setValue("CLSID\\{Other}", "", "kept");
    script.apply(root, "/opt/lib.so");
    EXPECT_EQ(root.value("CLSID\\{X}\\Server"), "/opt/lib.so");
    EXPECT_EQ(root.value("CLSID\\{X}\\Server", "Icon"), "/opt/lib.so, 1");
    EXPECT_EQ(root.value("Prog.Id"), "Thing");

    script.remove(root);
    EXPECT_FALSE(root.hasKey("Prog.Id"));
    EXPECT_FALSE(root.hasKey("CLSID\\{X}"));
    EXPECT_TRUE(root.hasKey("CLSID"));
    EXPECT_EQ(root.value("CLSID\\{Other}"), "kept");
}

TEST(RegistryScriptTest, MalformedScriptsNameTheLine)
{
    for (const char* text : { "@=value before a key\n", "[Key] erase\n", "[]\n", "[Key]\nno equals sign\n" }) {
        RegistryScript script;
        std::string error;
        EXPECT_FALSE(script.parse(text, &error)) << text;
        EXPECT_NE(error.find("line"), std::string::npos) << text;
        EXPECT_TRUE(script.entries().empty());
    }
}

} // namespace
