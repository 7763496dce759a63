#pragma once

#include "platform/component/HResult.h"
#include "platform/component/Unknown.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace quorvex::platform::component {

class IDispatch;

// The type tags of a Variant; the numbers are those written into streams.
enum class VarType : uint16_t {
    Empty = 0,
    Int16 = 2,
    Int32 = 3,
    Double = 5,
    String = 8,
    Dispatch = 9,
    Bool = 11,
    Unknown = 13,
    UInt32 = 19,
};

// Booleans crossing a component interface are 16-bit, true = -1.
using VariantBool = int16_t;
inline constexpr VariantBool kVariantTrue = -1;
inline constexpr VariantBool kVariantFalse = 0;
inline constexpr VariantBool toVariantBool(bool b) { return b ? kVariantTrue : kVariantFalse; }

// A value passed through dispatch and property bags: empty, 16/32-bit
// integers, unsigned 32-bit, a 16-bit boolean, a double, a UTF-16 string or
// an object (a dispatch object or a plain IUnknown).
class Variant {
public:
    Variant() = default;
    Variant(int16_t v) : m_type(VarType::Int16), m_value(int64_t(v)) { }
    Variant(int32_t v) : m_type(VarType::Int32), m_value(int64_t(v)) { }
    Variant(uint32_t v) : m_type(VarType::UInt32), m_value(int64_t(v)) { }
    Variant(double v) : m_type(VarType::Double), m_value(v) { }
    Variant(std::u16string v) : m_type(VarType::String), m_value(std::move(v)) { }
    Variant(const char16_t* v) : Variant(std::u16string(v)) { }
    // A dispatch object (shares a reference); a null pointer gives an
    // object-typed Variant holding nothing.
    Variant(IDispatch* object);
    Variant(const Ref<IDispatch>& object);

    static Variant boolean(bool v);
    static Variant unknown(IUnknown* object);
    // From UTF-8 text.
    static Variant string(std::string_view utf8);

    VarType type() const { return m_type; }
    bool isEmpty() const { return m_type == VarType::Empty; }

    // Accessors for the exact type; calling one for another type asserts.
    int16_t asInt16() const;
    int32_t asInt32() const;
    uint32_t asUInt32() const;
    double asDouble() const;
    bool asBool() const; // Bool only
    VariantBool asVariantBool() const;
    const std::u16string& asString() const;
    // Dispatch or Unknown: the object without an added reference (may be null).
    IUnknown* asUnknown() const;
    // Dispatch only.
    IDispatch* asDispatch() const;

    // Converts to another type the way a property setter coerces its
    // argument: numbers between each other with range checks (kOverflow),
    // strings parsed as numbers (kTypeMismatch when they are not), numbers
    // and booleans formatted as strings, anything non-zero to true.
    HResult convertTo(VarType target, Variant& out) const;

    friend bool operator==(const Variant& a, const Variant& b);

private:
    VarType m_type = VarType::Empty;
    std::variant<std::monostate, int64_t, double, std::u16string, Ref<IUnknown>> m_value;
};

// UTF-8 <-> UTF-16. Invalid input bytes become U+FFFD.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

} // namespace quorvex::platform::component
