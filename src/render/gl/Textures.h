#pragma once
#include "render/gl/RenderState.h"

namespace orvane {

// Uploads the pictures of the status area's slots; its context must be current.
void LoadStatusTextures(RenderState& render);
// Uploads the pictures of the board's slots; its context must be current.
void LoadBoardTextures(RenderState& render);

} // namespace orvane
