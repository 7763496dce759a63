#include "platform/sound/OneSoundPlayer.h"

#include <algorithm>

namespace platform {

OneSoundPlayer::OneSoundPlayer(SoundOutput& output, SoundClock& clock)
    : m_output(output)
    , m_clock(clock)
{
}

bool OneSoundPlayer::isPlaying() const
{
    return m_endsAtMs && m_clock.nowMs() < *m_endsAtMs;
}

std::optional<WavSound> OneSoundPlayer::prepare(const std::filesystem::path& file) const
{
    if (file.empty() || !m_output.hasDevice())
        return std::nullopt;
    return loadWav(file).sound;
}

bool OneSoundPlayer::start(const WavSound& sound)
{
    m_endsAtMs.reset();
    if (!m_output.start(sound))
        return false;
    m_endsAtMs = m_clock.nowMs() + sound.durationMs();
    return true;
}

void OneSoundPlayer::playAsync(const std::filesystem::path& file)
{
    // A file that cannot be played leaves the running sound alone: a broken
    // skin entry must not silence a good one.
    if (const auto sound = prepare(file))
        start(*sound);
}

void OneSoundPlayer::playNoStop(const std::filesystem::path& file)
{
    if (isPlaying())
        return;
    playAsync(file);
}

void OneSoundPlayer::playAndWait(const std::filesystem::path& file)
{
    const auto sound = prepare(file);
    if (!sound || !start(*sound))
        return;
    m_clock.waitMs(std::min(sound->durationMs(), kLongestWaitMs));
    m_output.stop();
    m_endsAtMs.reset();
}

} // namespace platform
