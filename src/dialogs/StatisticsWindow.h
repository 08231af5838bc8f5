// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <QDialog>

class QChartView;
class QComboBox;
class QFormLayout;
class QLabel;
class QStackedWidget;
class QTableWidget;

namespace orvane {

class History;

// The statistics of the kept games: a mode and a level are chosen, and the window shows
// their figures (named PlayedFigure, WonFigure, ShareFigure, BestTimeFigure,
// AverageTimeFigure, BestSpeedFigure, CurrentStreakFigure, LongestStreakFigure), a chart
// of the last won games' times with the best time drawn across it (TimesChart, or
// NoWonGames while there is none) and the latest games in a list that sorts by any
// column (LatestGames). Made once, hidden between uses; every showing reads the history
// afresh.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int ChartedGames = 50;
    static constexpr int ListedGames = 200;

    StatisticsWindow(const History& history, QWidget* parent = nullptr);

    // Chooses the mode and level shown and reads their games.
    void ShowKind(PlayMode mode, Level level);

private:
    QLabel* AddFigure(QFormLayout* form, const QString& caption, const QString& name);
    void Refresh();
    void ShowChart(PlayMode mode, Level level, double best);
    void ShowLatest(PlayMode mode, Level level);

    const History& history_;
    QComboBox* mode_ = nullptr;
    QComboBox* level_ = nullptr;
    QLabel* played_ = nullptr;
    QLabel* won_ = nullptr;
    QLabel* share_ = nullptr;
    QLabel* bestTime_ = nullptr;
    QLabel* averageTime_ = nullptr;
    QLabel* bestSpeed_ = nullptr;
    QLabel* currentStreak_ = nullptr;
    QLabel* longestStreak_ = nullptr;
    QChartView* chart_ = nullptr;
    QLabel* noWonGames_ = nullptr;
    QStackedWidget* chartOrNone_ = nullptr;
    QTableWidget* latest_ = nullptr;
};

} // namespace orvane
