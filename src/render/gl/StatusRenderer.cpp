// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/StatusRenderer.h"
#include "input/PanelLayout.h"

#include "game/Game.h"
#include "input/ScreenState.h"
#include "render/gl/Font.h"
#include "render/gl/Gl.h"
#include "render/gl/MessageBar.h"
#include "render/model/Counters.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace orvane {

namespace {

void Rect(float x1, float y1, float x2, float y2)
{
    glBegin(GL_QUADS);
    glVertex2f(x1, y1);
    glVertex2f(x2, y1);
    glVertex2f(x2, y2);
    glVertex2f(x1, y2);
    glEnd();
}

// A picture over the rectangle, upright; tBottom is the texture t along the bottom edge.
void Picture(float x1, float y1, float x2, float y2, float tBottom = 1.0f)
{
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, tBottom);
    glVertex2f(x1, y1);
    glTexCoord2f(1.0f, tBottom);
    glVertex2f(x2, y1);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(x2, y2);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(x1, y2);
    glEnd();
}

void Grey(float level)
{
    glColor3f(level, level, level);
}

struct StatusFrame {
    const Game& game;
    bool faceDown;
    const RenderState& render;
    float strip; // player strip height, 0 in Classic
    float ws;    // status area width
    float h;     // counter strip height
    float d;     // bevel inset

    void Bind(int textureSlot) const
    {
        glBindTexture(GL_TEXTURE_2D, render.Textures[static_cast<size_t>(textureSlot)]);
    }
};

void DrawBackground(const StatusFrame& s)
{
    const Theme& theme = s.render.Current();
    glBegin(GL_QUADS);
    glColor3fv(theme.BackColour.data());
    glVertex2f(0.0f, 0.0f);
    glVertex2f(s.ws, 0.0f);
    glColor3fv(theme.StripColour.data());
    glVertex2f(s.ws, s.h);
    glVertex2f(0.0f, s.h);
    glEnd();
}

void DrawBevelsAndBoxes(const StatusFrame& s)
{
    const float d = s.d, h = s.h, ws = s.ws, box = panel::CounterBoxWidth;
    Grey(1.0f);
    Rect(d, d, d + 1, h - d);
    Rect(d, h - d - 1, ws - d, h - d);
    Grey(0.7f);
    Rect(ws - d, d, ws - d + 1, h - d);
    Rect(d, d, ws - d, d + 1);
    Grey(0.0f);
    Rect(2 * d, 2 * d, 2 * d + box, h - 2 * d);
    Rect(ws - 2 * d - box, 2 * d, ws - 2 * d, h - 2 * d);
    Grey(0.4f);
    Rect(2 * d + box, 2 * d, 2 * d + box + 2, h - 2 * d - 2);
    Rect(2 * d + 2, 2 * d - 1, 2 * d + box + 2, 2 * d);
    Rect(ws - 2 * d, 2 * d, ws - 2 * d + 2, h - 2 * d - 2);
    Rect(ws - 2 * d - box + 2, 2 * d - 1, ws - 2 * d + 2, 2 * d);
}

// Three digits (0 to 999) in the black box whose left edge is at boxLeft.
void DrawCounter(const StatusFrame& s, float boxLeft, int32_t value)
{
    const int digits[3] = {value / 100, (value % 100) / 10, value % 10};
    for (int i = 0; i < 3; ++i) {
        s.Bind(slot::FirstDigit + digits[i]);
        Picture(boxLeft + 2 + 16 * i, 2 * s.d + 5, boxLeft + 16 + 16 * i, s.h - 2 * s.d - 5);
    }
}

void DrawCounters(const StatusFrame& s)
{
    const CounterValues counters = ShownCounters(s.game);
    DrawCounter(s, 2 * s.d, counters.Left);
    DrawCounter(s, s.ws - 2 * s.d - panel::CounterBoxWidth, counters.Right);
}

// Frames, face and bonus picture share one depth: a later picture does not cover what an
// earlier one drew, and the keyed-out middle of a frame lets the face show through.
void DrawButtons(const StatusFrame& s)
{
    const Game& g = s.game;
    const float w = panel::ButtonStripWidth;
    const float xb = std::trunc(s.ws / 2 - w / 2);
    const float d = s.d;
    s.Bind(slot::ButtonRaised + (s.faceDown ? 1 : 0));
    Picture(xb, d + 1, xb + w, d + 35);
    s.Bind(slot::FirstFace + static_cast<int>(g.Face()));
    Picture(xb + 2, d + 3, xb + 31, d + 33);
    // An unavailable bonus button is shown pressed.
    s.Bind(slot::ButtonRaised + (g.BonusButtonDown() || !g.BonusButtonEnabled() ? 1 : 0));
    Picture(xb, d + 35, xb + w, d + 35 + panel::BonusButtonHeight);
    s.Bind(slot::BonusMine);
    Picture(xb, d + 35, xb + w, d + 35 + panel::BonusButtonHeight - 1);
}

using Rgba = std::array<float, 4>;

// Text centred on x: each character advances 12 units.
void Text(const std::string& text, float x, float y, const Rgba& colour)
{
    glColor4fv(colour.data());
    glPushMatrix();
    glTranslatef(x - 6.0f * static_cast<float>(text.size()), y, 0.0f);
    PrintText(text);
    glPopMatrix();
}

struct PanelLook {
    int barSlot;
    float left;      // the panel's left edge
    float scoreX;    // centre of the score text
    float nameX;     // centre of the name text
    float idleShade; // brightness while the other player moves
    Rgba score;
    Rgba name;
};

void DrawPanel(const StatusFrame& s, PlayerIndex player, const PanelLook& look)
{
    const Game& g = s.game;
    Grey(g.CurrentPlayer() == player ? s.render.View.PulseScale : look.idleShade);
    s.Bind(look.barSlot);
    // The bar picture repeats twice down the panel.
    Picture(look.left, 2, look.left + panel::PlayerPanelWidth, s.strip + 2.0f, 2.0f);

    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    s.Bind(slot::Font);
    // In a network game the panel of the player at this screen says so beside the score.
    if (g.NetworkSeat() == player) {
        Text(std::to_string(g.Players()[player].Score), look.scoreX - 16, 6, look.score);
        Text("YOU", look.scoreX + 18, 6, look.score);
    } else {
        Text(std::to_string(g.Players()[player].Score), look.scoreX, 6, look.score);
    }
    Text(g.Players()[player].Name, look.nameX, 30, look.name);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

// The two panels differ on purpose: the first starts one pixel further right, is less
// dimmed while waiting, and has its own text shades.
void DrawPlayerStrip(const StatusFrame& s)
{
    const Game& g = s.game;
    glTranslatef(0.0f, -s.strip, 0.0f);

    const bool firstMoves = g.CurrentPlayer() == Player1;
    const auto half = static_cast<float>(panel::PlayerPanelHalfWidth);
    const float firstLeft = s.ws / 4 - half;
    const Rgba bright {0.8f, 0.8f, 0.8f, 0.8f};
    DrawPanel(s, Player1,
        {slot::PlayerOneBar, std::trunc(firstLeft + 1), firstLeft + 36, firstLeft + 36, 0.85f,
            firstMoves ? bright : Rgba {0.2f, 0.2f, 0.2f, 0.7f},
            firstMoves ? bright : Rgba {0.2f, 0.2f, 0.2f, 0.8f}});

    const float secondLeft = s.ws / 2 + s.ws / 4 - half;
    const float tone = firstMoves ? 0.3f : 0.6f;
    const Rgba second {tone, tone, tone, 0.7f};
    DrawPanel(s, Player2,
        {slot::PlayerTwoBar, std::trunc(secondLeft), secondLeft - 2 + 1 + 36, secondLeft - 2 + 36,
            0.7f, second, second});

    if (s.render.View.Message.Running())
        DrawMessage(s.render.View.Message, s.render, static_cast<int32_t>(s.ws), 2);
}

void DrawBoardFrame(float wg, float hg)
{
    Grey(1.0f);
    Rect(3, 3, 4, hg + 9);
    Rect(3, hg + 8, wg + 9, hg + 9);
    Grey(0.6f);
    Rect(wg + 8, 3, wg + 9, hg + 9);
    Rect(3, 3, wg + 9, 4);
}

} // namespace

void DrawStatus(const Game& game, const ScreenState& screen, const RenderState& render,
    int statusWidth, int boardWidth, int boardHeight)
{
    const StatusFrame s {game, screen.FaceDown, render,
        static_cast<float>(panel::PlayerStripHeight(game.CurrentMode())),
        static_cast<float>(statusWidth), static_cast<float>(panel::CounterStripHeight),
        static_cast<float>(
            panel::CounterStripHeight / 12)}; // NOLINT(bugprone-integer-division): whole pixels
    const Theme& theme = render.Current();
    glDisable(GL_TEXTURE_2D);
    glClearColor(theme.BackColour[0], theme.BackColour[1], theme.BackColour[2], 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();

    const float hg = static_cast<float>(boardHeight);
    glTranslatef(0.0f, hg + s.strip + 9, 0.0f);
    glDisable(GL_DEPTH_TEST);
    glShadeModel(GL_SMOOTH);
    DrawBackground(s);
    glEnable(GL_DEPTH_TEST);
    glTranslatef(0.0f, 0.0f, 0.01f);
    DrawBevelsAndBoxes(s);

    glTranslatef(0.0f, 0.0f, 0.01f);
    Grey(1.0f);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_ALPHA_TEST);
    DrawCounters(s);
    DrawButtons(s);
    if (game.IsTwoPlayer())
        DrawPlayerStrip(s);
    else if (render.View.Message.ShownFor(false) && render.View.Message.Running())
        // Across the middle of the counter strip, over the counters while it shows.
        DrawMessage(render.View.Message, render, statusWidth, (s.h - 25.0f) / 2.0f);

    glDisable(GL_TEXTURE_2D);
    glTranslatef(0.0f, -hg - 9, 0.0f);
    DrawBoardFrame(static_cast<float>(boardWidth), hg);
}

} // namespace orvane
