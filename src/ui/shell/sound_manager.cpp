#include "shell/sound_manager.h"

#include "shell/input_blocker.h"
#include "shell/wave_clip.h"

#include <QEventLoop>

#include "platform/module_loader.h"
#include <QTimer>

namespace {

const QString ShuffleClip = QStringLiteral("SHUFFLE");
const QString DealClip = QStringLiteral("DEAL");
const QString OpenClip = QStringLiteral("OPEN");
const QString JesterClip = QStringLiteral("JESTER");
const QString StockClip = QStringLiteral("STOCK");
const QString UndoClip = QStringLiteral("UNDO");
const QString AutoplayClip = QStringLiteral("AUTOPLAY");
const QString RestartClip = QStringLiteral("RESTART");
const QString WinClip = QStringLiteral("WIN_SND");

TSoundManager* CurrentSoundManager = nullptr;

constexpr const char* kAudioModule = "tablewise_audio";
using PlaySoundEntry = void (*)(const char* samples, long long size, int channels, int sampleRate, int bitsPerSample,
                                int waitedOut);
using ReleaseSoundEntry = void (*)();

// Without the audio module the program plays in silence, keeping the same waits.
void PlayThroughModule(const TWaveClip& clip, bool waitedOut) {
    static const auto play = reinterpret_cast<PlaySoundEntry>(ResolveModuleSymbol(kAudioModule, "tablewise_play_sound"));
    if (play)
        play(clip.Samples.constData(), clip.Samples.size(), clip.Channels, clip.SampleRate, clip.BitsPerSample,
             waitedOut ? 1 : 0);
}

// Holds the thread for the given time while painting and timers carry on.
void WaitWithoutInput(std::chrono::milliseconds length) {
    if (length <= std::chrono::milliseconds{0}) return;
    const TInputBlocker blocker;
    QEventLoop loop;
    // A coarse timer may fire up to 5% early; the game must not move on before the sound ends.
    QTimer::singleShot(length, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

TSoundManager::TSoundManager(TSoundSwitch soundOn) : SoundOn(std::move(soundOn)) {}

TSoundManager::~TSoundManager() {
    if (!OutputStarted) return;
    if (const auto release = reinterpret_cast<ReleaseSoundEntry>(
            ResolveModuleSymbol(kAudioModule, "tablewise_release_sound")))
        release();
}

void TSoundManager::PlayShuffle() { Play(ShuffleClip, TMode::Waits); }
void TSoundManager::PlayDeal() { Play(DealClip, TMode::Waits); }
void TSoundManager::PlayOpen() { Play(OpenClip, TMode::ReturnsAtOnce); }
void TSoundManager::PlayJester() { Play(JesterClip, TMode::ReturnsAtOnce); }
void TSoundManager::PlayStock() { Play(StockClip, TMode::Waits); }
void TSoundManager::PlayUndo() { Play(UndoClip, TMode::Waits); }
void TSoundManager::PlayAutoplay() { Play(AutoplayClip, TMode::Waits); }
void TSoundManager::PlayAutoplayAsync() { Play(AutoplayClip, TMode::ReturnsAtOnce); }
void TSoundManager::PlayRestart() { Play(RestartClip, TMode::Waits); }
void TSoundManager::PlayWin() { Play(WinClip, TMode::ReturnsAtOnce); }

std::chrono::milliseconds TSoundManager::ClipLength(const QString& name) {
    const std::optional<TWaveClip> clip = LoadSoundResource(name);
    return clip ? clip->Length() : std::chrono::milliseconds{0};
}

void TSoundManager::Play(const QString& name, TMode mode) {
    if (!SoundOn || !SoundOn()) return;
    const std::optional<TWaveClip> clip = LoadSoundResource(name);
    if (!clip) return;

    OutputStarted = true;
    PlayThroughModule(*clip, mode == TMode::Waits);
    if (mode == TMode::Waits) WaitWithoutInput(clip->Length());
}

TSoundManager* SoundManager() { return CurrentSoundManager; }

void SetSoundManager(TSoundManager* manager) { CurrentSoundManager = manager; }
