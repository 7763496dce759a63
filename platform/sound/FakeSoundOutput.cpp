#include "platform/sound/FakeSoundOutput.h"

namespace platform {

void ManualSoundClock::waitMs(std::int64_t durationMs)
{
    m_waits.push_back(durationMs);
    m_nowMs += durationMs;
}

bool FakeSoundOutput::start(const WavSound& sound)
{
    if (m_refuses)
        return false;
    m_log.push_back("start " + std::to_string(sound.durationMs()) + "ms at " + std::to_string(m_clock.nowMs()));
    return true;
}

void FakeSoundOutput::stop()
{
    m_log.push_back("stop at " + std::to_string(m_clock.nowMs()));
}

} // namespace platform
