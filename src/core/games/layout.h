#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "cards/card_size.h"
#include "piles/card_pile_view.h"
#include "services/menu_item.h"

// One group of pile views on the table, transcribed from the window's layout: the
// i-th view of the row (from 0) is numbered firstNumber + i and stands at
// left + leftStep × i, top + topStep × i.
struct ViewRow {
    std::string name;  // "TableauPileView": numbered when count > 1 or numbered is set
    PileRole role;
    int count;
    int left, leftStep;
    int top, topStep;
    int width, height;
    float xOffset = 0.0f;
    float yOffset = 0.0f;
    bool bordered = false;
    bool allowDrag = false;
    bool hidden = false;
    _PileBitmap state = FS_BLANK;
    std::optional<std::uint32_t> color = std::nullopt;  // 0x00BBGGRR; else the table's
    bool numbered = true;
    // A group split across the table (foundations at both ends of a row) continues
    // its numbering in a second row.
    int firstNumber = 1;
};

// One window's table: the same game in large or small cards.
struct GameLayout {
    _CardSize cardSize;
    int clientWidth, clientHeight;
    std::string placementSection;
    std::vector<ViewRow> rows;
    // On resize every tableau view reaches down to the client height minus this.
    int tableauHeightMargin;
    // Games that hold their width fixed let the player change only the height.
    bool fixedWidth = false;
    int minimumHeight = 0;
    std::string initialCaption = {};
};

// The popup menu as data, in display order.
using MenuTable = std::vector<TMenuItem>;

// The name of view n of a row: "TableauPileView3", or the plain name of a single view.
std::string ViewName(const ViewRow& row, int number);
