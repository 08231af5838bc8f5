// SPDX-License-Identifier: GPL-3.0-or-later
// One board frame drawn and finished (glFinish), beside the floor of the same area:
// clearing it and finishing only.
#include "game/Game.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "platform/Random.h"
#include "render/gl/BoardRenderer.h"
#include "render/gl/Gl.h"
#include "render/gl/Projection.h"
#include "render/gl/Textures.h"
#include "render/model/Pictures.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSurfaceFormat>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace orvane;

struct Scene {
    ClockSeededRandom random;
    SteadyCounter counter;
    FrameClock clock {counter};
    Game game {random, clock};
    RenderState render;
    QOffscreenSurface surface;
    QOpenGLContext context;
    std::unique_ptr<QOpenGLFramebufferObject> target;

    enum class Kind { Fresh, AllFlagged, Lost };

    Scene(int width, int height, int cellSize, Kind kind)
    {
        surface.create();
        context.create();
        context.makeCurrent(&surface);
        target = std::make_unique<QOpenGLFramebufferObject>(
            width * cellSize, height * cellSize, QOpenGLFramebufferObject::Depth);
        target->bind();
        ApplyCommonState();
        LoadBoardTextures(render);
        clock.Create();
        clock.Start();
        render.View.WavingFlags.Create(-1, 8, 4, 0.11, 3, picture_key::Flags, picture_id::RedFlags,
            picture_id::BlueFlags, render.Current());
        render.View.WavingFlags.Start(clock);
        SetupProjection(width * cellSize, height * cellSize, true);

        BoardSetup setup;
        setup.BoardLevel = Level::Custom;
        setup.Width = static_cast<int16_t>(width);
        setup.Height = static_cast<int16_t>(height);
        // Every cell but the one a Classic board keeps safe can then carry a flag.
        setup.Mines = static_cast<int16_t>(
            kind == Kind::AllFlagged ? width * height - 1 : width * height / 5);
        game.NewGame(setup);
        if (kind == Kind::AllFlagged)
            for (const Cell& cell : game.Cells())
                Click(CellGesture::Flag, cell.Index);
        if (kind == Kind::Lost) {
            Click(CellGesture::Open, 0);
            for (const Cell& cell : game.Cells())
                if (cell.Value == MineValue && cell.Mark == CellMark::None) {
                    Click(CellGesture::Open, cell.Index);
                    break;
                }
            clock.FrameTime = 1.0 / 30;
        }
    }
    void Click(CellGesture gesture, int32_t cell)
    {
        game.ActOnCell(gesture, CellAction::Press, cell);
        game.ActOnCell(gesture, CellAction::Release, cell);
    }
    ~Scene() { context.doneCurrent(); }
};

void Frame(benchmark::State& state, int width, int height, int cellSize, Scene::Kind kind)
{
    Scene scene(width, height, cellSize, kind);
    for (auto _ : state) {
        scene.clock.Tick();
        DrawBoard(scene.game, scene.render, -1);
        glFinish();
    }
}

void Floor(benchmark::State& state, int width, int height, int cellSize)
{
    Scene scene(width, height, cellSize, Scene::Kind::Fresh);
    for (auto _ : state) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glFinish();
    }
}

BENCHMARK_CAPTURE(Frame, expert_at_22, 30, 16, 22, Scene::Kind::Fresh)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, expert_at_22, 30, 16, 22)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Frame, widest_all_flagged_at_36, 35, 25, 36, Scene::Kind::AllFlagged)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, widest_at_36, 35, 25, 36)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Frame, widest_lost_at_22, 35, 25, 22, Scene::Kind::Lost)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Floor, widest_at_22, 35, 25, 22)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QSurfaceFormat format;
    format.setVersion(2, 1);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
