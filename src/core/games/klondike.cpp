#include "games/klondike.h"

#include "games/rules.h"
#include "services/profile.h"

// --- constants ---

namespace {

constexpr int kColumns = 7;
constexpr float kDealingStockXOffset = 0.4f;
constexpr float kDealingStockYOffset = 0.1f;
constexpr float kStockXOffset = 1.0f;
constexpr float kStockYOffset = 0.2f;
constexpr const char* kDrawThreeKey = "DrawThree";

}  // namespace

GameConstants KlondikeGame::KlondikeConstants() { return {"Klondike", "Klondike", 5, 52, 1007, 1}; }

KlondikeGame::KlondikeGame(const GameLayout& layout, GameHost& host, std::filesystem::path settingsFile)
    : SolitaireGame(KlondikeConstants(), layout, KlondikeMenu(), host, std::move(settingsFile)),
      stock_(Group(PileRole::Stock).front()),
      waste_(Group(PileRole::Waste).front()),
      recycle_(Group(PileRole::Recycle).front()),
      foundations_(Group(PileRole::Foundation)),
      columns_(Group(PileRole::Tableau)) {}

// --- deal ---

void KlondikeGame::Deal(bool replay, bool quiet) {
    UpdateScoreAndCaption();
    recycle_->Pile.Empty(!replay);
    SetStockOffsets(kDealingStockXOffset, kDealingStockYOffset);
    if (replay) {
        ReplayDealtDeck(stock_->Pile);
        stock_->Repaint();
        Play(Sound::Restart);
    } else {
        MenuItem("DrawOne1")->Enabled = true;
        MenuItem("DrawThree1")->Enabled = true;
        BuildNewDeck(stock_->Pile, quiet);
        stock_->Repaint();
    }
    const bool animate = Animating(quiet);
    for (int row = 0; row < kColumns; ++row) {
        for (int column = row; column < kColumns; ++column) {
            const CardRef card = stock_->Pile.Top();
            stock_->Pile.RemoveCard(card);
            if (column == row) card->FaceUp = true;
            columns_[static_cast<std::size_t>(column)]->Pile.AddCard(card);
            if (animate) columns_[static_cast<std::size_t>(column)]->Repaint();
        }
        if (animate) {
            stock_->Repaint();
            Play(Sound::Deal);
        }
    }
    SetStockOffsets(kStockXOffset, kStockYOffset);
    UpdateStockState();
    FinishDeal();
}

void KlondikeGame::SetStockOffsets(float x, float y) {
    stock_->XOffset = x;
    stock_->YOffset = y;
}

// --- stock clicks ---

void KlondikeGame::StockClick() {
    // Once the stock has been turned, the draw mode of this deal is settled.
    MenuItem(drawThree_ ? "DrawOne1" : "DrawThree1")->Enabled = false;
    TCardUndo& history = Undoes();
    if (stock_->Pile.IsEmpty()) {
        MoveWasteBatchToRecycle();
        history.RecordPile(recycle_, stock_, recycle_->Pile);
        recycle_->Pile.CopyPileTo(stock_->Pile);
        stock_->Pile.Flip();
        recycle_->Pile.Empty(false);
        waste_->Repaint();
        stock_->Repaint();
        // A recycle also turns the first cards of the new pass.
    }
    TCardPile turned;
    for (int k = 1; k <= DrawCount(); ++k) {
        const CardRef card = stock_->Pile.Top();
        if (!card) break;
        if (k == 1) {
            MoveWasteBatchToRecycle();
            CountMove();
        }
        stock_->Pile.RemoveCard(card);
        card->FaceUp = true;
        waste_->Pile.AddCard(card);
        turned.AddCard(card);
        stock_->Repaint();
        waste_->Repaint();
    }
    history.RecordPile(stock_, waste_, turned);
    Play(Sound::Stock);
    RunAutoplayPass();
    UpdateStockState();
}

// The cards of the previous draw slide under the next one into the recycle pile.
void KlondikeGame::MoveWasteBatchToRecycle() {
    TCardPile moved;
    for (int k = 0; k < DrawCount() && !waste_->Pile.IsEmpty(); ++k) {
        const CardRef card = waste_->Pile.Bottom();
        waste_->Pile.RemoveCard(card);
        recycle_->Pile.AddCard(card);
        moved.AddCard(card);
    }
    Undoes().RecordPile(waste_, recycle_, moved);
}

// When the waste has been played empty, the most recent older cards come back.
void KlondikeGame::RefillWaste() {
    if (!waste_->Pile.IsEmpty() || recycle_->Pile.IsEmpty()) return;
    TCardPile moved;
    for (int k = 0; k < DrawCount() && !recycle_->Pile.IsEmpty(); ++k) {
        const CardRef card = recycle_->Pile.Top();
        recycle_->Pile.RemoveCard(card);
        waste_->Pile.InsertCard(card, 0);
        moved.InsertCard(card, 0);
    }
    waste_->Repaint();
    Undoes().RecordPile(recycle_, waste_, moved);
}

void KlondikeGame::UpdateStockState() {
    if (!stock_->Pile.IsEmpty()) {
        stock_->Hint = std::to_string(stock_->Pile.GetCardCount());
        stock_->ShowHint = true;
    } else {
        stock_->ShowHint = false;
        const bool cardsToTurnAgain = !waste_->Pile.IsEmpty() || !recycle_->Pile.IsEmpty();
        stock_->State = cardsToTurnAgain ? FS_RECYCLE : FS_BLANK;
    }
    stock_->Repaint();
}

void KlondikeGame::Click(TCardPileView& view) {
    if (&view == stock_) StockClick();
}

void KlondikeGame::KeyPress(char key) {
    if (key == ' ') StockClick();
}

// --- pick-up tests ---

bool KlondikeGame::PickUpAllowed(TCardPileView& source) {
    const CardRef picked = source.PickedCard;
    if (picked == source.Pile.Top()) return true;
    if (source.Role != PileRole::Tableau || !picked->FaceUp) return false;
    return rules::RunFrom(source.Pile, source.Pile.CardIndex(picked), rules::BuildsDownAlternating);
}

// --- drop tests ---

bool KlondikeGame::Accepts(TCardPileView& target, TCardPileView& source, const TCardPile& moving) {
    const CardRef bottom = moving.Bottom();
    if (&target == &source || !bottom) return false;
    if (target.Role == PileRole::Tableau) {
        const CardRef top = target.Pile.Top();
        return top ? rules::BuildsDownAlternating(*bottom, *top) : rules::IsKing(*bottom);
    }
    if (target.Role == PileRole::Foundation)
        return moving.GetCardCount() == 1 && rules::FitsFoundation(*bottom, target.Pile);
    return false;
}

// --- default destination ---

TCardPileView* KlondikeGame::DefaultDestination(TCardPileView& source, const TCardPile& moving) {
    for (TCardPileView* column : columns_)
        if (Accepts(*column, source, moving)) return column;
    for (TCardPileView* foundation : foundations_)
        if (Accepts(*foundation, source, moving)) return foundation;
    return nullptr;
}

// --- complete drag ---

void KlondikeGame::CompleteDrag(TCardPileView& source, TCardPileView& destination, const TCardPile& moving) {
    Undoes().RecordPile(&source, &destination, moving);
    RefillWaste();
    FlipExposedCard(source);
    CountMove();
    AfterMoveStep();
}

void KlondikeGame::FlipExposedCard(TCardPileView& pile) {
    const CardRef top = pile.Pile.Top();
    if (!top || top->FaceUp) return;
    top->FaceUp = true;
    pile.Repaint();
    // A record whose source is its own target marks a turned card for undo.
    Undoes().RecordCard(&pile, &pile, top);
}

// --- send home ---

void KlondikeGame::SendHome(TCardPileView& pile) {
    const CardRef card = pile.Pile.Top();
    if (!card) return;
    if (TCardPileView* target = rules::FoundationFor(*card, foundations_)) {
        pile.Pile.RemoveCard(card);
        target->Pile.AddCard(card);
        target->Repaint();
        pile.Repaint();
        Undoes().RecordCard(&pile, target, card);
        Play(Sound::Autoplay);
        CountMove();
        if (&pile != waste_) FlipExposedCard(pile);
    }
    AfterMoveStep();
    RefillWaste();
}

// --- autoplay candidates ---

void KlondikeGame::AutoplayPass() {
    // A win in the middle of the pass may have dealt anew from the win window; the
    // rest of this pass belongs to the finished game.
    const int deal = DealNumber();
    auto sendHomeIfItFits = [this, deal](TCardPileView& pile) {
        const CardRef top = pile.Pile.Top();
        if (DealNumber() == deal && top && rules::FoundationFor(*top, foundations_)) SendHome(pile);
    };
    for (TCardPileView* column : columns_) sendHomeIfItFits(*column);
    sendHomeIfItFits(*waste_);
    UpdateStockState();
}

// --- undo record kinds ---

// One Undo takes back a move together with the card it turned over, a draw together
// with the batch that slid under it, and a recycle or refill with the record before it.
void KlondikeGame::UndoLatest() {
    TCardUndo& history = Undoes();
    history.Peek();
    TCardPileView* source = history.LastSource;
    if (source == nullptr) return;
    if (source == history.LastTarget) {
        TakeBackTurnedCard();
        TakeBackFollowingRecord();
    } else if (source == stock_) {
        history.LastCards->Flip();
        TakeBackOneRecord();
        TakeBackFollowingRecord();
    } else if (source == recycle_) {
        for (const CardRef& card : history.LastCards->Cards) card->FaceUp = true;
        TakeBackOneRecord();
        TakeBackFollowingRecord();
    } else {
        TakeBackOneRecord();
    }
}

void KlondikeGame::TakeBackTurnedCard() {
    TCardPileView* pile = Undoes().LastSource;
    TakeBackOneRecord();
    if (const CardRef top = pile->Pile.Top()) top->FaceUp = false;
    pile->Repaint();
}

// The record taken back along with another is usually that move's own partner, but
// autoplay can slip a turned card in between (a waste card sent home, the column
// card that followed it and the card that turned up, then the waste refilled): a
// turned card is then turned back down, so that no card is left showing its face.
void KlondikeGame::TakeBackFollowingRecord() {
    Undoes().Peek();
    if (Undoes().LastSource != nullptr && Undoes().LastSource == Undoes().LastTarget) {
        TakeBackTurnedCard();
        return;
    }
    TakeBackOneRecord();
}

void KlondikeGame::OnWin() {
    stock_->State = FS_BLANK;
    stock_->Repaint();
}

// --- score and caption ---

int KlondikeGame::ComputeScore() const { return rules::CardCount(foundations_); }

// --- options ---

void KlondikeGame::ReadOptions(TProfile& profile) {
    SolitaireGame::ReadOptions(profile);
    drawThree_ = profile.ReadBoolean(kDrawThreeKey).value_or(true);
    MenuItem("DrawThree1")->Checked = drawThree_;
    MenuItem("DrawOne1")->Checked = !drawThree_;
}

void KlondikeGame::SetDrawMode(bool drawThree) {
    drawThree_ = drawThree;
    MenuItem("DrawThree1")->Checked = drawThree;
    MenuItem("DrawOne1")->Checked = !drawThree;
    Profile().WriteBoolean(kDrawThreeKey, MenuItem("DrawThree1")->Checked);
}

void KlondikeGame::GameCommand(const std::string& itemName) {
    if (itemName == "DrawThree1") SetDrawMode(true);
    if (itemName == "DrawOne1") SetDrawMode(false);
}
