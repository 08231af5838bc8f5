// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/GameTypes.h"
#include "game/RecordedGame.h"

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orvane {

// What the rules tell the rest of the program. Each command leaves its events in the game;
// the session takes them after every input and every frame and lets the window, the sound,
// the message bar, the score file and the history react. The rules never call out.

// A new board was dealt: the window lays itself out for its size.
struct BoardDealt {
    bool operator==(const BoardDealt&) const = default;
};

struct SoundPlayed {
    Sound Played = Sound::Click;
    bool operator==(const SoundPlayed&) const = default;
};

// A message for the bar. A continued message keeps the running one's elapsed time.
struct MessagePosted {
    std::string Text;
    float SlideTime = 0.0f;
    float HoldTime = 0.0f;
    bool ContinuesRunning = false;
    // The bar runs across the player strip; these show in Classic too, over the counters.
    bool AlsoInClassic = false;
    bool operator==(const MessagePosted&) const = default;
};

struct MineFound {
    int16_t Cell = 0;
    PlayerIndex Finder = Player1;
    bool operator==(const MineFound&) const = default;
};

struct TurnPassed {
    PlayerIndex ToPlayer = Player1;
    bool operator==(const TurnPassed&) const = default;
};

// Cells changed their look (opened, flagged, pressed, revealed).
struct CellsChanged {
    bool operator==(const CellsChanged&) const = default;
};

// No Guessing found no such board in reasonable time; this one was dealt as usual.
struct NoGuessDealFailed {
    bool operator==(const NoGuessDealFailed&) const = default;
};

// A two-player game was dealt and is counted as played in its score table.
struct TwoPlayerGameStarted {
    uint8_t ScoreTable = 0;
    bool operator==(const TwoPlayerGameStarted&) const = default;
};

// A two-player series point: the winner of a game, or the other player when the player to
// move gave up. The winner's series score is already raised.
struct SeriesPointWon {
    uint8_t ScoreTable = 0;
    std::string WinnerName;
    std::string LoserName;
    int32_t WinnerScore = 0;
    int32_t LoserScore = 0;
    bool operator==(const SeriesPointWon&) const = default;
};

// Every game that ends: won, lost, or given up when a new one replaces it while it is being
// played. The board's own size and mines, whatever the next game is to be.
struct GameEnded {
    PlayMode Mode = PlayMode::Classic;
    Level BoardLevel = Level::Beginner;
    int16_t Width = 0;
    int16_t Height = 0;
    int16_t Mines = 0;
    GameResult Result = GameResult::Won;
    // The two-player winner; none in Classic and for a game given up.
    std::optional<PlayerIndex> Winner;
    double Seconds = 0.0;     // the game clock to the fraction of a second
    int32_t ShownSeconds = 0; // the whole seconds on the time counter
    int32_t Clicks = 0;
    int32_t ThreeBV = 0;
    bool NoGuessBoard = false;
    // Dealt from a given layout (a board played again, a board code), not at random. A
    // replay does not tell it: its layout always comes from the record.
    bool GivenBoard = false;
    int32_t HintsUsed = 0;
    // The mine chances were shown on the board at some moment of the game.
    bool ChancesShown = false;
    uint8_t ScoreTable = 0;
    // The game's start and its commands up to its end: the whole game, to play again.
    RecordedGame Record;
    // A game played at a network host: the other player's name; counted in the history
    // only, with the result from this player's side.
    std::string NetworkOpponent;
    bool operator==(const GameEnded&) const = default;
};

// In a network game the player's move goes to the host, which decides and tells back.
struct NetworkMoveWanted {
    NetworkMove Move = NetworkMove::Open;
    int16_t Cell = 0;
    bool operator==(const NetworkMoveWanted&) const = default;
};

using GameEvent
    = std::variant<BoardDealt, SoundPlayed, MessagePosted, MineFound, TurnPassed, CellsChanged,
        NoGuessDealFailed, TwoPlayerGameStarted, SeriesPointWon, GameEnded, NetworkMoveWanted>;

} // namespace orvane
