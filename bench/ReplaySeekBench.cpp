// SPDX-License-Identifier: GPL-3.0-or-later
// Seeking in a long replay: a won Expert game of the solver player spread over ten
// minutes, with the pointer sampled 60 times a second along its way from cell to cell.
// Each seek to a random moment is timed from the request to the frame finished
// (glFinish): the status area, the board and the pointer's trail at 22 px in the default
// theme, and the counters. Prints the median, the 95th percentile and the slowest.
//   xvfb-run -a build/bench/orvane_bench_replay_seek [seeks] [seed]
#include "Measures.h"

#include "game/Game.h"
#include "input/ScreenState.h"
#include "platform/FrameClock.h"
#include "render/gl/BoardRenderer.h"
#include "render/gl/Font.h"
#include "render/gl/Gl.h"
#include "render/gl/PointerTrailRenderer.h"
#include "render/gl/Projection.h"
#include "render/gl/StatusRenderer.h"
#include "render/gl/Textures.h"
#include "render/model/Layout.h"
#include "session/ReplayViewer.h"
#include "shell/SurfaceFormat.h"
#include "support/ReplayCheck.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace {

using namespace orvane;
using orvane::bench::Percentile;

constexpr int64_t GameMilliseconds = 10 * 60 * 1000;
constexpr int16_t CellSize = 22;

BoardSetup Expert()
{
    BoardSetup setup;
    setup.BoardLevel = Level::Expert;
    setup.Width = 30;
    setup.Height = 16;
    setup.Mines = 99;
    return setup;
}

RecordedGame WonExpertGame()
{
    for (uint64_t seed = 1;; ++seed) {
        testing::PlayedGame played
            = testing::PlayOneGame(Expert(), testing::ReplayPlayer::Solver, seed);
        if (played.End.State == GameState::Won)
            return std::move(played.Record);
    }
}

// The game's commands spread evenly over ten minutes, the clock shown every second from
// the first open, and the pointer gliding to each cell acted on, a little unsteadily.
RecordedGame SlowGame(RecordedGame game)
{
    std::vector<Command> acts;
    for (const Command& command : game.Commands)
        if (command.Kind != CommandKind::ShowGameClock)
            acts.push_back(command);
    const int64_t first = 2000;
    const auto gap = static_cast<double>(GameMilliseconds - first)
        / static_cast<double>(std::max<size_t>(acts.size() - 1, 1));
    int64_t clockStart = -1;
    for (size_t i = 0; i < acts.size(); ++i) {
        acts[i].AtMilliseconds = first + std::llround(gap * static_cast<double>(i));
        if (clockStart < 0 && acts[i].Kind == CommandKind::ActOnCell
            && acts[i].Action == CellAction::Release)
            clockStart = acts[i].AtMilliseconds;
    }

    std::vector<Command> all = acts;
    for (int32_t second = 1; clockStart + second * 1000 < GameMilliseconds; ++second)
        all.push_back({clockStart + second * 1000, CommandKind::ShowGameClock, {}, {}, second, {}});
    std::mt19937 wobble(7);
    std::uniform_real_distribution<double> shake(-0.1, 0.1);
    double fromX = 15.0, fromY = 8.0;
    int64_t fromAt = 0;
    for (const Command& act : acts) {
        if (act.Kind != CommandKind::ActOnCell)
            continue;
        const double toX = act.Value % 30 + 0.5;
        const double toY = act.Value / 30 + 0.5;
        for (int64_t frame = fromAt * 60 / 1000 + 1; frame * 1000 / 60 < act.AtMilliseconds;
             ++frame) {
            const int64_t at = frame * 1000 / 60;
            const double along = static_cast<double>(at - fromAt)
                / static_cast<double>(std::max<int64_t>(act.AtMilliseconds - fromAt, 1));
            const auto units = [&](double from, double to, int cells) {
                return std::clamp(
                    static_cast<int32_t>(std::lround(
                        (from + (to - from) * along + shake(wobble)) * PointerStepsPerCell)),
                    0, cells * PointerStepsPerCell - 1);
            };
            all.push_back({at, CommandKind::PointerMove, {}, {},
                PackPointer({units(fromX, toX, 30), units(fromY, toY, 16)}), {}});
        }
        fromX = toX;
        fromY = toY;
        fromAt = act.AtMilliseconds;
    }
    std::ranges::stable_sort(all, {}, &Command::AtMilliseconds);
    game.Commands = std::move(all);
    return game;
}

// An area's frame buffer, bound with its projection for a frame.
struct Area {
    int Width;
    int Height;
    std::unique_ptr<QOpenGLFramebufferObject> Target;

    Area(int width, int height) :
        Width(width), Height(height), Target(std::make_unique<QOpenGLFramebufferObject>(
                                          width, height, QOpenGLFramebufferObject::Depth))
    {
    }
    void Begin(bool board) const
    {
        Target->bind();
        ApplyCommonState();
        SetupProjection(Width, Height, board);
    }
};

} // namespace

int main(int argc, char** argv)
{
    SetDefaultSurfaceFormat();
    QGuiApplication app(argc, argv);
    const int seeks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;
    const auto seed = static_cast<unsigned>(argc > 2 ? std::atoi(argv[2]) : 1);

    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::printf("no OpenGL context\n");
        return 1;
    }
    SteadyCounter counter;
    FrameClock clock(counter);
    clock.Create();
    clock.Start();
    RenderState render;
    LoadStatusTextures(render);
    render.FontBase = BuildFont(render.Textures[slot::Font]);
    LoadBoardTextures(render);
    render.View.WavingFlags.Create(-1, 8, 4, 0.11, 3, picture_key::Flags, picture_id::RedFlags,
        picture_id::BlueFlags, render.Current());
    render.View.WavingFlags.Start(clock);
    UpdateCellTextures(render, CellPicturePixels(CellSize, 1.0));

    ReplayViewer viewer(SlowGame(WonExpertGame()), counter);
    const LayoutSizes sizes = ComputeLayout(viewer.game(), CellSize);
    const Area status(sizes.StatWidth, sizes.StatHeight);
    const Area board(sizes.GameWidth, sizes.GameHeight);
    const ScreenState screen;

    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int64_t> moment(0, viewer.Length());
    // The seek, the counters and the frame, as the window shows them.
    const auto seekAndDraw = [&](int64_t at) {
        viewer.SeekTo(at);
        [[maybe_unused]] const ReplayCounters counters = viewer.Counters();
        status.Begin(false);
        DrawStatus(viewer.game(), screen, render, status.Width, board.Width, board.Height);
        board.Begin(true);
        DrawBoard(viewer.game(), render, -1);
        DrawPointerTrail(viewer.game(), viewer.Trail());
        glFinish();
    };
    // The window has drawn its first frame before the player can seek: the driver's
    // start-up belongs to no seek.
    seekAndDraw(0);
    std::vector<double> milliseconds;
    for (int i = 0; i < seeks; ++i) {
        const auto start = std::chrono::steady_clock::now();
        seekAndDraw(moment(random));
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    viewer.End();
    if (viewer.game().CurrentState() != GameState::Won)
        std::printf("warning: the slowed game no longer ends won\n");

    std::printf("| commands | seeks | median ms | 95th pct. ms | max ms | target ms |\n");
    std::printf("|---|---|---|---|---|---|\n");
    std::printf("| %zu | %d | %.2f | %.2f | %.2f | 50 |\n", viewer.Record().Commands.size(), seeks,
        Percentile(milliseconds, 0.5), Percentile(milliseconds, 0.95),
        *std::max_element(milliseconds.begin(), milliseconds.end()));
    DeleteFont(render.FontBase);
    context.doneCurrent();
    return 0;
}
