#include "platform/shortcuts/UserLanguages.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using Names = std::vector<std::string>;

struct LanguageCase {
    const char* name;
    std::map<std::string, std::string> environment;
    Names expected;
};

class UserLanguages : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(UserLanguages, MostSpecificNameFirst)
{
    const LanguageCase& c = GetParam();
    const Names names = platform::userLanguageNames([&](const char* variable) {
        const auto found = c.environment.find(variable);
        return found == c.environment.end() ? std::string() : found->second;
    });
    EXPECT_EQ(names, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, UserLanguages,
    ::testing::Values(
        LanguageCase{"CountryAndEncoding", {{"LANG", "de_DE.UTF-8"}}, {"de_DE", "de"}},
        LanguageCase{"Modifier", {{"LANG", "sr_RS.UTF-8@latin"}}, {"sr_RS@latin", "sr_RS", "sr@latin", "sr"}},
        LanguageCase{"LanguageOnly", {{"LANG", "fr"}}, {"fr"}},
        LanguageCase{"LcAllBeatsLang", {{"LC_ALL", "pt_BR"}, {"LANG", "de_DE"}}, {"pt_BR", "pt"}},
        LanguageCase{"MessagesBeatLang", {{"LC_MESSAGES", "nl_NL"}, {"LANG", "de_DE"}}, {"nl_NL", "nl"}},
        LanguageCase{"LanguageListFirst", {{"LANGUAGE", "fr_CA:de"}, {"LANG", "en_US"}}, {"fr_CA", "fr", "de"}},
        LanguageCase{"NoRepeats", {{"LANGUAGE", "de_AT:de_DE"}}, {"de_AT", "de", "de_DE"}},
        LanguageCase{"CLocale", {{"LANG", "C.UTF-8"}}, {}},
        LanguageCase{"Posix", {{"LC_ALL", "POSIX"}}, {}},
        LanguageCase{"Unset", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
