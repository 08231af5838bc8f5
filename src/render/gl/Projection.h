// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvane {

// Viewport and projection of the current context: a 90-degree perspective with aspect
// 1.0 for the board (its renderer scales the rows to fit), or one unit per pixel with the
// origin at the bottom left for the status area. Sizes are in pixels; the viewport covers
// them in device pixels, pixelRatio to a pixel.
void SetupProjection(int width, int height, bool perspective, double pixelRatio = 1.0);

// The fixed state both contexts share: culling, depth and alpha tests, colour material,
// textures flipped upright, additive blending for the overlays that switch it on.
void ApplyCommonState();

} // namespace orvane
