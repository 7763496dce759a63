#include "platform/sound/QtSoundOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>

#include <chrono>
#include <thread>

namespace platform {

namespace {

QAudioFormat::SampleFormat qtSampleFormat(SampleFormat format)
{
    switch (format) {
    case SampleFormat::UInt8:
        return QAudioFormat::UInt8;
    case SampleFormat::Int16:
        return QAudioFormat::Int16;
    case SampleFormat::Int32:
        return QAudioFormat::Int32;
    case SampleFormat::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

} // namespace

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput()
{
    stop();
}

bool QtSoundOutput::hasDevice() const
{
    // The media backend needs an application object; without one there is
    // nothing to play through.
    if (!QCoreApplication::instance())
        return false;
    return !QMediaDevices::audioOutputs().isEmpty() && !QMediaDevices::defaultAudioOutput().isNull();
}

bool QtSoundOutput::start(const WavSound& sound)
{
    stop();
    if (!hasDevice())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(sound.sampleRate);
    format.setChannelCount(sound.channels);
    format.setSampleFormat(qtSampleFormat(sound.format));
    if (!device.isFormatSupported(format))
        return false;

    m_samples = QByteArray(reinterpret_cast<const char*>(sound.samples.data()),
                           static_cast<qsizetype>(sound.samples.size()));
    m_buffer.setData(m_samples);
    if (!m_buffer.open(QIODevice::ReadOnly))
        return false;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(&m_buffer);
    return m_sink->error() == QAudio::NoError;
}

void QtSoundOutput::stop()
{
    if (m_sink) {
        m_sink->stop();
        m_sink.reset();
    }
    if (m_buffer.isOpen())
        m_buffer.close();
}

std::int64_t QtSoundClock::nowMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void QtSoundClock::waitMs(std::int64_t durationMs)
{
    if (durationMs <= 0)
        return;
    if (!QCoreApplication::instance()) {
        std::this_thread::sleep_for(std::chrono::milliseconds(durationMs));
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(std::chrono::milliseconds(durationMs), &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
