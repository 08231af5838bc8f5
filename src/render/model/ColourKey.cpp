// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/model/ColourKey.h"

namespace orvane {

BgraTexels ToBgraTexels(const Bitmap& bitmap)
{
    const size_t pixels = bitmap.Bytes.size() / 3;
    BgraTexels texels(pixels * 4, 0);
    for (size_t i = 0; i < pixels; ++i)
        for (size_t c = 0; c < 3; ++c)
            texels[i * 4 + c] = bitmap.Bytes[i * 3 + c];
    return texels;
}

void ApplyColourKey(BgraTexels& texels, Rgb8 key, std::optional<Rgb8> replacement)
{
    for (size_t i = 0; i + 3 < texels.size(); i += 4) {
        uint8_t* t = &texels[i];
        if (t[0] == key.B && t[1] == key.G && t[2] == key.R) {
            if (replacement) {
                t[0] = replacement->B;
                t[1] = replacement->G;
                t[2] = replacement->R;
            }
        } else {
            t[3] = 255;
        }
    }
}

} // namespace orvane
