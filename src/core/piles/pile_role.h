#pragma once

// What a pile is for in its game; rules switch on it. The numbering of a group
// (TableauPileView1, TableauPileView2, ...) is the scan order of every search.
enum class PileRole {
    None,
    Stock,
    Waste,
    Recycle,
    Foundation,
    Tableau,
    FreeCell,
    Reserve,
};
