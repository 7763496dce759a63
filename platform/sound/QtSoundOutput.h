#pragma once

#include "platform/sound/SoundOutput.h"

#include <QBuffer>
#include <QByteArray>

#include <memory>

class QAudioSink;

namespace platform {

// Plays decoded samples on the default audio output through a QAudioSink.
// The device is looked up on every start, so one plugged in later is used;
// with none (build machines, virtual displays) nothing is ever started.
class QtSoundOutput final : public SoundOutput {
public:
    QtSoundOutput();
    ~QtSoundOutput() override;

    bool hasDevice() const override;
    bool start(const WavSound& sound) override;
    void stop() override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QByteArray m_samples;
    QBuffer m_buffer;
};

// Real time from a monotonic clock. The wait runs a local event loop that
// leaves user input queued, so that the window keeps painting and the audio
// backend (which is fed from this thread) keeps playing.
class QtSoundClock final : public SoundClock {
public:
    std::int64_t nowMs() const override;
    void waitMs(std::int64_t durationMs) override;
};

} // namespace platform
