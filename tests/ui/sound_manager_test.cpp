#include "shell/sound_manager.h"
#include "shell/wave_clip.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QWidget>
#include <QtEndian>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace std::chrono_literals;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// --- the clips --------------------------------------------------------------------

struct TClipFormat {
    const char* Name;
    int Channels;
    int SampleRate;
    int Millis;
};

const TClipFormat ClipFormats[] = {
    {"SHUFFLE", 1, 22050, 780}, {"DEAL", 1, 22050, 210},     {"OPEN", 2, 22050, 2170},
    {"JESTER", 1, 22050, 4930}, {"STOCK", 1, 22050, 230},    {"UNDO", 1, 11025, 90},
    {"AUTOPLAY", 1, 22254, 220}, {"RESTART", 1, 22050, 1150}, {"WIN_SND", 1, 22050, 8540},
};

// rate × seconds to the sample, an exact half rounded up
qint64 ExpectedFrames(const TClipFormat& format) {
    return (qint64{format.SampleRate} * format.Millis + 500) / 1000;
}

constexpr int PcmFormatTag = 1;
constexpr int CanonicalHeaderSize = 44;
constexpr int SilenceLevel = 128;     // the midpoint of unsigned 8-bit samples
constexpr int QuietestPeak = 16;      // below this a clip would be all but inaudible
constexpr int LoudestPeak = 112;      // above this it is harsh or clipped

class SoundClipTest : public testing::TestWithParam<TClipFormat> {};

TEST_P(SoundClipTest, HasItsChannelsRateEightBitsAndExactLength) {
    const TClipFormat& expected = GetParam();
    QFile file(QStringLiteral(":/sounds/") + expected.Name);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), CanonicalHeaderSize);
    const char* header = bytes.constData();
    const auto u16 = [header](int at) { return qFromLittleEndian<quint16>(header + at); };
    const auto u32 = [header](int at) { return qFromLittleEndian<quint32>(header + at); };

    const qint64 frames = ExpectedFrames(expected);
    EXPECT_EQ(bytes.left(4), "RIFF");
    EXPECT_EQ(bytes.mid(8, 8), "WAVEfmt ");
    EXPECT_EQ(u16(20), PcmFormatTag);
    EXPECT_EQ(u16(22), expected.Channels);
    EXPECT_EQ(u32(24), quint32(expected.SampleRate));
    EXPECT_EQ(u32(28), quint32(expected.SampleRate * expected.Channels));  // bytes per second
    EXPECT_EQ(u16(32), expected.Channels);                                  // bytes per frame
    EXPECT_EQ(u16(34), 8);
    EXPECT_EQ(bytes.mid(36, 4), "data");
    EXPECT_EQ(u32(40), quint32(frames * expected.Channels));
    EXPECT_EQ(bytes.size(), CanonicalHeaderSize + frames * expected.Channels);

    const milliseconds length{(frames * 1000 + expected.SampleRate - 1) / expected.SampleRate};
    EXPECT_EQ(TSoundManager::ClipLength(expected.Name), length);
}

TEST_P(SoundClipTest, StartsAndEndsInSilenceAtAModerateLevel) {
    const std::optional<TWaveClip> clip = LoadSoundResource(GetParam().Name);
    ASSERT_TRUE(clip);
    const QByteArray& samples = clip->Samples;
    const int channels = clip->Channels;
    for (int c = 0; c < channels; ++c) {
        EXPECT_EQ(quint8(samples[c]), SilenceLevel) << "a click at the start";
        EXPECT_EQ(quint8(samples[samples.size() - channels + c]), SilenceLevel) << "a click at the end";
    }
    int peak = 0;
    for (const char sample : samples) peak = std::max(peak, std::abs(int(quint8(sample)) - SilenceLevel));
    EXPECT_GE(peak, QuietestPeak);
    EXPECT_LE(peak, LoudestPeak);
}

INSTANTIATE_TEST_SUITE_P(EveryEffect, SoundClipTest, testing::ValuesIn(ClipFormats),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SoundClipLength, IsZeroForANameThatIsNoSound) {
    EXPECT_EQ(TSoundManager::ClipLength(QStringLiteral("NOSUCHSOUND")), 0ms);
}

// --- the sound switch and the waiting rule --------------------------------------

class SoundManagerTest : public testing::Test {
protected:
    milliseconds Timed(void (TSoundManager::*operation)()) {
        const auto start = Clock::now();
        (Sounds.*operation)();
        return std::chrono::duration_cast<milliseconds>(Clock::now() - start);
    }

    bool SoundOn = true;
    int SwitchReads = 0;
    TSoundManager Sounds{[this] {
        ++SwitchReads;
        return SoundOn;
    }};
};

TEST_F(SoundManagerTest, WithSoundOffNoOperationWaitsAndEachAsksTheSwitch) {
    // The shortest sound any operation could wait for; the whole silent run must beat it.
    const milliseconds shortestWaitedClip = TSoundManager::ClipLength(QStringLiteral("UNDO"));
    ASSERT_GT(shortestWaitedClip, 0ms);
    SoundOn = false;
    const auto start = Clock::now();
    Sounds.PlayShuffle();
    Sounds.PlayDeal();
    Sounds.PlayOpen();
    Sounds.PlayJester();
    Sounds.PlayStock();
    Sounds.PlayUndo();
    Sounds.PlayAutoplay();
    Sounds.PlayAutoplayAsync();
    Sounds.PlayRestart();
    Sounds.PlayWin();
    EXPECT_LT(Clock::now() - start, shortestWaitedClip);
    EXPECT_EQ(SwitchReads, 10);
}

struct TOperationCase {
    const char* Operation;
    void (TSoundManager::*Play)();
    const char* Clip;
    bool Waits;
};

// The long waited clips (SHUFFLE, RESTART) are left out to keep the run short.
const TOperationCase OperationCases[] = {
    {"PlayUndo", &TSoundManager::PlayUndo, "UNDO", true},
    {"PlayDeal", &TSoundManager::PlayDeal, "DEAL", true},
    {"PlayStock", &TSoundManager::PlayStock, "STOCK", true},
    {"PlayAutoplay", &TSoundManager::PlayAutoplay, "AUTOPLAY", true},
    {"PlayAutoplayAsync", &TSoundManager::PlayAutoplayAsync, "AUTOPLAY", false},
    {"PlayOpen", &TSoundManager::PlayOpen, "OPEN", false},
    {"PlayJester", &TSoundManager::PlayJester, "JESTER", false},
    {"PlayWin", &TSoundManager::PlayWin, "WIN_SND", false},
};

TEST_F(SoundManagerTest, WithSoundOnWaitingOperationsLastTheirClipAndTheOthersReturnAtOnce) {
    for (const TOperationCase& operation : OperationCases) {
        const milliseconds clip = TSoundManager::ClipLength(operation.Clip);
        ASSERT_GT(clip, 0ms) << operation.Clip;
        const milliseconds took = Timed(operation.Play);
        if (operation.Waits)
            EXPECT_GE(took, clip) << operation.Operation;
        else
            EXPECT_LT(took, clip / 2) << operation.Operation;
    }
}

TEST_F(SoundManagerTest, TurningSoundOffBetweenCallsTakesEffectAtTheNextCall) {
    const milliseconds undo = TSoundManager::ClipLength(QStringLiteral("UNDO"));
    EXPECT_GE(Timed(&TSoundManager::PlayUndo), undo);
    SoundOn = false;
    EXPECT_LT(Timed(&TSoundManager::PlayUndo), undo);
    SoundOn = true;
    EXPECT_GE(Timed(&TSoundManager::PlayUndo), undo);
    EXPECT_EQ(SwitchReads, 3);
}

TEST(SoundManagerAccessor, HoldsTheManagerItIsGiven) {
    TSoundManager sounds{[] { return false; }};
    SetSoundManager(&sounds);
    EXPECT_EQ(SoundManager(), &sounds);
    SetSoundManager(nullptr);
    EXPECT_EQ(SoundManager(), nullptr);
}

// --- input during a wait ------------------------------------------------------------

// Notes every piece of user input that reaches it, and its paints.
class TInputRecorder : public QWidget {
public:
    std::vector<QEvent::Type> Input;
    int Paints = 0;

protected:
    bool event(QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Close:
            Input.push_back(event->type());
            break;
        default:
            break;
        }
        return QWidget::event(event);
    }
    void paintEvent(QPaintEvent*) override { ++Paints; }
};

class SoundWaitInputTest : public testing::Test {
protected:
    SoundWaitInputTest() {
        Undo.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        QObject::connect(&Undo, &QAction::triggered, [this] { ++UndoTriggered; });
        Window.addAction(&Undo);
        auto* layout = new QVBoxLayout(&Window);  // owned by the window
        layout->addWidget(&Left);
        layout->addWidget(&Right);
        Window.resize(200, 200);
        Window.show();
        Window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
    }

    void SendEveryKindOfInput() {
        QTest::mouseClick(&Left, Qt::LeftButton);
        QTest::keyClick(&Left, Qt::Key_A);
        QTest::keyClick(&Left, Qt::Key_Z, Qt::ControlModifier);
        const QPointF at = QRectF(Left.rect()).center();
        QCoreApplication::postEvent(&Left, new QWheelEvent(at, Left.mapToGlobal(at), QPoint(), QPoint(0, 120),
                                                           Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                                                           false));
        Left.close();
        QCoreApplication::processEvents();
    }

    // Runs the step from inside the wait of a waited sound.
    void DuringUndoSound(const std::function<void()>& step) {
        QTimer::singleShot(0, step);
        Sounds.PlayUndo();
    }

    QWidget Window;
    TInputRecorder Left;
    TInputRecorder Right;
    QAction Undo;
    int UndoTriggered = 0;
    TSoundManager Sounds{[] { return true; }};
};

TEST_F(SoundWaitInputTest, InputSentDuringTheWaitNeverReachesAWidgetWhilePaintingGoesOn) {
    // Outside a wait the same input arrives, so the harness itself is sound.
    SendEveryKindOfInput();
    EXPECT_FALSE(Left.Input.empty());
    EXPECT_EQ(UndoTriggered, 1);
    EXPECT_FALSE(Left.isVisible());

    Left.show();
    QCoreApplication::processEvents();
    Left.Input.clear();
    UndoTriggered = 0;
    int paintsBefore = 0;
    DuringUndoSound([&] {
        paintsBefore = Left.Paints;
        Left.update();
        SendEveryKindOfInput();
    });
    const int paintsDuringWait = Left.Paints - paintsBefore;
    QCoreApplication::processEvents();

    EXPECT_TRUE(Left.Input.empty());
    EXPECT_EQ(UndoTriggered, 0);
    EXPECT_TRUE(Left.isVisible());
    EXPECT_GT(paintsDuringWait, 0);
}

TEST_F(SoundWaitInputTest, AReleaseWhosePressCameBeforeTheWaitArrivesAfterIt) {
    QWindow* window = Window.windowHandle();
    const auto centre = [window](const QWidget& widget) {
        return window->mapFromGlobal(widget.mapToGlobal(widget.rect().center()));
    };
    QTest::mousePress(window, Qt::LeftButton, {}, centre(Left));
    ASSERT_EQ(Left.Input, std::vector{QEvent::MouseButtonPress});

    DuringUndoSound([&] { QTest::mouseRelease(window, Qt::LeftButton, {}, centre(Left)); });
    EXPECT_EQ(Left.Input.size(), 1u) << "the release came during the wait";
    QCoreApplication::processEvents();
    EXPECT_EQ(Left.Input, (std::vector{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));

    // The press and release stayed paired, so the next click goes where it is aimed.
    QTest::mouseClick(window, Qt::LeftButton, {}, centre(Right));
    EXPECT_EQ(Right.Input, (std::vector{QEvent::MouseButtonPress, QEvent::MouseButtonRelease}));
    EXPECT_EQ(Left.Input.size(), 2u);
}

}  // namespace
