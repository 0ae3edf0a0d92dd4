#include "sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <algorithm>

namespace {

// The audio server grants only part of the buffer asked for; asking twice the
// clip gets the whole clip queued at once (they are small). Otherwise the sink
// refills from timers on this thread, and a busy or blocked thread would make
// the sound stutter.
constexpr qsizetype BufferPerClipByte = 2;

QAudioFormat FormatOf(const TClipFormat& clip) {
    QAudioFormat format;
    format.setSampleRate(clip.SampleRate);
    format.setChannelCount(clip.Channels);
    format.setSampleFormat(clip.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return format;
}

}  // namespace

struct TSoundOutput::TVoice {
    TVoice(const QAudioDevice& device, const QAudioFormat& format)
        : Device(device), Format(format), Sink(std::make_unique<QAudioSink>(device, format)) {}

    ~TVoice() {
        // A stopped sink ignores feed requests still queued for it while it is destroyed.
        Sink->stop();
    }

    const QAudioDevice Device;
    const QAudioFormat Format;
    TOverlap Overlap = TOverlap::Replaceable;
    QBuffer Source;
    // Declared after its source so that it goes first and never reads a freed buffer.
    std::unique_ptr<QAudioSink> Sink;
};

TSoundOutput::TSoundOutput() = default;
TSoundOutput::~TSoundOutput() = default;

void TSoundOutput::Play(const QByteArray& samples, const TClipFormat& clip, TOverlap overlap) {
    // A background sound still playing is replaced by the new one. A sound the
    // program waited out may still have some milliseconds queued in the audio
    // server (a sink reports idle once it has handed its data over, not once it
    // has been heard); the latest such one is let finish, so quick repeats (undo
    // after undo, a paced deal) are not clipped.
    const TVoice* draining = Latest && Latest->Overlap == TOverlap::WaitedOut ? Latest : nullptr;
    for (const auto& voice : Voices)
        if (voice.get() != draining) voice->Sink->stop();
    Latest = nullptr;

    // Asked every time, so a headset plugged in mid-game is used from the next sound on.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    const QAudioFormat format = FormatOf(clip);
    if (device.isNull() || !device.isFormatSupported(format)) return;

    const auto reusable = std::find_if(Voices.begin(), Voices.end(), [&](const auto& voice) {
        return voice.get() != draining && voice->Device == device && voice->Format == format;
    });
    TVoice& voice = reusable != Voices.end() ? **reusable
                                             : *Voices.emplace_back(std::make_unique<TVoice>(device, format));
    voice.Overlap = overlap;
    voice.Source.close();
    voice.Source.setData(samples);
    voice.Source.open(QIODevice::ReadOnly);
    voice.Sink->setBufferSize(samples.size() * BufferPerClipByte);
    voice.Sink->start(&voice.Source);
    Latest = &voice;
}
