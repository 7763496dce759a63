#pragma once

#include "platform/sound/SoundOutput.h"
#include "platform/sound/SoundSystem.h"

#include <cstdint>
#include <optional>

namespace platform {

// The three players over one output device. A sound counts as playing from
// its start until its length (from the file's header) has passed or another
// sound replaced it.
class OneSoundPlayer final : public SoundSystem {
public:
    OneSoundPlayer(SoundOutput& output, SoundClock& clock);

    void playAsync(const std::filesystem::path& file) override;
    void playNoStop(const std::filesystem::path& file) override;
    void playAndWait(const std::filesystem::path& file) override;

    bool isPlaying() const;

private:
    // The decoded file, or nothing when it cannot be played here.
    std::optional<WavSound> prepare(const std::filesystem::path& file) const;
    bool start(const WavSound& sound);

    SoundOutput& m_output;
    SoundClock& m_clock;
    std::optional<std::int64_t> m_endsAtMs;
};

} // namespace platform
