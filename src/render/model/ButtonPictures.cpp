// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/Canvas.h"
#include "render/model/PictureGroups.h"

namespace orvane::art {

Bitmap DrawButtonFrame(bool pressed)
{
    // The face of the button is the key colour: it is cut out, and the face picture or
    // the bonus mine shows through.
    Canvas canvas(32, 32, ColourOf(picture_key::Button));
    if (pressed)
        canvas.Bevel(0, 0, 32, 32, {Grey(128), Grey(172)}, {Grey(246), Grey(236)});
    else
        canvas.Bevel(
            0, 0, 32, 32, {Grey(255), Grey(255), Grey(240)}, {Grey(112), Grey(142), Grey(176)});
    return canvas.ToKeyedBitmap(picture_key::Button);
}

} // namespace orvane::art
