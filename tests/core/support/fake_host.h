#pragma once

#include <deque>
#include <string>
#include <vector>

#include "games/game_host.h"

// Answers a game's questions from a script and remembers everything it was asked.
class FakeHost : public GameHost {
public:
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        if (confirmAnswers.empty()) return true;
        const bool answer = confirmAnswers.front();
        confirmAnswers.pop_front();
        return answer;
    }
    int ShowWinWindow() override {
        ++winWindows;
        return winAnswer;
    }
    void ShowStatistics() override { ++statisticsShown; }
    void ShowPreferences() override { ++preferencesShown; }
    void ShowHelp(int topic) override { helpTopics.push_back(topic); }
    void SetCaption(const std::string& text) override { caption = text; }
    void Play(Sound sound) override { sounds.push_back(sound); }
    bool DealAnimationOn() const override { return animation; }
    void SetCloseAllowed(bool allowed) override { closeAllowed = allowed; }

    int Count(Sound sound) const {
        int n = 0;
        for (Sound s : sounds) n += s == sound;
        return n;
    }

    std::deque<bool> confirmAnswers;
    std::vector<std::string> questions;
    int winAnswer = WIN_OK;
    int winWindows = 0;
    int statisticsShown = 0;
    int preferencesShown = 0;
    std::vector<int> helpTopics;
    std::string caption;
    std::vector<Sound> sounds;
    bool animation = false;
    bool closeAllowed = false;
};
