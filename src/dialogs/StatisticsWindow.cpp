// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StatisticsWindow.h"

#include "scores/History.h"
#include "dialogs/DialogPlacement.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace orvane {

namespace {

// Shown for a figure that does not exist, or means nothing for the game.
const QString NoFigure = QStringLiteral("\u2013");

QString Seconds(const std::optional<double>& seconds)
{
    return seconds ? QStringLiteral("%1 s").arg(*seconds, 0, 'f', 2) : NoFigure;
}

QString ResultName(GameResult result)
{
    switch (result) {
    case GameResult::Won:
        return QStringLiteral("Won");
    case GameResult::Lost:
        return QStringLiteral("Lost");
    case GameResult::GivenUp:
        return QStringLiteral("Given up");
    }
    return {};
}

// The list sorts numbers as numbers: each item compares the value it was given.
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(double value, const QString& shown) : QTableWidgetItem(shown)
    {
        setData(Qt::UserRole, value);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

// A number with two decimals; a figure that means nothing shows as such and sorts first.
QTableWidgetItem* Measure(double value, bool meaningful)
{
    return meaningful ? new SortedItem(value, QString::number(value, 'f', 2))
                      : new SortedItem(-1.0, NoFigure);
}

// Whole game numbers, at most about ten of them, on the chart's axis of games.
double GameNumberStep(size_t games)
{
    for (double scale = 1.0;; scale *= 10.0)
        for (const double step : {1.0, 2.0, 5.0})
            if (static_cast<double>(games) <= 10.0 * step * scale)
                return step * scale;
}

} // namespace

StatisticsWindow::StatisticsWindow(const History& history, QWidget* parent) :
    QDialog(parent), history_(history), mode_(new QComboBox(this)), level_(new QComboBox(this)),
    chart_(new QChartView(new QChart, this)), noWonGames_(new QLabel(this)),
    chartOrNone_(new QStackedWidget(this)), latest_(new QTableWidget(0, 9, this))
{
    setWindowTitle(QStringLiteral("Statistics"));
    auto* layout = new QVBoxLayout(this);

    auto* chooser = new QHBoxLayout;
    mode_->setObjectName(QStringLiteral("ModeChooser"));
    mode_->addItem(QStringLiteral("Classic"), static_cast<int>(PlayMode::Classic));
    mode_->addItem(QStringLiteral("Vs Human"), static_cast<int>(PlayMode::VsHuman));
    mode_->addItem(QStringLiteral("Vs Computer"), static_cast<int>(PlayMode::VsComputer));
    level_->setObjectName(QStringLiteral("LevelChooser"));
    level_->addItem(QStringLiteral("Beginner"), static_cast<int>(Level::Beginner));
    level_->addItem(QStringLiteral("Intermediate"), static_cast<int>(Level::Intermediate));
    level_->addItem(QStringLiteral("Expert"), static_cast<int>(Level::Expert));
    level_->addItem(QStringLiteral("Custom"), static_cast<int>(Level::Custom));
    for (const auto& [caption, chooserBox] : {std::pair {QStringLiteral("&Mode:"), mode_},
             std::pair {QStringLiteral("&Level:"), level_}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(chooserBox);
        chooser->addWidget(label);
        chooser->addWidget(chooserBox);
    }
    chooser->addStretch();
    layout->addLayout(chooser);

    auto* middle = new QHBoxLayout;
    auto* form = new QFormLayout;
    played_ = AddFigure(form, QStringLiteral("Games played:"), QStringLiteral("PlayedFigure"));
    won_ = AddFigure(form, QStringLiteral("Games won:"), QStringLiteral("WonFigure"));
    share_ = AddFigure(form, QStringLiteral("Won share:"), QStringLiteral("ShareFigure"));
    bestTime_ = AddFigure(form, QStringLiteral("Best time:"), QStringLiteral("BestTimeFigure"));
    averageTime_
        = AddFigure(form, QStringLiteral("Average time:"), QStringLiteral("AverageTimeFigure"));
    bestSpeed_ = AddFigure(form, QStringLiteral("Best 3BV/s:"), QStringLiteral("BestSpeedFigure"));
    currentStreak_ = AddFigure(
        form, QStringLiteral("Current winning streak:"), QStringLiteral("CurrentStreakFigure"));
    longestStreak_ = AddFigure(
        form, QStringLiteral("Longest winning streak:"), QStringLiteral("LongestStreakFigure"));
    middle->addLayout(form);
    chart_->setObjectName(QStringLiteral("TimesChart"));
    chart_->setMinimumSize(420, 260);
    chart_->setRenderHint(QPainter::Antialiasing);
    noWonGames_->setObjectName(QStringLiteral("NoWonGames"));
    noWonGames_->setText(QStringLiteral("No won games yet"));
    noWonGames_->setAlignment(Qt::AlignCenter);
    chartOrNone_->addWidget(chart_);
    chartOrNone_->addWidget(noWonGames_);
    middle->addWidget(chartOrNone_, 1);
    layout->addLayout(middle);

    latest_->setObjectName(QStringLiteral("LatestGames"));
    latest_->setHorizontalHeaderLabels(
        {QStringLiteral("Ended"), QStringLiteral("Result"), QStringLiteral("Time"),
            QStringLiteral("Clicks"), QStringLiteral("3BV"), QStringLiteral("3BV/s"),
            QStringLiteral("IOE"), QStringLiteral("Board"), QStringLiteral("No guess")});
    latest_->horizontalHeaderItem(8)->setToolTip(
        QStringLiteral("Marked when the board was dealt so that it needed no guess"));
    latest_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    latest_->setSelectionBehavior(QAbstractItemView::SelectRows);
    latest_->verticalHeader()->hide();
    latest_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    latest_->setMinimumHeight(200);
    latest_->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    layout->addWidget(latest_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    const auto refresh = [this] { Refresh(); };
    connect(mode_, &QComboBox::currentIndexChanged, this, refresh);
    connect(level_, &QComboBox::currentIndexChanged, this, refresh);
}

QLabel* StatisticsWindow::AddFigure(QFormLayout* form, const QString& caption, const QString& name)
{
    auto* figure = new QLabel(this);
    figure->setObjectName(name);
    form->addRow(caption, figure);
    return figure;
}

void StatisticsWindow::ShowKind(PlayMode mode, Level level)
{
    {
        const QSignalBlocker holdMode(mode_);
        const QSignalBlocker holdLevel(level_);
        mode_->setCurrentIndex(mode_->findData(static_cast<int>(mode)));
        level_->setCurrentIndex(level_->findData(static_cast<int>(level)));
    }
    Refresh();
    CentreOnDesktop(*this);
}

void StatisticsWindow::Refresh()
{
    const auto mode = static_cast<PlayMode>(mode_->currentData().toInt());
    const auto level = static_cast<Level>(level_->currentData().toInt());
    const KindFigures figures = history_.Figures(mode, level);
    played_->setText(QString::number(figures.Played));
    won_->setText(QString::number(figures.Won));
    share_->setText(QStringLiteral("%1 %").arg(figures.WonShare() * 100.0, 0, 'f', 1));
    bestTime_->setText(Seconds(figures.BestSeconds));
    averageTime_->setText(Seconds(figures.AverageSeconds));
    // Two players share a board that neither clears: no speed of clearing it.
    bestSpeed_->setText(figures.BestThreeBVPerSecond && mode == PlayMode::Classic
            ? QString::number(*figures.BestThreeBVPerSecond, 'f', 2)
            : NoFigure);
    currentStreak_->setText(QString::number(figures.CurrentStreak));
    longestStreak_->setText(QString::number(figures.LongestStreak));
    ShowChart(mode, level, figures.BestSeconds.value_or(0.0));
    ShowLatest(mode, level);
}

void StatisticsWindow::ShowChart(PlayMode mode, Level level, double best)
{
    const std::vector<double> times = history_.LastWonTimes(mode, level, ChartedGames);
    chartOrNone_->setCurrentWidget(times.empty() ? static_cast<QWidget*>(noWonGames_) : chart_);
    if (times.empty())
        return;
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Times of the last won games"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* line = new QLineSeries(chart);
    line->setName(QStringLiteral("Time"));
    auto* points = new QScatterSeries(chart);
    points->setMarkerSize(7.0);
    for (size_t i = 0; i < times.size(); ++i) {
        line->append(static_cast<double>(i + 1), times[i]);
        points->append(static_cast<double>(i + 1), times[i]);
    }
    // Half a game's room on either side, so that no point sits on the chart's edge.
    const double first = 0.5;
    const double last = static_cast<double>(times.size()) + 0.5;
    auto* bestLine = new QLineSeries(chart);
    bestLine->setName(QStringLiteral("Best time"));
    bestLine->append(first, best);
    bestLine->append(last, best);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line),
             static_cast<QAbstractSeries*>(points), static_cast<QAbstractSeries*>(bestLine)})
        chart->addSeries(series);
    chart->legend()->markers(points).first()->setVisible(false);

    auto* games = new QValueAxis(chart);
    games->setTitleText(QStringLiteral("game"));
    games->setLabelFormat(QStringLiteral("%d"));
    games->setRange(first, last);
    games->setTickType(QValueAxis::TicksDynamic);
    games->setTickAnchor(0.0);
    games->setTickInterval(GameNumberStep(times.size()));
    auto* seconds = new QValueAxis(chart);
    seconds->setTitleText(QStringLiteral("seconds"));
    const double highest = *std::max_element(times.begin(), times.end());
    seconds->setRange(0.0, highest * 1.1);
    seconds->applyNiceNumbers();
    chart->addAxis(games, Qt::AlignBottom);
    chart->addAxis(seconds, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(games);
        series->attachAxis(seconds);
    }
    QChart* old = chart_->chart();
    chart_->setChart(chart);
    delete old;
}

void StatisticsWindow::ShowLatest(PlayMode mode, Level level)
{
    const std::vector<GameRecord> games = history_.LatestGames(mode, level, ListedGames);
    latest_->setSortingEnabled(false);
    latest_->setRowCount(static_cast<int>(games.size()));
    for (int row = 0; row < latest_->rowCount(); ++row) {
        const GameRecord& game = games[static_cast<size_t>(row)];
        const QDateTime ended = QDateTime::fromSecsSinceEpoch(game.PlayedAt);
        latest_->setItem(row, 0,
            new SortedItem(static_cast<double>(game.PlayedAt),
                ended.toString(QStringLiteral("yyyy-MM-dd hh:mm"))));
        latest_->setItem(
            row, 1, new SortedItem(static_cast<double>(game.Result), ResultName(game.Result)));
        latest_->setItem(
            row, 2, new SortedItem(game.Seconds, QString::number(game.Seconds, 'f', 2)));
        // The two players' clicks are not counted; speed and economy are those of a
        // board cleared by one player.
        const bool classic = game.Mode == PlayMode::Classic;
        const bool cleared = classic && game.Result == GameResult::Won;
        latest_->setItem(row, 3,
            classic ? new SortedItem(game.Clicks, QString::number(game.Clicks))
                    : new SortedItem(-1.0, NoFigure));
        latest_->setItem(
            row, 4, new SortedItem(game.Measures.ThreeBV, QString::number(game.Measures.ThreeBV)));
        latest_->setItem(row, 5, Measure(game.Measures.ThreeBVPerSecond, cleared));
        latest_->setItem(row, 6, Measure(game.Measures.Ioe, cleared));
        const int cells = game.Width * game.Height;
        latest_->setItem(row, 7,
            new SortedItem(cells * 10000.0 + game.Mines,
                QStringLiteral("%1 x %2, %3 mines")
                    .arg(game.Width)
                    .arg(game.Height)
                    .arg(game.Mines)));
        latest_->setItem(row, 8,
            new SortedItem(game.NoGuessBoard ? 1.0 : 0.0,
                game.NoGuessBoard ? QStringLiteral("\u2713") : QString()));
    }
    latest_->setSortingEnabled(true);
    // Wide enough for every column, so that the window grows rather than hides one.
    latest_->setMinimumWidth(latest_->horizontalHeader()->length() + 2 * latest_->frameWidth()
        + latest_->verticalScrollBar()->sizeHint().width());
}

} // namespace orvane
