// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/Projection.h"

#include "render/gl/Gl.h"

#include <cmath>

namespace orvane {

void SetupProjection(int width, int height, bool perspective, double pixelRatio)
{
    if (height == 0)
        height = 1;
    glViewport(0, 0, static_cast<GLsizei>(std::lround(width * pixelRatio)),
        static_cast<GLsizei>(std::lround(height * pixelRatio)));
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (perspective)
        gluPerspective(90.0, 1.0, 1.0, 100.0);
    else
        glOrtho(0.0, width, 0.0, height, -1.0, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void ApplyCommonState()
{
    glEnable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glEnable(GL_COLOR_MATERIAL);
    glEnable(GL_TEXTURE_2D);
    // Pictures are uploaded bottom row first; t = 0 at a quad's top edge lands on the top row.
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glScalef(1.0f, -1.0f, 1.0f);
    glMatrixMode(GL_MODELVIEW);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
}

} // namespace orvane
