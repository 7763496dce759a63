#pragma once

#include "platform/sound/SoundOutput.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// A clock that moves only when told to, or when a player waits on it.
class ManualSoundClock final : public SoundClock {
public:
    std::int64_t nowMs() const override { return m_nowMs; }
    void waitMs(std::int64_t durationMs) override;

    void advance(std::int64_t ms) { m_nowMs += ms; }
    const std::vector<std::int64_t>& waits() const { return m_waits; }

private:
    std::int64_t m_nowMs = 1000;
    std::vector<std::int64_t> m_waits;
};

// An output that plays nothing and logs "start <ms>ms at <time>" and
// "stop at <time>", timed by the clock it is given.
class FakeSoundOutput final : public SoundOutput {
public:
    explicit FakeSoundOutput(const SoundClock& clock) : m_clock(clock) { }

    bool hasDevice() const override { return m_hasDevice; }
    bool start(const WavSound& sound) override;
    void stop() override;

    void setHasDevice(bool present) { m_hasDevice = present; }
    void setRefusesSounds(bool refuses) { m_refuses = refuses; }
    const std::vector<std::string>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }

private:
    const SoundClock& m_clock;
    bool m_hasDevice = true;
    bool m_refuses = false;
    std::vector<std::string> m_log;
};

} // namespace platform
