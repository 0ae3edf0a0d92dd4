#include "games/protocol.h"

void SolitaireGame::MouseDown(TCardPileView& view, MouseButton button, Modifiers modifiers, int x, int y) {
    view.MouseDown(button, x, y);
    OnViewMouseDown(view, button, modifiers);
}

// Views the player can lift cards from run the pick-up test; Shift or Ctrl sends the
// top card home instead. Every other view behaves like the bare table.
void SolitaireGame::OnViewMouseDown(TCardPileView& view, MouseButton button, Modifiers modifiers) {
    if (!view.AllowDrag) {
        TableMouseDown(button);
        return;
    }
    if (button == MouseButton::Middle) {
        MiddleButton(&view);
        return;
    }
    if (button != MouseButton::Left) return;
    if (modifiers.shift || modifiers.ctrl) {
        SendHome(view);
        return;
    }
    view.DragPermitted = view.PickedCard != nullptr && PickUpAllowed(view);
}

void SolitaireGame::TableMouseDown(MouseButton button) {
    if (button == MouseButton::Middle) MiddleButton(nullptr);
}

void SolitaireGame::KeyPress(char) {}

void SolitaireGame::Click(TCardPileView&) {}

void SolitaireGame::DoubleClick(TCardPileView& view) {
    if (view.AllowDrag) SendHome(view);
}

bool SolitaireGame::StartDrag(TCardPileView& view) {
    if (dragSource_ != nullptr || !view.Lift()) return false;
    dragSource_ = &view;
    view.Destination = DefaultDestination(view, view.DragPile);
    view.Repaint();
    return true;
}

bool SolitaireGame::HasDropTest(const TCardPileView& view) const {
    return view.Role == PileRole::Tableau || view.Role == PileRole::Foundation || view.Role == PileRole::FreeCell;
}

// A pile that accepts becomes the destination; one that refuses leaves it as it was,
// so the destination is the last accepting pile passed over.
bool SolitaireGame::DragOver(TCardPileView* view) {
    if (dragSource_ == nullptr) return false;
    if (view != nullptr && view != dragSource_ && HasDropTest(*view) &&
        Accepts(*view, *dragSource_, dragSource_->DragPile))
        dragSource_->Destination = view;
    return dragSource_->Destination != nullptr;
}

void SolitaireGame::Drop() {
    TCardPileView* source = dragSource_;
    if (source == nullptr) return;
    dragSource_ = nullptr;
    source->EndDrag();
    if (source->Destination != nullptr) CompleteDrag(*source, *source->Destination, source->DragPile);
}
