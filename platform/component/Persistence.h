#pragma once

#include "platform/component/Unknown.h"
#include "platform/component/Variant.h"

#include <cstdint>
#include <string_view>

namespace quorvex::platform::component {

enum class SeekOrigin { Begin = 0, Current = 1, End = 2 };

// A byte stream with a position.
class IStream : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{3D049996-9931-4B3B-A353-566B1F614EA7}");

    // Reads up to `size` bytes; kOk when all were read, kFalse when fewer
    // (the end was reached). `bytesRead` may be null.
    virtual HResult read(void* buffer, uint32_t size, uint32_t* bytesRead) = 0;
    virtual HResult write(const void* data, uint32_t size, uint32_t* bytesWritten) = 0;
    virtual HResult seek(int64_t offset, SeekOrigin origin, uint64_t* newPosition) = 0;
    virtual HResult setSize(uint64_t size) = 0;
    virtual HResult size(uint64_t* size) = 0;
};

// An object that saves itself into and loads itself from a stream.
class IPersistStream : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{1E978F71-C965-4CE5-A128-0D3DD02ED002}");

    virtual HResult classId(Guid* clsid) = 0;
    // kOk when there are unsaved changes, kFalse otherwise.
    virtual HResult isDirty() = 0;
    virtual HResult load(IStream* stream) = 0;
    virtual HResult save(IStream* stream, bool clearDirty) = 0;
    // An upper bound of the bytes save() writes.
    virtual HResult getSizeMax(uint64_t* size) = 0;
};

// Stream persistence for controls, which may also start without saved data.
class IPersistStreamInit : public IPersistStream {
public:
    static constexpr Guid kIid = Guid::literal("{5F6C3166-522A-45B5-9680-9D253A6F310F}");

    virtual HResult initNew() = 0;
};

// Named values supplied by a container.
class IPropertyBag : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{50D77548-FA7B-44C9-96C4-4ECBEA753867}");

    // kInvalidArg when the bag has no value of that name (letter case of
    // names is ignored).
    virtual HResult read(std::string_view name, Variant* value) = 0;
    virtual HResult write(std::string_view name, const Variant& value) = 0;
};

class IPersistPropertyBag : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{6392974C-8C38-45DF-826A-9ECFBD93E155}");

    virtual HResult classId(Guid* clsid) = 0;
    virtual HResult initNew() = 0;
    virtual HResult load(IPropertyBag* bag) = 0;
    // saveAll: also write values equal to their defaults.
    virtual HResult save(IPropertyBag* bag, bool clearDirty, bool saveAll) = 0;
};

// A container of named streams.
class IStorage : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{936FE2C6-7B39-42C2-887F-E078CA96B7D4}");

    // Creates the stream, or replaces an existing one with an empty stream.
    virtual HResult createStream(std::string_view name, IStream** out) = 0;
    // kFileNotFound when there is none; the stream starts at position 0.
    virtual HResult openStream(std::string_view name, IStream** out) = 0;
};

class IPersistStorage : public IUnknown {
public:
    static constexpr Guid kIid = Guid::literal("{0AB071F0-50E1-4F8A-ABE3-68299C8128FD}");

    virtual HResult classId(Guid* clsid) = 0;
    virtual HResult isDirty() = 0;
    virtual HResult initNew(IStorage* storage) = 0;
    virtual HResult load(IStorage* storage) = 0;
    virtual HResult save(IStorage* storage, bool sameAsLoad) = 0;
    virtual HResult saveCompleted(IStorage* storage) = 0;
    virtual HResult handsOffStorage() = 0;
};

} // namespace quorvex::platform::component
