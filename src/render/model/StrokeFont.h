// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Shapes.h"

namespace orvane::art {

// Glyphs drawn as strokes of even width on a grid 8 units wide; capitals and figures
// stand 10 units high on the baseline, y upwards. Lower-case letters share the capitals'
// shapes. A code without a glyph (the space, for one) gives an empty shape.
// origin is the left end of the baseline in pixels; unit is pixels per grid unit.
Shape GlyphShape(int code, Point origin, double unit, double strokeWidth);

} // namespace orvane::art
