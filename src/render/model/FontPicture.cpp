// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Canvas.h"
#include "render/model/PictureGroups.h"
#include "render/model/StrokeFont.h"

namespace orvane::art {

Bitmap DrawFont(int32_t scale)
{
    // 16 x 8 cells of 16 x 16 pixels (at scale 1), cell k holding character 32 + k. A
    // glyph takes pixels 1..10 across, leaving a gap at the 12-pixel advance, and rows 2..13.
    const int32_t CellPixels = 16 * scale;
    const double unit = scale;
    Canvas font(16 * CellPixels, 8 * CellPixels, Grey(0));
    for (int k = 0; k < 128; ++k) {
        Canvas glyph(CellPixels, CellPixels, Grey(0));
        glyph.Fill(GlyphShape(32 + k, {2 * unit, 13 * unit}, unit, 2 * unit), Grey(255));
        font.Paste(glyph, CellPixels * (k % 16), CellPixels * (k / 16));
    }
    return font.ToBitmap();
}

} // namespace orvane::art
