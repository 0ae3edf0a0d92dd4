// The launcher's game selection: the display checks, closing the open game and
// opening the chosen one.
#include <QLabel>
#include <QListWidget>

#include "cards/card_imagery.h"
#include "games/game_window.h"
#include "games/registry.h"
#include "shell/display_check.h"
#include "shell/display_probe.h"
#include "shell/game_preview.h"
#include "shell/preferences_dialog.h"
#include "shell/solitaire_form.h"
#include "shell/sys_requirements_form.h"

namespace {

constexpr int kSvgaWidth = 800;
constexpr int kXgaWidth = 1024;
constexpr int kSmallCardsPreference = 0;
constexpr int kLargeCardsPreference = 1;

// A window that was closed lingers until its deferred release; it no longer counts.
GameWindow* OpenWindow(const std::string& windowClass) {
    GameWindow* window = WindowReference(windowClass).data();
    return window != nullptr && !window->isHidden() ? window : nullptr;
}

int CardSizePreference() {
    const TPreferencesDlg* preferences = PreferencesDlg();
    return preferences != nullptr ? preferences->CardSize : kLargeCardsPreference;
}

}  // namespace

void TSolitaireForm::GameSelectListBoxClick() {
    const int index = gameSelectListBox_->currentRow();
    const auto& games = GameRegistry();
    if (index < 0 || index >= static_cast<int>(games.size())) return;
    if (DesktopDisplay().colorDepth() <= kPaletteDepth) {
        if (TSysRequirementsForm* dialog = SysRequirementsForm())
            dialog->ShowMessage(QString::fromLatin1(kColorDepthMessage), false);
        return;
    }
    const int width = DesktopDisplay().desktopWidth();
    ScreenUnder800 = width < kSvgaWidth;
    ScreenUnder1024 = width < kXgaWidth;

    const GameEntry& game = games[static_cast<std::size_t>(index)];
    const int cardSize = CardSizePreference();
    // The same game already open at this card size stays as it is.
    if (cardSize == kLargeCardsPreference && !OpenWindow(game.largeWindowClass)) {
        OpenSelectedGame(game, CZ_LARGE);
    } else if (cardSize == kSmallCardsPreference && !OpenWindow(game.smallWindowClass)) {
        OpenSelectedGame(game, CZ_SMALL);
    }
    LastListIndex = gameSelectListBox_->currentRow();
}

void TSolitaireForm::OpenSelectedGame(const GameEntry& game, _CardSize size) {
    CloseGameWindows();
    if (!CloseAllowed) {
        gameSelectListBox_->setCurrentRow(LastListIndex);
        return;
    }
    startPanel_->hide();
    ShowPreview(game);
    const DisplayShortfall shortfall = CheckDesktop(game, size, ScreenUnder800, ScreenUnder1024);
    if (shortfall != DISPLAY_FITS) {
        ShowDisplayRequirement(shortfall);
        return;
    }
    if (!game.Playable()) return;
    CardImagery::SetCardSize(size);
    if (TPreferencesDlg* preferences = PreferencesDlg()) preferences->RefreshCustomBack();
    OpenGameWindow(game, size);
}

void TSolitaireForm::CloseGameWindows() {
    CloseAllowed = true;
    for (const GameEntry& game : GameRegistry()) {
        for (const std::string* windowClass : {&game.largeWindowClass, &game.smallWindowClass}) {
            GameWindow* window = OpenWindow(*windowClass);
            if (window == nullptr) continue;
            // The window's close query answers through CloseAllowed.
            window->close();
            if (!CloseAllowed) return;
        }
    }
}

void TSolitaireForm::ShowDisplayRequirement(int reason) {
    const int index = gameSelectListBox_->currentRow();
    TSysRequirementsForm* dialog = SysRequirementsForm();
    if (dialog == nullptr || index < 0 || index >= static_cast<int>(GameRegistry().size())) return;
    const GameEntry& game = GameRegistry()[static_cast<std::size_t>(index)];
    const std::string message = DisplayRequirementMessage(game, static_cast<DisplayShortfall>(reason));
    dialog->ShowMessage(QString::fromStdString(message), true);
}

void TSolitaireForm::ShowPreview(const GameEntry& game) {
    auto found = previews_.find(game.previewResource);
    if (found == previews_.end()) {
        const QPixmap preview = QPixmap::fromImage(RenderGamePreview(game, CardImagery::DevicePixelRatio()));
        found = previews_.emplace(game.previewResource, preview).first;
    }
    gameImage_->setPixmap(found->second);
}
