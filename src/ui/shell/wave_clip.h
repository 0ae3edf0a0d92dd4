#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// One PCM WAVE clip, decoded far enough to hand its samples to an audio sink.
struct TWaveClip {
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;  // 8 (unsigned) or 16 (signed)
    QByteArray Samples;     // interleaved frames, whole frames only

    qint64 FrameCount() const;
    // Rounded up to the next millisecond, so a wait of this length never cuts the clip short.
    std::chrono::milliseconds Length() const;
};

// Reads a RIFF WAVE file holding uncompressed PCM; anything else, or a file cut
// short before its format and data, gives nothing.
std::optional<TWaveClip> ParseWave(const QByteArray& file);

// The program's sound resource of that name ("UNDO", "WIN_SND", ...).
std::optional<TWaveClip> LoadSoundResource(const QString& name);
