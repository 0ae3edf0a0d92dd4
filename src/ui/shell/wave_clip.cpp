#include "shell/wave_clip.h"

#include <QResource>
#include <QtEndian>

namespace {

constexpr quint16 PcmFormatTag = 1;
constexpr qsizetype ChunkHeaderSize = 8;      // four-letter id, then a 32-bit size
constexpr qsizetype RiffPreambleSize = 12;    // "RIFF", size, "WAVE"
constexpr qsizetype PcmFormatChunkSize = 16;
const QString SoundResourceFolder = QStringLiteral(":/sounds/");

quint16 ReadU16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 ReadU32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool HasId(const QByteArray& bytes, qsizetype at, const char (&id)[5]) {
    return bytes.mid(at, 4) == QByteArrayView(id, 4);
}

int BytesPerFrame(const TWaveClip& clip) {
    return clip.Channels * clip.BitsPerSample / 8;
}

}  // namespace

qint64 TWaveClip::FrameCount() const {
    const int frameBytes = BytesPerFrame(*this);
    return frameBytes > 0 ? Samples.size() / frameBytes : 0;
}

std::chrono::milliseconds TWaveClip::Length() const {
    if (SampleRate <= 0) return std::chrono::milliseconds{0};
    return std::chrono::milliseconds{(FrameCount() * 1000 + SampleRate - 1) / SampleRate};
}

std::optional<TWaveClip> ParseWave(const QByteArray& file) {
    if (file.size() < RiffPreambleSize || !HasId(file, 0, "RIFF") || !HasId(file, 8, "WAVE"))
        return std::nullopt;

    TWaveClip clip;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = RiffPreambleSize;
    while (at + ChunkHeaderSize <= file.size() && !haveData) {
        const qsizetype size = ReadU32(file, at + 4);
        const qsizetype body = at + ChunkHeaderSize;
        if (HasId(file, at, "fmt ")) {
            if (size < PcmFormatChunkSize || body + PcmFormatChunkSize > file.size()) return std::nullopt;
            if (ReadU16(file, body) != PcmFormatTag) return std::nullopt;
            clip.Channels = ReadU16(file, body + 2);
            clip.SampleRate = static_cast<int>(ReadU32(file, body + 4));
            clip.BitsPerSample = ReadU16(file, body + 14);
            haveFormat = true;
        } else if (HasId(file, at, "data")) {
            if (!haveFormat) return std::nullopt;
            // A writer that died mid-file leaves a size larger than what follows: keep what is there.
            clip.Samples = file.mid(body, std::min(size, file.size() - body));
            haveData = true;
        }
        at = body + size + (size & 1);  // chunks are padded to an even length
    }

    const bool usable = haveData && clip.Channels > 0 && clip.SampleRate > 0 &&
                        (clip.BitsPerSample == 8 || clip.BitsPerSample == 16);
    if (!usable) return std::nullopt;
    clip.Samples.truncate(clip.FrameCount() * BytesPerFrame(clip));
    return clip;
}

std::optional<TWaveClip> LoadSoundResource(const QString& name) {
    const QResource resource(SoundResourceFolder + name);
    if (!resource.isValid()) return std::nullopt;
    return ParseWave(resource.uncompressedData());
}
