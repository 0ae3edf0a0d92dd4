#pragma once

#include <QString>

#include <chrono>
#include <functional>

// The program's short sound effects, one operation per effect. Most of them
// hold the game still until the sound has ended (the game's own pacing, e.g.
// an animated deal waits for each "DEAL"); the long ones play on in the
// background. Every operation first asks whether sound is on; when it is not,
// nothing plays and nothing waits, so calling them is cheap.
//
// Waiting runs a local event loop for the clip's length: windows keep painting,
// user input is dropped. The wait does not depend on an audio device, so a
// machine without one keeps the same rhythm in silence.
class TSoundManager {
public:
    using TSoundSwitch = std::function<bool()>;

    // The switch is asked at every call, so turning sound off takes effect at once.
    explicit TSoundManager(TSoundSwitch soundOn);
    ~TSoundManager();
    TSoundManager(const TSoundManager&) = delete;
    TSoundManager& operator=(const TSoundManager&) = delete;

    void PlayShuffle();        // waits
    void PlayDeal();           // waits
    void PlayOpen();           // returns at once
    void PlayJester();         // returns at once
    void PlayStock();          // waits
    void PlayUndo();           // waits
    void PlayAutoplay();       // waits
    void PlayAutoplayAsync();  // returns at once
    void PlayRestart();        // waits
    void PlayWin();            // returns at once

    // Length of the named sound resource, rounded up to whole milliseconds;
    // zero for a name that is not one of the program's sounds.
    static std::chrono::milliseconds ClipLength(const QString& name);

private:
    enum class TMode { Waits, ReturnsAtOnce };
    void Play(const QString& name, TMode mode);

    TSoundSwitch SoundOn;
    // The audio output is loaded with the first sound, not at start-up: connecting to
    // the audio system must not delay the launcher's first paint.
    bool OutputStarted = false;
};

// The one sound manager of the running program, owned by the launcher; null
// before it exists and after it is gone.
TSoundManager* SoundManager();
void SetSoundManager(TSoundManager* manager);
