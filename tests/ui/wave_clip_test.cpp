#include "shell/wave_clip.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;

QByteArray Le16(quint16 value) {
    QByteArray bytes(2, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Le32(quint32 value) {
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Chunk(const char* id, const QByteArray& body) {
    QByteArray chunk = QByteArray(id) + Le32(quint32(body.size())) + body;
    if (body.size() % 2) chunk += '\0';
    return chunk;
}

QByteArray FormatChunk(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    const quint16 frameBytes = channels * bits / 8;
    return Chunk("fmt ", Le16(tag) + Le16(channels) + Le32(rate) + Le32(rate * frameBytes) +
                             Le16(frameBytes) + Le16(bits));
}

QByteArray Riff(const QByteArray& chunks) {
    return "RIFF" + Le32(quint32(4 + chunks.size())) + "WAVE" + chunks;
}

const QByteArray ThreeStereoFrames("\x80\x80\x90\x70\xA0\x60", 6);

TEST(ParseWave, ReadsPcmPastOtherChunksAndKeepsWholeFramesOnly) {
    // An odd-sized chunk before the format (padded), and a stray half frame at the end.
    const QByteArray file = Riff(Chunk("LIST", "abc") + FormatChunk(1, 2, 8000, 8) +
                                 Chunk("data", ThreeStereoFrames + "\x80"));
    const std::optional<TWaveClip> clip = ParseWave(file);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->Channels, 2);
    EXPECT_EQ(clip->SampleRate, 8000);
    EXPECT_EQ(clip->BitsPerSample, 8);
    EXPECT_EQ(clip->Samples, ThreeStereoFrames);
    EXPECT_EQ(clip->FrameCount(), 3);
    EXPECT_EQ(clip->Length(), 1ms);  // 3 frames at 8 kHz is 0.375 ms, never rounded down to nothing
}

TEST(ParseWave, RefusesWhatItCannotPlay) {
    const QByteArray data = Chunk("data", ThreeStereoFrames);
    const QByteArray goodFormat = FormatChunk(1, 2, 8000, 8);
    const struct {
        const char* Case;
        QByteArray File;
    } cases[] = {
        {"empty", QByteArray()},
        {"not RIFF", "RIFX" + Riff(goodFormat + data).mid(4)},
        {"not WAVE", Riff(goodFormat + data).replace("WAVE", "AVI ")},
        {"compressed samples", Riff(FormatChunk(2, 2, 8000, 8) + data)},
        {"24-bit samples", Riff(FormatChunk(1, 2, 8000, 24) + data)},
        {"no channels", Riff(FormatChunk(1, 0, 8000, 8) + data)},
        {"data before format", Riff(data + goodFormat)},
        {"no data", Riff(goodFormat)},
        {"format cut short", Riff(goodFormat).left(30)},
    };
    for (const auto& c : cases) EXPECT_FALSE(ParseWave(c.File)) << c.Case;
}

TEST(ParseWave, KeepsTheSamplesThereAreWhenTheDataSizeOverstatesThem) {
    QByteArray file = Riff(FormatChunk(1, 1, 8000, 8) + Chunk("data", "\x80\x81\x82\x83"));
    file.chop(1);
    const std::optional<TWaveClip> clip = ParseWave(file);
    ASSERT_TRUE(clip);
    EXPECT_EQ(clip->FrameCount(), 3);
}

}  // namespace
