#include "services/card_undo.h"

#include "piles/card_pile_view.h"

void TCardUndo::RecordPile(TCardPileView* source, TCardPileView* target, const TCardPile& cards) {
    auto record = std::make_unique<TCardPile>();
    cards.CopyPileTo(*record);
    Sources.push_back(source);
    Targets.push_back(target);
    Piles.push_back(std::move(record));
    SetMenuEnabled(true);
    CheckConsistency();
}

void TCardUndo::RecordCard(TCardPileView* source, TCardPileView* target, CardRef card) {
    TCardPile single;
    single.AddCard(std::move(card));
    RecordPile(source, target, single);
}

void TCardUndo::Peek() {
    if (Piles.empty()) {
        LastSource = nullptr;
        LastTarget = nullptr;
        LastCards = nullptr;
        return;
    }
    LastSource = Sources.back();
    LastTarget = Targets.back();
    LastCards = Piles.back().get();
}

void TCardUndo::RestoreLast() {
    CheckConsistency();
    if (Piles.empty() || Sources.empty() || Targets.empty()) {
        LastSource = nullptr;
        LastTarget = nullptr;
        LastCards = nullptr;
        SetMenuEnabled(false);
        return;
    }
    Peek();
    for (const CardRef& card : LastCards->Cards) {
        LastTarget->Pile.RemoveCard(card);
        LastSource->Pile.AddCard(card);
    }
    Sources.pop_back();
    Targets.pop_back();
}

void TCardUndo::DropLast() {
    if (!Piles.empty()) {
        Piles.pop_back();
        LastCards = nullptr;
    }
    if (Piles.empty()) SetMenuEnabled(false);
}

void TCardUndo::Clear() {
    while (!Piles.empty()) {
        Piles.back()->Empty(false);
        Piles.pop_back();
    }
    Sources.clear();
    Targets.clear();
    LastSource = nullptr;
    LastTarget = nullptr;
    LastCards = nullptr;
    SetMenuEnabled(false);
}

void TCardUndo::CheckConsistency() {
    if (Sources.size() != Piles.size() && Beep) Beep();
}

void TCardUndo::SetMenuEnabled(bool enabled) {
    if (MenuItem) MenuItem->Enabled = enabled;
}
