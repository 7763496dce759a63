#pragma once

#include "platform/sound/WavSound.h"

#include <cstdint>

namespace platform {

// An audio device that plays one decoded sound at a time. It is told what to
// play and when to stop; whether a sound is still playing is not asked of
// it, because some backends report a sound as playing long after it ended
// (or forever, with no device behind them). The players keep time themselves.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // False on a machine without an audio output; nothing is started then.
    virtual bool hasDevice() const = 0;
    // Starts `sound`, replacing whatever was playing. False when the device
    // refused it (for example an unsupported sample layout).
    virtual bool start(const WavSound& sound) = 0;
    virtual void stop() = 0;
};

// Time as the players see it: a monotonic millisecond count and a wait.
class SoundClock {
public:
    virtual ~SoundClock() = default;
    virtual std::int64_t nowMs() const = 0;
    // Blocks the caller for `durationMs`; window repaints and timers may run
    // meanwhile, user input does not.
    virtual void waitMs(std::int64_t durationMs) = 0;
};

} // namespace platform
