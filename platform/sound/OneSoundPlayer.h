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
    // The longest a caller is ever held by playAndWait. A header may claim any
    // length (a 4 KB file "at 1 Hz" lasts over an hour), and the waits sit in
    // the exit sequence, where nobody expects to wait for more than a chime.
    static constexpr std::int64_t kLongestWaitMs = 10'000;

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
