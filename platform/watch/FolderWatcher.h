#pragma once

#include <functional>
#include <string>

namespace platform {

// Tells when the entries of one folder change: a file written, created,
// deleted, or renamed into or out of it. Reports arrive from the event loop;
// a watcher makes no wake-ups while nothing changes.
class FolderWatcher {
public:
    // `name` is the entry's name within the folder; empty when the folder as
    // a whole may have changed (it was replaced, or reports were lost).
    using ChangeHandler = std::function<void(const std::string& name)>;

    virtual ~FolderWatcher() = default;

    // Watches `folder` instead of the folder watched before; an empty path
    // stops watching. Returns an empty string, or why the folder cannot be
    // watched.
    virtual std::string watchFolder(const std::string& folder) = 0;

    void setChangeHandler(ChangeHandler handler) { m_handler = std::move(handler); }

protected:
    void reportChange(const std::string& name) const
    {
        if (m_handler)
            m_handler(name);
    }

private:
    ChangeHandler m_handler;
};

} // namespace platform
