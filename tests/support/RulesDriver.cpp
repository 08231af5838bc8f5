// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesDriver.h"

#include "input/BoardInput.h"
#include "input/BoardKeys.h"
#include "input/PanelLayout.h"
#include "input/StatusInput.h"
#include "platform/FileFolders.h"
#include "platform/FileLookup.h"
#include "render/model/Layout.h"
#include "scores/Recording.h"
#include "session/Keyboard.h"
#include "session/MainLoop.h"

#include <array>
#include <functional>
#include <optional>

namespace orvane::testing {

namespace {

MouseButton ButtonFrom(uint8_t byte)
{
    switch (byte % 3) {
    case 0:
        return MouseButton::Left;
    case 1:
        return MouseButton::Right;
    default:
        return MouseButton::Middle;
    }
}

// The keys the window passes on, and one it does not know.
constexpr std::array<char, 5> Keys {'1', '2', '3', EscapeKey, 'a'};

// A loop pass without a window: nothing to handle and nothing to draw; the computer
// opponent makes its frame of a move, and a wait for messages lasts its whole time.
class HeadlessHost final : public LoopHost {
public:
    HeadlessHost(GameSession& session, CounterSource& counter) :
        session_(session), counter_(counter)
    {
    }
    void HandlePendingMessages() override { }
    bool MenuOrDialogOpen() const override { return false; }
    void UpdateOpponent() override { session_.UpdateComputer(); }
    void DrawFrame(FrameChanges) override { }
    void WaitForMessages(int64_t milliseconds) override
    {
        counter_.SleepMilliseconds(milliseconds);
    }

private:
    GameSession& session_;
    CounterSource& counter_;
};

} // namespace

bool RulesDriver::AnsweringPlatform::AskYesNo(const Text&)
{
    return (answers->Byte() & 1) != 0;
}

// Names of any length and any bytes, as a player may type them.
std::string RulesDriver::AnsweringPlatform::PromptText(
    const Text&, const Text&, const std::string& initial)
{
    const uint8_t length = answers->Byte() % 24;
    if (length == 0)
        return initial;
    std::string name;
    for (uint8_t i = 0; i < length; ++i)
        name += static_cast<char>(answers->Byte());
    return name;
}

RulesDriver::RulesDriver(const std::string& folder, PlayMode mode, Level level, bool keepMode) :
    session_(platform_, FileFolders::AllIn(folder), view_, &random_, &counter_), mode_(mode),
    keepMode_(keepMode)
{
    platform_.session = &session_;
    // As the window starts: a Beginner board, then the mode and level asked for.
    session_.Start();
    // The name dialog is answered from the input like every prompt: no name closes it.
    session_.highScoreWindows.AskName = [this]() -> std::optional<std::string> {
        std::string name = platform_.PromptText({}, {}, {});
        return name.empty() ? std::nullopt : std::optional<std::string>(std::move(name));
    };
    session_.highScoreWindows.ShowHighScores = [] {};
    // A result: a Classic game won or lost, or a two-player series point.
    session_.OnGameEvent = [this](const GameEvent& event) {
        const auto* ended = std::get_if<GameEnded>(&event);
        if (std::holds_alternative<SeriesPointWon>(event)
            || (ended && ended->Mode == PlayMode::Classic && ended->Result != GameResult::GivenUp))
            ++results_;
    };
    if (mode == PlayMode::VsHuman)
        commands_.VsHuman();
    else if (mode == PlayMode::VsComputer)
        commands_.VsComputer();
    session_.TakeGameEvents();
    switch (level) {
    case Level::Intermediate:
        commands_.Intermediate();
        break;
    case Level::Expert:
        commands_.Expert();
        break;
    case Level::Custom: {
        const uint8_t custom[] = {7, 20, 40, 1};
        ByteReader in(custom, sizeof custom);
        CustomSize(in);
        break;
    }
    default:
        break;
    }
    session_.TakeGameEvents();
}

std::string RulesDriver::Step(ByteReader& in)
{
    invariants_.Before(game_);
    results_ = 0;
    platform_.answers = &in;
    Apply(in);
    platform_.answers = nullptr;
    // A press held from an earlier board ends at the next mouse event.
    const ScreenState& screen = session_.screen;
    const bool pressedOnThisBoard = screen.PressedOnBoard == game_.BoardNumber();
    if (pressedOnThisBoard
        && (screen.PressedCell < -1
            || screen.PressedCell >= static_cast<int32_t>(game_.Cells().size())))
        return "the pressed cell lies outside the board";
    return invariants_.After(game_, results_);
}

void RulesDriver::Apply(ByteReader& in)
{
    const uint8_t kind = in.Byte() % 16;
    if (kind <= 6 || kind >= 14)
        BoardInput(in, kind);
    else if (kind <= 10)
        StatusInput(in, kind);
    else if (kind == 11)
        Key(in.Byte());
    else if (kind == 12)
        Command(in);
    else
        Frames(in);
}

// A character key, or a key that plays the board.
void RulesDriver::Key(uint8_t pick)
{
    if (pick < 128)
        static_cast<void>(session_.PressKey(Keys[pick % Keys.size()]));
    else
        session_.PlayBoardKey(static_cast<BoardKey>(pick % (static_cast<int>(BoardKey::Flag) + 1)));
}

// Mostly a point inside one of the cells, sometimes anywhere around the area.
int RulesDriver::BoardPoint(ByteReader& in, int cells) const
{
    const uint8_t byte = in.Byte();
    const int cellSize = session_.screen.CellSize;
    const int size = cells * cellSize;
    if (byte >= 240)
        return static_cast<int>(in.Word() % (size + 80)) - 40;
    return static_cast<int>(in.Word() % cells) * cellSize + byte % cellSize;
}

void RulesDriver::BoardInput(ByteReader& in, uint8_t kind)
{
    const MouseButton button = ButtonFrom(in.Byte());
    const int x = BoardPoint(in, game_.BoardWidth());
    const int y = BoardPoint(in, game_.BoardHeight());
    switch (kind) {
    case 0:
    case 1:
        session_.BoardPress(button, x, y);
        break;
    case 2:
    case 3:
        session_.BoardMove(x, y);
        break;
    case 4:
    case 5:
        session_.BoardRelease(button, x, y);
        break;
    case 6:
        session_.BoardDoublePress(button, x, y);
        break;
    default:
        // A whole click on one point.
        session_.BoardPress(button, x, y);
        session_.BoardRelease(button, x, y);
        break;
    }
}

void RulesDriver::StatusInput(ByteReader& in, uint8_t kind)
{
    const MouseButton button = ButtonFrom(in.Byte());
    const int width = session_.Layout().StatWidth;
    const int height = panel::CounterStripHeight + panel::PlayerStripHeight(game_.CurrentMode());
    switch (kind) {
    case 7:
        session_.StatusMove(static_cast<int>(in.Word() % (width + 20)) - 10,
            static_cast<int>(in.Byte() % (height + 20)) - 10, width);
        break;
    case 8:
        session_.StatusPress(button);
        break;
    case 9:
        // A left release over the panel or beside it.
        session_.StatusRelease(button, (in.Byte() & 1) != 0);
        break;
    default:
        session_.StatusDoublePress(button, width);
        break;
    }
}

void RulesDriver::Command(ByteReader& in)
{
    const uint8_t command = in.Byte() % 13;
    const PlayMode chosen = command == 4
        ? PlayMode::Classic
        : (command == 5 ? PlayMode::VsHuman : PlayMode::VsComputer);
    const PlayMode mode = keepMode_ ? mode_ : chosen;
    switch (command) {
    case 0:
        commands_.Beginner();
        break;
    case 1:
        commands_.Intermediate();
        break;
    case 2:
        commands_.Expert();
        break;
    case 3:
        CustomSize(in);
        break;
    case 4:
    case 5:
    case 6:
        if (mode == PlayMode::Classic)
            commands_.Classic();
        else if (mode == PlayMode::VsHuman)
            commands_.VsHuman();
        else
            commands_.VsComputer();
        break;
    case 7:
        session_.NewGameFromMenu();
        break;
    case 8:
        commands_.Sounds(!game_.SoundOn());
        break;
    case 9:
        commands_.Theme(in.Byte() % 8);
        break;
    case 10:
        commands_.BlockSize(static_cast<int16_t>(in.Byte() % 40));
        break;
    case 11:
        commands_.Hint();
        break;
    default:
        commands_.Help();
        break;
    }
    session_.TakeGameEvents();
}

// The custom size dialog's Ok with three numbers, brought into its limits as it does.
void RulesDriver::CustomSize(ByteReader& in)
{
    const auto rows = static_cast<int16_t>(9 + in.Byte() % 17);
    const auto columns = static_cast<int16_t>(9 + in.Byte() % 27);
    int mines = 1 + in.Word() % (rows * columns - 1);
    if (game_.IsTwoPlayer() && mines % 2 == 0)
        --mines;
    commands_.StartCustomGame(columns, rows, static_cast<int16_t>(mines));
    session_.TakeGameEvents();
}

// Some time passes, then the main loop makes one pass.
void RulesDriver::Frames(ByteReader& in)
{
    counter_.now += in.Byte() * 8;
    HeadlessHost host(session_, counter_);
    const bool quit = false;
    RunLoopPass(game_, session_.clock, session_.step, host, quit);
}

} // namespace orvane::testing
