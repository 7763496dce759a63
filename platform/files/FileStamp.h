#pragma once

#include <ctime>
#include <filesystem>
#include <optional>
#include <sys/types.h>

namespace platform {

// What stat() says about a file that changes whenever its contents do: its
// identity, size and modification and status-change times. Two equal stamps
// mean an unchanged file only once the stamp is settled: a time stamp has a
// resolution (a clock tick, up to two seconds on some file systems), and a
// same-size rewrite within the tick of the stamp leaves it as it was.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    bool regular = false;

    // The stamp of the file `path` leads to; nullopt (errno set) on failure.
    static std::optional<FileStamp> of(const std::filesystem::path& path);

    // True when the file was last touched long enough before `readStart`
    // (the wall-clock time a read of it began) that any later change must
    // give another stamp.
    bool settledBy(timespec readStart) const;

    bool operator==(const FileStamp& other) const;
};

// The wall-clock time now, as file time stamps count it.
timespec wallClockNow();

// A source of wall-clock time: wallClockNow, or a later one in tests that
// need files to count as settled without waiting.
using WallClock = timespec (*)();

} // namespace platform
