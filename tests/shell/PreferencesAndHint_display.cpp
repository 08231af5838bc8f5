// SPDX-License-Identifier: GPL-3.0-or-later
// The options kept in the preferences file (No Guessing, the computer's strength, the
// colour-safe numbers) and the hint key in the real main window.
#include "render/model/CellLook.h"
#include "shell/MainMenu.h"
#include "support/MainWindowFixture.h"
#include "support/MineLayout.h"

#include <QAction>

#include <algorithm>
#include <cmath>

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

class PreferencesAndHintTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    QAction* NoGuessingItem() const { return form->Menu->Find("NoGuessing"); }
    QRect CellRect(int cell) const
    {
        const int size = form->session().screen.CellSize;
        const int width = form->game().BoardWidth();
        return {cell % width * size, cell / width * size, size, size};
    }
    // The cell showing n: the middle cell of a 3 x 3 block, the blocks left to right and
    // top to bottom.
    static int NumberCell(int n) { return (1 + (n - 1) / 3 * 3) * 9 + 1 + (n - 1) % 3 * 3; }
    // The numbers 1..8 open on a Classic board whose last block holds no mine.
    void ShowAllNumbers()
    {
        std::vector<std::string> rows(9, std::string(9, '.'));
        for (int n = 1; n <= 8; ++n)
            for (int around = 0, mines = 0; mines < n; ++around)
                if (around != 4) {
                    const int cell = NumberCell(n) + (around / 3 - 1) * 9 + around % 3 - 1;
                    rows[static_cast<size_t>(cell / 9)][static_cast<size_t>(cell % 9)] = '*';
                    ++mines;
                }
        form->session().settings.CellSize = 22;
        orvane::testing::DealLayout(game(), rows, PlayMode::Classic);
        for (int n = 1; n <= 8; ++n)
            for (const CellAction action : {CellAction::Press, CellAction::Release})
                game().ActOnCell(CellGesture::Open, action, NumberCell(n));
        form->session().TakeGameEvents();
        ASSERT_EQ(game().CurrentState(), GameState::Playing);
    }
    // How many numbers show in their colours of the palette, as the board tints them.
    int NumbersInColour(NumberPalette palette)
    {
        const QImage frame = BoardFrame();
        const int size = form->session().screen.CellSize;
        int shown = 0;
        for (int n = 1; n <= 8; ++n) {
            const Rgb8 colour = cell_look::NumberColours(palette)[static_cast<size_t>(n - 1)];
            const auto near = [](int pixel, uint8_t channel) {
                return std::abs(pixel - std::lround(channel * cell_look::OpenCellTint)) <= 1;
            };
            const int left = NumberCell(n) % 9 * size, top = NumberCell(n) / 9 * size;
            int pixels = 0;
            for (int y = top; y < top + size; ++y)
                for (int x = left; x < left + size; ++x) {
                    const QColor c = frame.pixelColor(x, y);
                    pixels += near(c.red(), colour.R) && near(c.green(), colour.G)
                        && near(c.blue(), colour.B);
                }
            shown += pixels >= size;
        }
        return shown;
    }
    int OpenCells() const
    {
        int open = 0;
        for (const Cell& cell : form->game().Cells())
            open += cell.State == CellState::Open;
        return open;
    }
};

TEST_F(PreferencesAndHintTest, NoGuessingIsRememberedAcrossARestart)
{
    ASSERT_FALSE(NoGuessingItem()->isChecked());
    NoGuessingItem()->trigger();
    EXPECT_TRUE(game().NoGuessing());

    form.reset();
    form = std::make_unique<MainWindow>(FileFolders::AllIn(dir.Path().string()), nullptr);
    ASSERT_TRUE(form->Started());
    EXPECT_TRUE(NoGuessingItem()->isChecked());
    EXPECT_TRUE(game().NoGuessing());
}

TEST_F(PreferencesAndHintTest, StrongComputerIsRememberedAndMovesOnItsOwn)
{
    ASSERT_TRUE(form->Menu->Find("StrengthNormal")->isChecked());
    form->Menu->Find("StrengthStrong")->trigger();

    form.reset();
    form = std::make_unique<MainWindow>(FileFolders::AllIn(dir.Path().string()), nullptr);
    ASSERT_TRUE(form->Started());
    EXPECT_TRUE(form->Menu->Find("StrengthStrong")->isChecked());
    EXPECT_EQ(form->session().computer.Strength(), ComputerStrength::Strong);

    form->Menu->Find("VsComputer")->trigger();
    ASSERT_TRUE(game().ComputerHasTheTurn());
    const auto touched = [this] {
        return std::ranges::count_if(
            game().Cells(), [](const Cell& cell) { return cell.State != CellState::Closed; });
    };
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            form->RunLoopPass();
            return touched() > 0;
        },
        10000))
        << "the computer opens or finds a cell without any input";
}

TEST_F(PreferencesAndHintTest, ColourSafeNumbersShowInEveryThemeAndSizeAndAreRemembered)
{
    QAction* item = form->Menu->Find("ColourSafeNumbers");
    ASSERT_FALSE(item->isChecked());
    ShowAllNumbers();
    EXPECT_EQ(NumbersInColour(NumberPalette::Classic), 8);
    item->trigger();
    EXPECT_EQ(NumbersInColour(NumberPalette::ColourSafe), 8);
    EXPECT_LT(NumbersInColour(NumberPalette::Classic), 8);
    for (int theme = 0; theme < ThemeCount; ++theme) {
        form->Menu->Find(QStringLiteral("Theme%1").arg(theme))->trigger();
        EXPECT_EQ(NumbersInColour(NumberPalette::ColourSafe), 8) << "theme " << theme;
    }
    for (const int16_t size : OfferedCellSizes) {
        form->Menu->Find(QStringLiteral("Size%1").arg(size))->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->BoardArea->width() == 9 * size; }));
        EXPECT_EQ(NumbersInColour(NumberPalette::ColourSafe), 8) << "size " << size;
    }

    form.reset();
    form = std::make_unique<MainWindow>(FileFolders::AllIn(dir.Path().string()), nullptr);
    ASSERT_TRUE(form->Started());
    ASSERT_TRUE(QTest::qWaitFor([this] { return form->BoardArea->DrawNow(); }));
    item = form->Menu->Find("ColourSafeNumbers");
    EXPECT_TRUE(item->isChecked());
    ShowAllNumbers();
    EXPECT_EQ(NumbersInColour(NumberPalette::ColourSafe), 8);
    item->trigger();
    EXPECT_EQ(NumbersInColour(NumberPalette::Classic), 8);
}

// On a board dealt without guessing a certainly safe cell is there after the first open.
TEST_F(PreferencesAndHintTest, FirstClickOpensAnAreaAndHMarksASafeCellForTenSeconds)
{
    NoGuessingItem()->trigger();
    NewBoard(30, 16, 99, 22);
    const int first = 8 * 30 + 15;
    QTest::mouseClick(form->BoardArea, Qt::LeftButton, {}, CellRect(first).center());
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    EXPECT_GE(OpenCells(), 9);

    const QImage before = BoardFrame();
    const int32_t seconds = game().ElapsedSeconds();
    QTest::keyClick(form->windowHandle(), Qt::Key_H);
    const int hint = game().HintCell();
    ASSERT_GE(hint, 0);
    const Cell& marked = game().Cells()[static_cast<size_t>(hint)];
    EXPECT_EQ(marked.State, CellState::Closed);
    EXPECT_NE(marked.Value, MineValue);
    EXPECT_EQ(game().ElapsedSeconds(), seconds + HintPenaltySeconds);
    const QImage after = BoardFrame();
    EXPECT_NE(before.copy(CellRect(hint)), after.copy(CellRect(hint)));
}

} // namespace
