#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads and writes values of profile (INI) files by path. The launcher keeps
// every setting in such files: its own "Quorvex.ini" and each skin's file.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;

    // The value of `key` in `section` of `file`, or nullopt when the file,
    // the section or the key is missing.
    virtual std::optional<std::string> read(const std::string& file, std::string_view section,
                                            std::string_view key) = 0;

    // Creates the file, section and key as needed, else replaces the value in
    // place. Returns an empty string on success, otherwise a message.
    virtual std::string write(const std::string& file, std::string_view section, std::string_view key,
                              std::string_view value) = 0;

    // Why `file` cannot be read: an empty string when it can, otherwise a
    // message naming the file (missing, not a regular file, no permission,
    // too large...). Reads of such a file see no values.
    virtual std::string readProblem(const std::string& file) = 0;

    // Between these, the caller reads many keys as one snapshot (a whole
    // skin), so a store may check each file against the disk once rather
    // than on every key. Calls nest.
    virtual void beginReadBurst() {}
    virtual void endReadBurst() {}

    // Told of each write the store makes to a file on disk, just before and
    // just after it, with the path as the caller gave it: a watcher of the
    // files tells the program's own changes from other programs' by this.
    enum class WritePhase { Before, After };
    using WriteObserver = std::function<void(const std::string& file, WritePhase phase)>;
    void setWriteObserver(WriteObserver observer) { m_writeObserver = std::move(observer); }

protected:
    void tellWriteObserver(const std::string& file, WritePhase phase) const
    {
        if (m_writeObserver)
            m_writeObserver(file, phase);
    }

private:
    WriteObserver m_writeObserver;
};

// Marks a read burst for the lifetime of the object.
class ProfileReadBurst {
public:
    explicit ProfileReadBurst(ProfileStore& store) : m_store(store) { m_store.beginReadBurst(); }
    ~ProfileReadBurst() { m_store.endReadBurst(); }
    ProfileReadBurst(const ProfileReadBurst&) = delete;
    ProfileReadBurst& operator=(const ProfileReadBurst&) = delete;

private:
    ProfileStore& m_store;
};

} // namespace platform
