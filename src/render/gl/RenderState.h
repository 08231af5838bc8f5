// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "render/model/Pictures.h"
#include "render/model/Themes.h"
#include "render/model/ViewState.h"

#include <array>
#include <cstdint>

namespace orvane {

// Texture slots: 0..16 and 34..37 belong to the status area, 17..33 to the board. A
// cell's picture is slot CellBase + its look.
namespace slot {
inline constexpr int FirstDigit = 0;
inline constexpr int ButtonRaised = 10;
inline constexpr int ButtonPressed = 11;
inline constexpr int BonusMine = 12;
inline constexpr int FirstFace = 13; // 13..16 by the face's look
inline constexpr int CellBase = 17;  // 17..28 by the cell's look
inline constexpr int MoveMark = 29;
inline constexpr int Pointer = 30;
inline constexpr int Glow = 31;
inline constexpr int CrossBar = 32;
inline constexpr int ExplodedMine = 33;
inline constexpr int PlayerOneBar = 34;
inline constexpr int PlayerTwoBar = 35;
inline constexpr int Font = 36;
inline constexpr int MessageBar = 37;
inline constexpr int Count = 38;

// A cell's look: closed, pressed, open showing 0..8, or revealed after a loss.
inline constexpr int ClosedLook = 0;
inline constexpr int PressedLook = 1;
inline constexpr int FirstOpenLook = 2;
inline constexpr int RevealedLook = 11;
inline constexpr int CellLooks = 12;
inline int CellLook(const Cell& cell)
{
    switch (cell.State) {
    case CellState::Closed:
        return ClosedLook;
    case CellState::Pressed:
        return PressedLook;
    case CellState::Open:
        return FirstOpenLook + cell.Value;
    case CellState::Revealed:
        break;
    }
    return RevealedLook;
}
} // namespace slot

// Everything the renderers draw with besides the game: themes, textures of both
// areas, the font's display lists and the view's animated state.
struct RenderState {
    ThemeSet Themes = MakeThemes();
    uint8_t CurrentTheme = 0;
    std::array<uint32_t, slot::Count> Textures {};
    uint32_t FontBase = 0;
    // The numbers' colours to show, and the sizes and colours the cell and font pictures
    // were last uploaded in.
    NumberPalette Numbers = NumberPalette::Classic;
    int32_t CellPicturePixels = CellPictureSize;
    NumberPalette CellPictureNumbers = NumberPalette::Classic;
    int32_t FontPictureScale = 1;
    ViewState View;

    const Theme& Current() const { return Themes[CurrentTheme < ThemeCount ? CurrentTheme : 0]; }
};

} // namespace orvane
