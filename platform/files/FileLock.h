#pragma once

#include <chrono>
#include <filesystem>

namespace platform {

// An advisory lock (flock) that every writer of settings files takes around
// its read-modify-write, so two launchers on one program folder cannot lose
// each other's changes; readers take it shared so they never see a file that
// is being rewritten in place.
//
// The lock is taken on the file's folder rather than on the file: files are
// replaced by renaming a new file over them, so a lock on the old file would
// not exclude a process that opens the new one, and a lock file beside each
// settings file would clutter skin folders (and cannot be created where the
// folder is read-only). When the folder cannot be opened the file itself is
// locked.
//
// Waiting is bounded: a process stuck while holding the lock must not hang
// every other launcher. held() says whether the lock was obtained, busy()
// whether another holder kept it the whole time (when neither, there was
// nothing to lock: the folder and the file cannot be opened).
class FileLock {
public:
    enum class Mode { Shared, Exclusive };

    FileLock(const std::filesystem::path& file, Mode mode,
             std::chrono::milliseconds patience = std::chrono::seconds(5));
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool held() const { return m_held; }
    bool busy() const { return m_busy; }

private:
    int m_fd = -1;
    bool m_held = false;
    bool m_busy = false;
};

} // namespace platform
