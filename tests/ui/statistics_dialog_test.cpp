#include "shell/statistics_dialog.h"

#include <gtest/gtest.h>
#include <QAbstractBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineEdit>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QTimer>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "services/day_number.h"
#include "services/profile.h"
#include "shell/statistics_charts.h"
#include "support/window_fixture.h"

namespace {

const QColor kMaroon(128, 0, 0);
const QColor kGreen(0, 128, 0);

// What the player reads off a chart entry.
struct Seen {
    QString legend;  // the pie's legend text or the bar's name
    QString label;   // the pie slice's share, or the bar's value
    QColor color;
    friend bool operator==(const Seen&, const Seen&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Seen& seen) {
        return out << '{' << seen.legend.toStdString() << " | " << seen.label.toStdString() << " | "
                   << seen.color.name().toStdString() << '}';
    }
};

using Keys = std::map<std::string, std::string>;

class StatisticsDialogTest : public WindowTest {
  protected:
    StatisticsDialogTest() {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        Shell().showHelp = [this](int topic) { helpTopics.push_back(topic); };
    }
    ~StatisticsDialogTest() override { QLocale::setDefault(QLocale::system()); }

    void Write(const std::string& section, const Keys& keys) {
        TProfile profile(section, Shell().settingsFile);
        for (const auto& [key, text] : keys) profile.WriteText(key, text);
    }
    // The raw stored text, "None" included; nothing for a missing key.
    std::optional<std::string> Stored(const std::string& section, const std::string& key) {
        TProfile profile(section, Shell().settingsFile);
        profile.DefaultText = "<missing>";
        profile.Entry = key;
        const std::string text = profile.GetText();
        return text == "<missing>" ? std::nullopt : std::optional(text);
    }

    // Shows Klondike, the game the cases write.
    TStatisticsDlg& ShowKlondike() {
        dialog.GameSelectBox()->setCurrentIndex(kKlondikeIndex);
        return dialog;
    }

    std::vector<Seen> Slices() {
        auto* series =
            qobject_cast<QPieSeries*>(dialog.GamesWonChart()->chart()->series().value(0));
        const QList<QLegendMarker*> markers =
            dialog.GamesWonChart()->chart()->legend()->markers(series);
        std::vector<Seen> seen;
        for (int i = 0; i < series->count(); ++i)
            seen.push_back({markers.value(i)->label(), series->slices()[i]->label(),
                            series->slices()[i]->color()});
        return seen;
    }

    std::vector<Seen> Bars() {
        auto* series =
            qobject_cast<QAbstractBarSeries*>(dialog.StreakChart()->chart()->series().value(0));
        std::vector<Seen> seen;
        for (QBarSet* set : series->barSets())
            seen.push_back({set->label(), QString::number(set->sum()), set->color()});
        return seen;
    }

    static constexpr int kKlondikeIndex = 6;
    TStatisticsDlg dialog;
    std::vector<int> helpTopics;
};

TEST_F(StatisticsDialogTest, WithoutRecordsShowsTheTextsBehindTheCharts) {
    for (const Keys& keys :
         {Keys{}, Keys{{"GamesAttempted", "None"}, {"LongestStreak", "None"}, {"GamesWon", "3"}}}) {
        Write("Klondike", keys);
        ShowKlondike().ShowStatistics();
        EXPECT_TRUE(dialog.GamesWonChart()->isHidden());
        EXPECT_TRUE(dialog.StreakChart()->isHidden());
        EXPECT_FALSE(dialog.Label1()->isHidden());
        EXPECT_EQ(dialog.Label1()->text(), "No Statistics Available");
        EXPECT_EQ(dialog.Label2()->text(), "No Winning Streaks");
    }
}

TEST_F(StatisticsDialogTest, PieShowsWonAndLostWithTheirShares) {
    struct Case {
        const char* name;
        Keys keys;
        std::vector<Seen> slices;
        QString attempts, average;
    };
    const std::vector<Case> cases = {
        {"all won: the empty lost slice comes first",
         {{"GamesAttempted", "8"}, {"GamesWon", "8"}},
         {{"Games Lost: 0", "0 %", kMaroon}, {"Games Won: 8", "100 %", kGreen}},
         "8",
         "N/A"},
        {"mixed: won first",
         {{"GamesAttempted", "3"}, {"GamesWon", "1"}, {"AvgScore", "17"}},
         {{"Games Won: 1", "33.3 %", kGreen}, {"Games Lost: 2", "66.7 %", kMaroon}},
         "3",
         "17"},
        {"never won",
         {{"GamesAttempted", "2"}, {"AvgScore", "-4"}},
         {{"Games Won: 0", "0 %", kGreen}, {"Games Lost: 2", "100 %", kMaroon}},
         "2",
         "-4"},
        {"average cleared to None",
         {{"GamesAttempted", "4"}, {"GamesWon", "2"}, {"AvgScore", "None"}},
         {{"Games Won: 2", "50 %", kGreen}, {"Games Lost: 2", "50 %", kMaroon}},
         "4",
         "N/A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(Shell().settingsFile);
        Write("Klondike", c.keys);
        ShowKlondike().ShowStatistics();
        EXPECT_FALSE(dialog.GamesWonChart()->isHidden());
        EXPECT_EQ(Slices(), c.slices);
        EXPECT_EQ(dialog.TotalAttemptsField()->text(), c.attempts);
        EXPECT_EQ(dialog.AvgScoreField()->text(), c.average);
    }
}

TEST_F(StatisticsDialogTest, StreakBarsFollowTheRecord) {
    const double ended = DayNumberFromDate(2024, 3, 14) + 0.75;
    const QString longest =
        QStringLiteral("Longest Streak, Ended ") + QString::fromStdString(FormatShortDate(ended));
    struct Case {
        const char* name;
        Keys keys;
        std::vector<Seen> bars;
    };
    const std::vector<Case> cases = {
        {"longest and current",
         {{"LongestStreak", "5"},
          {"LongestStreakDate", TextFromDayNumber(ended)},
          {"CurrentStreak", "3"}},
         {{longest, "5", kMaroon}, {"Current Streak", "3", kGreen}}},
        {"current streak broken",
         {{"LongestStreak", "5"},
          {"LongestStreakDate", TextFromDayNumber(ended)},
          {"CurrentStreak", "0"}},
         {{longest, "5", kMaroon}}},
        {"current streak absent",
         {{"LongestStreak", "5"}, {"LongestStreakDate", TextFromDayNumber(ended)}},
         {{longest, "5", kMaroon}}},
        {"unreadable date leaves the longest out",
         {{"LongestStreak", "5"}, {"LongestStreakDate", "yesterday"}, {"CurrentStreak", "2"}},
         {{"Current Streak", "2", kGreen}}},
        {"missing date leaves the longest out",
         {{"LongestStreak", "4"}, {"CurrentStreak", "4"}},
         {{"Current Streak", "4", kGreen}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(Shell().settingsFile);
        Write("Klondike", c.keys);
        ShowKlondike().ShowStatistics();
        EXPECT_FALSE(dialog.StreakChart()->isHidden());
        EXPECT_EQ(Bars(), c.bars);
    }
}

TEST_F(StatisticsDialogTest, ClearCommandsWriteNoneToTheirKeysAndRefresh) {
    const Keys record = {{"GamesAttempted", "9"}, {"GamesWon", "4"},
                         {"LastGame", "True"},    {"CurrentStreak", "2"},
                         {"LongestStreak", "3"},  {"LongestStreakDate", "45000.5"},
                         {"AvgScore", "21"}};
    struct Case {
        const char* action;
        std::vector<std::string> cleared;
        bool pieShown, barsShown;
    };
    const std::vector<Case> cases = {
        {"ClearWinLoss", {"GamesAttempted", "GamesWon", "AvgScore"}, false, true},
        {"ClearStreaks1", {"LongestStreak", "CurrentStreak"}, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.action);
        Write("Klondike", record);
        Write("Golf", record);
        ShowKlondike().ShowStatistics();
        dialog.PopupMenu1()->findChild<QAction*>(c.action)->trigger();
        for (const auto& [key, text] : record) {
            const bool cleared =
                std::find(c.cleared.begin(), c.cleared.end(), key) != c.cleared.end();
            EXPECT_EQ(Stored("Klondike", key), cleared ? "None" : text) << key;
            EXPECT_EQ(Stored("Golf", key), text) << key;
        }
        EXPECT_EQ(dialog.GamesWonChart()->isHidden(), !c.pieShown);
        EXPECT_EQ(dialog.StreakChart()->isHidden(), !c.barsShown);
    }
}

TEST_F(StatisticsDialogTest, PopupMenuAndButtons) {
    QStringList captions;
    for (QAction* action : dialog.PopupMenu1()->actions()) captions << action->text();
    EXPECT_EQ(captions, QStringList({"Clear &Win/Loss Stats", "Clear &Streaks"}));

    // A right click on a chart opens the dialog's menu, not one of the chart's own.
    Write("Klondike", {{"GamesAttempted", "1"}});
    ShowKlondike().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QWidget* pie = dialog.GamesWonChart()->viewport();
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(60, 60),
                                 pie->mapToGlobal(QPoint(60, 60)));
    QApplication::sendEvent(pie, &rightClick);
    EXPECT_TRUE(dialog.PopupMenu1()->isVisible());
    dialog.PopupMenu1()->hide();

    dialog.HelpBtn()->click();
    EXPECT_EQ(helpTopics, std::vector<int>{503});
    EXPECT_EQ(dialog.HelpBtn()->text(), "&Help");
    dialog.OKBtn()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(StatisticsDialogTest, GameBoxListsTheGamesAndSelectsTheirSections) {
    QStringList items;
    for (int i = 0; i < dialog.GameSelectBox()->count(); ++i)
        items << dialog.GameSelectBox()->itemText(i);
    EXPECT_EQ(items, QStringList({"Beleaguered Castle", "Double Klondike", "Forty Thieves",
                                  "FreeCell", "Golf", "Indian Patience", "Klondike", "Montana",
                                  "Pyramid", "Queen of Italy", "Sea Towers", "Spider"}));

    Write("SeaHavenTowers", {{"GamesAttempted", "2"}});
    dialog.GameSelectBox()->setCurrentIndex(10);
    EXPECT_EQ(dialog.Section(), "SeaHavenTowers");
    EXPECT_FALSE(dialog.GamesWonChart()->isHidden());
    for (int outside : {-1, 12}) {
        dialog.GameSelectBoxChange(outside);
        EXPECT_EQ(dialog.Section(), "SeaHavenTowers");
    }
    dialog.GameSelectBox()->setCurrentIndex(11);
    EXPECT_EQ(dialog.Section(), "Spider");
    EXPECT_TRUE(dialog.GamesWonChart()->isHidden());
}

TEST_F(StatisticsDialogTest, ShowingSelectsTheOpenGame) {
    dialog.GameSelectBox()->setCurrentIndex(2);
    dialog.FormShow();
    EXPECT_EQ(dialog.Section(), "FortyThieves") << "no game open: the choice stays";

    Write("Klondike", {{"GamesAttempted", "5"}});
    Open("Klondike", CZ_SMALL);
    dialog.show();  // opening the dialog selects the game on the table
    EXPECT_EQ(dialog.Section(), "Klondike");
    EXPECT_EQ(dialog.GameSelectBox()->currentIndex(), kKlondikeIndex);
    EXPECT_EQ(dialog.TotalAttemptsField()->text(), "5");
    dialog.hide();
}

TEST_F(StatisticsDialogTest, ShowModallyUsesTheSharedDialog) {
    SetStatisticsDlg(&dialog);
    bool shownModal = false;
    QTimer::singleShot(0, &dialog, [&] {
        shownModal = dialog.isVisible() && dialog.isModal();
        dialog.OKBtn()->click();
    });
    ShowStatisticsModally(nullptr);
    EXPECT_TRUE(shownModal);
    SetStatisticsDlg(nullptr);
}

TEST(PercentText, ShowsAtMostOneDecimal) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::vector<std::pair<double, QString>> cases = {
        {100.0 / 3, "33.3 %"}, {200.0 / 3, "66.7 %"}, {50, "50 %"},         {0, "0 %"},
        {100, "100 %"},        {12.25, "12.3 %"},     {0.05, "0.1 %"},      {100.0 / 2001, "0 %"},
        {99.96, "100 %"},      {0.5, "0.5 %"},        {1234.5, "1234.5 %"},
    };
    for (const auto& [percent, text] : cases) EXPECT_EQ(PercentText(percent), text) << percent;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(PercentText(100.0 / 3), "33,3 %");
    QLocale::setDefault(QLocale::system());
}

// Renders a played record; TABLEWISE_SNAPSHOT_DIR keeps the picture for a look.
TEST_F(StatisticsDialogTest, DrawsTheChartsInTheirColours) {
    Write("Klondike",
          {{"GamesAttempted", "23"},
           {"GamesWon", "9"},
           {"AvgScore", "31"},
           {"LongestStreak", "4"},
           {"LongestStreakDate", TextFromDayNumber(DayNumberFromDate(2024, 11, 2) + 0.6)},
           {"CurrentStreak", "2"}});
    ShowKlondike().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QImage picture = dialog.grab().toImage();
    if (const QByteArray folder = qgetenv("TABLEWISE_SNAPSHOT_DIR"); !folder.isEmpty())
        picture.save(QDir(QString::fromLocal8Bit(folder)).filePath("statistics_dialog.png"));

    const auto hasColour = [&](const QRect& area, const QColor& colour) {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (picture.pixelColor(x, y) == colour) return true;
        return false;
    };
    const QRect pie = dialog.GamesWonChart()->geometry();
    const QRect bars = dialog.StreakChart()->geometry();
    EXPECT_TRUE(hasColour(pie, kMaroon));
    EXPECT_TRUE(hasColour(pie, kGreen));
    EXPECT_TRUE(hasColour(bars, kMaroon));
    EXPECT_TRUE(hasColour(bars, kGreen));
    dialog.hide();
}

}  // namespace
