#pragma once
#include "render/gl/RenderState.h"

#include <cstdint>

namespace orvane {

class Comments;

// Advances the message by one frame and draws its bar across the player strip at
// bottom y, sliding in from the left and out to the right; the text shows only while
// the bar stands still.
void DisplayMessage(
    Comments& message, double frameTime, const RenderState& render, int32_t width, float y);

} // namespace orvane
