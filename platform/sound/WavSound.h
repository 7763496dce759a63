#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace platform {

// Sample layouts the players hand to the audio device. 24-bit files are
// widened to Int32 and 64-bit float files narrowed to Float while decoding,
// so a device never sees anything else.
enum class SampleFormat { UInt8, Int16, Int32, Float };

// One decoded wave file: interleaved samples, ready to be played.
struct WavSound {
    int sampleRate = 0;
    int channels = 0;
    SampleFormat format = SampleFormat::Int16;
    std::vector<std::byte> samples;

    int bytesPerSample() const;
    std::int64_t frameCount() const;
    // Rounded up, so that a wait for the sound never ends before it does.
    std::int64_t durationMs() const;
};

// A sound, or the reason the bytes are not one.
struct WavResult {
    std::optional<WavSound> sound;
    std::string error;
};

// Files above this size are refused before they are read: skin sounds are
// short effects, and a huge file named by a skin must not be loaded whole.
inline constexpr std::uintmax_t kMaxSoundFileBytes = 64u * 1024u * 1024u;

// Reads a RIFF wave file with integer PCM (8, 16, 24 or 32 bits) or float
// (32 or 64 bits) samples, in the plain or the extensible format chunk. A data
// chunk that claims more bytes than the file holds is cut to what is there;
// a file with no samples at all is not a sound.
WavResult decodeWav(std::span<const std::byte> bytes);
WavResult loadWav(const std::filesystem::path& file);

} // namespace platform
