#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "cards/card_pile.h"
#include "services/menu_item.h"

class TCardPileView;

// The history of moves: each record says which cards went from which view to which.
// It knows no rules and no face states; the game decides how many records one Undo
// takes back and turns cards over itself.
class TCardUndo {
public:
    TCardUndo() = default;
    TCardUndo(const TCardUndo&) = delete;
    TCardUndo& operator=(const TCardUndo&) = delete;
    ~TCardUndo() = default;

    void RecordPile(TCardPileView* source, TCardPileView* target, const TCardPile& cards);
    void RecordCard(TCardPileView* source, TCardPileView* target, CardRef card);
    void Peek();
    void RestoreLast();
    void DropLast();
    void Clear();

    int RecordCount() const { return static_cast<int>(Piles.size()); }
    bool IsEmpty() const { return Piles.empty(); }

    std::vector<TCardPileView*> Sources;
    std::vector<TCardPileView*> Targets;
    std::vector<std::unique_ptr<TCardPile>> Piles;
    TCardPileView* LastSource = nullptr;
    TCardPileView* LastTarget = nullptr;
    TCardPile* LastCards = nullptr;
    TMenuItem* MenuItem = nullptr;

    // The warning beep sounded when the lists disagree in length.
    std::function<void()> Beep;

private:
    void CheckConsistency();
    void SetMenuEnabled(bool enabled);
};
