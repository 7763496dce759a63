#pragma once

#include <filesystem>
#include <string>

namespace platform {

// The entry that has the desktop session start a program at log-in: a
// desktop entry file in the user's autostart folder. Whether the program
// starts at log-in is whether the file is there.
class AutostartEntry {
public:
    // `file`: the entry; see forUser for the usual place.
    explicit AutostartEntry(std::filesystem::path file);

    // $XDG_CONFIG_HOME/autostart/<name>.desktop, ~/.config when that is not
    // set or not an absolute path.
    static AutostartEntry forUser(const std::string& name);

    const std::filesystem::path& file() const { return m_file; }
    bool exists() const;

    // Writes the entry, as a whole or not at all, so that it starts
    // `program` with `argument`. Empty on success, else what went wrong.
    std::string write(const std::string& displayName, const std::string& program,
                      const std::string& argument) const;
    // Removes the entry; no entry at all is success too.
    std::string remove() const;

    // One Exec word: quoted when it holds anything but plain characters,
    // then escaped as a desktop entry value.
    static std::string execWord(const std::string& word);

private:
    std::filesystem::path m_file;
};

} // namespace platform
