// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/gl/RenderState.h"

#include <cstdint>

namespace orvane {

class MessageBar;

// Draws the message's bar across the player strip at bottom y where its sliding has
// brought it; the text shows only while the bar stands still.
void DrawMessage(const MessageBar& message, const RenderState& render, int32_t width, float y);

} // namespace orvane
