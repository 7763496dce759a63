#include "platform/component/MemoryPropertyBag.h"

#include "platform/component/MemoryStream.h"
#include "platform/component/Picture.h"
#include "platform/component/TextFile.h"

#include <cstdio>
#include <cstdlib>
#include <strings.h>

namespace quorvex::platform::component {

namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && strncasecmp(a.data(), b.data(), a.size()) == 0;
}

std::string escape(std::string_view text)
{
    std::string out;
    for (char c : text) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

bool unescape(std::string_view text, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size())
            return false;
        switch (text[i]) {
        case '\\':
            out += '\\';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        default:
            return false;
        }
    }
    return true;
}

// Whole-text integer parsing; false when anything but the number is there.
bool parseInteger(std::string_view text, long long minimum, long long maximum, long long& value)
{
    std::string copy(text);
    if (copy.empty())
        return false;
    char* stop = nullptr;
    errno = 0;
    value = std::strtoll(copy.c_str(), &stop, 10);
    return errno == 0 && *stop == '\0' && value >= minimum && value <= maximum;
}

std::string formatValue(const Variant& v)
{
    char text[64];
    switch (v.type()) {
    case VarType::Int16:
        return "i2:" + std::to_string(v.asInt16());
    case VarType::Int32:
        return "i4:" + std::to_string(v.asInt32());
    case VarType::UInt32:
        return "u4:" + std::to_string(v.asUInt32());
    case VarType::Bool:
        return std::string("bool:") + (v.asBool() ? "true" : "false");
    case VarType::Double:
        std::snprintf(text, sizeof text, "%.17g", v.asDouble());
        return std::string("r8:") + text;
    case VarType::String:
        return "str:" + escape(toUtf8(v.asString()));
    case VarType::Dispatch:
    case VarType::Unknown: {
        std::string out = "obj:";
        Ref<IPersistStream> persist = queryInterface<IPersistStream>(v.asUnknown());
        Ref<MemoryStream> stream = MemoryStream::create();
        if (stream && succeeded(saveObjectToStream(persist.get(), stream.get()))) {
            for (uint8_t b : stream->bytes()) {
                std::snprintf(text, sizeof text, "%02x", b);
                out += text;
            }
        }
        return out;
    }
    case VarType::Empty:
        break;
    }
    return "empty:";
}

bool parseValue(std::string_view text, Variant& value)
{
    size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    std::string_view type = text.substr(0, colon);
    std::string_view body = text.substr(colon + 1);
    long long n = 0;
    if (type == "i2" && parseInteger(body, INT16_MIN, INT16_MAX, n)) {
        value = Variant(int16_t(n));
    } else if (type == "i4" && parseInteger(body, INT32_MIN, INT32_MAX, n)) {
        value = Variant(int32_t(n));
    } else if (type == "u4" && parseInteger(body, 0, UINT32_MAX, n)) {
        value = Variant(uint32_t(n));
    } else if (type == "bool" && (body == "true" || body == "false")) {
        value = Variant::boolean(body == "true");
    } else if (type == "r8") {
        std::string copy(body);
        char* stop = nullptr;
        double d = std::strtod(copy.c_str(), &stop);
        if (copy.empty() || *stop != '\0')
            return false;
        value = Variant(d);
    } else if (type == "str") {
        std::string decoded;
        if (!unescape(body, decoded))
            return false;
        value = Variant(toUtf16(decoded));
    } else if (type == "empty" && body.empty()) {
        value = Variant();
    } else if (type == "obj") {
        if (body.size() % 2 != 0)
            return false;
        std::vector<uint8_t> bytes;
        for (size_t i = 0; i < body.size(); i += 2) {
            std::string pair(body.substr(i, 2));
            char* stop = nullptr;
            unsigned long b = std::strtoul(pair.c_str(), &stop, 16);
            if (*stop != '\0')
                return false;
            bytes.push_back(static_cast<uint8_t>(b));
        }
        Ref<MemoryStream> stream = MemoryStream::create(bytes);
        Ref<IDispatch> object;
        if (!stream || failed(loadObjectFromStream(stream.get(), IDispatch::kIid, object.putVoid())))
            return false;
        value = Variant(object);
    } else {
        return false;
    }
    return true;
}

} // namespace

Ref<MemoryPropertyBag> MemoryPropertyBag::create()
{
    return Ref<MemoryPropertyBag>::adopt(new MemoryPropertyBag);
}

HResult MemoryPropertyBag::queryInterface(const Guid& iid, void** out)
{
    return answerQuery<IPropertyBag>(this, iid, out);
}

HResult MemoryPropertyBag::read(std::string_view name, Variant* value)
{
    if (!value)
        return kPointer;
    for (const auto& [existing, stored] : m_values) {
        if (sameName(existing, name)) {
            *value = stored;
            return kOk;
        }
    }
    return kInvalidArg;
}

HResult MemoryPropertyBag::write(std::string_view name, const Variant& value)
{
    if (name.empty() || name.find_first_of("=\r\n") != std::string_view::npos)
        return kInvalidArg;
    for (auto& [existing, stored] : m_values) {
        if (sameName(existing, name)) {
            stored = value;
            return kOk;
        }
    }
    m_values.emplace_back(std::string(name), value);
    return kOk;
}

bool MemoryPropertyBag::contains(std::string_view name) const
{
    for (const auto& entry : m_values) {
        if (sameName(entry.first, name))
            return true;
    }
    return false;
}

std::string MemoryPropertyBag::toText() const
{
    std::string out;
    for (const auto& [name, value] : m_values)
        out += name + "=" + formatValue(value) + "\n";
    return out;
}

bool MemoryPropertyBag::fromText(std::string_view text, std::string* error)
{
    m_values.clear();
    size_t lineNumber = 0;
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;
        size_t equals = line.find('=');
        Variant value;
        if (equals == 0 || equals == std::string_view::npos || !parseValue(line.substr(equals + 1), value)) {
            if (error)
                *error = "line " + std::to_string(lineNumber) + ": malformed property \"" + std::string(line) + "\"";
            return false;
        }
        write(line.substr(0, equals), value);
    }
    return true;
}

bool MemoryPropertyBag::saveToFile(const std::string& path, std::string* error) const
{
    return writeTextFileAtomically(path, toText(), error);
}

bool MemoryPropertyBag::loadFromFile(const std::string& path, std::string* error)
{
    std::optional<std::string> text = readTextFile(path);
    if (!text) {
        if (error)
            *error = "cannot read " + path;
        return false;
    }
    std::string message;
    if (!fromText(*text, &message)) {
        if (error)
            *error = path + ": " + message;
        return false;
    }
    return true;
}

} // namespace quorvex::platform::component
