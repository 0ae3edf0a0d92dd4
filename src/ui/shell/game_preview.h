#pragma once

#include <QImage>

struct GameEntry;

// The launcher's 320 x 125 picture of a game ("KLONDIKE", "FREECELL", ...): for a game
// that can be played, a miniature of its opening table in our card artwork, always the
// same deal; for a game not built yet, its name lettered on the felt.
QImage RenderGamePreview(const GameEntry& game, qreal devicePixelRatio);

// The opening table of a playable game at its large-card layout, on a transparent
// ground, cut to the part that shows cards or marks; null for a game not built yet.
QImage RenderOpeningTable(const GameEntry& game, qreal devicePixelRatio);
