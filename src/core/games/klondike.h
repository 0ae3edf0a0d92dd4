#pragma once

#include "games/protocol.h"

// Klondike: seven columns, four foundations built up by suit, and a stock turned onto
// the waste one or three cards at a time with unlimited redeals.
class KlondikeGame : public SolitaireGame {
public:
    KlondikeGame(const GameLayout& layout, GameHost& host, std::filesystem::path settingsFile);

    static GameConstants KlondikeConstants();

    void StockClick();
    void SetDrawMode(bool drawThree);
    bool DrawThree() const { return drawThree_; }

    void Click(TCardPileView& view) override;
    void KeyPress(char key) override;

    TCardPileView& StockView() const { return *stock_; }
    TCardPileView& WasteView() const { return *waste_; }
    TCardPileView& RecycleView() const { return *recycle_; }
    const std::vector<TCardPileView*>& Foundations() const { return foundations_; }
    const std::vector<TCardPileView*>& Columns() const { return columns_; }

protected:
    void Deal(bool replay, bool quiet) override;
    bool PickUpAllowed(TCardPileView& source) override;
    bool Accepts(TCardPileView& target, TCardPileView& source, const TCardPile& moving) override;
    TCardPileView* DefaultDestination(TCardPileView& source, const TCardPile& moving) override;
    void CompleteDrag(TCardPileView& source, TCardPileView& destination, const TCardPile& moving) override;
    void SendHome(TCardPileView& pile) override;
    void AutoplayPass() override;
    void UndoLatest() override;
    void AfterUndo() override { UpdateStockState(); }
    void OnWin() override;
    int ComputeScore() const override;
    void ReadOptions(TProfile& profile) override;
    void GameCommand(const std::string& itemName) override;
    void MiddleButton(TCardPileView*) override { StockClick(); }

private:
    int DrawCount() const { return drawThree_ ? 3 : 1; }
    void MoveWasteBatchToRecycle();
    void RefillWaste();
    void FlipExposedCard(TCardPileView& pile);
    void UpdateStockState();
    void TakeBackTurnedCard();
    void TakeBackFollowingRecord();
    void SetStockOffsets(float x, float y);

    TCardPileView* stock_;
    TCardPileView* waste_;
    TCardPileView* recycle_;
    std::vector<TCardPileView*> foundations_;
    std::vector<TCardPileView*> columns_;
    bool drawThree_ = true;
};

// The two tables of the Klondike window and its popup menu.
const GameLayout& KlondikeLargeLayout();
const GameLayout& KlondikeSmallLayout();
MenuTable KlondikeMenu();
