// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>

namespace orvane {

// The status area's bitmap font: 128 display lists, one per glyph cell of the font
// picture, each drawing its glyph 16 x 18 units and moving the pen 12 to the right.
// Returns the first list; the list base is set so that a character code selects its list.
uint32_t BuildFont(uint32_t fontTexture);

// Prints UTF-8 text at the current origin, the characters FontCodes keeps. The caller binds
// the font texture, sets colour and blending and keeps the matrix.
void PrintText(const std::string& text);

void DeleteFont(uint32_t fontBase);

} // namespace orvane
