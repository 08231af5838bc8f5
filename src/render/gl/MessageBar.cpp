// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/MessageBar.h"

#include "render/gl/Font.h"
#include "render/gl/Gl.h"
#include "render/model/MessageBar.h"
#include "render/model/Pictures.h"

namespace orvane {

void DrawMessage(const MessageBar& message, const RenderState& render, int32_t width, float y)
{
    // The red bar picture tinted towards orange, in front of the player panels.
    const float left = static_cast<float>(message.OffsetX);
    const float right = left + static_cast<float>(width);
    glColor4f(1.0f, 1.0f, 0.3f, 1.0f);
    glTranslatef(0.0f, 0.0f, 0.01f);
    glBindTexture(GL_TEXTURE_2D, render.Textures[slot::MessageBar]);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2f(left, y);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2f(right, y);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2f(right, y + 25);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2f(left, y + 25);
    glEnd();

    if (message.Stage != BarStage::Shown)
        return;
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 0.7f);
    glBindTexture(GL_TEXTURE_2D, render.Textures[slot::Font]);
    glPushMatrix();
    // At three quarters size each character advances 9 pixels: centred on width / 2 + 1,
    // and 13.5 pixels high from 6 above the bar's bottom edge, wherever the bar runs.
    const auto glyphs = static_cast<float>(FontCodes(message.Text).size());
    glTranslatef(static_cast<float>(width) / 2 - 4.5f * glyphs + 1, y + 6, 0);
    glScalef(0.75f, 0.75f, 0.75f);
    PrintText(message.Text);
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
}

} // namespace orvane
