// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HighScoresWindow.h"

#include "dialogs/DialogPlacement.h"
#include "scores/Recording.h"
#include "scores/ScoreFile.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QTabBar>
#include <QTableWidget>

#include <algorithm>
#include <array>

namespace orvane {

namespace {

constexpr int ColumnCount = 4;
constexpr std::array<int, ColumnCount> ColumnWidths {50, 200, 80, 60};

QFont Tahoma(bool bold = false)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    font.setBold(bold);
    return font;
}

// The mark of the newest high score: a round green button with a white arrow to the right.
QIcon MarkArrowIcon()
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient green(QPointF(6, 5), 10);
    green.setColorAt(0, QColor(140, 230, 120));
    green.setColorAt(1, QColor(20, 130, 30));
    painter.setPen(QPen(QColor(10, 80, 20), 1));
    painter.setBrush(green);
    painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QPainterPath arrow;
    arrow.moveTo(4, 6.5);
    arrow.lineTo(8, 6.5);
    arrow.lineTo(8, 3.5);
    arrow.lineTo(12.5, 8);
    arrow.lineTo(8, 12.5);
    arrow.lineTo(8, 9.5);
    arrow.lineTo(4, 9.5);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
    return QIcon(picture);
}

// A row of tabs over a framed body; the body's parts are placed on the returned widget.
QWidget* AddTabRow(QWidget* parent, const QString& name, const QRect& at,
    const QStringList& captions, QTabBar** bar)
{
    auto* row = new QWidget(parent);
    row->setGeometry(at);
    *bar = new QTabBar(row);
    (*bar)->setObjectName(name);
    (*bar)->setFont(Tahoma());
    (*bar)->setDrawBase(false);
    for (const QString& caption : captions)
        (*bar)->addTab(caption);
    (*bar)->move(0, 0);
    (*bar)->adjustSize();
    auto* body = new QFrame(row);
    body->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    const int top = (*bar)->height() - 1;
    body->setGeometry(0, top, at.width(), at.height() - top);
    body->lower();
    return row;
}

// A framed caption with its value to the right, bold and centred.
QFrame* AddCounter(
    QWidget* parent, const QString& name, const QString& caption, const QRect& at, QLabel** value)
{
    auto* box = new QFrame(parent);
    box->setObjectName(name + QStringLiteral("Box"));
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    box->setGeometry(at);
    auto* label = new QLabel(caption, box);
    label->setObjectName(name + QStringLiteral("Caption"));
    label->setFont(Tahoma());
    label->adjustSize();
    *value = new QLabel(box);
    (*value)->setObjectName(name + QStringLiteral("Count"));
    (*value)->setFont(Tahoma(true));
    (*value)->setAlignment(Qt::AlignCenter);
    // A caption longer than the English leaves the count room for five digits and wraps.
    const int countRoom = (*value)->fontMetrics().horizontalAdvance(QStringLiteral("99999"));
    const int captionRoom = at.width() - 6 - 2 - countRoom - 4;
    if (label->width() > captionRoom) {
        label->setWordWrap(true);
        label->resize(captionRoom, label->heightForWidth(captionRoom));
    }
    label->move(6, (at.height() - label->height()) / 2);
    const int left = label->x() + label->width() + 2;
    (*value)->setGeometry(left, 2, at.width() - left - 4, at.height() - 4);
    return box;
}

// Names sort without regard to the case of A..Z.
int CompareNames(const std::string& a, const std::string& b)
{
    const auto lower
        = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(lower(a[i]));
        const auto y = static_cast<unsigned char>(lower(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int CompareNumbers(int32_t a, int32_t b)
{
    return a == b ? 0 : a < b ? -1 : 1;
}

} // namespace

HighScoresWindow::HighScoresWindow(ScoreFile& scores, ScoreMarks& marks, QWidget* parent) :
    QDialog(parent), scores_(scores), marks_(marks), markIcon_(MarkArrowIcon())
{
    setWindowTitle(QCoreApplication::translate("HighScoresWindow", "Hi Scores"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(449, 392);
    setFont(Tahoma());

    QWidget* gameType = AddTabRow(this, QStringLiteral("TabGameType"), QRect(2, 2, 445, 351),
        {QCoreApplication::translate("HighScoresWindow", "&Single Player"),
            QCoreApplication::translate("HighScoresWindow", "&Multi Player")},
        &TabGameType);
    QWidget* difficulty
        = AddTabRow(gameType, QStringLiteral("TabDifficulty"), QRect(10, 28, 425, 272),
            {QCoreApplication::translate("HighScoresWindow", "Beginner"),
                QCoreApplication::translate("HighScoresWindow", "Intermediate"),
                QCoreApplication::translate("HighScoresWindow", "Expert")},
            &TabDifficulty);

    ScoreList = new QTableWidget(RowsPerTable, ColumnCount, difficulty);
    ScoreList->setObjectName(QStringLiteral("ScoreList"));
    ScoreList->setGeometry(14, 35, 395, 198);
    QFont arial(QStringLiteral("Arial"));
    arial.setStyleHint(QFont::SansSerif);
    arial.setPixelSize(13);
    ScoreList->setFont(arial);
    ScoreList->setStyleSheet(QStringLiteral("QTableWidget { background: white; }"));
    ScoreList->setShowGrid(true);
    ScoreList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ScoreList->setSelectionBehavior(QAbstractItemView::SelectRows);
    ScoreList->setSelectionMode(QAbstractItemView::SingleSelection);
    ScoreList->setIconSize(QSize(16, 16));
    ScoreList->verticalHeader()->hide();
    ScoreList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // Ten rows of 17 pixels below a 20-pixel header fill the list without scrolling.
    ScoreList->verticalHeader()->setMinimumSectionSize(17);
    ScoreList->verticalHeader()->setDefaultSectionSize(17);
    ScoreList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScoreList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView* header = ScoreList->horizontalHeader();
    header->setFixedHeight(20);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setSectionsClickable(true);
    header->setHighlightSections(false);
    for (int column = 0; column < ColumnCount; ++column)
        header->resizeSection(column, ColumnWidths[static_cast<size_t>(column)]);
    connect(header, &QHeaderView::sectionClicked, this, &HighScoresWindow::ScoreListColumnClick);

    ResetScore = new QPushButton(
        QCoreApplication::translate("HighScoresWindow", "&Reset Scores"), difficulty);
    ResetScore->setObjectName(QStringLiteral("ResetScore"));
    // A longer caption widens the button to the left.
    const int resetWidth = std::max(97, ResetScore->sizeHint().width());
    ResetScore->setGeometry(312 + 97 - resetWidth, 239, resetWidth, 25);
    ResetScore->setAutoDefault(false);
    connect(ResetScore, &QPushButton::clicked, this, &HighScoresWindow::ResetShownTable);

    BuildCounters(gameType);

    auto* ok = new QPushButton(QCoreApplication::translate("HighScoresWindow", "&Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setGeometry(366, 359, 75, 25);
    ok->setDefault(true);
    // Esc closes the window as well: the button is also the cancel button.
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    connect(TabGameType, &QTabBar::currentChanged, this, [this] { ShowChosenGameType(); });
    connect(TabDifficulty, &QTabBar::currentChanged, this, [this] { ShowChosenTable(); });
}

void HighScoresWindow::BuildCounters(QWidget* tabGameType)
{
    AddCounter(tabGameType, QStringLiteral("Played"),
        QCoreApplication::translate("HighScoresWindow", "Total Games Played"),
        QRect(10, 306, 160, 28), &PlayedCount);
    auto* played = tabGameType->findChild<QLabel*>(QStringLiteral("PlayedCaption"));
    QPalette red = played->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    played->setPalette(red);
    WonBox = AddCounter(this, QStringLiteral("Won"),
        QCoreApplication::translate("HighScoresWindow", "Games Won"), QRect(176, 308, 128, 28),
        &WonCount);
    WonBox->raise();
    LostBox = AddCounter(tabGameType, QStringLiteral("Lost"),
        QCoreApplication::translate("HighScoresWindow", "Games Lost"), QRect(306, 306, 130, 28),
        &LostCount);
}

void HighScoresWindow::showEvent(QShowEvent* event)
{
    CentreOnDesktop(*this);
    ShowLatestTable();
    QDialog::showEvent(event);
}

// Opens on the table shown last, or the one the latest result went to.
void HighScoresWindow::ShowLatestTable()
{
    const QSignalBlocker typeBlocker(TabGameType);
    const QSignalBlocker levelBlocker(TabDifficulty);
    TabDifficulty->setCurrentIndex(marks_.ShownTable % 3);
    if (marks_.ShownTable < FirstTwoPlayerTable)
        ShownTypeOffset = 0;
    TabGameType->setCurrentIndex(ShownTypeOffset == 0 ? 0 : 1);
    ShowChosenGameType();
}

void HighScoresWindow::ShowChosenGameType()
{
    const bool single = TabGameType->currentIndex() == 0;
    ShownTypeOffset = single ? 0 : FirstTwoPlayerTable;
    ScoreList->setHorizontalHeaderLabels({QCoreApplication::translate("HighScoresWindow", "No."),
        QCoreApplication::translate("HighScoresWindow", "Name"),
        single ? QCoreApplication::translate("HighScoresWindow", "Time")
               : QCoreApplication::translate("HighScoresWindow", "Won"),
        single ? QCoreApplication::translate("HighScoresWindow", "Clicks")
               : QCoreApplication::translate("HighScoresWindow", "Lost")});
    WonBox->setVisible(single);
    LostBox->setVisible(single);
    ShowChosenTable();
}

void HighScoresWindow::ShowChosenTable()
{
    const int table = TabDifficulty->currentIndex() + ShownTypeOffset;
    marks_.ShownTable = static_cast<uint8_t>(table);
    const TableCounters& counters = scores_.TableStats[static_cast<size_t>(table)];
    if (ShownTypeOffset == 0) {
        WonCount->setNum(counters.WonOrStarted);
        LostCount->setNum(counters.GamesLost);
        PlayedCount->setText(
            QString::number(static_cast<qlonglong>(counters.WonOrStarted) + counters.GamesLost));
    } else {
        PlayedCount->setNum(counters.WonOrStarted);
    }

    items_.clear();
    for (int row = 1; row <= RowsPerTable; ++row)
        items_.push_back({0, scores_.Row(table, row), false});
    SortColumn = 2;
    SortList();
    for (std::size_t i = 0; i < items_.size(); ++i)
        items_[i].Rank = static_cast<int>(i + 1);

    if (marks_.MarkTable == table && marks_.MarkRow > 0) {
        const ScoreEntry& mark = scores_.Row(table, marks_.MarkRow);
        const auto last = std::find_if(items_.rbegin(), items_.rend(),
            [&](const ListItem& item) { return item.Entry == mark; });
        if (last != items_.rend())
            last->Marked = true;
    }
    ShowItems();
}

void HighScoresWindow::ScoreListColumnClick(int column)
{
    SortColumn = column;
    SortList();
    ShowItems();
}

// Times and clicks sort the fastest first, wins and losses the most first; rows with
// equal keys keep their order.
int HighScoresWindow::ScoreListCompare(const ListItem& a, const ListItem& b) const
{
    const bool descending = ShownTypeOffset != 0;
    switch (SortColumn) {
    case 0:
        return CompareNumbers(a.Rank, b.Rank);
    case 1:
        return CompareNames(a.Entry.Name, b.Entry.Name);
    case 2: {
        const int order = CompareNumbers(a.Entry.TimeOrWon, b.Entry.TimeOrWon);
        return descending ? -order : order;
    }
    default: {
        const int order = CompareNumbers(a.Entry.ClicksOrLost, b.Entry.ClicksOrLost);
        return descending ? -order : order;
    }
    }
}

void HighScoresWindow::SortList()
{
    std::stable_sort(items_.begin(), items_.end(),
        [this](const ListItem& a, const ListItem& b) { return ScoreListCompare(a, b) < 0; });
}

void HighScoresWindow::ShowItems()
{
    for (int row = 0; row < static_cast<int>(items_.size()); ++row) {
        const ListItem& item = items_[static_cast<size_t>(row)];
        const std::array<QString, ColumnCount> texts {
            item.Rank > 0 ? QString::number(item.Rank) : QString(),
            QString::fromStdString(item.Entry.Name), QString::number(item.Entry.TimeOrWon),
            QString::number(item.Entry.ClicksOrLost)};
        for (int column = 0; column < ColumnCount; ++column) {
            auto* cell = new QTableWidgetItem(texts[static_cast<size_t>(column)]);
            cell->setTextAlignment(
                column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            if (column == 0 && item.Marked)
                cell->setIcon(markIcon_);
            ScoreList->setItem(row, column, cell);
        }
    }
}

void HighScoresWindow::ResetShownTable()
{
    if (!AskYesNo
        || !AskYesNo(QT_TRANSLATE_NOOP("Messages", "Are You Sure You Want To Reset Scores?")))
        return;
    scores_.ResetTable(marks_.ShownTable);
    marks_.MarkRow = 0;
    ShowChosenTable();
}

} // namespace orvane
