// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "input/ScreenState.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/MineLayout.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::testing {

// A fresh game on a scripted platform. Boards can be laid out from text:
// '*' a mine, '.' a safe cell; Values are computed as the placement would.
class GameFixture : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    FixedRandom random;
    FakeCounter counter;
    Game game {platform, random, counter};
    ScreenState screen;

    GameFixture()
    {
        game.FrameTimer.Create();
        game.FrameTimer.Start();
    }

    void StartBoard(int width, int height, int mines, PlayMode mode = PlayMode::Classic,
        Level level = Level::Custom)
    {
        game.CurrentMode() = mode;
        game.BoardWidth() = static_cast<int16_t>(width);
        game.BoardHeight() = static_cast<int16_t>(height);
        game.MineCount() = static_cast<int16_t>(mines);
        game.FlagsToWin() = static_cast<int16_t>(mines / 2 + 1);
        game.NewGame(level);
        game.CurrentLevel() = static_cast<int32_t>(level);
    }

    // Lays out mines from rows of text and puts the game in Playing, as if placed.
    void LayMines(const std::vector<std::string>& rows, PlayMode mode = PlayMode::Classic)
    {
        StartBoard(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()),
            CountMines(rows), mode);
        LayMinesOnBoard(game, rows);
        platform.sounds.clear();
    }

    Cell& At(int x, int y) { return game.Cells()[static_cast<size_t>(x + y * game.BoardWidth())]; }

    void Click(int x, int y)
    {
        game.OpenCell(At(x, y), CellAction::Press);
        game.OpenCell(At(x, y), CellAction::Release);
    }
    void RightClick(int x, int y)
    {
        game.FlagCell(At(x, y), CellAction::Press);
        game.FlagCell(At(x, y), CellAction::Release);
    }
    void Chord(int x, int y)
    {
        game.ChordCell(At(x, y), CellAction::Press);
        game.ChordCell(At(x, y), CellAction::Release);
    }
    int CountState(uint8_t state) const
    {
        int n = 0;
        for (const Cell& c : game.Cells())
            n += c.State == state;
        return n;
    }
};

} // namespace orvane::testing
