// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"

#include <QDialog>

#include <cstdint>
#include <functional>

class QChartView;
class QComboBox;
class QFormLayout;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class QTableWidgetItem;

namespace orvane {

class History;
enum class HistoryMode : uint8_t;

// The statistics of the kept games: a mode (or network games) and a level are chosen,
// and the window shows their figures (named PlayedFigure, WonFigure, ShareFigure,
// BestTimeFigure, AverageTimeFigure, BestSpeedFigure, CurrentStreakFigure,
// LongestStreakFigure), a chart of the last won games' times with the best time drawn
// across it (TimesChart, or NoWonGames while there is none) and the latest games in a list
// that sorts by any column (LatestGames) with their counters (and the opponent of a
// network game), the marks of a board dealt without guessing or given, and a Keep check
// that keeps a game's replay for ever. The chosen game's replay is watched (WatchReplay,
// or a double click) or its board played again (PlayBoardAgain); without a replay both
// are disabled and ReplayNote says why. Made once, hidden between uses; every showing
// reads the history afresh.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int ChartedGames = 50;
    static constexpr int ListedGames = 200;

    StatisticsWindow(History& history, QWidget* parent = nullptr);

    // Chooses the mode and level shown and reads their games.
    void ShowKind(HistoryMode mode, Level level);

    // Given the chosen game's row id in the history.
    std::function<void(int64_t gameId)> OnWatchReplay;
    std::function<void(int64_t gameId)> OnPlayBoardAgain;

private:
    QLabel* AddFigure(QFormLayout* form, const QString& caption, const QString& name);
    void Refresh();
    void ShowChart(HistoryMode mode, Level level, double best);
    void ShowLatest(HistoryMode mode, Level level);
    void ShowChosenGame();
    void KeepChanged(QTableWidgetItem* item);
    void CallWithChosenGame(const std::function<void(int64_t gameId)>& call);

    History& history_;
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
    QLabel* replayNote_ = nullptr;
    QPushButton* watch_ = nullptr;
    QPushButton* playAgain_ = nullptr;
};

} // namespace orvane
