#include "piles/card_pile_view.h"

TCardPileView::TCardPileView(std::string name, CardDimensions card)
    : Name(std::move(name)), Width(card.width), Height(card.height), card_(card) {}

PileRect TCardPileView::CardRect(int index) const {
    const int left = CardLeft(index);
    const int top = CardTop(index);
    return {left, top, left + card_.width, top + card_.height};
}

CardDimensions TCardPileView::DragImageSize() const {
    const auto lifted = static_cast<float>(DragPile.GetCardCount());
    return {static_cast<int>(lifted * XOffset + static_cast<float>(card_.width)),
            static_cast<int>(lifted * YOffset + static_cast<float>(card_.height))};
}

void TCardPileView::MouseDown(MouseButton button, int x, int y) {
    DragPermitted = false;
    Destination = nullptr;
    if (button != MouseButton::Left) return;
    PickedCard = nullptr;
    for (int i = Pile.GetCardCount() - 1; i >= 0; --i) {
        const PileRect rect = CardRect(i);
        if (rect.Contains(x, y)) {
            PickedCard = Pile.CardAt(i);
            HitRect = rect;
            GrabX = x - rect.left;
            GrabY = y - rect.top;
            return;
        }
    }
}

bool TCardPileView::Lift() {
    if (!DragPermitted || !AllowDrag || !PickedCard) return false;
    const int picked = Pile.CardIndex(PickedCard);
    if (picked < 0) return false;
    DragPile.Empty(false);
    const int count = Pile.GetCardCount();
    for (int i = picked; i < count; ++i) DragPile.AddCard(Pile.CardAt(i));
    for (int i = count - 1; i >= picked; --i) Pile.Cards.erase(Pile.Cards.begin() + i);
    return true;
}

void TCardPileView::EndDrag() {
    if (Destination == nullptr || Destination == this) {
        Destination = nullptr;
        Pile.AddPile(DragPile);
        Visible = true;
        Repaint();
        return;
    }
    if (!ManualDrop) {
        Destination->Pile.AddPile(DragPile);
        Destination->Repaint();
    }
}

void TCardPileView::Notify(RedrawKind kind) {
    if (observer_) observer_(*this, kind);
}
