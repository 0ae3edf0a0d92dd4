#include "shell/shell_wiring.h"

#include "games/game_window.h"
#include "games/shell_services.h"
#include "shell/help_viewer.h"
#include "shell/preferences_dialog.h"
#include "shell/solitaire_form.h"
#include "shell/sound_manager.h"
#include "shell/statistics_dialog.h"
#include "shell/table_background.h"
#include "shell/win_form.h"

bool SoundPreferenceOn() {
    const TPreferencesDlg* preferences = PreferencesDlg();
    return preferences == nullptr || preferences->DoSound;
}

void PlayGameSound(Sound sound) {
    TSoundManager* sounds = SoundManager();
    if (sounds == nullptr) return;
    switch (sound) {
    case Sound::Shuffle:
        sounds->PlayShuffle();
        break;
    case Sound::Deal:
        sounds->PlayDeal();
        break;
    case Sound::Stock:
        sounds->PlayStock();
        break;
    case Sound::Undo:
        sounds->PlayUndo();
        break;
    case Sound::Autoplay:
        sounds->PlayAutoplay();
        break;
    case Sound::AutoplayAsync:
        sounds->PlayAutoplayAsync();
        break;
    case Sound::Restart:
        sounds->PlayRestart();
        break;
    }
}

void WireShellServices() {
    ShellServices& shell = Shell();
    shell.showWinWindow = ShowWinWindowModally;
    shell.showStatistics = ShowStatisticsModally;
    shell.showPreferences = [](QWidget* parent) {
        if (TPreferencesDlg* preferences = PreferencesDlg()) preferences->ShowModal(parent);
    };
    shell.showHelp = HelpViewer::ShowTopic;
    shell.play = PlayGameSound;
    shell.dealAnimation = [] {
        const TPreferencesDlg* preferences = PreferencesDlg();
        return preferences == nullptr || preferences->DoAnimation;
    };
    shell.applyBackground = [](QWidget& window) {
        auto* game = qobject_cast<GameWindow*>(&window);
        const TPreferencesDlg* preferences = PreferencesDlg();
        if (game != nullptr && preferences != nullptr)
            ApplyBackground(*game, *preferences, preferences->GetBackgroundPicture());
    };
    shell.setCloseAllowed = [](bool allowed) {
        if (TSolitaireForm* launcher = SolitaireForm()) launcher->CloseAllowed = allowed;
    };
}
