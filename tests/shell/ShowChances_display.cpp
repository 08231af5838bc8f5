// SPDX-License-Identifier: GPL-3.0-or-later
// "Show Chances" drawn in the real main window: the closed cells tinted by the chances the
// solver gives, the certain cells marked, in every theme and size, and the pointed cell's
// chance on the message bar.
#include "game/PlayerView.h"
#include "render/model/BoardChances.h"
#include "shell/MainMenu.h"
#include "solver/MineSolver.h"
#include "support/MainWindowFixture.h"

#include <QAction>

#include <algorithm>
#include <cmath>

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

// Opening (3, 0) leaves a one-in-two pair on the left, a certain mine and safe cells in
// the third row, a wall of mines and a field of small chances beyond it.
const std::vector<std::string> Board {"*....*...", ".....*...", "...*.*...", ".*...*..."};
constexpr int Columns = 9;

class ShowChancesTest : public MainWindowFixture {
protected:
    struct Cells {
        int Safe = -1, Mine = -1, Likelier = -1, LessLikely = -1;
    };

    QRect CellRect(int cell) const
    {
        const int size = form->session().screen.CellSize;
        return {cell % Columns * size, cell / Columns * size, size, size};
    }
    // A certain cell of each kind, and the closed cells of the highest and lowest chance
    // among the others, as the solver sees the board.
    Cells Pick(const solver::Analysis& analysis) const
    {
        Cells cells;
        cells.Safe = analysis.certainSafe.front();
        cells.Mine = analysis.certainMines.front();
        for (int i = 0; i < static_cast<int>(form->game().Cells().size()); ++i) {
            const double chance = analysis.mineChance[static_cast<size_t>(i)];
            if (form->game().CellAt(i).State != CellState::Closed || chance <= 0 || chance >= 1)
                continue;
            const auto chanceOf
                = [&](int cell) { return analysis.mineChance[static_cast<size_t>(cell)]; };
            if (cells.Likelier < 0 || chance > chanceOf(cells.Likelier))
                cells.Likelier = i;
            if (cells.LessLikely < 0 || chance < chanceOf(cells.LessLikely))
                cells.LessLikely = i;
        }
        return cells;
    }
    // The share of the cell's pixels drawn as the cell without chances times the tint over
    // the theme's colour; those of a marked cell only away from its middle.
    double TintedShare(
        const QImage& shown, const QImage& plain, int cell, float chance, bool marked) const
    {
        const Theme theme = Current();
        const std::array<float, 3> tint = ChanceTint(theme, chance);
        const QRect rect = CellRect(cell);
        int matching = 0, counted = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) {
                const double dx = x + 0.5 - rect.center().x(), dy = y + 0.5 - rect.center().y();
                if (marked && std::hypot(dx, dy) < 0.4 * rect.width())
                    continue;
                const QColor was = plain.pixelColor(x, y), is = shown.pixelColor(x, y);
                const int wanted[3]
                    = {static_cast<int>(std::lround(was.red() * tint[0] / theme.CellColour[0])),
                        static_cast<int>(std::lround(was.green() * tint[1] / theme.CellColour[1])),
                        static_cast<int>(std::lround(was.blue() * tint[2] / theme.CellColour[2]))};
                ++counted;
                matching += std::abs(is.red() - wanted[0]) <= 3
                    && std::abs(is.green() - wanted[1]) <= 3
                    && std::abs(is.blue() - wanted[2]) <= 3;
            }
        return static_cast<double>(matching) / counted;
    }
    Theme Current() const { return MakeThemes()[form->session().settings.ThemeIndex]; }
    static int Brightness(const QImage& frame, QPoint at)
    {
        const QColor c = frame.pixelColor(at);
        return c.red() + c.green() + c.blue();
    }
    static bool Near(const QColor& colour, int red, int green, int blue)
    {
        return std::abs(colour.red() - red) <= 8 && std::abs(colour.green() - green) <= 8
            && std::abs(colour.blue() - blue) <= 8;
    }
    // The board's two pictures, with the chances and without; the item is left checked.
    std::pair<QImage, QImage> Frames(QAction* item)
    {
        item->trigger();
        const QImage plain = BoardFrame();
        item->trigger();
        return {BoardFrame(), plain};
    }
    void CheckPicture(const Cells& cells, const solver::Analysis& analysis, const char* where)
    {
        QAction* item = form->Menu->Find("ShowChances");
        const auto [shown, plain] = Frames(item);
        const auto chanceOf = [&](int cell) {
            return static_cast<float>(analysis.mineChance[static_cast<size_t>(cell)]);
        };
        for (const int cell : {cells.Safe, cells.Mine, cells.Likelier, cells.LessLikely}) {
            const bool marked = cell == cells.Safe || cell == cells.Mine;
            EXPECT_GT(TintedShare(shown, plain, cell, chanceOf(cell), marked), 0.9)
                << where << " cell " << cell;
        }
        // A higher chance is drawn darker, whatever the theme's colour.
        const QPoint corner(3, 3);
        EXPECT_GT(Brightness(shown, CellRect(cells.LessLikely).topLeft() + corner),
            Brightness(shown, CellRect(cells.Likelier).topLeft() + corner))
            << where;
        EXPECT_TRUE(Near(shown.pixelColor(CellRect(cells.Safe).center()), 51, 217, 77)) << where;
        EXPECT_TRUE(Near(shown.pixelColor(CellRect(cells.Mine).center()), 247, 247, 247)) << where;
        // The marks differ in shape too: a pixel between a diamond's edge and a disc's is
        // green on the safe cell, and on the mine the diamond leaves it to its dark rim.
        const auto between = [&](int cell) {
            const QRect rect = CellRect(cell);
            const double size = rect.width();
            for (int y = 0; y < rect.height(); ++y)
                for (int x = 0; x < rect.width(); ++x) {
                    const double dx = (x + 0.5) / size - 0.5, dy = (y + 0.5) / size - 0.5;
                    if (std::abs(dx) + std::abs(dy) > 0.23 && std::hypot(dx, dy) < 0.2)
                        return rect.topLeft() + QPoint(x, y);
                }
            return rect.center();
        };
        EXPECT_TRUE(Near(shown.pixelColor(between(cells.Safe)), 51, 217, 77)) << where;
        EXPECT_FALSE(Near(shown.pixelColor(between(cells.Mine)), 247, 247, 247)) << where;
    }
};

TEST_F(ShowChancesTest, CellsAreTintedByTheSolversChancesInEveryThemeAndSize)
{
    NewLayout(Board, 22);
    Click(3, 0);
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    solver::BoardView view;
    FillPlayerView(game(), view);
    solver::MineSolver solver;
    const solver::Analysis analysis = solver.Analyse(view);
    ASSERT_TRUE(analysis.exact);
    const Cells cells = Pick(analysis);
    ASSERT_GT(analysis.mineChance[static_cast<size_t>(cells.Likelier)],
        analysis.mineChance[static_cast<size_t>(cells.LessLikely)]);

    form->Menu->Find("ShowChances")->trigger();
    ASSERT_TRUE(form->session().view.Chances.Shown);
    for (int theme = 0; theme < ThemeCount; ++theme) {
        form->Menu->Find(QStringLiteral("Theme%1").arg(theme))->trigger();
        CheckPicture(cells, analysis, ("theme " + std::to_string(theme)).c_str());
    }
    for (const int16_t size : OfferedCellSizes) {
        form->Menu->Find(QStringLiteral("Size%1").arg(size))->trigger();
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->BoardArea->width() == Columns * size; }));
        CheckPicture(cells, analysis, ("size " + std::to_string(size)).c_str());
    }

    // A flag is the player's: its cell is drawn as without the chances.
    Click(cells.Likelier % Columns, cells.Likelier / Columns, CellGesture::Flag);
    const auto [shown, plain] = Frames(form->Menu->Find("ShowChances"));
    const QPoint corner = CellRect(cells.Likelier).topLeft() + QPoint(3, 3);
    EXPECT_EQ(shown.pixelColor(corner), plain.pixelColor(corner));

    QTest::mouseMove(form->BoardArea, CellRect(cells.LessLikely).center());
    const long percent
        = std::lround(analysis.mineChance[static_cast<size_t>(cells.LessLikely)] * 100);
    EXPECT_EQ(form->session().view.Message.Text, "Mine chance: " + std::to_string(percent) + " %");
}

} // namespace
