#include "shell/statistics_dialog.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <array>
#include <memory>

#include "games/game_window.h"
#include "games/registry.h"
#include "games/shell_services.h"
#include "services/day_number.h"
#include "services/profile.h"
#include "services/statistics.h"
#include "services/value_codec.h"
#include "shell/statistics_charts.h"

namespace {

constexpr auto kCaption = "Tablewise!";
constexpr int kStatisticsHelpTopic = 503;

// The game box lists the games in the launcher's order, with the dialog's own
// spelling of their names.
constexpr std::array<const char*, 12> kGameNames = {
    "Beleaguered Castle", "Double Klondike", "Forty Thieves", "FreeCell", "Golf",
    "Indian Patience",    "Klondike",        "Montana",       "Pyramid",  "Queen of Italy",
    "Sea Towers",         "Spider"};

const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kPlaceholderGrey(128, 128, 128);
const QString kNotAvailable = QStringLiteral("N/A");
const QString kInitialAttempts = QStringLiteral("0");

// Layout of the client area, in pixels.
constexpr int kClientWidth = 414;
constexpr int kClientHeight = 423;
constexpr int kDialogFontHeight = 13;
constexpr int kTitleFontHeight = 32;
constexpr int kPlaceholderFontHeight = 21;
constexpr int kEdge = 6;
constexpr int kRuleWidth = kClientWidth - 2 * kEdge;
const QRect kTitleRect(10, 4, 190, 42);
const QRect kGameLabelRect(194, 16, 50, 22);
const QRect kGameBoxRect(248, 16, 158, 22);
constexpr int kTopRuleY = 50;
const QRect kGamesWonRect(7, 56, 401, 224);
constexpr int kMiddleRuleY = 284;
const QRect kStreakRect(7, 290, 400, 81);
constexpr int kBottomRuleY = 377;
const QRect kOKRect(252, 388, 75, 25);
const QRect kHelpRect(333, 388, 75, 25);
// Inside the pie chart, a left-hand column: the legend, then the two fields.
const QRect kGamesWonLegendRect(4, 6, 172, 58);
const QRect kAttemptsLabelRect(10, 76, 132, 34);
const QRect kAttemptsFieldRect(10, 112, 72, 22);
const QRect kAvgScoreLabelRect(10, 146, 132, 34);
const QRect kAvgScoreFieldRect(10, 182, 72, 22);
// Inside the streak chart, under its title; wide enough for a long date.
const QRect kStreakLegendRect(134, 20, 264, 60);

QFont ArialOfHeight(int pixelHeight) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelHeight);
    return font;
}

// Captions keep the line breaks they were written with; a label wants plain ones.
QString LabelText(const char* caption) {
    return QString::fromLatin1(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void AddRule(QWidget* parent, int y) {
    auto* rule = new QFrame(parent);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kEdge, y, kRuleWidth, 2);
}

QLabel* AddPlaceholder(QWidget* parent, const char* name, const char* text, const QRect& area) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(ArialOfHeight(kPlaceholderFontHeight));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, kPlaceholderGrey);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(area);
    return label;
}

QLineEdit* AddField(QWidget* parent, const char* name, const char* caption, const QString& initial,
                    const QRect& labelArea, const QRect& fieldArea) {
    auto* label = new QLabel(LabelText(caption), parent);
    label->setObjectName(QStringLiteral("el_") + QString::fromLatin1(name));
    label->setGeometry(labelArea);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    auto* field = new QLineEdit(initial, parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setReadOnly(true);
    field->setGeometry(fieldArea);
    label->setBuddy(field);
    return field;
}

// A right click anywhere on a chart opens the dialog's own popup menu.
void DeferContextMenu(QChartView& chart) {
    chart.setContextMenuPolicy(Qt::NoContextMenu);
    chart.viewport()->setContextMenuPolicy(Qt::NoContextMenu);
}

QPointer<TStatisticsDlg>& TheDialog() {
    static QPointer<TStatisticsDlg> dialog;
    return dialog;
}

}  // namespace

TStatisticsDlg::TStatisticsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("StatisticsDlg"));
    setWindowTitle(QString::fromLatin1(kCaption));
    QFont dialogFont = font();
    dialogFont.setPixelSize(kDialogFontHeight);
    setFont(dialogFont);
    setFixedSize(kClientWidth, kClientHeight);

    BuildHeader();
    BuildPlaceholders();
    BuildButtonsAndMenu();
    SelectGame(0);
}

void TStatisticsDlg::BuildHeader() {
    auto* title = new QLabel(QStringLiteral("Statistics"), this);
    title->setObjectName(QStringLiteral("StatsLabel"));
    title->setFont(ArialOfHeight(kTitleFontHeight));
    title->setGeometry(kTitleRect);

    gameSelectBox_ = new QComboBox(this);
    gameSelectBox_->setObjectName(QStringLiteral("GameSelectBox"));
    for (const char* name : kGameNames) gameSelectBox_->addItem(QString::fromLatin1(name));
    gameSelectBox_->setMaxVisibleItems(int(kGameNames.size()));
    gameSelectBox_->setGeometry(kGameBoxRect);
    connect(gameSelectBox_, &QComboBox::currentIndexChanged, this,
            &TStatisticsDlg::GameSelectBoxChange);

    auto* gameLabel = new QLabel(QStringLiteral("Game:"), this);
    gameLabel->setObjectName(QStringLiteral("el_GameSelectBox"));
    gameLabel->setBuddy(gameSelectBox_);
    gameLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    gameLabel->setGeometry(kGameLabelRect);

    AddRule(this, kTopRuleY);
    AddRule(this, kMiddleRuleY);
    AddRule(this, kBottomRuleY);
}

void TStatisticsDlg::BuildPlaceholders() {
    label1_ = AddPlaceholder(this, "Label1", "No Statistics Available", kGamesWonRect);
    label2_ = AddPlaceholder(this, "Label2", "No Winning Streaks", kStreakRect);
}

void TStatisticsDlg::BuildButtonsAndMenu() {
    okBtn_ = new QPushButton(QStringLiteral("OK"), this);
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    okBtn_->setGeometry(kOKRect);
    okBtn_->setDefault(true);
    connect(okBtn_, &QPushButton::clicked, this, &QDialog::accept);

    helpBtn_ = new QPushButton(QStringLiteral("&Help"), this);
    helpBtn_->setObjectName(QStringLiteral("HelpBtn"));
    helpBtn_->setGeometry(kHelpRect);
    helpBtn_->setAutoDefault(false);
    connect(helpBtn_, &QPushButton::clicked, this, &TStatisticsDlg::HelpBtnClick);

    popupMenu1_ = new QMenu(this);
    popupMenu1_->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* clearWinLoss = popupMenu1_->addAction(QStringLiteral("Clear &Win/Loss Stats"));
    clearWinLoss->setObjectName(QStringLiteral("ClearWinLoss"));
    connect(clearWinLoss, &QAction::triggered, this, &TStatisticsDlg::ClearWinLossClick);
    QAction* clearStreaks = popupMenu1_->addAction(QStringLiteral("Clear &Streaks"));
    clearStreaks->setObjectName(QStringLiteral("ClearStreaks1"));
    connect(clearStreaks, &QAction::triggered, this, &TStatisticsDlg::ClearStreaksClick);
}

// Made on the first refresh, in front of the placeholder texts they cover, and
// hidden until there is something to show.
void TStatisticsDlg::BuildCharts() {
    gamesWonChart_ = MakePieChartView(this, kGamesWonRect, kGamesWonLegendRect);
    gamesWonChart_->setObjectName(QStringLiteral("GamesWonChart"));
    gamesWonChart_->hide();
    DeferContextMenu(*gamesWonChart_);
    totalAttemptsField_ = AddField(gamesWonChart_, "TotalAttemptsField",
                                   "Total # of Games \r\nAttempted:", kInitialAttempts,
                                   kAttemptsLabelRect, kAttemptsFieldRect);
    avgScoreField_ =
        AddField(gamesWonChart_, "AvgScoreField", "Average Score of \r\nGames Lost:", kNotAvailable,
                 kAvgScoreLabelRect, kAvgScoreFieldRect);

    streakChart_ =
        MakeBarChartView(this, kStreakRect, QStringLiteral("Winning Streaks"), kStreakLegendRect);
    streakChart_->setObjectName(QStringLiteral("StreakChart"));
    streakChart_->hide();
    DeferContextMenu(*streakChart_);
}

void TStatisticsDlg::SelectGame(int index) {
    section_ = GameRegistry()[std::size_t(index)].constants.settingsSection;
    const QSignalBlocker quiet(gameSelectBox_);
    gameSelectBox_->setCurrentIndex(index);
}

void TStatisticsDlg::FormShow() {
    const auto& games = GameRegistry();
    for (std::size_t index = 0; index < games.size(); ++index) {
        if (WindowReference(games[index].largeWindowClass) ||
            WindowReference(games[index].smallWindowClass)) {
            SelectGame(int(index));
            break;
        }
    }
    ShowStatistics();
}

void TStatisticsDlg::GameSelectBoxChange(int index) {
    if (index >= 0 && index < int(kGameNames.size()))
        section_ = GameRegistry()[std::size_t(index)].constants.settingsSection;
    ShowStatistics();
}

void TStatisticsDlg::ShowStatistics() {
    if (!gamesWonChart_) BuildCharts();
    TProfile profile(section_, Shell().settingsFile);
    ShowWinLoss(profile);
    ShowStreaks(profile);
}

void TStatisticsDlg::ShowWinLoss(TProfile& profile) {
    const auto attempted = profile.ReadText(kGamesAttemptedKey);
    if (!attempted) {
        gamesWonChart_->hide();
        return;
    }
    totalAttemptsField_->setText(QString::fromStdString(*attempted));
    const int won = profile.ReadInteger(kGamesWonKey).value_or(0);
    const int lost = IntegerFromText(*attempted) - won;
    const ChartEntry wonSlice{QStringLiteral("Games Won"), won, kGreen};
    const ChartEntry lostSlice{QStringLiteral("Games Lost"), lost, kMaroon};
    if (lost == 0)
        ShowPieSlices(*gamesWonChart_, {lostSlice, wonSlice});
    else
        ShowPieSlices(*gamesWonChart_, {wonSlice, lostSlice});
    gamesWonChart_->show();

    const auto average = profile.ReadText(kAvgScoreKey);
    avgScoreField_->setText(average ? QString::fromStdString(*average) : kNotAvailable);
}

void TStatisticsDlg::ShowStreaks(TProfile& profile) {
    const auto longest = profile.ReadInteger(kLongestStreakKey);
    if (!longest) {
        streakChart_->hide();
        return;
    }
    std::vector<ChartEntry> bars;
    // A date that cannot be read leaves the longest streak out rather than
    // showing it with a made-up date.
    const auto ended =
        DayNumberFromText(profile.ReadText(kLongestStreakDateKey).value_or(std::string()));
    const std::string endedText = ended ? FormatShortDate(*ended) : std::string();
    if (!endedText.empty())
        bars.push_back(
            {QStringLiteral("Longest Streak, Ended ") + QString::fromStdString(endedText), *longest,
             kMaroon});
    const int current = profile.ReadInteger(kCurrentStreakKey).value_or(0);
    if (current > 0) bars.push_back({QStringLiteral("Current Streak"), current, kGreen});
    ShowBars(*streakChart_, bars);
    streakChart_->show();
}

void TStatisticsDlg::ClearWinLossClick() {
    TProfile profile(section_, Shell().settingsFile);
    for (const auto key : {kGamesAttemptedKey, kGamesWonKey, kAvgScoreKey}) profile.WriteNone(key);
    ShowStatistics();
}

void TStatisticsDlg::ClearStreaksClick() {
    TProfile profile(section_, Shell().settingsFile);
    for (const auto key : {kLongestStreakKey, kCurrentStreakKey}) profile.WriteNone(key);
    ShowStatistics();
}

void TStatisticsDlg::HelpBtnClick() {
    Shell().showHelp(kStatisticsHelpTopic);
}

void TStatisticsDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Only when the dialog is opened, not when the desktop merely re-exposes it.
    if (!event->spontaneous()) FormShow();
}

void TStatisticsDlg::contextMenuEvent(QContextMenuEvent* event) {
    popupMenu1_->popup(event->globalPos());
}

TStatisticsDlg* StatisticsDlg() {
    return TheDialog().data();
}

void SetStatisticsDlg(TStatisticsDlg* dialog) {
    TheDialog() = dialog;
}

void ShowStatisticsModally(QWidget* parent) {
    std::unique_ptr<TStatisticsDlg> stopgap;
    TStatisticsDlg* dialog = StatisticsDlg();
    if (!dialog) {
        stopgap = std::make_unique<TStatisticsDlg>();
        dialog = stopgap.get();
    }
    if (parent) dialog->move(parent->window()->frameGeometry().center() - dialog->rect().center());
    dialog->exec();
}
