#include "platform/sound/WavSound.h"

#include "platform/sound/WavBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace platform {
namespace {

using soundtest::toBytes;
using soundtest::WavLayout;
using soundtest::wavFile;

WavResult decode(const std::string& file)
{
    return decodeWav(toBytes(file));
}

struct LayoutCase {
    const char* name;
    WavLayout layout;
    SampleFormat format;
    std::size_t sampleBytes;
    std::int64_t durationMs;
};

TEST(WavSoundTest, DecodesEverySupportedLayoutWithItsLength)
{
    const LayoutCase cases[] = {
        {"8-bit mono", {1, 1, 8000, 8, 800}, SampleFormat::UInt8, 800, 100},
        {"16-bit stereo", {1, 2, 44100, 16, 22050}, SampleFormat::Int16, 88200, 500},
        {"24-bit mono widened", {1, 1, 48000, 24, 4800}, SampleFormat::Int32, 19200, 100},
        {"32-bit int", {1, 1, 1000, 32, 3}, SampleFormat::Int32, 12, 3},
        {"float", {3, 2, 8000, 32, 8000}, SampleFormat::Float, 64000, 1000},
        {"double narrowed", {3, 1, 8000, 64, 80}, SampleFormat::Float, 320, 10},
        {"extensible pcm", {1, 2, 8000, 16, 80, true}, SampleFormat::Int16, 320, 10},
        {"extensible float", {3, 1, 8000, 32, 80, true}, SampleFormat::Float, 320, 10},
        // 1 frame at 3 Hz lasts 333.3 ms; a wait of 333 would end too early.
        {"duration rounds up", {1, 1, 3, 16, 1}, SampleFormat::Int16, 2, 334},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WavResult result = decode(wavFile(c.layout));
        ASSERT_TRUE(result.sound) << result.error;
        EXPECT_EQ(result.sound->format, c.format);
        EXPECT_EQ(result.sound->channels, c.layout.channels);
        EXPECT_EQ(result.sound->sampleRate, static_cast<int>(c.layout.sampleRate));
        EXPECT_EQ(result.sound->samples.size(), c.sampleBytes);
        EXPECT_EQ(result.sound->durationMs(), c.durationMs);
    }
}

TEST(WavSoundTest, WidensTwentyFourBitSamplesIntoTheTopBytes)
{
    const WavResult result = decode(wavFile({1, 1, 8000, 24, 2}));
    ASSERT_TRUE(result.sound);
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::memcpy(&first, &result.sound->samples[0], 4);
    std::memcpy(&second, &result.sound->samples[4], 4);
    // Stored bytes 00 01 02 and 03 04 05 (little-endian).
    EXPECT_EQ(first, 0x02010000);
    EXPECT_EQ(second, 0x05040300);
}

TEST(WavSoundTest, SkipsUnknownChunksIncludingTheirPadByte)
{
    std::string odd = "LIST";
    soundtest::appendU32(odd, 3);
    odd += "abc";
    odd.push_back('\0'); // pad to even
    const WavLayout layout;
    const WavResult result = decode(soundtest::riff(odd + soundtest::formatChunk(layout) + soundtest::dataChunk(layout)));
    ASSERT_TRUE(result.sound) << result.error;
    EXPECT_EQ(result.sound->durationMs(), 100);
}

TEST(WavSoundTest, DataChunkLongerThanTheFileKeepsOnlyTheWholeFramesThere)
{
    WavLayout layout{1, 2, 8000, 16, 100};
    layout.claimedDataBytes = 1'000'000;
    std::string file = wavFile(layout);
    file.pop_back(); // half a sample short: the last frame is incomplete
    const WavResult result = decode(file);
    ASSERT_TRUE(result.sound) << result.error;
    EXPECT_EQ(result.sound->frameCount(), 99);
    EXPECT_EQ(result.sound->samples.size(), 99u * 4u);
}

TEST(WavSoundTest, RejectsWhatIsNotAPlayableSound)
{
    const WavLayout plain;
    const std::string good = wavFile(plain);
    WavLayout noSamples = plain;
    noSamples.frames = 0;
    std::string truncatedFormat = soundtest::riff(soundtest::formatChunk(plain).substr(0, 14));
    const std::pair<const char*, std::string> cases[] = {
        {"empty", ""},
        {"text", "this is not a sound at all"},
        {"riff without wave", std::string("RIFF\x04\0\0\0AVI ", 12)},
        {"header only", good.substr(0, 12)},
        {"truncated format chunk", truncatedFormat},
        {"no data chunk", soundtest::riff(soundtest::formatChunk(plain))},
        {"no format chunk", soundtest::riff(soundtest::dataChunk(plain))},
        {"no samples", wavFile(noSamples)},
        {"compressed", wavFile({2, 1, 8000, 4, 10})},
        {"zero channels", wavFile({1, 0, 8000, 16, 10})},
        {"zero rate", wavFile({1, 1, 0, 16, 10})},
        {"12-bit", wavFile({1, 1, 8000, 12, 10})},
        {"16-bit float", wavFile({3, 1, 8000, 16, 10})},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        const WavResult result = decode(bytes);
        EXPECT_FALSE(result.sound);
        EXPECT_FALSE(result.error.empty());
    }
}

TEST(WavSoundTest, LoadNamesTheFileInItsMessage)
{
    testsupport::TempFolder folder;
    const auto good = folder.write("good.wav", wavFile({}));
    const auto bad = folder.write("bad.wav", "garbage");
    EXPECT_TRUE(loadWav(good).sound);
    const WavResult missing = loadWav(folder.path() / "missing.wav");
    EXPECT_FALSE(missing.sound);
    EXPECT_NE(missing.error.find("missing.wav"), std::string::npos);
    const WavResult garbage = loadWav(bad);
    EXPECT_FALSE(garbage.sound);
    EXPECT_NE(garbage.error.find("bad.wav"), std::string::npos);
    EXPECT_FALSE(loadWav(folder.path()).sound) << "a folder is not a sound";
}

} // namespace
} // namespace platform
