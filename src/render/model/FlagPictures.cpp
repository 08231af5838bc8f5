// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/model/Canvas.h"
#include "render/model/CellLook.h"
#include "render/model/PictureGroups.h"

namespace orvane::art {
namespace {

constexpr double Pi = std::numbers::pi;
// Cloth: fixed to the pole at ClothStart, free at ClothEnd, Top..Top+ClothHeight at rest.
constexpr double PoleX = 18, ClothStart = 18, ClothEnd = 57, ClothTop = 8, ClothHeight = 28;
constexpr double PoleHalfWidth = 2.1;
constexpr Colour Matte = Grey(198); // edge pixels fade towards a closed cell's shade

// How far the cloth is lifted (negative) or lowered at x in one frame: a wave that
// grows from the pole outwards and runs a quarter period further each frame, plus a
// little sag at the free end.
struct Wave {
    double Phase;
    double Amplitude;

    double Offset(double x) const
    {
        const double u = std::clamp((x - ClothStart) / (ClothEnd - ClothStart), 0.0, 1.0);
        return Amplitude * u * std::sin(2 * Pi * u - Phase) + 1.6 * u * u;
    }
    double Slope(double x) const { return (Offset(x + 0.5) - Offset(x - 0.5)); }
};

Shape Cloth(const Wave& wave)
{
    return [wave](double x, double y) {
        const double top = ClothTop + wave.Offset(x);
        const double across
            = std::max(top - y, y - (top + ClothHeight)) / std::hypot(1.0, wave.Slope(x));
        return std::max({across, ClothStart - x, x - ClothEnd});
    };
}

// The cloth's colour darkens where it turns away from the light and brightens where it
// faces it; it is a touch darker towards its lower edge.
Paint ClothShading(const Wave& wave, Colour base)
{
    return [wave, base](double x, double y) {
        const double lit = std::clamp(-1.4 * wave.Slope(x), -0.4, 0.35);
        const Colour shaded = lit > 0 ? Lighter(base, lit) : Darker(base, -lit);
        return Darker(shaded, 0.18 * std::clamp((y - ClothTop) / ClothHeight, 0.0, 1.0));
    };
}

Canvas FlagFrame(const Wave& wave, Colour cloth)
{
    Canvas frame(FlagFrameSize, FlagFrameSize, Matte);
    const Shape clothShape = Cloth(wave);
    frame.Fill(clothShape, Darker(cloth, 0.45));
    frame.Fill(Grown(clothShape, -1.1), ClothShading(wave, cloth));

    frame.Fill(Box(PoleX - PoleHalfWidth, 7, PoleX + PoleHalfWidth, 56, 1.2),
        Gradient(PoleX - PoleHalfWidth, 0, ColourOf(cell_look::PoleLight), PoleX + PoleHalfWidth, 0,
            ColourOf(cell_look::PoleDark)));
    frame.Fill(Disc({PoleX, 6.2}, 3),
        Radial(PoleX - 1, 5.2, 3.4, ColourOf(cell_look::KnobLight), ColourOf(cell_look::KnobDark)));
    frame.Fill(Box(PoleX - 7, 51.5, PoleX + 7, 56, 1),
        Gradient(0, 51.5, Colour {110, 110, 118}, 0, 56, Colour {60, 60, 66}));
    frame.Fill(Box(PoleX - 10.5, 55, PoleX + 10.5, 59.5, 1.5),
        Gradient(0, 55, Colour {96, 96, 104}, 0, 59.5, Colour {40, 40, 46}));
    return frame;
}

} // namespace

Bitmap DrawFlagStrip(TeamColour colour)
{
    const Colour cloth
        = ColourOf(colour == TeamColour::Red ? cell_look::RedCloth : cell_look::BlueCloth);
    Canvas strip(FlagFrameSize * FlagFrameCount, FlagFrameSize, Matte);
    for (int32_t frame = 0; frame < FlagFrameCount; ++frame) {
        // Frame 0 is the flag at rest, where the playback pauses.
        const Wave wave {frame * Pi / 4, frame == 0 ? 1.8 : 3.0};
        strip.Paste(FlagFrame(wave, cloth), frame * FlagFrameSize, 0);
    }
    return strip.ToKeyedBitmap(picture_key::Flags);
}

} // namespace orvane::art
