// SPDX-License-Identifier: GPL-3.0-or-later
// The options kept in the preferences file (No Guessing, the computer's strength) and the
// hint key in the real main window.
#include "shell/qt/MainMenu.h"
#include "support/MainWindowFixture.h"

#include <QAction>

#include <algorithm>

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
