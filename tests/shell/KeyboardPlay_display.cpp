// SPDX-License-Identifier: GPL-3.0-or-later
// A Classic game played with the keyboard alone in the real main window.
#include "dialogs/HighScoresWindow.h"
#include "dialogs/NameDialog.h"
#include "game/BoardMeasures.h"
#include "shell/MainMenu.h"
#include "support/FixedRandom.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include <map>

using namespace orvane;
using namespace orvane::testing;

namespace {

class KeyboardPlayTest : public MainWindowFixture {
protected:
    FixedRandom draws {7};
    RandomSource* Draws() override { return &draws; }

    void SetUp() override
    {
        MainWindowFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void Press(Qt::Key key) { QTest::keyClick(form->windowHandle(), key); }

    // Pixels of the cursor's amber in a cell of the board's picture.
    int AmberPixels(int column, int row)
    {
        const int size = form->session().screen.CellSize;
        const QImage frame = BoardFrame();
        int amber = 0;
        for (int y = row * size; y < (row + 1) * size; ++y)
            for (int x = column * size; x < (column + 1) * size; ++x) {
                const QColor pixel = frame.pixelColor(x, y);
                amber += pixel.red() > 200 && pixel.green() > 130 && pixel.green() < 220
                    && pixel.blue() < 90;
            }
        return amber;
    }
    void ExpectCursorFrameOnCentreCell(const std::string& look)
    {
        const int size = form->session().screen.CellSize;
        EXPECT_GE(AmberPixels(4, 4), 2 * size) << look;
        EXPECT_LT(AmberPixels(3, 4), size / 2) << look;
    }

    // Goes to the cell from the top left corner and opens it; Enter and Space alike.
    void OpenWithKeys(int index, Qt::Key openKey)
    {
        Press(Qt::Key_Home);
        Press(Qt::Key_PageUp);
        for (int column = 0; column < index % game().BoardWidth(); ++column)
            Press(Qt::Key_Right);
        for (int row = 0; row < index / game().BoardWidth(); ++row)
            Press(Qt::Key_Down);
        // A key on a board paused meanwhile (the window lost the keyboard) only resumes,
        // and one after the pointer moved over the board only shows the cursor again.
        openClicks += !game().Paused() && form->session().screen.KeyCursorShown ? 1 : 0;
        Press(openKey);
    }
    int openClicks = 0;
};

TEST_F(KeyboardPlayTest, ABeginnerGameWonWithKeysAloneIsKeptWithItsThreeBV)
{
    // A menu closed with Escape leaves the menu bar holding the keyboard; the board's keys
    // still reach the board.
    QMenuBar* bar = form->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(0)).center());
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    Press(Qt::Key_Down); // shows the cursor on the middle cell
    for (int theme = 0; theme < ThemeCount; ++theme) {
        form->Menu->Find(QStringLiteral("Theme%1").arg(theme))->trigger();
        ExpectCursorFrameOnCentreCell("theme " + std::to_string(theme));
    }
    for (const int16_t size : OfferedCellSizes) {
        form->Menu->Find(QStringLiteral("Size%1").arg(size))->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->BoardArea->width() == 9 * size; }));
        ExpectCursorFrameOnCentreCell("size " + std::to_string(size));
    }

    // The win asks for a name; the message of the board's pace is already up by then.
    std::string messageAtNameDialog;
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (qobject_cast<NameDialog*>(modal)) {
            messageAtNameDialog = form->session().view.Message.Text;
            modal->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        } else if (qobject_cast<HighScoresWindow*>(modal)) {
            modal->findChild<QPushButton*>(QStringLiteral("OkButton"))->click();
        }
    });
    watch.start();

    Press(Qt::Key_Space); // the first open places the mines away from the middle cell
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    openClicks = 1;
    for (int cell = ClosedSafeCell(); cell >= 0; cell = ClosedSafeCell())
        OpenWithKeys(cell, openClicks % 2 ? Qt::Key_Return : Qt::Key_Space);
    watch.stop();

    ASSERT_EQ(game().CurrentState(), GameState::Won);
    EXPECT_EQ(game().ClickCount(), openClicks);
    EXPECT_EQ(messageAtNameDialog.rfind("3BV/s ", 0), 0u) << messageAtNameDialog;
    EXPECT_TRUE(form->session().view.Message.ShownFor(game().IsTwoPlayer()));
    const std::vector<GameRecord> kept
        = form->session().history.LatestGames(HistoryMode::Classic, Level::Beginner, 5);
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].Result, GameResult::Won);
    EXPECT_EQ(kept[0].Clicks, openClicks);
    EXPECT_EQ(kept[0].Measures.ThreeBV, ThreeBVOf(game()));
    EXPECT_GT(kept[0].Measures.ThreeBV, 0);
}

// While a menu is open every key is the menu's: Right goes on to the next menu, and the
// board's cell stays where it was.
TEST_F(KeyboardPlayTest, KeysGoToAnOpenMenu)
{
    Press(Qt::Key_Down); // shows the cursor on the middle cell
    const int cell = KeyCursorCell(game(), form->session().screen);
    QTest::keyClick(form->windowHandle(), Qt::Key_G, Qt::AltModifier);
    QMenu* gameMenu = form->menuBar()->actions().at(0)->menu();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == gameMenu; }));
    QTest::keyClick(gameMenu, Qt::Key_Right);
    QMenu* options = form->menuBar()->actions().at(1)->menu();
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activePopupWidget() == options; }));
    EXPECT_EQ(KeyCursorCell(game(), form->session().screen), cell);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

// The cursor's frame leaves the number under it whole at every cell size and in every
// theme: where a number cell's picture differs from an empty open cell's, the cursor
// changes nothing.
TEST_F(KeyboardPlayTest, CursorFrameLeavesTheNumberUnderItWhole)
{
    Press(Qt::Key_Down);
    Press(Qt::Key_Space);           // opens the middle cell's area
    std::map<int, int> numberCells; // by number, one cell showing it
    int emptyCell = -1;
    // Safe cells are opened until three numbers show, well before the game is won.
    for (int next = ClosedSafeCell(); numberCells.size() < 3; next = ClosedSafeCell()) {
        for (const Cell& cell : game().Cells()) {
            if (cell.IsOpenNumber())
                numberCells[cell.Value] = cell.Index;
            else if (cell.IsOpenEmpty())
                emptyCell = cell.Index;
        }
        QTest::mouseClick(
            form->BoardArea, Qt::LeftButton, {}, QPoint(next % 9 * 22 + 11, next / 9 * 22 + 11));
        ASSERT_EQ(game().CurrentState(), GameState::Playing);
    }
    ASSERT_GE(emptyCell, 0);
    ScreenState& screen = form->session().screen;
    for (const int16_t size : OfferedCellSizes) {
        form->Menu->Find(QStringLiteral("Size%1").arg(size))->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->BoardArea->width() == 9 * size; }));
        const auto picture = [&](const QImage& board, int cell) {
            return board.copy(cell % 9 * size, cell / 9 * size, size, size);
        };
        for (int theme = 0; theme < ThemeCount; ++theme) {
            form->Menu->Find(QStringLiteral("Theme%1").arg(theme))->trigger();
            screen.KeyCursorShown = false;
            const QImage plain = BoardFrame();
            const QImage empty = picture(plain, emptyCell);
            for (const auto& [number, cell] : numberCells) {
                screen.KeyColumn = static_cast<int16_t>(cell % 9);
                screen.KeyRow = static_cast<int16_t>(cell / 9);
                screen.KeyCursorShown = true;
                const QImage framed = picture(BoardFrame(), cell);
                const QImage bare = picture(plain, cell);
                int ink = 0, covered = 0;
                for (int y = 0; y < size; ++y)
                    for (int x = 0; x < size; ++x)
                        if (bare.pixel(x, y) != empty.pixel(x, y)) {
                            ++ink;
                            covered += framed.pixel(x, y) != bare.pixel(x, y);
                        }
                EXPECT_GT(ink, size) << "the number " << number;
                EXPECT_EQ(covered, 0)
                    << "the number " << number << " at size " << size << " in theme " << theme;
            }
        }
    }
}

} // namespace
