#include "platform/sound/OneSoundPlayer.h"

#include "platform/sound/FakeSoundOutput.h"
#include "platform/sound/WavBytes.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace platform {
namespace {

using Log = std::vector<std::string>;

// 8000 frames a second, so frames / 8 is the length in milliseconds.
class OneSoundPlayerTest : public ::testing::Test {
protected:
    std::filesystem::path sound(const std::string& name, std::uint32_t lengthMs)
    {
        return m_folder.write(name, soundtest::wavFile({1, 1, 8000, 16, lengthMs * 8}));
    }

    testsupport::TempFolder m_folder;
    ManualSoundClock m_clock; // starts at 1000 ms
    FakeSoundOutput m_output{m_clock};
    OneSoundPlayer m_player{m_output, m_clock};
};

TEST_F(OneSoundPlayerTest, AsyncCutsTheRunningSound)
{
    const auto long_ = sound("long.wav", 900);
    const auto short_ = sound("short.wav", 200);
    m_player.playAsync(long_);
    m_clock.advance(100);
    m_player.playAsync(short_);
    EXPECT_EQ(m_output.log(), (Log{"start 900ms at 1000", "start 200ms at 1100"}));
    // The cut sound's remaining 700 ms no longer count.
    m_clock.advance(200);
    EXPECT_FALSE(m_player.isPlaying());
    EXPECT_TRUE(m_clock.waits().empty());
}

TEST_F(OneSoundPlayerTest, NoStopSkipsWhileASoundPlaysAndPlaysOnceItEnded)
{
    const auto hover = sound("hover.wav", 300);
    m_player.playNoStop(hover);
    m_clock.advance(299);
    m_player.playNoStop(hover);
    m_player.playNoStop(hover);
    EXPECT_EQ(m_output.log(), (Log{"start 300ms at 1000"}));
    m_clock.advance(1);
    m_player.playNoStop(hover);
    EXPECT_EQ(m_output.log(), (Log{"start 300ms at 1000", "start 300ms at 1300"}));
}

TEST_F(OneSoundPlayerTest, WaitLastsExactlyTheSoundsLengthAndCutsAnything)
{
    const auto music = sound("music.wav", 5000);
    const auto click = sound("click.wav", 250);
    m_player.playAsync(music);
    m_player.playAndWait(click);
    EXPECT_EQ(m_clock.waits(), (std::vector<std::int64_t>{250}));
    EXPECT_EQ(m_output.log(), (Log{"start 5000ms at 1000", "start 250ms at 1000", "stop at 1250"}));
    EXPECT_FALSE(m_player.isPlaying()) << "the cut music must not block the next no-stop sound";
    m_player.playNoStop(click);
    EXPECT_EQ(m_output.log().size(), 4u);
}

TEST_F(OneSoundPlayerTest, WaitIsCutShortWhateverLengthTheHeaderClaims)
{
    // 4000 frames at 1 Hz claim 4000 s; the device is stopped when the wait ends.
    const auto slow = m_folder.write("slow.wav", soundtest::wavFile({1, 1, 1, 8, 4000}));
    const auto exact = sound("exact.wav", std::uint32_t(OneSoundPlayer::kLongestWaitMs));
    m_player.playAndWait(slow);
    m_player.playAndWait(exact);
    EXPECT_EQ(m_clock.waits(),
              (std::vector<std::int64_t>{OneSoundPlayer::kLongestWaitMs, OneSoundPlayer::kLongestWaitMs}));
    EXPECT_EQ(m_output.log(), (Log{"start 4000000ms at 1000", "stop at 11000", "start 10000ms at 11000",
                                   "stop at 21000"}));
    EXPECT_FALSE(m_player.isPlaying());
}

TEST_F(OneSoundPlayerTest, UnplayableFilesAreSilentAndNeverWaited)
{
    const auto music = sound("music.wav", 1000);
    const auto garbage = m_folder.write("garbage.wav", "RIFF but not really");
    const std::filesystem::path cases[] = {m_folder.path() / "missing.wav", garbage, m_folder.path(), {}};
    m_player.playAsync(music);
    for (const auto& file : cases) {
        SCOPED_TRACE(file.string());
        m_player.playAsync(file);
        m_player.playNoStop(file);
        m_player.playAndWait(file);
    }
    EXPECT_EQ(m_output.log(), (Log{"start 1000ms at 1000"})) << "a bad file must not cut a good sound";
    EXPECT_TRUE(m_clock.waits().empty());
    EXPECT_TRUE(m_player.isPlaying());
}

TEST_F(OneSoundPlayerTest, WithoutADeviceNothingStartsAndNothingWaits)
{
    m_output.setHasDevice(false);
    const auto click = sound("click.wav", 250);
    m_player.playAsync(click);
    m_player.playNoStop(click);
    m_player.playAndWait(click);
    EXPECT_TRUE(m_output.log().empty());
    EXPECT_TRUE(m_clock.waits().empty());
    EXPECT_FALSE(m_player.isPlaying());
}

TEST_F(OneSoundPlayerTest, ASoundTheDeviceRefusesIsNotWaitedForNorCountedAsPlaying)
{
    const auto click = sound("click.wav", 250);
    m_output.setRefusesSounds(true);
    m_player.playAndWait(click);
    m_player.playAsync(click);
    EXPECT_TRUE(m_clock.waits().empty());
    EXPECT_FALSE(m_player.isPlaying());
}

} // namespace
} // namespace platform
