// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Pictures.h"

// The drawing of each group of built-in pictures; LoadPictureResource picks by id.
namespace orvane::art {

// Counter digits, red seven-segment figures on black.
Bitmap DrawCounterDigit(int digit);

// Status area buttons and faces.
Bitmap DrawButtonFrame(bool pressed);
Bitmap DrawBonusMine();
enum class Mood { Normal, OpenMouth, Lost, Won };
Bitmap DrawFace(Mood mood);

// Board cells, pixels × pixels; the design is made at CellPictureSize and scaled.
Bitmap DrawClosedCell(int32_t pixels);
Bitmap DrawPressedCell(int32_t pixels);
Bitmap DrawOpenCell(int32_t pixels);
Bitmap DrawNumberCell(int number, int32_t pixels, NumberPalette numbers);
Bitmap DrawMineCell(int32_t pixels);
Bitmap DrawExplodedMine(int32_t pixels);

// Overlays of the board.
Bitmap DrawMoveMark();
Bitmap DrawPointer();
Bitmap DrawGlow();
Bitmap DrawCrossBar();

// Coloured bars of the player strip and the message bar.
enum class TeamColour { Red, Blue };
Bitmap DrawPlayerBar(TeamColour colour);
Bitmap DrawMessageBar();

// Glyph cells of 16 × scale pixels.
Bitmap DrawFont(int32_t scale);

// Waving flag strips, player 1 red and player 2 blue.
Bitmap DrawFlagStrip(TeamColour colour);

} // namespace orvane::art
