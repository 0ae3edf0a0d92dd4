#pragma once

#include "games/game_host.h"

// Connects what a game window asks of the shell (Shell()) to the launcher, the
// preferences, the sound manager, the help, the statistics, the win window and the
// table background.
void WireShellServices();

// The sound preference as it stands now; on until the preferences are read.
bool SoundPreferenceOn();
// Plays a game's sound effect through the sound manager, waiting or not as it says.
void PlayGameSound(Sound sound);
