#pragma once

#include <QDialog>
#include <string>

class QChartView;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class TProfile;

// The statistics of one game: a pie of games won and lost, the number of games
// and the average losing score, and bars for the longest and the current winning
// streak. The dialog keeps only which game is selected; every refresh reads the
// settings file again, so it always shows what the game windows last recorded.
//
// It is made once at start-up, so the constructor builds only the plain
// controls; the two charts are made by the first refresh.
class TStatisticsDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TStatisticsDlg(QWidget* parent = nullptr);

    // Selects the game whose window is open, if any, and refreshes.
    void FormShow();
    // A game box index outside the twelve games keeps the current game.
    void GameSelectBoxChange(int index);
    void ShowStatistics();
    void ClearWinLossClick();
    void ClearStreaksClick();
    void HelpBtnClick();

    // The settings section of the selected game.
    const std::string& Section() const { return section_; }

    QComboBox* GameSelectBox() const { return gameSelectBox_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    // Null until the first refresh.
    QChartView* GamesWonChart() const { return gamesWonChart_; }
    QChartView* StreakChart() const { return streakChart_; }
    QLineEdit* TotalAttemptsField() const { return totalAttemptsField_; }
    QLineEdit* AvgScoreField() const { return avgScoreField_; }
    QMenu* PopupMenu1() const { return popupMenu1_; }
    QPushButton* OKBtn() const { return okBtn_; }
    QPushButton* HelpBtn() const { return helpBtn_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void BuildHeader();
    void BuildPlaceholders();
    void BuildButtonsAndMenu();
    void BuildCharts();
    void SelectGame(int index);
    void ShowWinLoss(TProfile& profile);
    void ShowStreaks(TProfile& profile);

    std::string section_;
    // All owned by the dialog as its children.
    QComboBox* gameSelectBox_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    QChartView* gamesWonChart_ = nullptr;
    QChartView* streakChart_ = nullptr;
    QLineEdit* totalAttemptsField_ = nullptr;
    QLineEdit* avgScoreField_ = nullptr;
    QMenu* popupMenu1_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* helpBtn_ = nullptr;
};

// The one statistics dialog of the run, made by the entry; not owned here, and
// null again once it is destroyed.
TStatisticsDlg* StatisticsDlg();
void SetStatisticsDlg(TStatisticsDlg* dialog);

// Shows the statistics dialog modally over the parent's window (the game
// windows' and the win window's Statistics commands).
void ShowStatisticsModally(QWidget* parent);
