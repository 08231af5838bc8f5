// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// A 24-bit picture as a bitmap resource holds it: rows bottom row first, each pixel
// blue, green, red, no row filler (every width is a multiple of 4 pixels).
struct Bitmap {
    int32_t Width = 0;
    int32_t Height = 0;
    std::vector<uint8_t> Bytes;
};

struct Rgb8 {
    uint8_t R = 0;
    uint8_t G = 0;
    uint8_t B = 0;
    friend bool operator==(const Rgb8&, const Rgb8&) = default;
};

// The built-in pictures, by resource id.
namespace picture_id {
inline constexpr int32_t FirstDigit = 101; // 101..110: counter digits 0..9
inline constexpr int32_t ButtonRaised = 111;
inline constexpr int32_t ButtonPressed = 112;
inline constexpr int32_t BonusMine = 113;
inline constexpr int32_t FaceWon = 114;
inline constexpr int32_t FaceNormal = 115;
inline constexpr int32_t FaceOpenMouth = 116;
inline constexpr int32_t FaceLost = 117;
inline constexpr int32_t PlayerOneBar = 118;
inline constexpr int32_t PlayerTwoBar = 119;
inline constexpr int32_t MessageBar = 120;
inline constexpr int32_t Font = 121;
inline constexpr int32_t ClosedCell = 122;
inline constexpr int32_t PressedCell = 123;
inline constexpr int32_t OpenCell = 124;
inline constexpr int32_t FirstNumberCell = 125; // 125..132: numbers 1..8
inline constexpr int32_t MineCell = 133;
inline constexpr int32_t MoveMark = 134;
inline constexpr int32_t Pointer = 135;
inline constexpr int32_t Glow = 136;
inline constexpr int32_t CrossBar = 137;
inline constexpr int32_t ExplodedMine = 138;
inline constexpr int32_t RedFlags = 139;
inline constexpr int32_t BlueFlags = 140;
inline constexpr int32_t First = 101;
inline constexpr int32_t Last = 140;
} // namespace picture_id

// The colour a keyed picture holds wherever it is meant to be transparent.
namespace picture_key {
inline constexpr Rgb8 Button {224, 224, 224};   // 111, 112
inline constexpr Rgb8 Face {214, 214, 44};      // 114..117
inline constexpr Rgb8 MoveMark {128, 128, 128}; // 134
inline constexpr Rgb8 Pointer {170, 170, 170};  // 135
inline constexpr Rgb8 Flags {230, 230, 230};    // 139, 140
} // namespace picture_key

// Frame layout of the two flag strips: frames side by side, left to right.
inline constexpr int32_t FlagFrameCount = 8;
inline constexpr int32_t FlagFrameSize = 64;

// The picture with the given resource id, drawn afresh (the same bytes every time);
// an empty bitmap for an id that names no picture.
Bitmap LoadPictureResource(int32_t id);

// The colours the numbers on open cells are drawn in (CellLook.h).
enum class NumberPalette : uint8_t { Classic, ColourSafe };

// The size the board's cell pictures are designed at.
inline constexpr int32_t CellPictureSize = 32;
// A board cell's picture (ClosedCell .. MineCell, ExplodedMine) drawn for a screen on
// which a cell spans `pixels` device pixels, so that it need not be magnified, with its
// number in the palette's colour; the resource itself at CellPictureSize in the classic
// colours. Empty for any other id.
Bitmap DrawCellPicture(int32_t id, int32_t pixels, NumberPalette numbers = NumberPalette::Classic);
// The font picture with every glyph drawn `scale` times as large, for screens with
// that many device pixels to a pixel; the resource itself at scale 1.
Bitmap DrawFontPicture(int32_t scale);
// The font picture's codes of a UTF-8 text, a byte a glyph: the printable ASCII characters
// as they are and "≈" as its symbol; any other character is left out.
std::string FontCodes(std::string_view text);
inline constexpr char NearlyEqualCode = static_cast<char>(138);

// The cell picture size for cells of cellSize pixels on a screen with the given device
// pixels per pixel: the design size where a pixel is a device pixel, else the cell's
// own size in device pixels, so that the picture is shown without magnifying it.
int32_t CellPicturePixels(int cellSize, double devicePixelRatio);
// The font picture's scale for the screen: enough device pixels for every pixel.
int32_t FontPictureScale(double devicePixelRatio);

} // namespace orvane
