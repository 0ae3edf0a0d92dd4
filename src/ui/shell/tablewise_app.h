#pragma once

#include <memory>

class TPreferencesDlg;
class TSolitaireForm;
class TStatisticsDlg;
class TSysRequirementsForm;

// The windows that live for the whole run, made in the order the program needs them:
// the launcher first (the preferences tell it the tray mode), then the preferences,
// the requirements dialog and the statistics dialog. They go in the reverse order.
struct TablewiseSession {
    TablewiseSession();
    ~TablewiseSession();
    TablewiseSession(const TablewiseSession&) = delete;
    TablewiseSession& operator=(const TablewiseSession&) = delete;

    std::unique_ptr<TSolitaireForm> launcher;
    std::unique_ptr<TPreferencesDlg> preferences;
    std::unique_ptr<TSysRequirementsForm> requirements;
    std::unique_ptr<TStatisticsDlg> statistics;
};

// The program: makes the application and the session, shows the launcher and runs
// until the launcher closes.
int RunTablewise(int argc, char** argv);
