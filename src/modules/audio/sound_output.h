#pragma once

#include <QByteArray>
#include <memory>
#include <vector>

// The PCM layout of one clip.
struct TClipFormat {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
};

// The audio device end of the sound effects. Creating one touches no audio
// system; the first Play connects to it. Without an output device every Play is
// silently nothing.
class TSoundOutput {
public:
    enum class TOverlap {
        Replaceable,  // plays on in the background; the next sound cuts it off
        WaitedOut,    // the caller waits for its length; only the device's queued tail is left
    };

    TSoundOutput();
    ~TSoundOutput();
    TSoundOutput(const TSoundOutput&) = delete;
    TSoundOutput& operator=(const TSoundOutput&) = delete;

    void Play(const QByteArray& samples, const TClipFormat& format, TOverlap overlap);

private:
    struct TVoice;

    // Sinks are kept and restarted rather than destroyed after each sound: Qt
    // 6.4's PulseAudio sink runs a nested event loop in its destructor and can
    // abort there on a feed request still queued for its closed stream.
    std::vector<std::unique_ptr<TVoice>> Voices;
    TVoice* Latest = nullptr;
};
