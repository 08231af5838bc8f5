// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/RenderState.h"
#include "render/model/Pictures.h"
#include "render/model/Themes.h"
#include "support/MainWindowFixture.h"

#include <algorithm>
#include <array>
#include <cmath>

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

class BoardRenderTest : public MainWindowFixture {
protected:
    // True when every pixel repeats one cell further right and one cell further down:
    // the cells are whole, equal and exactly cellSize pixels apart.
    static bool RepeatsEveryCell(const QImage& image, int cellSize)
    {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                if (x + cellSize < image.width()
                    && image.pixel(x, y) != image.pixel(x + cellSize, y))
                    return false;
                if (y + cellSize < image.height()
                    && image.pixel(x, y) != image.pixel(x, y + cellSize))
                    return false;
            }
        return true;
    }

    // The centre texel of a picture, tinted as the fixed-function pipeline modulates it.
    static QColor TintedCentre(int32_t pictureId, const std::array<float, 3>& tint)
    {
        const Bitmap picture = LoadPictureResource(pictureId);
        const size_t i
            = static_cast<size_t>((picture.Height / 2) * picture.Width + picture.Width / 2) * 3;
        return QColor(static_cast<int>(std::lround(picture.Bytes[i + 2] * tint[0])),
            static_cast<int>(std::lround(picture.Bytes[i + 1] * tint[1])),
            static_cast<int>(std::lround(picture.Bytes[i] * tint[2])));
    }

    // The cross's dark red bars run along both diagonals of a false flag's cell: some pixel
    // next to each point a fifth of a cell from the centre towards a corner is theirs.
    static bool CrossedAt(const QImage& frame, int x, int y, int cellSize)
    {
        const QPoint centre(x * cellSize + cellSize / 2, y * cellSize + cellSize / 2);
        const auto barAt = [&](QPoint p) {
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const QColor c = frame.pixelColor(p + QPoint(dx, dy));
                    if (c.red() >= 90 && c.green() <= 40 && c.blue() <= 40)
                        return true;
                }
            return false;
        };
        const int along = cellSize / 5;
        return std::ranges::all_of(
            std::array {QPoint(1, 1), QPoint(-1, 1), QPoint(1, -1), QPoint(-1, -1)},
            [&](QPoint corner) { return barAt(centre + corner * along); });
    }

    static void ExpectNear(QColor actual, QColor expected, int tolerance, const std::string& what)
    {
        EXPECT_LE(std::abs(actual.red() - expected.red()), tolerance) << what;
        EXPECT_LE(std::abs(actual.green() - expected.green()), tolerance) << what;
        EXPECT_LE(std::abs(actual.blue() - expected.blue()), tolerance) << what;
    }

    QColor CentreOf(const QImage& frame, int x, int y)
    {
        const int cs = form->session().screen.CellSize;
        return frame.pixelColor(x * cs + cs / 2, y * cs + cs / 2);
    }
};

TEST_F(BoardRenderTest, EveryCellIsExactlyCellSizePixels)
{
    struct Case {
        int width, height, cellSize;
    };
    for (const Case c : {Case {9, 9, 22}, Case {30, 16, 36}, Case {35, 25, 16}, Case {16, 16, 27},
             Case {9, 9, 18}}) {
        // One mine beside the bottom right cell, which opens showing it and nothing else.
        std::vector<std::string> rows = EmptyRows(c.width, c.height);
        rows[static_cast<size_t>(c.height - 2)][static_cast<size_t>(c.width - 2)] = '*';
        NewLayout(rows, c.cellSize);
        const QImage frame = BoardFrame();
        ASSERT_EQ(frame.width(), c.width * c.cellSize);
        ASSERT_EQ(frame.height(), c.height * c.cellSize);
        EXPECT_TRUE(RepeatsEveryCell(frame, c.cellSize))
            << c.width << "x" << c.height << " at " << c.cellSize;
        // Mixed states still line up: one open cell in a corner changes only its own square.
        Click(c.width - 1, c.height - 1);
        const QImage mixed = BoardFrame();
        const QRect cell(
            (c.width - 1) * c.cellSize, (c.height - 1) * c.cellSize, c.cellSize, c.cellSize);
        for (int y = 0; y < frame.height(); y += 3)
            for (int x = 0; x < frame.width(); x += 3)
                if (!cell.contains(x, y)) {
                    ASSERT_EQ(mixed.pixel(x, y), frame.pixel(x, y)) << x << "," << y;
                }
        EXPECT_NE(mixed.pixel(cell.center()), frame.pixel(cell.center()));
    }
}

TEST_F(BoardRenderTest, ClosedAndPressedCellsTakeTheThemeTintOpenCellsAGrey)
{
    // (0, 0) opens empty, (3, 0) shows 5, (7, 0) is held pressed and (8, 0) stays closed.
    NewLayout({"..*.*....", "..***....", "*********"}, 22);
    Click(0, 0);
    Click(3, 0);
    Act(CellGesture::Open, CellAction::Press, 7, 0);
    ASSERT_EQ(game().CellAt(3).Value, 5);
    const std::array<float, 3> grey {0.95f, 0.95f, 0.95f};
    for (uint8_t theme = 0; theme < ThemeCount; ++theme) {
        form->render().CurrentTheme = theme;
        const QImage frame = BoardFrame();
        const auto& tint = form->render().Themes[theme].CellColour;
        const std::string name = "theme " + std::to_string(theme);
        ExpectNear(
            CentreOf(frame, 8, 0), TintedCentre(picture_id::ClosedCell, tint), 3, name + " closed");
        ExpectNear(CentreOf(frame, 7, 0), TintedCentre(picture_id::PressedCell, tint), 3,
            name + " pressed");
        ExpectNear(
            CentreOf(frame, 0, 0), TintedCentre(picture_id::OpenCell, grey), 3, name + " open");
        // The open five's centre is part of its digit; a corner of the cell is its background.
        const QColor openCorner = frame.pixelColor(3 * 22 + 4, 4);
        ExpectNear(openCorner, frame.pixelColor(0 * 22 + 4, 4), 3, name + " open background");
    }
}

TEST_F(BoardRenderTest, LossOverlaysShowOnlyWhileLostAndOverTheirCells)
{
    // Mines at (1, 1) and (7, 7), a flag on the safe (4, 4): the first open clears the rest
    // of the board but the corners beside the mines; the open of (7, 7) loses.
    std::vector<std::string> rows = EmptyRows(9, 9);
    rows[1][1] = rows[7][7] = '*';
    NewLayout(rows, 22);
    Click(4, 4, CellGesture::Flag);
    Click(4, 0);
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    const QImage playing = BoardFrame();
    Click(7, 7);
    ASSERT_EQ(game().CurrentState(), GameState::Lost);
    form->render().View.SpinAngle = 0.0f;
    const QImage unturned = BoardFrame();
    form->render().View.SpinAngle = 45.0f; // the glow turned
    const QImage lost = BoardFrame();

    const int cs = 22;
    auto differsAround = [&](int cx, int cy) {
        for (int y = cy * cs + 4; y < (cy + 1) * cs - 4; ++y)
            for (int x = cx * cs + 4; x < (cx + 1) * cs - 4; ++x)
                if (lost.pixel(x, y) != playing.pixel(x, y))
                    return true;
        return false;
    };
    EXPECT_TRUE(differsAround(1, 1)) << "the missed mine";
    EXPECT_TRUE(CrossedAt(lost, 4, 4, cs)) << "cross over the false flag";
    EXPECT_TRUE(differsAround(7, 7)) << "exploded mine";
    // Nothing else changes: every pixel more than a cell away from the three stays put,
    // and the glow turns over the missed mine alone.
    bool turned = false;
    for (int y = 0; y < lost.height(); ++y)
        for (int x = 0; x < lost.width(); ++x) {
            const int cx = x / cs, cy = y / cs;
            const bool nearMissed = std::abs(cx - 1) <= 1 && std::abs(cy - 1) <= 1;
            turned |= nearMissed && lost.pixel(x, y) != unturned.pixel(x, y);
            if (!nearMissed) {
                ASSERT_EQ(lost.pixel(x, y), unturned.pixel(x, y)) << x << "," << y;
            }
            if (!nearMissed && !(cx == 4 && cy == 4) && !(cx == 7 && cy == 7)) {
                ASSERT_EQ(lost.pixel(x, y), playing.pixel(x, y)) << x << "," << y;
            }
        }
    EXPECT_TRUE(turned) << "glow over the missed mine";
    // The exploded mine is the red picture, in front of its cell.
    const QColor exploded = CentreOf(lost, 7, 7);
    const QColor explodedCorner = lost.pixelColor(7 * cs + 2, 7 * cs + 2);
    EXPECT_GT(explodedCorner.red(), 200);
    EXPECT_LT(explodedCorner.green(), 80);
    EXPECT_NE(exploded, CentreOf(playing, 7, 7));
}

TEST_F(BoardRenderTest, CrossAndExplodedMineStayInFrontOnTheWidestBoard)
{
    // The one mine in the far corner; a flag on the safe (0, 0), which the first open's
    // flood leaves closed, is shown false by the loss.
    std::vector<std::string> rows = EmptyRows(35, 25);
    rows[24][34] = '*';
    NewLayout(rows, 16);
    Click(0, 0, CellGesture::Flag);
    Click(17, 12);
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    Click(34, 24);
    ASSERT_EQ(game().CurrentState(), GameState::Lost);
    const QImage lost = BoardFrame();
    const QColor corner = lost.pixelColor(34 * 16 + 1, 24 * 16 + 1);
    EXPECT_GT(corner.red(), 200);
    EXPECT_LT(corner.green(), 80);
    EXPECT_TRUE(CrossedAt(lost, 0, 0, 16));
}

TEST_F(BoardRenderTest, FlaggedCellShowsTheFlagOverTheClosedCell)
{
    // Player1 finds the mine at (2, 2), Player2 the one at (5, 5); the player to move first
    // finds one and passes the turn with the safe (4, 5), which shows 1.
    std::vector<std::string> rows = EmptyRows(9, 9);
    rows[2][2] = rows[5][5] = '*';
    NewLayout(rows, 36, PlayMode::VsHuman);
    const QImage plain = BoardFrame();
    const bool player1First = game().CurrentPlayer() == Player1;
    Click(player1First ? 2 : 5, player1First ? 2 : 5);
    Click(4, 5);
    Click(player1First ? 5 : 2, player1First ? 5 : 2);
    ASSERT_EQ(game().CellAt(2 + 2 * 9).Mark, CellMark::Flag);
    ASSERT_EQ(game().CellAt(5 + 5 * 9).Mark, CellMark::FoundByPlayer2);
    const QImage flagged = BoardFrame();
    int changedRed = 0, changedBlue = 0;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            changedRed
                += flagged.pixel(2 * 36 + x, 2 * 36 + y) != plain.pixel(2 * 36 + x, 2 * 36 + y);
            changedBlue
                += flagged.pixel(5 * 36 + x, 5 * 36 + y) != plain.pixel(5 * 36 + x, 5 * 36 + y);
        }
    EXPECT_GT(changedRed, 36 * 36 / 8) << "the flag covers a good part of its cell";
    EXPECT_LT(changedRed, 36 * 36) << "the closed cell shows around it";
    EXPECT_GT(changedBlue, 36 * 36 / 8);
    // Somewhere in the red flag's cell red dominates, and in the blue one blue does.
    bool red = false, blue = false;
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 36; ++x) {
            const QColor r = flagged.pixelColor(2 * 36 + x, 2 * 36 + y);
            const QColor b = flagged.pixelColor(5 * 36 + x, 5 * 36 + y);
            red |= r.red() > 150 && r.green() < 90 && r.blue() < 90;
            blue |= b.blue() > 150 && b.red() < 90;
        }
    EXPECT_TRUE(red);
    EXPECT_TRUE(blue);
    // Outside the two flagged cells the board is unchanged.
    EXPECT_EQ(flagged.pixel(8 * 36 + 18, 18), plain.pixel(8 * 36 + 18, 18));
}

TEST_F(BoardRenderTest, StatusAreaClearsToTheThemeBackground)
{
    for (uint8_t theme : {uint8_t {0}, uint8_t {3}, uint8_t {6}}) {
        form->render().CurrentTheme = theme;
        const QImage status = StatusFrame();
        const Rgb8 back = form->render().Themes[theme].BackColourBytes;
        EXPECT_EQ(status.pixelColor(1, status.height() - 2), QColor(back.R, back.G, back.B));
    }
}

} // namespace
