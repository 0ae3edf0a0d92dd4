#pragma once

#include "games/game_window.h"

// Each game's window and its small-card twin: the same window, another table.

class TKlondikeForm : public GameWindow {
public:
    TKlondikeForm() : TKlondikeForm(CZ_LARGE) {}

protected:
    explicit TKlondikeForm(_CardSize size) : GameWindow(*FindGame("Klondike"), size) {}
};

class TsKlondikeForm : public TKlondikeForm {
public:
    TsKlondikeForm() : TKlondikeForm(CZ_SMALL) {}
};

// Makes the window of the named class ("TsKlondikeForm"); null for a game not built yet.
GameWindow* CreateGameWindow(const std::string& windowClass);
