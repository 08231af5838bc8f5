// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HighScoresWindow.h"
#include "dialogs/NameDialog.h"
#include "game/BoardMeasures.h"
#include "support/FixedRandom.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <functional>

using namespace orvane;
using namespace orvane::testing;

namespace {

// The real main window with fixed mines: a Beginner game won with mouse clicks.
class ClassicWinTest : public MainWindowFixture {
protected:
    FixedRandom draws {7};
    RandomSource* Draws() override { return &draws; }

    void ClickCell(int index)
    {
        const int size = form->session().screen.CellSize;
        const QPoint centre((index % game().BoardWidth()) * size + size / 2,
            (index / game().BoardWidth()) * size + size / 2);
        QTest::mouseClick(form->BoardArea, Qt::LeftButton, {}, centre);
    }
};

TEST_F(ClassicWinTest, WinAsksForANameWritesTheRowAndShowsItMarked)
{
    std::vector<std::string> seen;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* input = qobject_cast<NameDialog*>(modal)) {
            auto* edit = input->findChild<QLineEdit*>(QStringLiteral("EditName"));
            if (!edit->hasFocus())
                return; // not yet active
            seen.push_back("name: " + edit->selectedText().toStdString());
            // The result's bar stands whole behind the dialog: without it, every column
            // of the status area would look the same.
            MessageBar& bar = form->render().View.Message;
            seen.push_back("bar: " + bar.Text);
            const QImage withBar = StatusFrame();
            const MessageBar kept = bar;
            bar.Reset();
            const QImage without = StatusFrame();
            bar = kept;
            int barColumns = 0;
            for (int x = 0; x < withBar.width(); ++x)
                barColumns += withBar.copy(x, 0, 1, withBar.height())
                    != without.copy(x, 0, 1, without.height());
            EXPECT_EQ(barColumns, withBar.width());
            // Typing replaces the selected name; the test's keyboard has no accents.
            QTest::keyClicks(edit, QStringLiteral("Zo"));
            edit->insert(QStringLiteral("\u00eb"));
            input->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        } else if (auto* scores = qobject_cast<HighScoresWindow*>(modal)) {
            auto* list = scores->findChild<QTableWidget*>(QStringLiteral("ScoreList"));
            for (int row = 0; row < list->rowCount(); ++row)
                if (!list->item(row, 0)->icon().isNull())
                    seen.push_back("marked: " + list->item(row, 1)->text().toStdString());
            scores->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        }
    });
    watch.start();

    // As an earlier message leaves it: slid out beyond the right edge.
    form->render().View.Message.OffsetX = form->StatusArea->width();
    ClickCell(40); // the first open places the mines away from it
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    for (int cell = ClosedSafeCell(); cell >= 0; cell = ClosedSafeCell())
        ClickCell(cell);
    watch.stop();

    ASSERT_EQ(game().CurrentState(), GameState::Won);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], "name: Unknown");
    EXPECT_EQ(seen[1].rfind("bar: 3BV/s ", 0), 0u) << seen[1];
    EXPECT_EQ(seen[2], "marked: Zo\u00eb");
    ScoreFile reread(dir.File("Orvane.cfg"), [](const Text&) {});
    reread.LoadScores();
    EXPECT_EQ(
        reread.Row(0, 10), (ScoreEntry {"Zo\u00eb", game().ElapsedSeconds(), game().ClickCount()}));
    EXPECT_EQ(reread.TableStats[0].WonOrStarted, 1);
    // The history has the game, kept before the name was asked.
    const std::vector<GameRecord> kept
        = form->session().history.LatestGames(HistoryMode::Classic, Level::Beginner, 5);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].Result, GameResult::Won);
    EXPECT_EQ(kept[0].Measures.ThreeBV, ThreeBVOf(game()));
    EXPECT_GT(kept[0].Measures.ThreeBV, 0);
}

} // namespace
