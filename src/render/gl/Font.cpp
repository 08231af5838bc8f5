// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/Font.h"

#include "render/gl/Gl.h"
#include "render/model/Pictures.h"

namespace orvane {

uint32_t BuildFont(uint32_t fontTexture)
{
    const GLuint base = glGenLists(128);
    glBindTexture(GL_TEXTURE_2D, fontTexture);
    for (GLuint k = 0; k < 128; ++k) {
        const float s0 = static_cast<float>(k % 16) / 16.0f;
        const float t0
            = static_cast<float>(k / 16) / 8.0f; // NOLINT(bugprone-integer-division): the row
        const float s1 = s0 + 0.0625f;
        const float t1 = t0 + 0.125f;
        glNewList(base + k, GL_COMPILE);
        glBegin(GL_QUADS);
        glTexCoord2f(s0, t1);
        glVertex2i(0, 0);
        glTexCoord2f(s1, t1);
        glVertex2i(16, 0);
        glTexCoord2f(s1, t0);
        glVertex2i(16, 18);
        glTexCoord2f(s0, t0);
        glVertex2i(0, 18);
        glEnd();
        glTranslated(12.0, 0.0, 0.0);
        glEndList();
    }
    glListBase(base - 32);
    return base;
}

void PrintText(const std::string& text)
{
    // Every code names one of the font's lists.
    const std::string codes = FontCodes(text);
    glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
}

void DeleteFont(uint32_t fontBase)
{
    if (fontBase != 0)
        glDeleteLists(fontBase, 128);
}

} // namespace orvane
