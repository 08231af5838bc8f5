// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Pictures.h"

#include "platform/Utf8.h"
#include "render/model/PictureGroups.h"

#include <algorithm>
#include <cmath>

namespace orvane {

Bitmap LoadPictureResource(int32_t id)
{
    using namespace picture_id;
    using namespace art;
    if (id >= FirstDigit && id < FirstDigit + 10)
        return DrawCounterDigit(id - FirstDigit);
    if ((id >= ClosedCell && id <= MineCell) || id == ExplodedMine)
        return DrawCellPicture(id, CellPictureSize);
    switch (id) {
    case ButtonRaised:
        return DrawButtonFrame(false);
    case ButtonPressed:
        return DrawButtonFrame(true);
    case BonusMine:
        return DrawBonusMine();
    case FaceWon:
        return DrawFace(Mood::Won);
    case FaceNormal:
        return DrawFace(Mood::Normal);
    case FaceOpenMouth:
        return DrawFace(Mood::OpenMouth);
    case FaceLost:
        return DrawFace(Mood::Lost);
    case PlayerOneBar:
        return DrawPlayerBar(TeamColour::Red);
    case PlayerTwoBar:
        return DrawPlayerBar(TeamColour::Blue);
    case MessageBar:
        return DrawMessageBar();
    case Font:
        return DrawFontPicture(1);
    case MoveMark:
        return DrawMoveMark();
    case Pointer:
        return DrawPointer();
    case Glow:
        return DrawGlow();
    case CrossBar:
        return DrawCrossBar();
    case RedFlags:
        return DrawFlagStrip(TeamColour::Red);
    case BlueFlags:
        return DrawFlagStrip(TeamColour::Blue);
    default:
        return {};
    }
}

Bitmap DrawCellPicture(int32_t id, int32_t pixels, NumberPalette numbers)
{
    using namespace picture_id;
    using namespace art;
    if (id >= FirstNumberCell && id < FirstNumberCell + 8)
        return DrawNumberCell(id - FirstNumberCell + 1, pixels, numbers);
    switch (id) {
    case ClosedCell:
        return DrawClosedCell(pixels);
    case PressedCell:
        return DrawPressedCell(pixels);
    case OpenCell:
        return DrawOpenCell(pixels);
    case MineCell:
        return DrawMineCell(pixels);
    case ExplodedMine:
        return DrawExplodedMine(pixels);
    default:
        return {};
    }
}

Bitmap DrawFontPicture(int32_t scale)
{
    return art::DrawFont(scale);
}

std::string FontCodes(std::string_view text)
{
    constexpr uint32_t NearlyEqual = 0x2248;
    std::string codes;
    for (size_t at = 0; at < text.size();) {
        const Utf8Character character = NextUtf8Character(text, at);
        at += character.Length;
        if (character.Code >= ' ' && character.Code < 0x7F)
            codes += static_cast<char>(character.Code);
        else if (character.Code == NearlyEqual)
            codes += NearlyEqualCode;
    }
    return codes;
}

int32_t CellPicturePixels(int cellSize, double devicePixelRatio)
{
    return devicePixelRatio > 1 ? int32_t(std::lround(cellSize * devicePixelRatio))
                                : CellPictureSize;
}

int32_t FontPictureScale(double devicePixelRatio)
{
    return std::max(1, int32_t(std::ceil(devicePixelRatio)));
}

} // namespace orvane
