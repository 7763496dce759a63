#pragma once

#include "platform/component/Persistence.h"

#include <string>
#include <utility>
#include <vector>

namespace quorvex::platform::component {

// A property bag held in memory, keeping the order in which values were
// first written. Names match without regard to letter case.
//
// The file form (what the hot-key host tool reads and writes) is one line
// per value, "Name=type:value", with type one of i2, i4, u4, r8, bool, str,
// and, for objects, "obj:" followed by the object's stream form in
// hexadecimal. Strings are UTF-8 with "\\", "\n" and "\r" escaped. Lines
// starting with ';' and blank lines are ignored.
class MemoryPropertyBag final : public IPropertyBag {
public:
    static Ref<MemoryPropertyBag> create();

    HResult queryInterface(const Guid& iid, void** out) override;
    QUORVEX_IMPLEMENT_REFCOUNT
    HResult read(std::string_view name, Variant* value) override;
    HResult write(std::string_view name, const Variant& value) override;

    const std::vector<std::pair<std::string, Variant>>& values() const { return m_values; }
    bool contains(std::string_view name) const;
    void clear() { m_values.clear(); }

    std::string toText() const;
    // Replaces the contents. A malformed line stops parsing: the values
    // before it are kept and `error` names the line.
    bool fromText(std::string_view text, std::string* error = nullptr);

    bool saveToFile(const std::string& path, std::string* error = nullptr) const;
    bool loadFromFile(const std::string& path, std::string* error = nullptr);

private:
    MemoryPropertyBag() = default;
    ~MemoryPropertyBag() = default;

    RefCount m_refs;
    std::vector<std::pair<std::string, Variant>> m_values;
};

} // namespace quorvex::platform::component
