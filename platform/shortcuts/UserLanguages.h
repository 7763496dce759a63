#pragma once

#include <functional>
#include <string>
#include <vector>

namespace platform {

// Reads one environment variable; "" when it is not set.
using EnvironmentLookup = std::function<std::string(const char* name)>;

// The locale names a translated key is looked up under, most wanted first.
// The first set one of LANGUAGE (a ':' list), LC_ALL, LC_MESSAGES and LANG
// is taken; each of its locales lang_COUNTRY.ENCODING@MODIFIER gives
// lang_COUNTRY@MODIFIER, lang_COUNTRY, lang@MODIFIER and lang, in that order,
// without the encoding. "C" and "POSIX" give nothing.
std::vector<std::string> userLanguageNames(const EnvironmentLookup& environment);

// The same from this process's environment.
std::vector<std::string> userLanguageNames();

} // namespace platform
