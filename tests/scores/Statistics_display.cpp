// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"
#include "dialogs/StatisticsWindow.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testing::TempDir;

namespace {

QString Figure(const StatisticsWindow& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

// Time, clicks, 3BV, 3BV/s, IOE and the no-guess mark of a listed game.
std::string Row(const QTableWidget& list, int row)
{
    QStringList cells;
    for (int column = 2; column < list.columnCount(); ++column)
        if (column != 7)
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
        history.Store(game);
    }
    GameRecord expert;
    expert.BoardLevel = Level::Expert;
    history.Store(expert);
    GameRecord duel = expert;
    duel.BoardLevel = Level::Beginner;
    duel.Mode = PlayMode::VsHuman;
    duel.Seconds = 30;
    duel.Measures = MeasureBoard(15, 30, 0);
    history.Store(duel);

    StatisticsWindow window(history);
    window.ShowKind(PlayMode::Classic, Level::Beginner);
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
    EXPECT_EQ(latest->item(0, 2)->text(), "20.00"); // newest first
    latest->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(Row(*latest, 0), "3.00 20 15 \u2013 \u2013 "); // lost: no speed, no economy
    EXPECT_EQ(Row(*latest, 1), "10.00 20 15 1.50 0.75 \u2713");
    EXPECT_EQ(latest->item(3, 2)->text(), "20.00");

    window.ShowKind(PlayMode::VsHuman, Level::Beginner); // won, but not by clearing the board
    EXPECT_EQ(Figure(window, "BestSpeedFigure"), "\u2013");
    EXPECT_EQ(Row(*latest, 0), "30.00 \u2013 15 \u2013 \u2013 ");

    window.ShowKind(PlayMode::VsComputer, Level::Beginner);
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

} // namespace
