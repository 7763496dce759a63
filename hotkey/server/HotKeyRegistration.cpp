#include "hotkey/server/HotKeyRegistration.h"

#include "hotkey/HotKeyClasses.h"
#include "hotkey/server/HotKeyTypeInfo.h"
#include "platform/component/ClassesRoot.h"
#include "platform/component/RegistryScript.h"

#include <cassert>

namespace quorvex::hotkey {

using namespace quorvex::platform::component;

namespace {

// 0x20191: recompose on resize, can't link inside, inside-out, activate when
// visible, set client site first.
constexpr const char* kMiscStatusText = "131473";

void appendClass(std::string& script, const ClassInfo& info)
{
    const std::string progId(info.progId);
    const std::string description(info.description);
    const std::string clsidKey = "CLSID\\" + info.clsid.toString();
    script += "[" + progId + "] remove\n@=" + description + "\n";
    script += "[" + progId + "\\CLSID]\n@=" + info.clsid.toString() + "\n";
    script += "[" + progId + "\\CurVer]\n@=" + progId + "\n";
    script += "[" + clsidKey + "] remove\n@=" + description + "\n";
    script += "[" + clsidKey + "\\ProgID]\n@=" + progId + "\n";
    script += "[" + clsidKey + "\\VersionIndependentProgID]\n@=" + progId + "\n";
    script += "[" + clsidKey + "\\Programmable]\n";
    script += "[" + clsidKey + "\\InprocServer32]\n@=%MODULE%\nThreadingModel=Apartment\n";
    script += "[" + clsidKey + "\\Control]\n";
    script += "[" + clsidKey + "\\ToolboxBitmap32]\n@=%MODULE%, 1\n";
    script += "[" + clsidKey + "\\MiscStatus]\n@=0\n";
    script += "[" + clsidKey + "\\MiscStatus\\1]\n@=" + std::string(kMiscStatusText) + "\n";
    script += "[" + clsidKey + "\\TypeLib]\n@=" + info.typeLibrary.toString() + "\n";
    script += "[" + clsidKey + "\\Version]\n@=1.0\n";
    const std::pair<Guid, std::string> interfaces[] = {
        {info.defaultInterface.iid, std::string(info.defaultInterface.name)},
        {info.defaultSourceIid, "__" + progId.substr(progId.find('.') + 1)},
    };
    for (const auto& [iid, name] : interfaces) {
        const std::string interfaceKey = "Interface\\" + iid.toString();
        script += "[" + interfaceKey + "] remove\n@=" + name + "\n";
        script += "[" + interfaceKey + "\\TypeLib]\n@=" + info.typeLibrary.toString() + "\nVersion=1.0\n";
    }
}

std::string buildScript()
{
    std::string script;
    appendClass(script, hotKeyCoReceiverClassInfo());
    appendClass(script, hotKeyReciverClassInfo());
    const std::string libraryKey = "TypeLib\\" + kHotKeyTypeLibrary.toString();
    script += "[" + libraryKey + "] remove\n";
    script += "[" + libraryKey + "\\1.0]\n@=Hot Key Controls\n";
    script += "[" + libraryKey + "\\1.0\\0\\linux]\n@=%MODULE%\n";
    return script;
}

RegistryScript parsedScript()
{
    RegistryScript script;
    std::string error;
    [[maybe_unused]] const bool parsed = script.parse(hotKeyRegistryScript(), &error);
    assert(parsed && "the built-in registry script must parse");
    return script;
}

} // namespace

const std::string& hotKeyRegistryScript()
{
    static const std::string script = buildScript();
    return script;
}

bool registerHotKeyServer(const std::string& modulePath, std::string* error)
{
    ClassesRoot root(ClassesRoot::defaultPath());
    return root.update([&](ClassesRoot& keys) { parsedScript().apply(keys, modulePath); }, error);
}

bool unregisterHotKeyServer(std::string* error)
{
    ClassesRoot root(ClassesRoot::defaultPath());
    return root.update([](ClassesRoot& keys) { parsedScript().remove(keys); }, error);
}

} // namespace quorvex::hotkey
