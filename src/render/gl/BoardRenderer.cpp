// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/BoardRenderer.h"

#include "game/Game.h"
#include "render/gl/Gl.h"
#include "render/model/BoardChances.h"
#include "render/model/CellLook.h"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

constexpr float Pi = 3.14159265358979f;

// The board frame: the origin at the board's bottom-left corner, one unit per cell, rows
// counted from the top. Cells never overlap, so everything of one picture is drawn in one
// batch: the same picture as drawing cell by cell, at a fraction of the state changes.
struct BoardFrame {
    const Game& game;
    const RenderState& render;

    int Width() const { return game.BoardWidth(); }
    int Height() const { return game.BoardHeight(); }
    const Cell& CellAt(int column, int row) const
    {
        return game.Cells()[static_cast<size_t>(row * Width() + column)];
    }
    float Bottom(int row) const { return static_cast<float>(Height() - 1 - row); }
    // Device pixels across one cell, as the viewport spans the board.
    float CellPixels() const
    {
        GLint viewport[4] = {};
        glGetIntegerv(GL_VIEWPORT, viewport);
        return static_cast<float>(viewport[2]) / static_cast<float>(Width());
    }

    void Bind(int textureSlot) const
    {
        glBindTexture(GL_TEXTURE_2D, render.Textures[static_cast<size_t>(textureSlot)]);
    }

    template<typename Visit> void ForEachCell(Visit visit) const
    {
        for (int row = 0; row < Height(); ++row)
            for (int column = 0; column < Width(); ++column)
                visit(CellAt(column, row), column, row);
    }
};

// A one-unit square with its lower-left corner at (left, bottom), picture upright.
void CellQuad(float left, float bottom)
{
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(left, bottom);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(left + 1.0f, bottom);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(left + 1.0f, bottom + 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, bottom + 1.0f);
}

// A quad given by its corners around (cx, cy), turned by the angle whose cosine and sine
// are c and s; corners run counter-clockwise from the lower left, texture upright.
void TurnedQuad(float cx, float cy, float c, float s, const float (&corners)[4][2])
{
    static constexpr float tex[4][2] = {{0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}, {0.0f, 0.0f}};
    for (int i = 0; i < 4; ++i) {
        glTexCoord2f(tex[i][0], tex[i][1]);
        glVertex3f(cx + corners[i][0] * c - corners[i][1] * s,
            cy + corners[i][0] * s + corners[i][1] * c, 0.0f);
    }
}

constexpr float UnitCorners[4][2] = {{-0.5f, -0.5f}, {0.5f, -0.5f}, {0.5f, 0.5f}, {-0.5f, 0.5f}};

// A closed cell in the theme's colour, or tinted by its chance of a mine while shown.
void ColourClosedCell(const BoardFrame& board, const Cell& cell)
{
    const Theme& theme = board.render.Current();
    const BoardChances& chances = board.render.View.Chances;
    const auto at = static_cast<size_t>(cell.Index);
    if (!chances.Shown || chances.Looks[at] == ChanceLook::None) {
        glColor3fv(theme.CellColour.data());
        return;
    }
    glColor3fv(ChanceTint(theme, chances.MineChance[at]).data());
}

void DrawCells(const BoardFrame& board)
{
    for (int look = 0; look < slot::CellLooks; ++look) {
        const bool closed = look <= slot::PressedLook;
        if (!closed)
            glColor3f(cell_look::OpenCellTint, cell_look::OpenCellTint, cell_look::OpenCellTint);
        bool begun = false;
        board.ForEachCell([&](const Cell& cell, int column, int row) {
            if (slot::CellLook(cell) != look)
                return;
            if (!begun) {
                board.Bind(slot::CellBase + look);
                glBegin(GL_QUADS);
                begun = true;
            }
            if (closed)
                ColourClosedCell(board, cell);
            CellQuad(static_cast<float>(column), board.Bottom(row));
        });
        if (begun)
            glEnd();
    }
}

void DrawFlags(const BoardFrame& board)
{
    const FlagAnimation& flags = board.render.View.WavingFlags;
    for (CellMark mark : {CellMark::Flag, CellMark::FoundByPlayer2}) {
        bool begun = false;
        board.ForEachCell([&](const Cell& cell, int column, int row) {
            if (cell.Mark != mark)
                return;
            if (!begun) {
                flags.BeginFrames(mark == CellMark::Flag ? 0 : 1);
                begun = true;
            }
            flags.FrameQuad(column + 1.0f, board.Bottom(row));
        });
        if (begun)
            flags.EndFrames();
    }
}

// A regular polygon around (cx, cy) with a corner straight above it, as triangles.
void Polygon(float cx, float cy, float radius, int corners)
{
    const auto corner = [&](int k) {
        const float angle
            = Pi / 2.0f + 2.0f * Pi * static_cast<float>(k) / static_cast<float>(corners);
        glVertex2f(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    };
    for (int k = 0; k < corners; ++k) {
        glVertex2f(cx, cy);
        corner(k);
        corner(k + 1);
    }
}

// The certain cells: a green disc on a safe one, a white diamond on a mine, each in a dark
// rim, so that the two differ in shape as well as colour and show on every theme's cells.
void DrawChanceMarks(const BoardFrame& board)
{
    const BoardChances& chances = board.render.View.Chances;
    if (!chances.Shown)
        return;
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_TRIANGLES);
    board.ForEachCell([&](const Cell& cell, int column, int row) {
        const ChanceLook look = chances.Looks[static_cast<size_t>(cell.Index)];
        if (look != ChanceLook::Safe && look != ChanceLook::Mine)
            return;
        const float cx = static_cast<float>(column) + 0.5f;
        const float cy = board.Bottom(row) + 0.5f;
        const int corners = look == ChanceLook::Safe ? 16 : 4;
        glColor3f(0.05f, 0.05f, 0.1f);
        Polygon(cx, cy, 0.3f, corners);
        if (look == ChanceLook::Safe)
            glColor3f(0.2f, 0.85f, 0.3f);
        else
            glColor3f(0.97f, 0.97f, 0.97f);
        Polygon(cx, cy, 0.22f, corners);
    });
    glEnd();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
}

// Four corner brackets over every cell revealed in the last move.
void DrawMoveMarks(const BoardFrame& board)
{
    if (!board.game.ShowMoveMarks())
        return;
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    board.Bind(slot::MoveMark);
    glBegin(GL_QUADS);
    board.ForEachCell([&](const Cell& cell, int column, int row) {
        if (cell.MoveMark)
            CellQuad(static_cast<float>(column), board.Bottom(row));
    });
    glEnd();
    glEnable(GL_DEPTH_TEST);
}

void DrawPointer(const BoardFrame& board)
{
    const ViewState& view = board.render.View;
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    board.Bind(slot::Pointer);
    glBegin(GL_QUADS);
    CellQuad(view.ComputerPointerX, static_cast<float>(board.Height() - 1) - view.ComputerPointerY);
    glEnd();
    glEnable(GL_DEPTH_TEST);
}

// The glow over each missed mine: turning, raised a tenth of a cell, added twice to what
// lies below so that it sums to the picture times (1.15, 0.15, 0).
void DrawGlows(const BoardFrame& board, float c, float s)
{
    board.Bind(slot::Glow);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_QUADS);
    board.ForEachCell([&](const Cell& cell, int column, int row) {
        if (cell.Mark != CellMark::MissedMine)
            return;
        const float cx = column + 0.5f;
        const float cy = board.Bottom(row) + 0.5f + 0.1f;
        glColor4f(0.15f, 0.15f, 0.0f, 1.0f);
        TurnedQuad(cx, cy, c, s, UnitCorners);
        glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
        TurnedQuad(cx, cy, c, s, UnitCorners);
    });
    glEnd();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

// Two slanted bars, a tenth of a cell thick, crossing at the centre of each false flag.
void DrawCrosses(const BoardFrame& board)
{
    static constexpr float firstBar[4][2]
        = {{-0.4f, -0.05f}, {0.5f, -0.05f}, {0.4f, 0.05f}, {-0.5f, 0.05f}};
    static constexpr float secondBar[4][2]
        = {{-0.5f, -0.05f}, {0.4f, -0.05f}, {0.5f, 0.05f}, {-0.4f, 0.05f}};
    const float c = std::cos(Pi / 4.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    board.Bind(slot::CrossBar);
    glBegin(GL_QUADS);
    board.ForEachCell([&](const Cell& cell, int column, int row) {
        if (cell.Mark != CellMark::FalseFlag)
            return;
        const float cx = column + 0.5f;
        const float cy = board.Bottom(row) + 0.5f;
        TurnedQuad(cx, cy, c, c, firstBar);
        TurnedQuad(cx, cy, c, -c, secondBar);
    });
    glEnd();
}

void DrawExplodedMines(const BoardFrame& board)
{
    glColor3f(1.0f, 1.0f, 1.0f);
    board.Bind(slot::ExplodedMine);
    glBegin(GL_QUADS);
    board.ForEachCell([&](const Cell& cell, int column, int row) {
        if (cell.Mark == CellMark::ExplodedMine)
            CellQuad(static_cast<float>(column), board.Bottom(row));
    });
    glEnd();
}

// After a loss: glows over missed mines, crosses over false flags and the exploded mine.
// The cross and the exploded mine are drawn after every cell with the depth test off,
// so they stay in front of their cell on any board width whatever the depth buffer holds.
void DrawLossOverlays(const BoardFrame& board)
{
    const float radians = board.render.View.SpinAngle * Pi / 180.0f;
    DrawGlows(board, std::cos(radians), std::sin(radians));
    glDisable(GL_DEPTH_TEST);
    DrawCrosses(board);
    DrawExplodedMines(board);
    glEnable(GL_DEPTH_TEST);
}

// A marked cell: a bright frame of the given colour along the inside of the cell's edge,
// and a dark line along the outside, to be seen on every theme's cells. The bright frame
// keeps to the clear margin of a number's picture, so the number under it shows whole.
// A cell outside the board is not marked.
void DrawCellFrame(const BoardFrame& board, int32_t cell, float red, float green, float blue)
{
    if (cell < 0 || cell >= board.Width() * board.Height())
        return;
    const auto left = static_cast<float>(cell % board.Width());
    const float bottom = board.Bottom(cell / board.Width());
    // In whole pixels: the picture is scaled to the cell smoothly, so its ink reaches half a
    // picture pixel further than the picture shows it.
    const float pixels = board.CellPixels();
    const float inside = std::max(1.0f,
        std::floor(static_cast<float>(cell_look::NumberClearance * CellPictureSize - 0.5) * pixels
            / CellPictureSize));
    const float pixel = 1.0f / pixels;
    // The ring between from and to units in from the cell's edge; outside it when negative.
    const auto ring = [&](float from, float to) {
        const float x0 = left + from;
        const float y0 = bottom + from;
        const float x1 = left + 1.0f - from;
        const float y1 = bottom + 1.0f - from;
        const float width = to - from;
        const float sides[4][4] = {{x0, y0, x1, y0 + width}, {x0, y1 - width, x1, y1},
            {x0, y0, x0 + width, y1}, {x1 - width, y0, x1, y1}};
        for (const auto& side : sides) {
            glVertex2f(side[0], side[1]);
            glVertex2f(side[2], side[1]);
            glVertex2f(side[2], side[3]);
            glVertex2f(side[0], side[3]);
        }
    };
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_QUADS);
    glColor3f(0.05f, 0.05f, 0.1f);
    ring(-pixel, 0.0f);
    glColor3f(red, green, blue);
    ring(0.0f, inside * pixel);
    glEnd();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
}

// A paused board shows every cell closed under a pause sign, so nothing can be studied
// and the player sees why.
void DrawPausedBoard(const BoardFrame& board)
{
    glColor3fv(board.render.Current().CellColour.data());
    board.Bind(slot::CellBase + slot::ClosedLook);
    glBegin(GL_QUADS);
    board.ForEachCell([&](const Cell&, int column, int row) {
        CellQuad(static_cast<float>(column), board.Bottom(row));
    });
    glEnd();

    const float side = 0.6f * static_cast<float>(std::min(board.Width(), board.Height()));
    const float left = (static_cast<float>(board.Width()) - side) / 2.0f;
    const float bottom = (static_cast<float>(board.Height()) - side) / 2.0f;
    const auto rectangle = [](float x0, float y0, float x1, float y1) {
        glVertex2f(x0, y0);
        glVertex2f(x1, y0);
        glVertex2f(x1, y1);
        glVertex2f(x0, y1);
    };
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glBegin(GL_QUADS);
    glColor3f(0.12f, 0.12f, 0.16f);
    rectangle(left, bottom, left + side, bottom + side);
    glColor3f(0.95f, 0.95f, 0.95f);
    const float barWidth = side * 0.16f;
    const float gap = side * 0.14f;
    const float barBottom = bottom + side * 0.22f;
    const float barTop = bottom + side * 0.78f;
    const float centre = left + side / 2.0f;
    rectangle(centre - gap / 2.0f - barWidth, barBottom, centre - gap / 2.0f, barTop);
    rectangle(centre + gap / 2.0f, barBottom, centre + gap / 2.0f + barWidth, barTop);
    glEnd();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
}

} // namespace

void DrawBoard(const Game& game, const RenderState& render, int32_t keyCursorCell)
{
    const float w = game.BoardWidth();
    const float h = game.BoardHeight();
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // At distance W/2 the 90-degree view spans W units; the scale stretches H rows to match.
    glTranslatef(0.0f, 0.0f, -w / 2.0f);
    glPushMatrix();
    glScalef(1.0f, w / h, 1.0f);
    glTranslatef(-w / 2.0f, -h / 2.0f, 0.0f);

    const BoardFrame board {game, render};
    if (game.Paused()) {
        DrawPausedBoard(board);
        glPopMatrix();
        return;
    }
    DrawCells(board);
    DrawFlags(board);
    DrawMoveMarks(board);
    DrawChanceMarks(board);
    // The hint in green, the keyboard's cell in amber over it.
    DrawCellFrame(board, game.HintCell(), 0.2f, 1.0f, 0.35f);
    DrawCellFrame(board, keyCursorCell, 1.0f, 0.72f, 0.1f);
    if (game.ComputerHasTheTurn())
        DrawPointer(board);
    if (game.CurrentState() == GameState::Lost)
        DrawLossOverlays(board);
    glPopMatrix();
}

} // namespace orvane
