// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/History.h"
#include "dialogs/StatisticsWindow.h"
#include "support/TempDir.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testing::TempDir;

namespace {

QString Figure(const StatisticsWindow& window, const char* name)
{
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
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
        history.Store(game);
    }
    GameRecord expert;
    expert.BoardLevel = Level::Expert;
    history.Store(expert);

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
    EXPECT_EQ(best->points(), (QList<QPointF> {{1, 10}, {3, 10}}));

    auto* latest = window.findChild<QTableWidget*>(QStringLiteral("LatestGames"));
    ASSERT_EQ(latest->rowCount(), 4);
    EXPECT_EQ(latest->item(0, 2)->text(), "20.00"); // newest first
    latest->sortByColumn(2, Qt::AscendingOrder);
    EXPECT_EQ(latest->item(0, 2)->text(), "3.00");
    EXPECT_EQ(latest->item(3, 2)->text(), "20.00");
}

} // namespace
