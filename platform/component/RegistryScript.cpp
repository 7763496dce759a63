#include "platform/component/RegistryScript.h"

#include "platform/component/TextFile.h"

namespace quorvex::platform::component {

namespace {

constexpr std::string_view kModuleMarker = "%MODULE%";

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
    auto fail = [&](size_t number, const char* what) {
        if (error)
            *error = "registry script line " + std::to_string(number) + ": " + what;
        return false;
    };
    bool parsed = forEachTrimmedLine(text, [&](size_t number, std::string_view line) {
        if (line.empty() || line.front() == ';')
            return true;
        if (line.front() == '[') {
            size_t close = line.find(']');
            if (close == std::string_view::npos || close == 1)
                return fail(number, "malformed key");
            std::string_view flag = trimBlanks(line.substr(close + 1));
            if (!flag.empty() && flag != "remove")
                return fail(number, "unknown key flag");
            m_entries.push_back({ std::string(line.substr(1, close - 1)), {}, flag == "remove" });
            return true;
        }
        size_t equals = line.find('=');
        if (m_entries.empty() || equals == std::string_view::npos || equals == 0)
            return fail(number, "value outside a key or without '='");
        std::string_view name = trimBlanks(line.substr(0, equals));
        m_entries.back().values.emplace_back(name == "@" ? std::string() : std::string(name),
                                             std::string(trimBlanks(line.substr(equals + 1))));
        return true;
    });
    if (!parsed)
        m_entries.clear();
    return parsed;
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
