#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace platform {

// The system's one-at-a-time sound player. There is never more than one sound
// playing; the three ways to start one differ in how they treat it. A file
// that is missing, unreadable or not a sound is silently ignored, and so is
// every call on a machine without an audio device.
class SoundSystem {
public:
    virtual ~SoundSystem() = default;

    // Starts the sound and returns at once; a sound still playing is cut off.
    virtual void playAsync(const std::filesystem::path& file) = 0;
    // Starts the sound and returns at once, unless a sound is still playing,
    // in which case nothing happens.
    virtual void playNoStop(const std::filesystem::path& file) = 0;
    // Plays the sound and returns when it has ended. The wait is never longer
    // than the sound's own length, and there is none when nothing was played.
    virtual void playAndWait(const std::filesystem::path& file) = 0;
};

class NullSoundSystem final : public SoundSystem {
public:
    void playAsync(const std::filesystem::path&) override { }
    void playNoStop(const std::filesystem::path&) override { }
    void playAndWait(const std::filesystem::path&) override { }
};

enum class SoundPlayMode { Async, NoStop, Wait };

struct SoundCall {
    SoundPlayMode mode = SoundPlayMode::Async;
    std::filesystem::path file;
    friend bool operator==(const SoundCall&, const SoundCall&) = default;
};

// Plays nothing and remembers every call, for tests of the code that asks
// for sounds.
class RecordingSoundSystem final : public SoundSystem {
public:
    void playAsync(const std::filesystem::path& file) override { m_calls.push_back({SoundPlayMode::Async, file}); }
    void playNoStop(const std::filesystem::path& file) override { m_calls.push_back({SoundPlayMode::NoStop, file}); }
    void playAndWait(const std::filesystem::path& file) override { m_calls.push_back({SoundPlayMode::Wait, file}); }

    const std::vector<SoundCall>& calls() const { return m_calls; }
    void clear() { m_calls.clear(); }

private:
    std::vector<SoundCall> m_calls;
};

} // namespace platform
