// The audio output as a module: Qt Multimedia and the sound server's libraries are
// loaded with it the first time a sound plays, not when the program starts.
#include <memory>

#include "sound_output.h"

namespace {

std::unique_ptr<TSoundOutput>& Output() {
    static std::unique_ptr<TSoundOutput> output;
    return output;
}

}  // namespace

extern "C" {

// Plays interleaved PCM frames; `waitedOut` marks a sound the caller waits for.
Q_DECL_EXPORT void tablewise_play_sound(const char* samples, long long size, int channels, int sampleRate,
                                        int bitsPerSample, int waitedOut) {
    if (!Output()) Output() = std::make_unique<TSoundOutput>();
    Output()->Play(QByteArray(samples, static_cast<qsizetype>(size)), {channels, sampleRate, bitsPerSample},
                   waitedOut ? TSoundOutput::TOverlap::WaitedOut : TSoundOutput::TOverlap::Replaceable);
}

// Stops every sound and lets the audio system go, while the application still exists.
Q_DECL_EXPORT void tablewise_release_sound() { Output().reset(); }

}
