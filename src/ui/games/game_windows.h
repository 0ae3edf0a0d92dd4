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

class TFreeCellForm : public GameWindow {
public:
    TFreeCellForm() : TFreeCellForm(CZ_LARGE) {}

protected:
    explicit TFreeCellForm(_CardSize size) : GameWindow(*FindGame("Free Cell"), size) {}
};

class TsFreeCellForm : public TFreeCellForm {
public:
    TsFreeCellForm() : TFreeCellForm(CZ_SMALL) {}
};

class TSeaHavenForm : public GameWindow {
public:
    TSeaHavenForm() : TSeaHavenForm(CZ_LARGE) {}

protected:
    explicit TSeaHavenForm(_CardSize size) : GameWindow(*FindGame("Sea Towers"), size) {}
};

class TsSeaHavenForm : public TSeaHavenForm {
public:
    TsSeaHavenForm() : TSeaHavenForm(CZ_SMALL) {}
};

// Makes the window of the named class ("TsKlondikeForm"); null for a game not built yet.
GameWindow* CreateGameWindow(const std::string& windowClass);
