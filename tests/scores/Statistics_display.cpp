// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StatisticsWindow.h"
#include "scores/History.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace orvane;
using orvane::testing::TempDir;

namespace {

QString Figure(const StatisticsWindow& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// Time, 3BV, 3BV/s, clicks, effective clicks, IOE, correctness, throughput, RQP,
// openings, islands, and the no-guess, given and chances marks of a listed game.
std::string Row(const QTableWidget& list, int row)
{
    QStringList cells;
    for (int column = 2; column < list.columnCount() - 1; ++column)
        if (!list.isColumnHidden(column) && list.horizontalHeaderItem(column)->text() != "Board")
            cells << list.item(row, column)->text();
    return cells.join(' ').toStdString();
}

// The numbers written under the chart's axis of games.
QList<double> GameNumbers(const QChart& chart)
{
    const auto* axis = qobject_cast<QValueAxis*>(chart.axes(Qt::Horizontal).value(0));
    QList<double> numbers;
    if (axis->tickType() != QValueAxis::TicksDynamic)
        return numbers;
    for (double at = axis->tickAnchor(); at <= axis->max(); at += axis->tickInterval())
        if (at >= axis->min())
            numbers << at;
    return numbers;
}

TEST(StatisticsWindow, ShowsTheFiguresTheChartAndTheLatestGamesOfTheChosenKind)
{
    TempDir dir;
    History history(dir.File("History.db"), {});
    history.Open();
    int64_t when = 1700000000;
    for (const auto& [result, seconds] :
        std::vector<std::pair<GameResult, double>> {{GameResult::Won, 12.5}, {GameResult::Lost, 3},
            {GameResult::Won, 10}, {GameResult::Won, 20}}) {
        GameRecord game;
        game.PlayedAt = ++when;
        game.Width = game.Height = 9;
        game.Mines = 10;
        game.Result = result;
        game.Seconds = seconds;
        game.Clicks = 20;
        game.Measures = MeasureBoard(15, seconds, 20);
        game.NoGuessBoard = seconds == 10;
        game.ChancesShown = seconds == 3;
        game.EffectiveClicks = 16;
        game.Correctness = 0.8;
        game.Openings = seconds == 3 ? std::nullopt : std::optional(2);
        game.Islands = 1;
        history.Store(game);
    }
    GameRecord expert;
    expert.BoardLevel = Level::Expert;
    history.Store(expert);
    GameRecord duel = expert;
    duel.BoardLevel = Level::Beginner;
    duel.Mode = HistoryMode::VsHuman;
    duel.Seconds = 30;
    duel.Measures = MeasureBoard(15, 30, 0);
    history.Store(duel);

    StatisticsWindow window(history);
    window.ShowKind(HistoryMode::Classic, Level::Beginner);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(Figure(window, "PlayedFigure"), "4");
    EXPECT_EQ(Figure(window, "WonFigure"), "3");
    EXPECT_EQ(Figure(window, "ShareFigure"), "75.0 %");
    EXPECT_EQ(Figure(window, "BestTimeFigure"), "10.00 s");
    EXPECT_EQ(Figure(window, "AverageTimeFigure"), "14.17 s");
    EXPECT_EQ(Figure(window, "BestSpeedFigure"), "1.50");
    EXPECT_EQ(Figure(window, "CurrentStreakFigure"), "2");
    EXPECT_EQ(Figure(window, "LongestStreakFigure"), "2");

    const QChart* chart = window.findChild<QChartView*>(QStringLiteral("TimesChart"))->chart();
    const QList<QAbstractSeries*> series = chart->series();
    ASSERT_EQ(series.size(), 3);
    const auto* times = qobject_cast<QLineSeries*>(series[0]);
    EXPECT_EQ(times->points(), (QList<QPointF> {{1, 12.5}, {2, 10}, {3, 20}}));
    const auto* best = qobject_cast<QLineSeries*>(series[2]);
    EXPECT_EQ(best->points(), (QList<QPointF> {{0.5, 10}, {3.5, 10}}));
    EXPECT_EQ(GameNumbers(*chart), (QList<double> {1, 2, 3}));

    auto* latest = window.findChild<QTableWidget*>(QStringLiteral("LatestGames"));
    ASSERT_EQ(latest->rowCount(), 4);
    EXPECT_EQ(latest->item(0, 3)->text(), "20.00"); // newest first
    latest->sortByColumn(3, Qt::AscendingOrder);    // time
    // Lost: no speed, no economy, and here no openings counted.
    EXPECT_EQ(Row(*latest, 0), "3.00 15 \u2013 20 16 \u2013 0.80 \u2013 \u2013 \u2013 1   \u2713");
    EXPECT_EQ(Row(*latest, 1), "10.00 15 1.50 20 16 0.75 0.80 \u2013 \u2013 2 1 \u2713  ");
    EXPECT_EQ(latest->item(3, 3)->text(), "20.00");
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        latest->sortByColumn(12, order); // openings: an absent counter comes last
        EXPECT_EQ(latest->item(3, 3)->text(), "3.00") << order;
    }

    window.ShowKind(HistoryMode::VsHuman, Level::Beginner); // won, but not by clearing the board
    EXPECT_EQ(Figure(window, "BestSpeedFigure"), "\u2013");
    EXPECT_EQ(Row(*latest, 0),
        "30.00 15 \u2013 \u2013 \u2013 \u2013 \u2013 \u2013 \u2013 \u2013 \u2013   ");

    window.ShowKind(HistoryMode::VsComputer, Level::Beginner);
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("NoWonGames"))->isVisible());
    EXPECT_FALSE(window.findChild<QChartView*>(QStringLiteral("TimesChart"))->isVisible());
}

TEST(StatisticsWindow, ChoosersAnswerTheirLabelsLetters)
{
    TempDir dir;
    History history(dir.File("History.db"), {});
    StatisticsWindow window(history);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (const auto& [key, name] :
        {std::pair {Qt::Key_L, "LevelChooser"}, {Qt::Key_M, "ModeChooser"}}) {
        QTest::keyClick(&window, key, Qt::AltModifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName().toStdString(), name);
    }
}

// A game with a replay is watched or played again, and its Keep check is stored at once;
// one without says why it has none.
TEST(StatisticsWindow, TheChosenGamesReplayIsWatchedKeptOrToldMissing)
{
    TempDir dir;
    const std::string path = dir.File("History.db");
    History history(path, {});
    history.Open();
    GameRecord game;
    game.Seconds = 1;
    const std::vector<uint8_t> replay {1};
    // The oldest as a game kept before replays were.
    const int64_t old = history.Store(game).value();
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    const std::string before = "UPDATE games SET recorded = 0 WHERE id = " + std::to_string(old);
    ASSERT_EQ(sqlite3_exec(db, before.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    history.Store(game);
    const int64_t kept = history.Store(game, replay).value();
    history.Store(game, replay, true);

    StatisticsWindow window(history);
    std::vector<int64_t> watched, playedAgain;
    window.OnWatchReplay = [&watched](int64_t id) { watched.push_back(id); };
    window.OnPlayBoardAgain = [&playedAgain](int64_t id) { playedAgain.push_back(id); };
    window.ShowKind(HistoryMode::Classic, Level::Beginner);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* latest = window.findChild<QTableWidget*>(QStringLiteral("LatestGames"));
    auto* watch = window.findChild<QPushButton*>(QStringLiteral("WatchReplay"));
    auto* playAgain = window.findChild<QPushButton*>(QStringLiteral("PlayBoardAgain"));
    const auto* note = window.findChild<QLabel*>(QStringLiteral("ReplayNote"));
    const int keep = latest->columnCount() - 1;
    ASSERT_EQ(latest->rowCount(), 4);

    latest->selectRow(3);
    EXPECT_FALSE(watch->isEnabled());
    EXPECT_EQ(note->text(), "This game has no replay: it was played before replays were kept.");
    latest->selectRow(2);
    EXPECT_FALSE(watch->isEnabled());
    EXPECT_FALSE(playAgain->isEnabled());
    EXPECT_EQ(note->text(), "This game's replay was not kept.");
    EXPECT_FALSE(latest->item(2, keep)->flags() & Qt::ItemIsUserCheckable);

    latest->selectRow(1);
    EXPECT_TRUE(note->text().isEmpty());
    watch->click();
    playAgain->click();
    const QRect cell = latest->visualItemRect(latest->item(1, 3));
    QTest::mouseClick(latest->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(latest->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(watched, (std::vector<int64_t> {kept, kept}));
    EXPECT_EQ(playedAgain, std::vector<int64_t> {kept});

    latest->item(1, keep)->setCheckState(Qt::Checked);
    EXPECT_EQ(history.LatestGames(HistoryMode::Classic, Level::Beginner, 3)[1].Replay,
        ReplayKeeping::Marked);
    EXPECT_FALSE(latest->item(0, keep)->flags() & Qt::ItemIsUserCheckable) << "a high score";
    EXPECT_EQ(latest->item(0, keep)->checkState(), Qt::Checked);
}

// Network games are a kind of their own, listed with their opponents, and have no replay.
TEST(StatisticsWindow, NetworkGamesAreListedApartWithTheirOpponents)
{
    TempDir dir;
    History history(dir.File("History.db"), {});
    history.Open();
    GameRecord duel;
    duel.Mode = HistoryMode::VsHuman;
    history.Store(duel, std::vector<uint8_t> {1});
    GameRecord network = duel;
    network.Mode = HistoryMode::Network;
    network.Result = GameResult::Lost;
    network.Opponent = "Bob";
    history.Store(network);

    StatisticsWindow window(history);
    window.ShowKind(HistoryMode::VsHuman, Level::Beginner);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto* latest = window.findChild<QTableWidget*>(QStringLiteral("LatestGames"));
    const int opponent = 2;
    ASSERT_EQ(latest->horizontalHeaderItem(opponent)->text(), "Opponent");
    EXPECT_TRUE(latest->isColumnHidden(opponent));
    EXPECT_EQ(Figure(window, "WonFigure"), "1");

    auto* modes = window.findChild<QComboBox*>(QStringLiteral("ModeChooser"));
    EXPECT_EQ(modes->itemText(modes->count() - 1), "Network");
    modes->setCurrentIndex(modes->count() - 1);
    EXPECT_EQ(Figure(window, "WonFigure"), "0");
    ASSERT_EQ(latest->rowCount(), 1);
    EXPECT_FALSE(latest->isColumnHidden(opponent));
    EXPECT_EQ(latest->item(0, opponent)->text(), "Bob");
    latest->selectRow(0);
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("WatchReplay"))->isEnabled());
    EXPECT_FALSE(window.findChild<QPushButton*>(QStringLiteral("PlayBoardAgain"))->isEnabled());
    EXPECT_NE(
        window.findChild<QLabel*>(QStringLiteral("ReplayNote"))->text().indexOf("network"), -1);
}

} // namespace
