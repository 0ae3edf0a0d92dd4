#include "games/protocol.h"

#include "cards/shuffle.h"
#include "services/profile.h"
#include "services/statistics.h"
#include "services/day_number.h"

void SolitaireGame::NewGame() { StartOver(false); }

void SolitaireGame::Restart() { StartOver(true); }

// New Game and Restart ask only once more moves than the limit were made; the close
// query asks from the limit on. At exactly the limit a New Game neither asks nor records.
void SolitaireGame::StartOver(bool replay) {
    if (moveCount_ > constants_.confirmationLimit && !Won()) {
        if (replay) {
            if (!host_.Confirm("Restart this game of " + constants_.gameName + "?")) return;
        } else if (!CloseQuery()) {
            return;
        }
    }
    EmptyPlayingPiles();
    Deal(replay, false);
}

bool SolitaireGame::CloseQuery() {
    if (moveCount_ < constants_.confirmationLimit || Won()) {
        host_.SetCloseAllowed(true);
        return true;
    }
    if (host_.Confirm("Quit this game of " + constants_.gameName + "?")) {
        host_.SetCloseAllowed(true);
        RecordGame();
        return true;
    }
    host_.SetCloseAllowed(false);
    return false;
}

void SolitaireGame::Close() {
    lifecycle_ = Lifecycle::Closing;
    dragSource_ = nullptr;
    history_.Clear();
    for (const auto& view : views_) {
        view->Pile.Empty(true);
        view->DragPile.Empty(false);
        view->PickedCard = nullptr;
        view->Destination = nullptr;
    }
    dealtDeck_.Empty(false);
}

void SolitaireGame::EmptyPlayingPiles() {
    for (const auto& view : views_) {
        view->Pile.Empty(true);
        view->DragPile.Empty(false);
        view->PickedCard = nullptr;
        view->Repaint();
    }
}

void SolitaireGame::BuildNewDeck(TCardPile& into, bool quiet) {
    for (int deck = 0; deck < constants_.decks; ++deck) into.AddDeck();
    shuffle::SeedForNewDeal();
    into.Shuffle();
    dealtDeck_.Empty(false);
    into.CopyPileTo(dealtDeck_);
    if (!quiet) Play(Sound::Shuffle);
}

void SolitaireGame::ReplayDealtDeck(TCardPile& into) {
    dealtDeck_.CopyPileTo(into);
    for (const CardRef& card : into.Cards) card->FaceUp = false;
}

bool SolitaireGame::Animating(bool quiet) const { return !quiet && host_.DealAnimationOn(); }

void SolitaireGame::FinishDeal() {
    for (const auto& view : views_) view->Repaint();
    moveCount_ = 0;
    history_.Clear();
    lifecycle_ = Lifecycle::Untouched;
    ++dealNumber_;
}

void SolitaireGame::RecordGame() {
    TProfile profile = Profile();
    UpdateStatistics(profile, GameRecord{moveCount_, constants_.confirmationLimit, Won(), score_},
                     LocalNowDayNumber());
}
