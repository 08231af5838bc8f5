// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/model/Pictures.h"

#include <array>
#include <cstdint>

namespace orvane {

class FrameClock;
class Theme;

// Two strips of animation frames (red and blue flags) sharing one playback: frames run
// forth and back with a pause on the first one. The playback steps at most once per
// interval, in the loop's frame step while a flag is on the board. Stepping is plain
// C++ here; creating, loading and drawing the textures live with the GL code.
class FlagAnimation {
public:
    // Playback values only; Create also makes and loads the textures.
    void Configure(int32_t loops, uint8_t frameCount, uint8_t pauseFrames, double interval,
        uint8_t stopFrame, Rgb8 keyColour, int32_t resource0, int32_t resource1);
    void Start(const FrameClock& timer);
    // Takes one step when more than Interval seconds have passed since the last one.
    void Advance(const FrameClock& timer);

    // GL side
    void Create(int32_t loops, uint8_t frameCount, uint8_t pauseFrames, double interval,
        uint8_t stopFrame, Rgb8 keyColour, int32_t resource0, int32_t resource1,
        const Theme& theme);
    void Load(bool mipmaps, const Theme& theme);
    // Drawing the flags of one image: BeginFrames starts a batch; each FrameQuad covers
    // the cell whose right edge is at rightX and whose bottom is at bottomY with the
    // current frame; EndFrames closes the batch.
    void BeginFrames(int image) const;
    void FrameQuad(float rightX, float bottomY) const;
    void EndFrames() const;

    int32_t LoopsLeft = 0;
    int32_t PauseLeft = 0;
    uint8_t Frame = 0;
    uint8_t StopFrame = 0;
    uint8_t PauseFrames = 0;
    uint8_t FrameCount = 1;
    Rgb8 KeyColour;
    std::array<uint32_t, 2> TextureNames {};
    int32_t Loops = 0;
    double LastStep = 0.0;
    double SinceStep = 0.0;
    double Interval = 0.0;
    float FrameWidth = 1.0f;
    int32_t Resource0 = 0;
    int32_t Resource1 = 0;
    bool Running = false;
    bool Holding = false;
    bool LastLoop = false;
    bool Forward = true;

private:
    void Step();
};

} // namespace orvane
