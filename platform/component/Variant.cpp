#include "platform/component/Variant.h"

#include "platform/component/Dispatch.h"

#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace quorvex::platform::component {

Variant::Variant(IDispatch* object)
    : m_type(VarType::Dispatch)
    , m_value(Ref<IUnknown>(static_cast<IUnknown*>(object)))
{
}

Variant::Variant(const Ref<IDispatch>& object)
    : Variant(object.get())
{
}

Variant Variant::boolean(bool v)
{
    Variant result;
    result.m_type = VarType::Bool;
    result.m_value = int64_t(toVariantBool(v));
    return result;
}

Variant Variant::unknown(IUnknown* object)
{
    Variant result;
    result.m_type = VarType::Unknown;
    result.m_value = Ref<IUnknown>(object);
    return result;
}

Variant Variant::string(std::string_view utf8)
{
    return Variant(toUtf16(utf8));
}

int16_t Variant::asInt16() const
{
    assert(m_type == VarType::Int16);
    return static_cast<int16_t>(std::get<int64_t>(m_value));
}

int32_t Variant::asInt32() const
{
    assert(m_type == VarType::Int32);
    return static_cast<int32_t>(std::get<int64_t>(m_value));
}

uint32_t Variant::asUInt32() const
{
    assert(m_type == VarType::UInt32);
    return static_cast<uint32_t>(std::get<int64_t>(m_value));
}

double Variant::asDouble() const
{
    assert(m_type == VarType::Double);
    return std::get<double>(m_value);
}

bool Variant::asBool() const
{
    assert(m_type == VarType::Bool);
    return std::get<int64_t>(m_value) != 0;
}

VariantBool Variant::asVariantBool() const
{
    assert(m_type == VarType::Bool);
    return static_cast<VariantBool>(std::get<int64_t>(m_value));
}

const std::u16string& Variant::asString() const
{
    assert(m_type == VarType::String);
    return std::get<std::u16string>(m_value);
}

IUnknown* Variant::asUnknown() const
{
    assert(m_type == VarType::Dispatch || m_type == VarType::Unknown);
    return std::get<Ref<IUnknown>>(m_value).get();
}

IDispatch* Variant::asDispatch() const
{
    assert(m_type == VarType::Dispatch);
    // Stored as the IUnknown base of an IDispatch, so the cast back is exact.
    return static_cast<IDispatch*>(std::get<Ref<IUnknown>>(m_value).get());
}

namespace {

bool isIntegral(VarType t)
{
    return t == VarType::Int16 || t == VarType::Int32 || t == VarType::UInt32 || t == VarType::Bool;
}

HResult fromInteger(int64_t v, VarType target, Variant& out)
{
    switch (target) {
    case VarType::Int16:
        if (v < INT16_MIN || v > INT16_MAX)
            return kOverflow;
        out = Variant(int16_t(v));
        return kOk;
    case VarType::Int32:
        if (v < INT32_MIN || v > INT32_MAX)
            return kOverflow;
        out = Variant(int32_t(v));
        return kOk;
    case VarType::UInt32:
        if (v < 0 || v > int64_t(UINT32_MAX))
            return kOverflow;
        out = Variant(uint32_t(v));
        return kOk;
    case VarType::Bool:
        out = Variant::boolean(v != 0);
        return kOk;
    case VarType::Double:
        out = Variant(double(v));
        return kOk;
    case VarType::String:
        out = Variant::string(std::to_string(v));
        return kOk;
    default:
        return kTypeMismatch;
    }
}

// Numbers are rounded half to even, as automation coercion does.
HResult fromDouble(double v, VarType target, Variant& out)
{
    if (target == VarType::Double) {
        out = Variant(v);
        return kOk;
    }
    if (target == VarType::String) {
        char text[64];
        std::snprintf(text, sizeof text, "%.15g", v);
        out = Variant::string(text);
        return kOk;
    }
    if (target == VarType::Bool) {
        out = Variant::boolean(v != 0.0);
        return kOk;
    }
    if (!std::isfinite(v))
        return kOverflow;
    double rounded = std::nearbyint(v);
    if (rounded < -9.2e18 || rounded > 9.2e18)
        return kOverflow;
    return fromInteger(int64_t(rounded), target, out);
}

} // namespace

HResult Variant::convertTo(VarType target, Variant& out) const
{
    if (target == m_type) {
        out = *this;
        return kOk;
    }
    if (isIntegral(m_type)) {
        // A boolean converted to a string reads "True"/"False".
        if (m_type == VarType::Bool && target == VarType::String) {
            out = Variant(asBool() ? std::u16string(u"True") : std::u16string(u"False"));
            return kOk;
        }
        int64_t v = std::get<int64_t>(m_value);
        if (m_type == VarType::Bool && target != VarType::Bool)
            v = asVariantBool();
        return fromInteger(v, target, out);
    }
    if (m_type == VarType::Double)
        return fromDouble(asDouble(), target, out);
    if (m_type == VarType::Empty) {
        if (target == VarType::String) {
            out = Variant(std::u16string());
            return kOk;
        }
        return fromInteger(0, target, out);
    }
    if (m_type == VarType::String) {
        std::string text = toUtf8(asString());
        size_t begin = text.find_first_not_of(" \t");
        size_t end = text.find_last_not_of(" \t");
        if (begin == std::string::npos)
            return kTypeMismatch;
        text = text.substr(begin, end - begin + 1);
        if (target == VarType::Bool) {
            if (text == "True" || text == "true" || text == "#TRUE#") {
                out = Variant::boolean(true);
                return kOk;
            }
            if (text == "False" || text == "false" || text == "#FALSE#") {
                out = Variant::boolean(false);
                return kOk;
            }
        }
        char* stop = nullptr;
        double v = std::strtod(text.c_str(), &stop);
        if (stop == text.c_str() || *stop != '\0')
            return kTypeMismatch;
        return fromDouble(v, target, out);
    }
    if (m_type == VarType::Dispatch && target == VarType::Unknown) {
        out = Variant::unknown(asUnknown());
        return kOk;
    }
    return kTypeMismatch;
}

bool operator==(const Variant& a, const Variant& b)
{
    return a.m_type == b.m_type && a.m_value == b.m_value;
}

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        uint32_t cp = 0xFFFD;
        size_t length = 1;
        if (c < 0x80) {
            cp = c;
        } else if ((c & 0xE0) == 0xC0) {
            length = 2;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4;
        }
        if (length > 1) {
            bool valid = i + length <= utf8.size();
            uint32_t value = c & (0x3F >> (length - 1));
            for (size_t k = 1; valid && k < length; ++k) {
                unsigned char next = static_cast<unsigned char>(utf8[i + k]);
                if ((next & 0xC0) != 0x80)
                    valid = false;
                value = (value << 6) | (next & 0x3F);
            }
            static constexpr uint32_t kMinimum[] = { 0, 0, 0x80, 0x800, 0x10000 };
            if (valid && value >= kMinimum[length] && value <= 0x10FFFF && !(value >= 0xD800 && value <= 0xDFFF)) {
                cp = value;
            } else {
                length = 1;
            }
        }
        i += length;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(char16_t(0xD800 + (cp >> 10)));
            out.push_back(char16_t(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(char16_t(cp));
        }
    }
    return out;
}

std::string toUtf8(std::u16string_view utf16)
{
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        uint32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out.push_back(char(cp));
        } else if (cp < 0x800) {
            out.push_back(char(0xC0 | (cp >> 6)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(char(0xE0 | (cp >> 12)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(char(0xF0 | (cp >> 18)));
            out.push_back(char(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(char(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(char(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace quorvex::platform::component
