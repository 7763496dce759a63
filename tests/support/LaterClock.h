#pragma once

#include "platform/files/FileStamp.h"

namespace testsupport {

// A wall clock an hour ahead: every file a test just wrote counts as settled.
inline timespec anHourLater()
{
    timespec now = platform::wallClockNow();
    now.tv_sec += 3600;
    return now;
}

} // namespace testsupport
