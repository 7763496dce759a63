#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::platform::component {

// The classes-root registry: keys named by backslash-separated paths
// ("CLSID\\{...}\\InprocServer32"), each with a default value and named
// values. Key and value names match without regard to letter case.
//
// It lives in a profile-format file: one section per key, "@=..." for the
// default value and "Name=..." for named values; a key without values is an
// empty section. The file is replaced atomically on save.
class ClassesRoot {
public:
    // QUORVEX_CLASSES_ROOT when set, otherwise
    // $XDG_DATA_HOME/quorvex/classes-root.ini (or ~/.local/share/...).
    static std::string defaultPath();

    ClassesRoot() = default; // in memory only
    explicit ClassesRoot(std::string path);

    // Reads the file; a missing file is an empty registry (not an error).
    bool load(std::string* error = nullptr);
    bool save(std::string* error = nullptr) const;
    // Loads the file, lets `change` edit the keys and saves the result, with
    // the file locked throughout, so that programs registering at the same
    // time keep each other's keys. False when the file could not be read or
    // written.
    bool update(const std::function<void(ClassesRoot&)>& change, std::string* error = nullptr);
    const std::string& path() const { return m_path; }

    bool hasKey(std::string_view key) const;
    // Creates the key and every missing key above it.
    void createKey(std::string_view key);
    // An empty `name` is the key's default value.
    std::optional<std::string> value(std::string_view key, std::string_view name = {}) const;
    void setValue(std::string_view key, std::string_view name, std::string_view value);
    // Removes the key with all keys below it. True when something went.
    bool removeTree(std::string_view key);
    // Every key, in file order.
    std::vector<std::string> keys() const;
    // Named values of a key ("" for the default value), in order.
    std::vector<std::pair<std::string, std::string>> values(std::string_view key) const;

    std::string toText() const;
    bool fromText(std::string_view text, std::string* error = nullptr);

private:
    struct Key {
        std::string path;
        std::vector<std::pair<std::string, std::string>> values; // "" = default
    };
    Key* find(std::string_view key);
    const Key* find(std::string_view key) const;

    std::string m_path;
    std::vector<Key> m_keys;
};

} // namespace quorvex::platform::component
