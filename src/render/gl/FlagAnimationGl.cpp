// SPDX-License-Identifier: GPL-3.0-or-later
// The flag animation's textures: made, reloaded on a theme switch, and drawn per cell.
#include "render/gl/Gl.h"
#include "render/model/ColourKey.h"
#include "render/model/FlagAnimation.h"
#include "render/model/Themes.h"

namespace orvane {

void FlagAnimation::Create(int32_t loops, uint8_t frameCount, uint8_t pauseFrames, double interval,
    uint8_t stopFrame, Rgb8 keyColour, int32_t resource0, int32_t resource1, const Theme& theme)
{
    Configure(loops, frameCount, pauseFrames, interval, stopFrame, keyColour, resource0, resource1);
    glGenTextures(2, TextureNames.data());
    Load(true, theme);
}

void FlagAnimation::Load(bool mipmaps, const Theme& theme)
{
    const int32_t resources[2] = {Resource0, Resource1};
    for (size_t i = 0; i < 2; ++i) {
        const Bitmap bitmap = LoadPictureResource(resources[i]);
        BgraTexels texels = ToBgraTexels(bitmap);
        ApplyColourKey(texels, KeyColour, FlagFringeColour(theme));
        glBindTexture(GL_TEXTURE_2D, TextureNames[i]);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        if (mipmaps) {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
            gluBuild2DMipmaps(GL_TEXTURE_2D, 4, bitmap.Width, bitmap.Height, GL_BGRA_EXT,
                GL_UNSIGNED_BYTE, texels.data());
        } else {
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
            glTexImage2D(GL_TEXTURE_2D, 0, 4, bitmap.Width, bitmap.Height, 0, GL_BGRA_EXT,
                GL_UNSIGNED_BYTE, texels.data());
        }
    }
}

void FlagAnimation::BeginFrames(int image) const
{
    glDisable(GL_DEPTH_TEST);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, TextureNames[static_cast<size_t>(image)]);
    glBegin(GL_QUADS);
}

void FlagAnimation::FrameQuad(float rightX, float bottomY) const
{
    const float left = Frame * FrameWidth;
    const float right = (Frame + 1) * FrameWidth;
    glTexCoord2f(left, 1.0f);
    glVertex2f(rightX - 1.0f, bottomY);
    glTexCoord2f(right, 1.0f);
    glVertex2f(rightX, bottomY);
    glTexCoord2f(right, 0.0f);
    glVertex2f(rightX, bottomY + 1.0f);
    glTexCoord2f(left, 0.0f);
    glVertex2f(rightX - 1.0f, bottomY + 1.0f);
}

void FlagAnimation::EndFrames() const
{
    glEnd();
    glEnable(GL_DEPTH_TEST);
}

} // namespace orvane
