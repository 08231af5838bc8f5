// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/gl/RenderState.h"
#include "render/model/Layout.h"
#include "session/FrameStep.h"

#include <functional>

class QWidget;

namespace orvane {

class DrawingArea;
class GameSession;

// Sets the drawing state and the projection for the area's size at the start of each of
// its frames, as another area may have drawn with the context since: the board's
// perspective, or the status area's pixels.
void SetFrameStart(DrawingArea& area, bool board);

// The main window's two OpenGL areas, the status area above and the board area below, and
// what they draw with. Both draw with one context, made when the first of them draws,
// after the window is up: starting the OpenGL driver is the slowest part of the program's
// start. One context takes less memory than two; in exchange each frame sets its area's
// projection and drawing state.
class DrawingSurfaces {
public:
    DrawingSurfaces(QWidget& client, GameSession& session, RenderState& render);
    ~DrawingSurfaces();
    DrawingSurfaces(const DrawingSurfaces&) = delete;
    DrawingSurfaces& operator=(const DrawingSurfaces&) = delete;

    // Wires drawing and the mouse; noOpenGL runs when an area can make no context.
    void Connect(const std::function<void()>& noOpenGL);
    // Makes the native surfaces once the window is on screen.
    void CreateSurfaces();
    void Place(const LayoutSizes& sizes);
    // The status area reads the theme every frame; the flags carry the cell tint in their
    // fringe, so their pictures are made again. The areas show the
    // theme's background until their first frames.
    void ApplyTheme(uint8_t theme);
    // The board's next frame draws its number pictures again in the chosen colours.
    void ApplyNumberColours(bool colourSafe);
    // Draws the areas whose picture changed; false when one is not on screen yet.
    bool Draw(FrameChanges changes);
    void DrawBoth();

    DrawingArea* const Status;
    DrawingArea* const Board;

private:
    void LoadStatusPictures();
    void LoadBoardPictures();

    GameSession& session_;
    RenderState& render_;
};

} // namespace orvane
