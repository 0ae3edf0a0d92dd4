#include "games/protocol.h"

void SolitaireGame::CountMove() {
    ++moveCount_;
    if (lifecycle_ == Lifecycle::Untouched) lifecycle_ = Lifecycle::InPlay;
}

// Each send home runs this step, and the step runs the autoplay pass again, so
// autoplay carries on until nothing more fits.
void SolitaireGame::AfterMoveStep() {
    UpdateScoreAndCaption();
    if (score_ == constants_.winningScore) {
        Win();
        if (AutoplayAfterWin()) RunAutoplayPass();
        return;
    }
    RunAutoplayPass();
}

void SolitaireGame::RunAutoplayPass() {
    if (autoplay_) AutoplayPass();
}

void SolitaireGame::Win() {
    lifecycle_ = Lifecycle::Won;
    if (history_.MenuItem) history_.MenuItem->Enabled = false;
    OnWin();
    RecordGame();
    switch (host_.ShowWinWindow()) {
    case WIN_NEW_GAME:
        NewGame();
        break;
    case WIN_STATISTICS:
        host_.ShowStatistics();
        break;
    default:
        break;
    }
}

void SolitaireGame::Undo() {
    if (history_.IsEmpty()) return;
    UndoLatest();
    --moveCount_;
    Play(Sound::Undo);
    AfterUndo();
    UpdateScoreAndCaption();
}

void SolitaireGame::TakeBackOneRecord() {
    history_.Peek();
    history_.RestoreLast();
    if (history_.LastSource) history_.LastSource->Repaint();
    if (history_.LastTarget) history_.LastTarget->Repaint();
    history_.DropLast();
}
