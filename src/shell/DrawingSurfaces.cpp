// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DrawingSurfaces.h"

#include "input/BoardKeys.h"
#include "render/gl/BoardRenderer.h"
#include "render/gl/Font.h"
#include "render/gl/Projection.h"
#include "render/gl/StatusRenderer.h"
#include "render/gl/Textures.h"
#include "session/GameSession.h"
#include "shell/DrawingArea.h"

#include <QColor>

namespace orvane {

void SetFrameStart(DrawingArea& area, bool board)
{
    area.OnFrameStart = [&area, board](int width, int height) {
        ApplyCommonState();
        SetupProjection(width, height, board, area.devicePixelRatioF());
    };
}

DrawingSurfaces::DrawingSurfaces(QWidget& client, GameSession& session, RenderState& render) :
    Status(new DrawingArea(&client)), Board(new DrawingArea(&client, Status)), session_(session),
    render_(render)
{
    Status->setObjectName(QStringLiteral("StatusArea"));
    Board->setObjectName(QStringLiteral("BoardArea"));
    Board->raise();
}

// Textures go with the context, which the areas own and delete.
DrawingSurfaces::~DrawingSurfaces()
{
    if (render_.FontBase == 0)
        return;
    Status->makeCurrent();
    DeleteFont(render_.FontBase);
    Status->doneCurrent();
    render_.FontBase = 0;
}

void DrawingSurfaces::Connect(const std::function<void()>& noOpenGL)
{
    Status->OnContextFailed = noOpenGL;
    Board->OnContextFailed = noOpenGL;
    Status->OnInitialize = [this] { LoadStatusPictures(); };
    Board->OnInitialize = [this] { LoadBoardPictures(); };
    SetFrameStart(*Status, false);
    SetFrameStart(*Board, true);
    // On a scaled screen the pictures are drawn for the device's pixels, again whenever
    // the cell size or the screen's scale changes.
    const Game& game = session_.game;
    Status->OnPaint = [this, &game] {
        UpdateFontTexture(render_, FontPictureScale(Status->devicePixelRatioF()));
        if (game.BoardMatchesSize())
            DrawStatus(
                game, session_.screen, render_, Status->width(), Board->width(), Board->height());
    };
    Board->OnPaint = [this, &game] {
        UpdateCellTextures(
            render_, CellPicturePixels(session_.screen.CellSize, Board->devicePixelRatioF()));
        if (game.BoardMatchesSize())
            DrawBoard(game, render_, KeyCursorCell(game, session_.screen));
    };

    GameSession& s = session_;
    Board->OnMouseDown = [&s](MouseButton b, int x, int y) { s.BoardPress(b, x, y); };
    Board->OnDoubleClick = [&s](MouseButton b, int x, int y) { s.BoardDoublePress(b, x, y); };
    Board->OnMouseMove = [&s](int x, int y) { s.BoardMove(x, y); };
    Board->OnMouseUp = [&s](MouseButton b, int x, int y) { s.BoardRelease(b, x, y); };
    Status->OnMouseDown = [&s](MouseButton b, int, int) { s.StatusPress(b); };
    Status->OnDoubleClick
        = [this](MouseButton b, int, int) { session_.StatusDoublePress(b, Status->width()); };
    Status->OnMouseMove = [this](int x, int y) { session_.StatusMove(x, y, Status->width()); };
    Status->OnMouseUp = [this](MouseButton b, int x, int y) {
        session_.StatusRelease(b, Status->rect().contains(x, y));
    };
}

void DrawingSurfaces::CreateSurfaces()
{
    Status->CreateSurface();
    Board->CreateSurface();
}

void DrawingSurfaces::Place(const LayoutSizes& sizes)
{
    Status->setGeometry(0, 0, sizes.StatWidth, sizes.StatHeight);
    Board->setGeometry(sizes.GameLeft, sizes.GameTop, sizes.GameWidth, sizes.GameHeight);
}

void DrawingSurfaces::LoadStatusPictures()
{
    LoadStatusTextures(render_);
    render_.FontBase = BuildFont(render_.Textures[slot::Font]);
}

void DrawingSurfaces::LoadBoardPictures()
{
    LoadBoardTextures(render_);
    render_.View.WavingFlags.Create(-1, 8, 4, 0.11, 3, picture_key::Flags, picture_id::RedFlags,
        picture_id::BlueFlags, render_.Current());
    render_.View.WavingFlags.Start(session_.clock);
}

void DrawingSurfaces::ApplyTheme(uint8_t theme)
{
    render_.CurrentTheme = theme;
    session_.step.Invalidate();
    // Before their first frames the areas show the status area's background, not black.
    const Rgb8 back = render_.Current().BackColourBytes;
    for (DrawingArea* area : {Status, Board})
        area->SetBackground(QColor(back.R, back.G, back.B));
    if (!Board->Started())
        return;
    Board->makeCurrent();
    render_.View.WavingFlags.Load(true, render_.Current());
    Board->doneCurrent();
}

void DrawingSurfaces::ApplyNumberColours(bool colourSafe)
{
    render_.Numbers = colourSafe ? NumberPalette::ColourSafe : NumberPalette::Classic;
    session_.step.Invalidate();
}

// Only an area whose picture changed is drawn again; the other keeps its last frame.
bool DrawingSurfaces::Draw(FrameChanges changes)
{
    return (!changes.Board || Board->DrawNow()) && (!changes.Status || Status->DrawNow());
}

void DrawingSurfaces::DrawBoth()
{
    Board->DrawNow();
    Status->DrawNow();
}

} // namespace orvane
