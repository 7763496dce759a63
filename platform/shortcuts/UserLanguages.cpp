#include "platform/shortcuts/UserLanguages.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

void addUnique(std::vector<std::string>& names, std::string name)
{
    if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(std::move(name));
}

void addVariants(std::vector<std::string>& names, std::string_view locale)
{
    std::string_view modifier;
    if (const size_t at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at);
        locale = locale.substr(0, at);
    }
    if (const size_t dot = locale.find('.'); dot != std::string_view::npos)
        locale = locale.substr(0, dot);
    if (locale.empty() || locale == "C" || locale == "POSIX")
        return;
    const std::string_view language = locale.substr(0, locale.find('_'));
    const bool hasCountry = language.size() != locale.size();
    if (hasCountry && !modifier.empty())
        addUnique(names, std::string(locale) + std::string(modifier));
    if (hasCountry)
        addUnique(names, std::string(locale));
    if (!modifier.empty())
        addUnique(names, std::string(language) + std::string(modifier));
    addUnique(names, std::string(language));
}

} // namespace

std::vector<std::string> userLanguageNames(const EnvironmentLookup& environment)
{
    std::string chosen;
    for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
        chosen = environment(variable);
        if (!chosen.empty())
            break;
    }
    std::vector<std::string> names;
    size_t begin = 0;
    while (begin <= chosen.size()) {
        size_t end = chosen.find(':', begin);
        if (end == std::string::npos)
            end = chosen.size();
        addVariants(names, std::string_view(chosen).substr(begin, end - begin));
        begin = end + 1;
    }
    return names;
}

std::vector<std::string> userLanguageNames()
{
    return userLanguageNames([](const char* name) {
        const char* value = std::getenv(name);
        return std::string(value ? value : "");
    });
}

} // namespace platform
