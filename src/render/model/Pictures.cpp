#include "render/model/Pictures.h"

#include "render/model/PictureGroups.h"

namespace orvane {

Bitmap LoadPictureResource(int32_t id)
{
    using namespace picture_id;
    using namespace art;
    if (id >= FirstDigit && id < FirstDigit + 10)
        return DrawCounterDigit(id - FirstDigit);
    if (id >= FirstNumberCell && id < FirstNumberCell + 8)
        return DrawNumberCell(id - FirstNumberCell + 1);
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
        return DrawFont();
    case ClosedCell:
        return DrawClosedCell();
    case PressedCell:
        return DrawPressedCell();
    case OpenCell:
        return DrawOpenCell();
    case MineCell:
        return DrawMineCell();
    case MoveMark:
        return DrawMoveMark();
    case Pointer:
        return DrawPointer();
    case Glow:
        return DrawGlow();
    case CrossBar:
        return DrawCrossBar();
    case ExplodedMine:
        return DrawExplodedMine();
    case RedFlags:
        return DrawFlagStrip(TeamColour::Red);
    case BlueFlags:
        return DrawFlagStrip(TeamColour::Blue);
    default:
        return {};
    }
}

} // namespace orvane
