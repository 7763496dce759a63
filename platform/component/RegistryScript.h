#pragma once

#include "platform/component/ClassesRoot.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform::component {

// A server's registration entries as text, carried inside the server:
//
//     [FormShape.FormShape] remove
//     @=Window Shape Control
//     [CLSID\{...}\InprocServer32]
//     @=%MODULE%
//     ThreadingModel=Apartment
//
// Sections name keys, "@=" sets the default value, "Name=" a named value;
// "%MODULE%" in values is replaced by the server's path. A section whose
// header is followed by "remove" is deleted with everything below it on
// unregistration; other keys stay (shared keys such as "CLSID" itself).
class RegistryScript {
public:
    struct Entry {
        std::string key;
        std::vector<std::pair<std::string, std::string>> values; // "" = default
        bool removeOnUnregister = false;
    };

    // False, with `error` naming the line, when the text is malformed.
    bool parse(std::string_view text, std::string* error = nullptr);

    void apply(ClassesRoot& root, std::string_view modulePath) const;
    void remove(ClassesRoot& root) const;

    const std::vector<Entry>& entries() const { return m_entries; }

private:
    std::vector<Entry> m_entries;
};

} // namespace quorvex::platform::component
