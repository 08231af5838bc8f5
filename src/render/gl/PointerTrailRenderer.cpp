// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/PointerTrailRenderer.h"

#include "game/Game.h"
#include "render/gl/Gl.h"

#include <algorithm>

namespace orvane {

namespace {

// The arrow's corners from its tip, in cells, counter-clockwise as the culling wants them.
constexpr float Arrow[3][2] = {{0.0f, 0.0f}, {0.0f, -0.7f}, {0.45f, -0.5f}};

void ArrowVertices(float x, float y)
{
    for (const auto& corner : Arrow)
        glVertex2f(x + corner[0], y + corner[1]);
}

} // namespace

void DrawPointerTrail(const Game& game, std::span<const TrailPoint> trail)
{
    if (trail.empty())
        return;
    // The board renderer's frame: one unit per cell, the origin at the bottom-left corner.
    const float w = game.BoardWidth();
    const float h = game.BoardHeight();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -w / 2.0f);
    glScalef(1.0f, w / h, 1.0f);
    glTranslatef(-w / 2.0f, -h / 2.0f, 0.0f);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    glLineWidth(2.0f);
    glBegin(GL_LINE_STRIP);
    for (const TrailPoint& point : trail) {
        const float fresh = 1.0f
            - static_cast<float>(std::clamp<int64_t>(point.AgeMilliseconds, 0, TrailMilliseconds))
                / static_cast<float>(TrailMilliseconds);
        glColor4f(1.0f, 0.85f, 0.2f, fresh);
        glVertex2f(point.X, h - point.Y);
    }
    glEnd();

    const float x = trail.back().X;
    const float y = h - trail.back().Y;
    glBegin(GL_TRIANGLES);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    ArrowVertices(x, y);
    glEnd();
    glLineWidth(1.0f);
    glBegin(GL_LINE_LOOP);
    glColor4f(0.05f, 0.05f, 0.1f, 1.0f);
    ArrowVertices(x, y);
    glEnd();

    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
}

} // namespace orvane
