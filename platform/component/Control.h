#pragma once

#include "platform/component/Dispatch.h"
#include "platform/component/Extent.h"
#include "platform/component/Persistence.h"

#include <span>
#include <string>
#include <vector>

namespace quorvex::platform::component {

struct Bitmap32;

// The container's side of an embedded control. Ambient properties (such as
// kDispIdAmbientUserMode) are read through the site's IDispatch.
class IOleClientSite : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{293E02FB-AFB3-4F33-9479-1DBA08F53C3D}");

    // The control asks the container to save it.
    virtual HResult saveObject() = 0;
    // The control's appearance changed; the container should repaint it.
    virtual HResult requestRedraw() = 0;
};

// The embedding contract of a control.
class IOleObject : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{A900B878-799C-4DB9-82A5-A0F4E37FF890}");

    virtual HResult setClientSite(IOleClientSite* site) = 0;
    virtual HResult getClientSite(IOleClientSite** site) = 0;
    virtual HResult setExtent(const Extent& extent) = 0;
    virtual HResult getExtent(Extent* extent) = 0;
    // The registration's status flags for the content aspect.
    virtual HResult getMiscStatus(uint32_t* status) = 0;
    // The container lets go of the control (drops the site and connections).
    virtual HResult close() = 0;
};

// The container tells the control that an ambient property changed
// (kDispIdUnknown: possibly all of them).
class IOleControl : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{6E554CC0-9422-4E46-8421-23ED2EABEA44}");

    virtual HResult onAmbientPropertyChange(DispId id) = 0;
};

// A control drawing itself into a 32-bit image.
struct DrawRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};
class IViewObject : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{AA5AB164-4E66-4A7D-A979-55C0A54ED829}");

    virtual HResult draw(Bitmap32& target, const DrawRect& bounds) = 0;
};

// Lets a property browser offer named choices for a property.
class IPerPropertyBrowsing : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{7883BF9D-D976-4836-996A-6B90B07C601F}");

    virtual HResult getDisplayString(DispId id, std::u16string* text) = 0;
    virtual HResult mapPropertyToPage(DispId id, Guid* page) = 0;
    virtual HResult getPredefinedStrings(DispId id, std::vector<std::u16string>* strings,
                                         std::vector<uint32_t>* cookies) = 0;
    virtual HResult getPredefinedValue(DispId id, uint32_t cookie, Variant* value) = 0;
};

class ISpecifyPropertyPages : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{300AD24B-066C-41E4-8219-5FDF5F29C693}");

    virtual HResult getPages(std::vector<Guid>* pages) = 0;
};

// Describes one member of a dispatch interface (the library's type
// information, carried inside the server).
struct MemberInfo {
    enum class Kind { Property, Method };
    DispId id;
    std::string_view name;
    Kind kind;
    VarType type; // Empty for methods without a result
    std::string_view helpString;
    bool hidden = false;
};

struct InterfaceInfo {
    Guid iid;
    std::string_view name;
    std::string_view helpString;
    std::span<const MemberInfo> members;
};

struct ClassInfo {
    Guid clsid;
    std::string_view progId;
    std::string_view description;
    InterfaceInfo defaultInterface;
    Guid defaultSourceIid; // null when the class raises no events
    Guid typeLibrary;
    uint16_t typeLibraryMajor = 1;
    uint16_t typeLibraryMinor = 0;
};

class IProvideClassInfo : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{5B72CE95-A71E-48DF-8D03-8AC99157B40C}");

    virtual HResult getClassInfo(const ClassInfo** info) = 0;
};

class IProvideClassInfo2 : public IProvideClassInfo {
public:
    static constexpr Guid kIid = Guid::literal("{AFEB7463-46A3-4410-9F36-0F39902F2564}");

    // The identifier of the default outgoing (event) interface.
    virtual HResult getDefaultSourceIid(Guid* iid) = 0;
};

} // namespace quorvex::platform::component
