// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/BoardCode.h"
#include "game/Game.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "support/FixedRandom.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

using namespace orvane;
using namespace orvane::testing;

namespace {

const std::string CheckProblem = "The board code does not check out: a character in it was "
                                 "mistyped, left out or swapped with its neighbour.";

// A game on its own random source and clock, opened once at a cell.
struct OpenedGame {
    explicit OpenedGame(uint64_t seed) : random(seed)
    {
        clock.Create();
        clock.Start();
    }
    std::vector<bool> Mines() const
    {
        std::vector<bool> mines;
        for (const Cell& cell : game.Cells())
            mines.push_back(cell.Value == MineValue);
        return mines;
    }
    FixedRandom random;
    ManualCounter counter;
    FrameClock clock {counter};
    Game game {random, clock};
};

// Deals and opens a board of the placement's, writes its code, reads the code back and
// plays it on another random source: the same mines.
std::string CheckRoundTrip(
    int16_t width, int16_t height, int16_t mines, int16_t first, uint64_t seed)
{
    OpenedGame dealt(seed);
    BoardSetup setup;
    setup.BoardLevel = Level::Custom;
    setup.Width = width;
    setup.Height = height;
    setup.Mines = mines;
    setup.ScoreTable = NoScoreTable;
    dealt.game.NewGame(setup);
    dealt.game.ActOnCell(CellGesture::Open, CellAction::Release, first);
    const std::optional<std::string> code
        = WriteBoardCode(width, height, dealt.game.CellOrder(), dealt.game.LastSafeSlot(), first);
    EXPECT_TRUE(code);
    EXPECT_EQ(BoardCodeOf(dealt.game.Recorded()), code);

    const BoardCodeReading read = ReadBoardCode(code.value_or(""));
    EXPECT_EQ(read.Problem.English(), "");
    OpenedGame played(seed + 1000);
    const BoardLayout& layout = read.Layout.value();
    EXPECT_EQ(layout.Setup, setup);
    EXPECT_EQ(layout.FirstCell, first);
    played.game.NewGameWithLayout(layout.Setup, layout.CellOrder, layout.LastSafeSlot);
    played.game.ActOnCell(CellGesture::Open, CellAction::Release, layout.FirstCell);
    EXPECT_EQ(played.Mines(), dealt.Mines());
    EXPECT_EQ(played.game.MinesPlaced(), mines);
    return code.value_or("");
}

TEST(BoardCode, PlaysTheSameMinesWhateverTheRandomSource)
{
    for (uint64_t seed = 1; seed <= 5; ++seed)
        EXPECT_EQ(CheckRoundTrip(30, 16, 99, static_cast<int16_t>(seed * 70), seed).size(), 78U);
    CheckRoundTrip(1, 2, 1, 1, 7);
    CheckRoundTrip(35, 25, 1, 0, 8);
    CheckRoundTrip(35, 25, 437, 874, 9);
    CheckRoundTrip(35, 25, 874, 400, 10);
}

// The bonus button's random open can begin a Classic game: its code begins on a cell it
// opened.
TEST(BoardCode, OfAGameBegunByARandomOpen)
{
    OpenedGame dealt(6);
    dealt.game.NewGame(BoardSetup {});
    dealt.game.RandomOpen();
    const BoardCodeReading read = ReadBoardCode(BoardCodeOf(dealt.game.Recorded()).value_or(""));
    ASSERT_TRUE(read.Layout);
    EXPECT_EQ(dealt.game.CellAt(read.Layout->FirstCell).State, CellState::Open);
}

TEST(BoardCode, EverySingleChangeAndNeighbourSwapIsCaught)
{
    const std::string code = CheckRoundTrip(30, 16, 99, 200, 3);
    const std::string symbols = "23456789ABCDEFGHJKLMNPQRSTUVWXYZ";
    for (size_t at = 0; at < code.size(); ++at) {
        for (const char symbol : symbols) {
            std::string changed = code;
            changed[at] = symbol;
            if (changed != code) {
                ASSERT_EQ(ReadBoardCode(changed).Problem.English(), CheckProblem) << changed;
            }
        }
        std::string swapped = code;
        if (at + 1 < code.size() && code[at] != code[at + 1]) {
            std::swap(swapped[at], swapped[at + 1]);
            ASSERT_EQ(ReadBoardCode(swapped).Problem.English(), CheckProblem) << swapped;
        }
    }
    // Read as typed: either case, spaces and hyphens skipped.
    std::string typed = code.substr(0, 4) + " -" + code.substr(4);
    std::transform(typed.begin(), typed.end(), typed.begin(), ::tolower);
    EXPECT_EQ(ReadBoardCode(typed).Problem.English(), "");
}

// The code with `removed` symbols at `at` replaced by `symbols`, and the check symbol that
// passes.
std::string Forged(std::string code, size_t at, size_t removed, const std::string& symbols)
{
    code.replace(at, removed, symbols);
    for (const char check : std::string("23456789ABCDEFGHJKLMNPQRSTUVWXYZ")) {
        code.back() = check;
        if (ReadBoardCode(code).Problem.English() != CheckProblem)
            break;
    }
    return code;
}

TEST(BoardCode, TellsWhatIsWrongInPlainWords)
{
    const std::string expert = CheckRoundTrip(30, 16, 99, 0, 4);
    const auto problem
        = [](const std::string& code) { return ReadBoardCode(code).Problem.English(); };
    EXPECT_EQ(problem(" - "), "The board code is empty.");
    EXPECT_EQ(problem("23456"), "The board code is too short.");
    EXPECT_NE(problem("2345O789").find("\u201cO\u201d"), std::string::npos);
    EXPECT_EQ(problem(Forged(expert, 0, 1, "6")),
        "The board code is of a form this version of Orvane does not know.");
    EXPECT_EQ(problem(Forged(expert, 1, 1, "2")),
        "The board code gives a width of 0 cells; a board is 1 to 35 cells wide.");
    EXPECT_EQ(problem(Forged(expert, 2, 1, "U")),
        "The board code gives a height of 26 cells; a board is 1 to 25 cells high.");
    EXPECT_EQ(problem(Forged(expert, 3, 2, "ZZ")),
        "The board code gives 1023 mines, which do not fit on a 30 x 16 board with a safe "
        "cell to begin on.");
    EXPECT_EQ(
        problem(Forged(expert, 5, 2, "ZZ")), "The board code's first cell lies outside the board.");
    EXPECT_EQ(problem(Forged(expert, 8, 1, "")),
        "The board code is too short for a 30 x 16 board with 99 mines.");
    EXPECT_EQ(problem(Forged(expert, 8, 0, "2")),
        "The board code is too long for a 30 x 16 board with 99 mines.");
    // A 1 x 2 board whose one mine is at cell 1: the first cell moved onto it.
    const std::string pair = CheckRoundTrip(1, 2, 1, 0, 5);
    EXPECT_EQ(problem(Forged(pair, 6, 1, "3")), "The board code's first cell holds a mine.");
    // Its two layouts are ranked 0 and 1.
    EXPECT_EQ(problem(Forged(pair, 7, 1, "4")),
        "The board code's mine layout does not fit a 1 x 2 board with 1 mine.");
}

} // namespace
