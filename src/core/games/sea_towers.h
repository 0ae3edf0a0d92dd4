#pragma once

#include "games/freecell.h"

// Sea Towers is FreeCell with ten columns of five and the last two cards in free
// cells, runs built down in suit, and only Kings to fill an empty column.
FreeCellRules SeaTowersGameRules();

const GameLayout& SeaTowersLargeLayout();
const GameLayout& SeaTowersSmallLayout();
