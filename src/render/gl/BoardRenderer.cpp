#include "render/gl/BoardRenderer.h"

#include "game/Game.h"
#include "render/gl/Gl.h"

namespace orvane {

namespace {

void UnitQuad()
{
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-0.5f, -0.5f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(0.5f, -0.5f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(0.5f, 0.5f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-0.5f, 0.5f);
}

// A one-unit square from (left, 0) to (left + 1, 1), texture upright.
void CellQuad(float left)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(left, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(left + 1.0f, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(left + 1.0f, 1.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, 1.0f);
    glEnd();
}

void Bind(const RenderState& render, int textureSlot)
{
    glBindTexture(GL_TEXTURE_2D, render.Textures[static_cast<size_t>(textureSlot)]);
}

void DrawMoveMark(const RenderState& render, float x)
{
    glPushMatrix();
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    glTranslatef(x - 1.0f, 0.0f, 0.0f);
    Bind(render, slot::MoveMark);
    CellQuad(0.0f);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();
}

void DrawPointer(const Game& game, const RenderState& render)
{
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    glPushMatrix();
    glTranslatef(game.Opponent.PointerX, static_cast<float>(game.BoardHeight - 1) - game.Opponent.PointerY, 0.0f);
    Bind(render, slot::Pointer);
    CellQuad(0.0f);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
}

void DrawGlow(const RenderState& render)
{
    Bind(render, slot::Glow);
    glColor3f(0.15f, 0.15f, 0.0f);
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    glTranslatef(0.0f, 0.1f, 0.0f);
    glRotatef(render.SpinAngle, 0.0f, 0.0f, 1.0f);
    // Two additive passes: the glow picture times (1.15, 0.15, 0).
    glBegin(GL_QUADS);
    UnitQuad();
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    UnitQuad();
    glEnd();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void DrawCross(const RenderState& render)
{
    Bind(render, slot::CrossBar);
    glColor3f(1.0f, 1.0f, 1.0f);
    glRotatef(45.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-0.4f, -0.05f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(0.5f, -0.05f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(0.4f, 0.05f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-0.5f, 0.05f);
    glEnd();
    glRotatef(-90.0f, 0.0f, 0.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(-0.5f, -0.05f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(0.4f, -0.05f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(0.5f, 0.05f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(-0.4f, 0.05f);
    glEnd();
}

void DrawExploded(const RenderState& render)
{
    glColor3f(1.0f, 1.0f, 1.0f);
    Bind(render, slot::ExplodedMine);
    glBegin(GL_QUADS);
    UnitQuad();
    glEnd();
}

// The overlays of a lost game, over the cells from the bottom-left origin. The cross and
// the exploded mine are drawn after every cell with the depth test off, so they stay in
// front of their cell on any board width, whatever the depth buffer resolves.
void DrawLossOverlays(const Game& game, RenderState& render)
{
    render.SpinAngle += static_cast<float>(360.0 / (3.0 / game.FrameTimer.FrameTime));
    if (render.SpinAngle >= 360.0f)
        render.SpinAngle = 0.0f;
    const int w = game.BoardWidth;
    const int h = game.BoardHeight;
    for (int r = 0; r < h; ++r) {
        for (int k = 0; k < w; ++k) {
            const uint8_t mark = game.Cells[static_cast<size_t>(r * w + k)].Mark;
            if (mark < MissedMine)
                continue;
            glPushMatrix();
            glTranslatef(k + 0.5f, static_cast<float>(h - 1 - r) + 0.5f, mark == MissedMine ? 0.0f : 0.001f);
            if (mark == MissedMine) {
                DrawGlow(render);
            } else {
                glDisable(GL_DEPTH_TEST);
                if (mark == FalseFlag)
                    DrawCross(render);
                else
                    DrawExploded(render);
                glEnable(GL_DEPTH_TEST);
            }
            glPopMatrix();
        }
    }
}

} // namespace

void DrawBoard(const Game& game, RenderState& render)
{
    const float w = game.BoardWidth;
    const float h = game.BoardHeight;
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    // At distance W/2 the 90-degree view spans W units; the scale stretches H rows to match.
    glTranslatef(0.0f, 0.0f, -w / 2.0f);
    glPushMatrix();
    glScalef(1.0f, w / h, 1.0f);
    glTranslatef(-w / 2.0f, h / 2.0f, 0.0f);

    const Theme& theme = render.Current();
    for (int r = 0; r < game.BoardHeight; ++r) {
        glTranslatef(0.0f, -1.0f, 0.0f);
        for (int k = 0; k < game.BoardWidth; ++k) {
            const Block& cell = game.Cells[static_cast<size_t>(r * game.BoardWidth + k)];
            if (cell.State <= Pressed)
                glColor3fv(theme.CellColour.data());
            else
                glColor3f(0.95f, 0.95f, 0.95f);
            Bind(render, slot::CellBase + (cell.State <= Revealed ? cell.State : 0));
            CellQuad(static_cast<float>(k));
            if (cell.Mark == FlagMark || cell.Mark == FoundByPlayer2)
                render.FlagAnimation.DrawFrame(k + 1.0f, cell.Mark - 1, game.FrameTimer);
            if (game.ShowMoveMarks && cell.MoveMark != 0)
                DrawMoveMark(render, k + 1.0f);
        }
    }

    if (game.CurrentMode == PlayMode::VsComputer && game.CurrentPlayer == Player2)
        DrawPointer(game, render);
    if (game.CurrentState == GameState::Lost)
        DrawLossOverlays(game, render);
    glPopMatrix();
}

} // namespace orvane
