#include "platform/sound/QtSoundOutput.h"

#include "platform/sound/OneSoundPlayer.h"
#include "platform/sound/WavBytes.h"
#include "support/TempFolder.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <gtest/gtest.h>

namespace platform {
namespace {

// The real backend, as the launcher builds it. Build machines have no audio
// device, which is exactly the case that must stay silent and not hang: the
// backend used to report such sounds as playing forever.
TEST(QtSoundOutputTest, ReportsTheDeviceTheMediaSystemKnows)
{
    QtSoundOutput output;
    EXPECT_EQ(output.hasDevice(), !QMediaDevices::audioOutputs().isEmpty());
}

TEST(QtSoundOutputTest, PlaysOrStaysSilentWithoutHangingOrCrashing)
{
    testsupport::TempFolder folder;
    const auto click = folder.write("click.wav", soundtest::wavFile({1, 1, 8000, 16, 400})); // 50 ms
    const auto garbage = folder.write("garbage.wav", "not a sound");
    QtSoundOutput output;
    QtSoundClock clock;
    OneSoundPlayer player(output, clock);

    player.playAsync(click);
    player.playAsync(click); // cuts the first
    player.playNoStop(click);
    player.playAsync(garbage);
    player.playAndWait(click);
    player.playAndWait(folder.path() / "missing.wav");
    EXPECT_FALSE(player.isPlaying()) << "a waited sound has ended when the wait returns";
}

TEST(QtSoundOutputTest, ClockWaitsAtLeastTheTimeAsked)
{
    QtSoundClock clock;
    const std::int64_t before = clock.nowMs();
    clock.waitMs(30);
    EXPECT_GE(clock.nowMs() - before, 30);
    EXPECT_GE(clock.nowMs(), before) << "the clock must be monotonic";
}

} // namespace
} // namespace platform
