#include "platform/component/RegistryScript.h"

namespace quorvex::platform::component {

namespace {

constexpr std::string_view kModuleMarker = "%MODULE%";

std::string_view trimBlanks(std::string_view text)
{
    size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string_view::npos)
        return {};
    size_t end = text.find_last_not_of(" \t\r");
    return text.substr(begin, end - begin + 1);
}

std::string substituteModule(std::string_view value, std::string_view modulePath)
{
    std::string out;
    size_t at = 0;
    for (size_t found = value.find(kModuleMarker); found != std::string_view::npos;
         found = value.find(kModuleMarker, at)) {
        out.append(value.substr(at, found - at));
        out.append(modulePath);
        at = found + kModuleMarker.size();
    }
    out.append(value.substr(at));
    return out;
}

} // namespace

bool RegistryScript::parse(std::string_view text, std::string* error)
{
    m_entries.clear();
    size_t lineNumber = 0;
    auto fail = [&](const char* what) {
        if (error)
            *error = "registry script line " + std::to_string(lineNumber) + ": " + what;
        m_entries.clear();
        return false;
    };
    while (!text.empty()) {
        size_t end = text.find('\n');
        std::string_view line = trimBlanks(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++lineNumber;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            size_t close = line.find(']');
            if (close == std::string_view::npos || close == 1)
                return fail("malformed key");
            std::string_view flag = trimBlanks(line.substr(close + 1));
            if (!flag.empty() && flag != "remove")
                return fail("unknown key flag");
            m_entries.push_back({ std::string(line.substr(1, close - 1)), {}, flag == "remove" });
            continue;
        }
        size_t equals = line.find('=');
        if (m_entries.empty() || equals == std::string_view::npos || equals == 0)
            return fail("value outside a key or without '='");
        std::string_view name = trimBlanks(line.substr(0, equals));
        m_entries.back().values.emplace_back(name == "@" ? std::string() : std::string(name),
                                             std::string(trimBlanks(line.substr(equals + 1))));
    }
    return true;
}

void RegistryScript::apply(ClassesRoot& root, std::string_view modulePath) const
{
    for (const Entry& entry : m_entries) {
        root.createKey(entry.key);
        for (const auto& [name, value] : entry.values)
            root.setValue(entry.key, name, substituteModule(value, modulePath));
    }
}

void RegistryScript::remove(ClassesRoot& root) const
{
    for (const Entry& entry : m_entries) {
        if (entry.removeOnUnregister)
            root.removeTree(entry.key);
    }
}

} // namespace quorvex::platform::component
