#pragma once

#include <string>

// The sound effects a game asks for; the host decides whether they wait.
enum class Sound { Shuffle, Deal, Stock, Undo, Autoplay, AutoplayAsync, Restart };

// The answers of the win window.
enum WinAnswer : int { WIN_OK = 1, WIN_NEW_GAME = 6, WIN_STATISTICS = 7 };

// Everything a game needs from outside its rules: questions, side windows, sounds,
// the caption and the launcher. The Qt window implements it; tests use a fake.
class GameHost {
public:
    virtual ~GameHost() = default;

    // A confirmation box with OK and Cancel; true for OK.
    virtual bool Confirm(const std::string& text) = 0;
    // The win window, shown modally; answers WIN_OK, WIN_NEW_GAME or WIN_STATISTICS.
    virtual int ShowWinWindow() = 0;
    virtual void ShowStatistics() = 0;
    virtual void ShowPreferences() = 0;
    virtual void ShowHelp(int topic) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    virtual void Play(Sound sound) = 0;
    virtual bool DealAnimationOn() const = 0;
    // Tells the launcher whether the latest close query let the window go.
    virtual void SetCloseAllowed(bool allowed) = 0;
};
