// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "input/ScreenState.h"
#include "platform/FrameClock.h"
#include "support/FakeCounter.h"
#include "support/FixedRandom.h"
#include "support/MineLayout.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::testing {

// A fresh game with a hand-moved clock and fixed draws. Boards can be laid out from text:
// '*' a mine, '.' a safe cell; the first open lays them. What the rules tell is collected
// after every command of the fixture's (TakeEvents): every event, and the sounds by file.
class GameFixture : public ::testing::Test {
protected:
    ScriptedPlatform platform;
    FixedRandom random;
    FakeCounter counter;
    FrameClock clock {counter};
    Game game {random, clock};
    ScreenState screen;
    std::vector<GameEvent> events;
    std::vector<std::string> sounds;

    GameFixture()
    {
        clock.Create();
        clock.Start();
    }

    void TakeEvents()
    {
        for (GameEvent& event : game.TakeEvents()) {
            if (const auto* sound = std::get_if<SoundPlayed>(&event)) {
                const char* file = SoundFileName(sound->Played);
                sounds.emplace_back(file ? file : "CLICK");
            }
            events.push_back(std::move(event));
        }
    }

    void StartBoard(int width, int height, int mines, PlayMode mode = PlayMode::Classic,
        Level level = Level::Custom)
    {
        BoardSetup setup;
        setup.Mode = mode;
        setup.BoardLevel = level;
        setup.Width = static_cast<int16_t>(width);
        setup.Height = static_cast<int16_t>(height);
        setup.Mines = static_cast<int16_t>(mines);
        setup.ScoreTable = 6;
        game.NewGame(setup);
        TakeEvents();
    }

    // Deals the board of the rows; its first open lays them. Nothing told so far is kept.
    void LayMines(const std::vector<std::string>& rows, PlayMode mode = PlayMode::Classic)
    {
        DealLayout(game, rows, mode);
        TakeEvents();
        events.clear();
        sounds.clear();
    }

    int Index(int x, int y) const { return x + y * game.BoardWidth(); }
    const Cell& At(int x, int y) const { return game.CellAt(Index(x, y)); }

    void Act(CellGesture gesture, CellAction action, int x, int y)
    {
        game.ActOnCell(gesture, action, Index(x, y));
        TakeEvents();
    }
    void Click(int x, int y)
    {
        Act(CellGesture::Open, CellAction::Press, x, y);
        Act(CellGesture::Open, CellAction::Release, x, y);
    }
    void RightClick(int x, int y)
    {
        Act(CellGesture::Flag, CellAction::Press, x, y);
        Act(CellGesture::Flag, CellAction::Release, x, y);
    }
    void Chord(int x, int y)
    {
        Act(CellGesture::Chord, CellAction::Press, x, y);
        Act(CellGesture::Chord, CellAction::Release, x, y);
    }
    int CountState(CellState state) const
    {
        int n = 0;
        for (const Cell& c : game.Cells())
            n += c.State == state;
        return n;
    }
    bool IsOpen(int x, int y) const { return At(x, y).State == CellState::Open; }

    // The events of one kind told so far.
    template<typename Event> std::vector<Event> Told() const
    {
        std::vector<Event> found;
        for (const GameEvent& event : events)
            if (const auto* e = std::get_if<Event>(&event))
                found.push_back(*e);
        return found;
    }
    std::vector<std::string> Messages() const
    {
        std::vector<std::string> texts;
        for (const MessagePosted& message : Told<MessagePosted>())
            texts.push_back(message.Text);
        return texts;
    }
};

} // namespace orvane::testing
