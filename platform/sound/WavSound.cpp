#include "platform/sound/WavSound.h"

#include "platform/files/BoundedFileReader.h"

#include <algorithm>
#include <cstring>
#include <system_error>

namespace platform {

namespace {

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint16_t kFormatFloat = 3;
constexpr std::uint16_t kFormatExtensible = 0xFFFE;
constexpr int kMaxChannels = 8;
constexpr std::uint32_t kMaxSampleRate = 768000;

// A bounds-checked little-endian view: every read says whether the bytes were
// there, so a truncated header can never be read past its end.
class ByteReader {
public:
    explicit ByteReader(std::span<const std::byte> bytes) : m_bytes(bytes) { }

    std::size_t remaining() const { return m_bytes.size() - m_position; }
    std::size_t position() const { return m_position; }

    bool tag(const char (&expected)[5])
    {
        if (remaining() < 4)
            return false;
        const bool same = std::memcmp(m_bytes.data() + m_position, expected, 4) == 0;
        m_position += 4;
        return same;
    }
    bool readTag(char (&out)[4])
    {
        if (remaining() < 4)
            return false;
        std::memcpy(out, m_bytes.data() + m_position, 4);
        m_position += 4;
        return true;
    }
    bool u16(std::uint16_t& out)
    {
        if (remaining() < 2)
            return false;
        out = static_cast<std::uint16_t>(byteAt(0) | byteAt(1) << 8);
        m_position += 2;
        return true;
    }
    bool u32(std::uint32_t& out)
    {
        if (remaining() < 4)
            return false;
        out = byteAt(0) | byteAt(1) << 8 | byteAt(2) << 16 | static_cast<std::uint32_t>(byteAt(3)) << 24;
        m_position += 4;
        return true;
    }
    void skip(std::size_t count) { m_position += std::min(count, remaining()); }

private:
    std::uint32_t byteAt(std::size_t offset) const
    {
        return std::to_integer<std::uint32_t>(m_bytes[m_position + offset]);
    }

    std::span<const std::byte> m_bytes;
    std::size_t m_position = 0;
};

struct FormatChunk {
    std::uint16_t code = 0;
    std::uint16_t channels = 0;
    std::uint32_t sampleRate = 0;
    std::uint16_t bitsPerSample = 0;
};

WavResult failure(std::string message)
{
    return {std::nullopt, std::move(message)};
}

bool readFormat(std::span<const std::byte> chunk, FormatChunk& format)
{
    ByteReader reader(chunk);
    std::uint32_t byteRate = 0;
    std::uint16_t blockAlign = 0;
    if (!reader.u16(format.code) || !reader.u16(format.channels) || !reader.u32(format.sampleRate)
        || !reader.u32(byteRate) || !reader.u16(blockAlign) || !reader.u16(format.bitsPerSample))
        return false;
    if (format.code == kFormatExtensible) {
        // cbSize, valid bits and channel mask precede the sub-format, whose
        // first two bytes carry the plain format code.
        std::uint16_t extraSize = 0;
        std::uint16_t validBits = 0;
        std::uint32_t channelMask = 0;
        if (!reader.u16(extraSize) || !reader.u16(validBits) || !reader.u32(channelMask)
            || !reader.u16(format.code))
            return false;
    }
    return true;
}

// Converts the stored samples to one of the layouts a device is given.
std::optional<WavSound> convertSamples(const FormatChunk& format, std::span<const std::byte> data)
{
    WavSound sound;
    sound.sampleRate = static_cast<int>(format.sampleRate);
    sound.channels = format.channels;
    const std::size_t storedBytes = format.bitsPerSample / 8;
    const std::size_t frameBytes = storedBytes * format.channels;
    const std::size_t frames = data.size() / frameBytes;
    const std::size_t sampleCount = frames * format.channels;
    data = data.first(frames * frameBytes);

    if (format.code == kFormatPcm && (format.bitsPerSample == 8 || format.bitsPerSample == 16
                                      || format.bitsPerSample == 32)) {
        sound.format = format.bitsPerSample == 8    ? SampleFormat::UInt8
                       : format.bitsPerSample == 16 ? SampleFormat::Int16
                                                    : SampleFormat::Int32;
        sound.samples.assign(data.begin(), data.end());
        return sound;
    }
    if (format.code == kFormatPcm && format.bitsPerSample == 24) {
        sound.format = SampleFormat::Int32;
        sound.samples.resize(sampleCount * 4);
        for (std::size_t i = 0; i < sampleCount; ++i) {
            // The three stored bytes become the top three of a 32-bit sample.
            sound.samples[i * 4] = std::byte{0};
            std::memcpy(&sound.samples[i * 4 + 1], &data[i * 3], 3);
        }
        return sound;
    }
    if (format.code == kFormatFloat && format.bitsPerSample == 32) {
        sound.format = SampleFormat::Float;
        sound.samples.assign(data.begin(), data.end());
        return sound;
    }
    if (format.code == kFormatFloat && format.bitsPerSample == 64) {
        sound.format = SampleFormat::Float;
        sound.samples.resize(sampleCount * 4);
        for (std::size_t i = 0; i < sampleCount; ++i) {
            double wide = 0;
            std::memcpy(&wide, &data[i * 8], 8);
            const float narrow = static_cast<float>(wide);
            std::memcpy(&sound.samples[i * 4], &narrow, 4);
        }
        return sound;
    }
    return std::nullopt;
}

} // namespace

int WavSound::bytesPerSample() const
{
    switch (format) {
    case SampleFormat::UInt8:
        return 1;
    case SampleFormat::Int16:
        return 2;
    case SampleFormat::Int32:
    case SampleFormat::Float:
        return 4;
    }
    return 1;
}

std::int64_t WavSound::frameCount() const
{
    if (channels <= 0)
        return 0;
    return static_cast<std::int64_t>(samples.size()) / (bytesPerSample() * channels);
}

std::int64_t WavSound::durationMs() const
{
    if (sampleRate <= 0)
        return 0;
    return (frameCount() * 1000 + sampleRate - 1) / sampleRate;
}

WavResult decodeWav(std::span<const std::byte> bytes)
{
    ByteReader reader(bytes);
    std::uint32_t riffSize = 0;
    if (!reader.tag("RIFF") || !reader.u32(riffSize) || !reader.tag("WAVE"))
        return failure("not a RIFF wave file");

    std::optional<FormatChunk> format;
    std::optional<std::span<const std::byte>> data;
    while (reader.remaining() >= 8) {
        char id[4];
        std::uint32_t size = 0;
        reader.readTag(id);
        reader.u32(size);
        const std::size_t start = reader.position();
        const std::size_t available = std::min<std::size_t>(size, reader.remaining());
        const auto body = bytes.subspan(start, available);
        if (std::memcmp(id, "fmt ", 4) == 0) {
            FormatChunk parsed;
            if (available < size || !readFormat(body, parsed))
                return failure("truncated format chunk");
            format = parsed;
        } else if (std::memcmp(id, "data", 4) == 0) {
            data = body; // a short last chunk keeps the samples that are there
        }
        // Chunks are padded to an even length.
        reader.skip(static_cast<std::size_t>(size) + (size & 1u));
    }
    if (!format)
        return failure("no format chunk");
    if (!data)
        return failure("no data chunk");
    if (format->channels == 0 || format->channels > kMaxChannels)
        return failure("unsupported channel count " + std::to_string(format->channels));
    if (format->sampleRate == 0 || format->sampleRate > kMaxSampleRate)
        return failure("unsupported sample rate " + std::to_string(format->sampleRate));
    if (format->bitsPerSample == 0 || format->bitsPerSample % 8 != 0)
        return failure("unsupported sample size " + std::to_string(format->bitsPerSample));

    auto sound = convertSamples(*format, *data);
    if (!sound)
        return failure("unsupported sample format " + std::to_string(format->code) + "/"
                       + std::to_string(format->bitsPerSample));
    if (sound->frameCount() == 0)
        return failure("no samples");
    return {std::move(sound), {}};
}

WavResult loadWav(const std::filesystem::path& file)
{
    std::string bytes;
    if (std::string problem = BoundedFileReader(kMaxSoundFileBytes).read(file, bytes); !problem.empty())
        return failure(problem);
    WavResult result = decodeWav(std::as_bytes(std::span(bytes.data(), bytes.size())));
    if (!result.sound)
        result.error = file.string() + ": " + result.error;
    return result;
}

} // namespace platform
