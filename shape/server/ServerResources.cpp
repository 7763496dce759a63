#include "shape/server/ServerResources.h"

#include "platform/component/Bitmap32.h"
#include "shape/control/FormShapeDesignImage.h"
#include "shape/control/FormShapeTypeInfo.h"

#include <string>
#include <vector>

namespace quorvex::shape {

using namespace platform::component;

namespace {

// 132497 = 0x20591, the control's status flags (see FormShapeIds.h).
constexpr std::string_view kRegistryScript = R"([FormShape.FormShape] remove
@=Window Shape Control
[FormShape.FormShape\CLSID]
@={40BD39F1-6F1E-11D1-B2DF-444553540000}
[FormShape.FormShape\CurVer]
@=FormShape.FormShape
[CLSID]
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}] remove
@=Window Shape Control
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\ProgID]
@=FormShape.FormShape
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\VersionIndependentProgID]
@=FormShape.FormShape
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\Programmable]
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\InprocServer32]
@=%MODULE%
ThreadingModel=Apartment
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\Control]
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\Insertable]
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\ToolboxBitmap32]
@=%MODULE%, 1
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\MiscStatus]
@=0
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\MiscStatus\1]
@=132497
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\TypeLib]
@={40BD39E3-6F1E-11D1-B2DF-444553540000}
[CLSID\{40BD39F1-6F1E-11D1-B2DF-444553540000}\Version]
@=1.0
)";

constexpr std::string_view kTypeLibraryScript = R"([TypeLib]
[TypeLib\{40BD39E3-6F1E-11D1-B2DF-444553540000}] remove
[TypeLib\{40BD39E3-6F1E-11D1-B2DF-444553540000}\1.0]
@=Window Shape Control 1.0 Type Library
[TypeLib\{40BD39E3-6F1E-11D1-B2DF-444553540000}\1.0\0\linux]
@=%MODULE%
[TypeLib\{40BD39E3-6F1E-11D1-B2DF-444553540000}\1.0\FLAGS]
@=0
[Interface]
[Interface\{40BD39F0-6F1E-11D1-B2DF-444553540000}] remove
@=IFormShape
[Interface\{40BD39F0-6F1E-11D1-B2DF-444553540000}\TypeLib]
@={40BD39E3-6F1E-11D1-B2DF-444553540000}
Version=1.0
)";

constexpr std::string_view kVersionBlock = "FileVersion=1.0.5.1\n"
                                           "ProductVersion=1.0.5.1\n"
                                           "InternalName=Shape\n"
                                           "OriginalFilename=libshape.so\n"
                                           "FileDescription=Window Shape Control\n"
                                           "OLESelfRegister=\n";

constexpr std::string_view kAboutText = "Window Shape Control\nVersion 1.05\n";
constexpr std::string_view kServerName = "Shape";

const char* typeName(VarType type)
{
    switch (type) {
    case VarType::Int16:
        return "i2";
    case VarType::Int32:
        return "i4";
    case VarType::UInt32:
        return "u4";
    case VarType::Double:
        return "r8";
    case VarType::String:
        return "str";
    case VarType::Dispatch:
        return "picture";
    case VarType::Bool:
        return "bool";
    default:
        return "void";
    }
}

// One line per library, class, interface and member.
std::string typeLibraryText()
{
    const ClassInfo& info = formShapeClassInfo();
    std::string text = "library " + info.typeLibrary.toString() + " " + std::to_string(info.typeLibraryMajor) + "."
        + std::to_string(info.typeLibraryMinor) + " \"" + std::string(info.description) + " 1.0 Type Library\"\n";
    text += "coclass " + info.clsid.toString() + " FormShape \"" + std::string(info.description) + "\"\n";
    text += "interface " + info.defaultInterface.iid.toString() + " " + std::string(info.defaultInterface.name)
        + " dual \"" + std::string(info.defaultInterface.helpString) + "\"\n";
    for (const MemberInfo& member : info.defaultInterface.members) {
        text += member.kind == MemberInfo::Kind::Method ? "method " : "property ";
        text += std::to_string(member.id) + " " + std::string(member.name) + " " + typeName(member.type);
        if (member.hidden)
            text += " hidden";
        text += " \"" + std::string(member.helpString) + "\"\n";
    }
    return text;
}

std::span<const uint8_t> bytesOf(std::string_view text)
{
    return { reinterpret_cast<const uint8_t*>(text.data()), text.size() };
}

} // namespace

std::string_view shapeRegistryScript()
{
    return kRegistryScript;
}

std::string_view shapeTypeLibraryScript()
{
    return kTypeLibraryScript;
}

std::span<const uint8_t> findServerResource(std::string_view type, int id)
{
    if (type == "REGISTRY" && id == 101)
        return bytesOf(kRegistryScript);
    if (type == "TYPELIB" && id == 1) {
        static const std::string text = typeLibraryText();
        return bytesOf(text);
    }
    if (type == "BITMAP" && id == 1) {
        static const std::vector<uint8_t> bmp = encodeBmp(formShapeToolboxImage());
        return bmp;
    }
    if (type == "BITMAP" && id == 202) {
        static const std::vector<uint8_t> bmp = encodeBmp(formShapeDesignImage());
        return bmp;
    }
    if (type == "ICON" && id == 1) {
        static const std::vector<uint8_t> icon = [] {
            const Bitmap32 images[] = { formShapeIconImage(32), formShapeIconImage(16) };
            return encodeIcon(images);
        }();
        return icon;
    }
    if (type == "STRING" && id == 1)
        return bytesOf(kServerName);
    if (type == "VERSION" && id == 1)
        return bytesOf(kVersionBlock);
    if (type == "ABOUT" && id == 1)
        return bytesOf(kAboutText);
    return {};
}

} // namespace quorvex::shape
