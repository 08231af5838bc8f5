// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/StatisticsWindow.h"

#include "dialogs/DialogPlacement.h"
#include "scores/History.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
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
        return QCoreApplication::translate("StatisticsWindow", "Won");
    case GameResult::Lost:
        return QCoreApplication::translate("StatisticsWindow", "Lost");
    case GameResult::GivenUp:
        return QCoreApplication::translate("StatisticsWindow", "Given up");
    }
    return {};
}

enum Column {
    EndedColumn,
    ResultColumn,
    OpponentColumn, // shown for network games only
    TimeColumn,
    ThreeBVColumn,
    SpeedColumn,
    ClicksColumn,
    EffectiveClicksColumn,
    IoeColumn,
    CorrectnessColumn,
    ThroughputColumn,
    RqpColumn,
    OpeningsColumn,
    IslandsColumn,
    BoardColumn,
    NoGuessColumn,
    GivenBoardColumn,
    ChancesColumn,
    KeepColumn,
    ColumnCount
};

constexpr int SortRole = Qt::UserRole;
// Kept on each row's first item.
constexpr int GameIdRole = Qt::UserRole + 1;
constexpr int ReplayRole = Qt::UserRole + 2;

// The list sorts numbers as numbers: each item compares the value it was given. A figure
// that means nothing has none, and comes last whichever way the column sorts.
class SortedItem : public QTableWidgetItem {
public:
    SortedItem(std::optional<double> value, const QString& shown) : QTableWidgetItem(shown)
    {
        if (value)
            setData(SortRole, *value);
    }
    bool operator<(const QTableWidgetItem& other) const override
    {
        const QVariant mine = data(SortRole);
        const QVariant theirs = other.data(SortRole);
        if (mine.isValid() != theirs.isValid()) {
            const bool descending = tableWidget()
                && tableWidget()->horizontalHeader()->sortIndicatorOrder() == Qt::DescendingOrder;
            return descending ? !mine.isValid() : !theirs.isValid();
        }
        return mine.toDouble() < theirs.toDouble();
    }
};

QTableWidgetItem* Count(std::optional<int32_t> count)
{
    return count ? new SortedItem(*count, QString::number(*count)) : new SortedItem({}, NoFigure);
}

// A number with two decimals.
QTableWidgetItem* Measure(std::optional<double> value)
{
    return value ? new SortedItem(value, QString::number(*value, 'f', 2))
                 : new SortedItem({}, NoFigure);
}

QTableWidgetItem* Mark(bool marked)
{
    return new SortedItem(marked ? 1.0 : 0.0, marked ? QStringLiteral("\u2713") : QString());
}

bool HasReplay(ReplayKeeping replay)
{
    return replay != ReplayKeeping::PlayedBefore && replay != ReplayKeeping::AtNetworkHost
        && replay != ReplayKeeping::NotKept;
}

// The Keep check of a game with a replay; a high score's is always kept.
QTableWidgetItem* KeepItem(ReplayKeeping replay)
{
    auto* item = new SortedItem(static_cast<double>(replay), QString());
    if (!HasReplay(replay)) {
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        return item;
    }
    item->setCheckState(replay == ReplayKeeping::Kept ? Qt::Unchecked : Qt::Checked);
    if (replay == ReplayKeeping::HighScore) {
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        item->setToolTip(QCoreApplication::translate(
            "StatisticsWindow", "A high score's replay is always kept"));
    }
    return item;
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

StatisticsWindow::StatisticsWindow(History& history, QWidget* parent) :
    QDialog(parent), history_(history), mode_(new QComboBox(this)), level_(new QComboBox(this)),
    chart_(new QChartView(new QChart, this)), noWonGames_(new QLabel(this)),
    chartOrNone_(new QStackedWidget(this)), latest_(new QTableWidget(0, ColumnCount, this)),
    replayNote_(new QLabel(this)),
    watch_(new QPushButton(QCoreApplication::translate("StatisticsWindow", "&Watch Replay"), this)),
    playAgain_(
        new QPushButton(QCoreApplication::translate("StatisticsWindow", "&Play Board Again"), this))
{
    setWindowTitle(QCoreApplication::translate("StatisticsWindow", "Statistics"));
    auto* layout = new QVBoxLayout(this);

    auto* chooser = new QHBoxLayout;
    mode_->setObjectName(QStringLiteral("ModeChooser"));
    mode_->addItem(QCoreApplication::translate("StatisticsWindow", "Classic"),
        static_cast<int>(HistoryMode::Classic));
    mode_->addItem(QCoreApplication::translate("StatisticsWindow", "Vs Human"),
        static_cast<int>(HistoryMode::VsHuman));
    mode_->addItem(QCoreApplication::translate("StatisticsWindow", "Vs Computer"),
        static_cast<int>(HistoryMode::VsComputer));
    mode_->addItem(QCoreApplication::translate("StatisticsWindow", "Network"),
        static_cast<int>(HistoryMode::Network));
    level_->setObjectName(QStringLiteral("LevelChooser"));
    level_->addItem(QCoreApplication::translate("StatisticsWindow", "Beginner"),
        static_cast<int>(Level::Beginner));
    level_->addItem(QCoreApplication::translate("StatisticsWindow", "Intermediate"),
        static_cast<int>(Level::Intermediate));
    level_->addItem(
        QCoreApplication::translate("StatisticsWindow", "Expert"), static_cast<int>(Level::Expert));
    level_->addItem(
        QCoreApplication::translate("StatisticsWindow", "Custom"), static_cast<int>(Level::Custom));
    for (const auto& [caption, chooserBox] :
        {std::pair {QCoreApplication::translate("StatisticsWindow", "&Mode:"), mode_},
            std::pair {QCoreApplication::translate("StatisticsWindow", "&Level:"), level_}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(chooserBox);
        chooser->addWidget(label);
        chooser->addWidget(chooserBox);
    }
    chooser->addStretch();
    layout->addLayout(chooser);

    auto* middle = new QHBoxLayout;
    auto* form = new QFormLayout;
    played_ = AddFigure(form, QCoreApplication::translate("StatisticsWindow", "Games played:"),
        QStringLiteral("PlayedFigure"));
    won_ = AddFigure(form, QCoreApplication::translate("StatisticsWindow", "Games won:"),
        QStringLiteral("WonFigure"));
    share_ = AddFigure(form, QCoreApplication::translate("StatisticsWindow", "Won share:"),
        QStringLiteral("ShareFigure"));
    bestTime_ = AddFigure(form, QCoreApplication::translate("StatisticsWindow", "Best time:"),
        QStringLiteral("BestTimeFigure"));
    averageTime_ = AddFigure(form, QCoreApplication::translate("StatisticsWindow", "Average time:"),
        QStringLiteral("AverageTimeFigure"));
    bestSpeed_ = AddFigure(form, QCoreApplication::translate("StatisticsWindow", "Best 3BV/s:"),
        QStringLiteral("BestSpeedFigure"));
    currentStreak_ = AddFigure(form,
        QCoreApplication::translate("StatisticsWindow", "Current winning streak:"),
        QStringLiteral("CurrentStreakFigure"));
    longestStreak_ = AddFigure(form,
        QCoreApplication::translate("StatisticsWindow", "Longest winning streak:"),
        QStringLiteral("LongestStreakFigure"));
    middle->addLayout(form);
    chart_->setObjectName(QStringLiteral("TimesChart"));
    chart_->setMinimumSize(420, 260);
    chart_->setRenderHint(QPainter::Antialiasing);
    noWonGames_->setObjectName(QStringLiteral("NoWonGames"));
    noWonGames_->setText(QCoreApplication::translate("StatisticsWindow", "No won games yet"));
    noWonGames_->setAlignment(Qt::AlignCenter);
    chartOrNone_->addWidget(chart_);
    chartOrNone_->addWidget(noWonGames_);
    middle->addWidget(chartOrNone_, 1);
    layout->addLayout(middle);

    latest_->setObjectName(QStringLiteral("LatestGames"));
    latest_->setHorizontalHeaderLabels({QCoreApplication::translate("StatisticsWindow", "Ended"),
        QCoreApplication::translate("StatisticsWindow", "Result"),
        QCoreApplication::translate("StatisticsWindow", "Opponent"),
        QCoreApplication::translate("StatisticsWindow", "Time"), QStringLiteral("3BV"),
        QStringLiteral("3BV/s"), QCoreApplication::translate("StatisticsWindow", "Clicks"),
        QCoreApplication::translate("StatisticsWindow", "Effective clicks"), QStringLiteral("IOE"),
        QCoreApplication::translate("StatisticsWindow", "Correctness"),
        QCoreApplication::translate("StatisticsWindow", "Throughput"), QStringLiteral("RQP"),
        QCoreApplication::translate("StatisticsWindow", "Openings"),
        QCoreApplication::translate("StatisticsWindow", "Islands"),
        QCoreApplication::translate("StatisticsWindow", "Board"),
        QCoreApplication::translate("StatisticsWindow", "No guess"),
        QCoreApplication::translate("StatisticsWindow", "Given"),
        QCoreApplication::translate("StatisticsWindow", "Chances"),
        QCoreApplication::translate("StatisticsWindow", "Keep")});
    latest_->horizontalHeaderItem(NoGuessColumn)
        ->setToolTip(QCoreApplication::translate(
            "StatisticsWindow", "Marked when the board was dealt so that it needed no guess"));
    latest_->horizontalHeaderItem(GivenBoardColumn)
        ->setToolTip(QCoreApplication::translate(
            "StatisticsWindow", "Marked when the board was played again or read from a code"));
    latest_->horizontalHeaderItem(ChancesColumn)
        ->setToolTip(QCoreApplication::translate(
            "StatisticsWindow", "Marked when the mine chances were shown during the game"));
    latest_->horizontalHeaderItem(KeepColumn)
        ->setToolTip(
            QCoreApplication::translate("StatisticsWindow", "Keeps the game's replay for ever"));
    latest_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    latest_->setSelectionBehavior(QAbstractItemView::SelectRows);
    latest_->verticalHeader()->hide();
    latest_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    latest_->setMinimumHeight(200);
    latest_->horizontalHeader()->setSortIndicator(0, Qt::DescendingOrder);
    layout->addWidget(latest_, 1);
    replayNote_->setObjectName(QStringLiteral("ReplayNote"));
    layout->addWidget(replayNote_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    watch_->setObjectName(QStringLiteral("WatchReplay"));
    playAgain_->setObjectName(QStringLiteral("PlayBoardAgain"));
    buttons->addButton(watch_, QDialogButtonBox::ActionRole);
    buttons->addButton(playAgain_, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    connect(watch_, &QPushButton::clicked, this, [this] { CallWithChosenGame(OnWatchReplay); });
    connect(
        playAgain_, &QPushButton::clicked, this, [this] { CallWithChosenGame(OnPlayBoardAgain); });
    connect(latest_, &QTableWidget::itemDoubleClicked, this,
        [this] { CallWithChosenGame(OnWatchReplay); });
    connect(latest_, &QTableWidget::itemSelectionChanged, this, [this] { ShowChosenGame(); });
    connect(latest_, &QTableWidget::itemChanged, this,
        [this](QTableWidgetItem* item) { KeepChanged(item); });

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

void StatisticsWindow::ShowKind(HistoryMode mode, Level level)
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
    const auto mode = static_cast<HistoryMode>(mode_->currentData().toInt());
    const auto level = static_cast<Level>(level_->currentData().toInt());
    const KindFigures figures = history_.Figures(mode, level);
    played_->setText(QString::number(figures.Played));
    won_->setText(QString::number(figures.Won));
    share_->setText(QStringLiteral("%1 %").arg(figures.WonShare() * 100.0, 0, 'f', 1));
    bestTime_->setText(Seconds(figures.BestSeconds));
    averageTime_->setText(Seconds(figures.AverageSeconds));
    // Two players share a board that neither clears: no speed of clearing it.
    bestSpeed_->setText(figures.BestThreeBVPerSecond && mode == HistoryMode::Classic
            ? QString::number(*figures.BestThreeBVPerSecond, 'f', 2)
            : NoFigure);
    currentStreak_->setText(QString::number(figures.CurrentStreak));
    longestStreak_->setText(QString::number(figures.LongestStreak));
    ShowChart(mode, level, figures.BestSeconds.value_or(0.0));
    ShowLatest(mode, level);
}

void StatisticsWindow::ShowChart(HistoryMode mode, Level level, double best)
{
    const std::vector<double> times = history_.LastWonTimes(mode, level, ChartedGames);
    chartOrNone_->setCurrentWidget(times.empty() ? static_cast<QWidget*>(noWonGames_) : chart_);
    if (times.empty())
        return;
    auto* chart = new QChart;
    chart->setTitle(QCoreApplication::translate("StatisticsWindow", "Times of the last won games"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto* line = new QLineSeries(chart);
    line->setName(QCoreApplication::translate("StatisticsWindow", "Time"));
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
    bestLine->setName(QCoreApplication::translate("StatisticsWindow", "Best time"));
    bestLine->append(first, best);
    bestLine->append(last, best);
    for (QAbstractSeries* series : {static_cast<QAbstractSeries*>(line),
             static_cast<QAbstractSeries*>(points), static_cast<QAbstractSeries*>(bestLine)})
        chart->addSeries(series);
    chart->legend()->markers(points).first()->setVisible(false);

    auto* games = new QValueAxis(chart);
    games->setTitleText(QCoreApplication::translate("StatisticsWindow", "game"));
    games->setLabelFormat(QStringLiteral("%d"));
    games->setRange(first, last);
    games->setTickType(QValueAxis::TicksDynamic);
    games->setTickAnchor(0.0);
    games->setTickInterval(GameNumberStep(times.size()));
    auto* seconds = new QValueAxis(chart);
    seconds->setTitleText(QCoreApplication::translate("StatisticsWindow", "seconds"));
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

void StatisticsWindow::ShowLatest(HistoryMode mode, Level level)
{
    latest_->setColumnHidden(OpponentColumn, mode != HistoryMode::Network);
    const std::vector<GameRecord> games = history_.LatestGames(mode, level, ListedGames);
    const QSignalBlocker holdChanges(latest_);
    latest_->setSortingEnabled(false);
    latest_->clearContents();
    latest_->setRowCount(static_cast<int>(games.size()));
    for (int row = 0; row < latest_->rowCount(); ++row) {
        const GameRecord& game = games[static_cast<size_t>(row)];
        const QDateTime ended = QDateTime::fromSecsSinceEpoch(game.PlayedAt);
        auto* first = new SortedItem(
            static_cast<double>(game.PlayedAt), ended.toString(QStringLiteral("yyyy-MM-dd hh:mm")));
        first->setData(GameIdRole, static_cast<qlonglong>(game.Id));
        first->setData(ReplayRole, static_cast<int>(game.Replay));
        latest_->setItem(row, EndedColumn, first);
        latest_->setItem(row, ResultColumn,
            new SortedItem(static_cast<double>(game.Result), ResultName(game.Result)));
        latest_->setItem(row, OpponentColumn,
            new QTableWidgetItem(QString::fromStdString(game.Opponent.value_or(std::string()))));
        latest_->setItem(
            row, TimeColumn, new SortedItem(game.Seconds, QString::number(game.Seconds, 'f', 2)));
        // The two players' clicks are not counted; speed and economy are those of a
        // board cleared by one player.
        // A network game's player never saw the whole board.
        const bool classic = game.Mode == HistoryMode::Classic;
        const bool cleared = classic && game.Result == GameResult::Won;
        latest_->setItem(row, ThreeBVColumn,
            Count(game.Mode != HistoryMode::Network ? std::optional(game.Measures.ThreeBV)
                                                    : std::nullopt));
        latest_->setItem(row, SpeedColumn,
            Measure(cleared ? std::optional(game.Measures.ThreeBVPerSecond) : std::nullopt));
        latest_->setItem(
            row, ClicksColumn, Count(classic ? std::optional(game.Clicks) : std::nullopt));
        latest_->setItem(row, EffectiveClicksColumn, Count(game.EffectiveClicks));
        latest_->setItem(
            row, IoeColumn, Measure(cleared ? std::optional(game.Measures.Ioe) : std::nullopt));
        latest_->setItem(row, CorrectnessColumn, Measure(game.Correctness));
        latest_->setItem(row, ThroughputColumn, Measure(game.Throughput));
        latest_->setItem(row, RqpColumn, Measure(game.Rqp));
        latest_->setItem(row, OpeningsColumn, Count(game.Openings));
        latest_->setItem(row, IslandsColumn, Count(game.Islands));
        const int cells = game.Width * game.Height;
        latest_->setItem(row, BoardColumn,
            new SortedItem(cells * 10000.0 + game.Mines,
                QCoreApplication::translate("StatisticsWindow", "%1 x %2, %3 mines")
                    .arg(game.Width)
                    .arg(game.Height)
                    .arg(game.Mines)));
        latest_->setItem(row, NoGuessColumn, Mark(game.NoGuessBoard));
        latest_->setItem(row, GivenBoardColumn, Mark(game.GivenBoard));
        latest_->setItem(row, ChancesColumn, Mark(game.ChancesShown));
        latest_->setItem(row, KeepColumn, KeepItem(game.Replay));
    }
    latest_->setSortingEnabled(true);
    // Wide enough for every column while the screen has room, so that the window grows
    // rather than hides one.
    const int wanted = latest_->horizontalHeader()->length() + 2 * latest_->frameWidth()
        + latest_->verticalScrollBar()->sizeHint().width();
    latest_->setMinimumWidth(std::min(wanted, screen()->availableGeometry().width() * 9 / 10));
    ShowChosenGame();
}

void StatisticsWindow::ShowChosenGame()
{
    const QTableWidgetItem* first = latest_->item(latest_->currentRow(), EndedColumn);
    const bool chosen = first && !latest_->selectedItems().isEmpty();
    const auto replay = chosen ? static_cast<ReplayKeeping>(first->data(ReplayRole).toInt())
                               : ReplayKeeping::Kept;
    watch_->setEnabled(chosen && HasReplay(replay));
    playAgain_->setEnabled(chosen && HasReplay(replay));
    if (replay == ReplayKeeping::PlayedBefore)
        replayNote_->setText(QCoreApplication::translate("StatisticsWindow",
            "This game has no replay: it was played before replays were kept."));
    else if (replay == ReplayKeeping::AtNetworkHost)
        replayNote_->setText(QCoreApplication::translate("StatisticsWindow",
            "This game has no replay: it was played over the network, and only the host knew "
            "where the mines were."));
    else if (replay == ReplayKeeping::NotKept)
        replayNote_->setText(
            QCoreApplication::translate("StatisticsWindow", "This game's replay was not kept."));
    else
        replayNote_->clear();
}

// The player's mark is stored at once; one that cannot be stored is taken back.
void StatisticsWindow::KeepChanged(QTableWidgetItem* item)
{
    if (item->column() != KeepColumn || !(item->flags() & Qt::ItemIsUserCheckable))
        return;
    QTableWidgetItem* first = latest_->item(item->row(), EndedColumn);
    const bool keep = item->checkState() == Qt::Checked;
    const QSignalBlocker holdChanges(latest_);
    if (!history_.MarkReplay(first->data(GameIdRole).toLongLong(), keep)) {
        item->setCheckState(keep ? Qt::Unchecked : Qt::Checked);
        return;
    }
    const ReplayKeeping now = keep ? ReplayKeeping::Marked : ReplayKeeping::Kept;
    first->setData(ReplayRole, static_cast<int>(now));
    item->setData(SortRole, static_cast<double>(now));
}

void StatisticsWindow::CallWithChosenGame(const std::function<void(int64_t gameId)>& call)
{
    const QTableWidgetItem* first = latest_->item(latest_->currentRow(), EndedColumn);
    if (!call || !first || !HasReplay(static_cast<ReplayKeeping>(first->data(ReplayRole).toInt())))
        return;
    call(first->data(GameIdRole).toLongLong());
}

} // namespace orvane
