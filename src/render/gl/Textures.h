// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/gl/RenderState.h"

namespace orvane {

// Uploads the pictures of the status area's slots; its context must be current.
void LoadStatusTextures(RenderState& render);
// Uploads the pictures of the board's slots; its context must be current.
void LoadBoardTextures(RenderState& render);

// Draws the cell pictures again at `pixels` when they were uploaded at another size or
// with other number colours than the render state's; the board's context must be current.
void UpdateCellTextures(RenderState& render, int32_t pixels);
// Draws the font picture again at `scale` when it was uploaded at another; the status
// area's context must be current.
void UpdateFontTexture(RenderState& render, int32_t scale);

} // namespace orvane
