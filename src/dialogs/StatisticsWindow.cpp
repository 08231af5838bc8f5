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
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>

namespace orvane {

namespace {

QString Seconds(const std::optional<double>& seconds)
{
    return seconds ? QStringLiteral("%1 s").arg(*seconds, 0, 'f', 2) : QStringLiteral("-");
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

} // namespace

StatisticsWindow::StatisticsWindow(const History& history, QWidget* parent) :
    QDialog(parent), history_(history), mode_(new QComboBox(this)), level_(new QComboBox(this)),
    chart_(new QChartView(new QChart, this)), latest_(new QTableWidget(0, 8, this))
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
    chooser->addWidget(new QLabel(QStringLiteral("&Mode:"), this));
    chooser->addWidget(mode_);
    chooser->addWidget(new QLabel(QStringLiteral("&Level:"), this));
    chooser->addWidget(level_);
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
    middle->addWidget(chart_, 1);
    layout->addLayout(middle);

    latest_->setObjectName(QStringLiteral("LatestGames"));
    latest_->setHorizontalHeaderLabels({QStringLiteral("Ended"), QStringLiteral("Result"),
        QStringLiteral("Time"), QStringLiteral("Clicks"), QStringLiteral("3BV"),
        QStringLiteral("3BV/s"), QStringLiteral("IOE"), QStringLiteral("Board")});
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
    bestSpeed_->setText(figures.BestThreeBVPerSecond
            ? QString::number(*figures.BestThreeBVPerSecond, 'f', 2)
            : QStringLiteral("-"));
    currentStreak_->setText(QString::number(figures.CurrentStreak));
    longestStreak_->setText(QString::number(figures.LongestStreak));
    ShowChart(mode, level, figures.BestSeconds.value_or(0.0));
    ShowLatest(mode, level);
}

void StatisticsWindow::ShowChart(PlayMode mode, Level level, double best)
{
    const std::vector<double> times = history_.LastWonTimes(mode, level, ChartedGames);
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
    auto* bestLine = new QLineSeries(chart);
    bestLine->setName(QStringLiteral("Best time"));
    const double last = std::max<double>(static_cast<double>(times.size()), 1.0);
    if (!times.empty()) {
        bestLine->append(1.0, best);
        bestLine->append(last, best);
    }
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line),
             static_cast<QAbstractSeries*>(points), static_cast<QAbstractSeries*>(bestLine)})
        chart->addSeries(series);
    chart->legend()->markers(points).first()->setVisible(false);

    auto* games = new QValueAxis(chart);
    games->setTitleText(QStringLiteral("game"));
    games->setLabelFormat(QStringLiteral("%d"));
    games->setRange(1.0, last);
    auto* seconds = new QValueAxis(chart);
    seconds->setTitleText(QStringLiteral("seconds"));
    const double highest = times.empty() ? 1.0 : *std::max_element(times.begin(), times.end());
    seconds->setRange(0.0, highest * 1.1);
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
        latest_->setItem(row, 3, new SortedItem(game.Clicks, QString::number(game.Clicks)));
        latest_->setItem(
            row, 4, new SortedItem(game.Measures.ThreeBV, QString::number(game.Measures.ThreeBV)));
        latest_->setItem(row, 5,
            new SortedItem(game.Measures.ThreeBVPerSecond,
                QString::number(game.Measures.ThreeBVPerSecond, 'f', 2)));
        latest_->setItem(
            row, 6, new SortedItem(game.Measures.Ioe, QString::number(game.Measures.Ioe, 'f', 2)));
        const int cells = game.Width * game.Height;
        latest_->setItem(row, 7,
            new SortedItem(cells * 10000.0 + game.Mines,
                QStringLiteral("%1 x %2, %3 mines")
                    .arg(game.Width)
                    .arg(game.Height)
                    .arg(game.Mines)));
    }
    latest_->setSortingEnabled(true);
}

} // namespace orvane
