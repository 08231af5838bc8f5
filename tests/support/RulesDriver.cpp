// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RulesDriver.h"

#include "game/BoardInput.h"
#include "game/StatusInput.h"
#include "platform/FileFolders.h"
#include "platform/FileLookup.h"
#include "render/model/Layout.h"
#include "scores/Recording.h"
#include "shell/Keyboard.h"
#include "shell/MainLoop.h"

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
    HeadlessHost(ComputerPlayer& computer, CounterSource& counter) :
        computer_(computer), counter_(counter)
    {
    }
    void HandlePendingMessages() override { }
    bool MenuOrDialogOpen() const override { return false; }
    void UpdateOpponent() override { computer_.Update(); }
    void DrawFrame(FrameChanges) override { }
    void WaitForMessages(int64_t milliseconds) override
    {
        counter_.SleepMilliseconds(milliseconds);
    }

private:
    ComputerPlayer& computer_;
    CounterSource& counter_;
};

// Counts a result on its way to the scores.
void CountResults(std::function<void()>& hook, int& results)
{
    hook = [next = std::move(hook), &results] {
        ++results;
        next();
    };
}

} // namespace

bool RulesDriver::AnsweringPlatform::AskYesNo(const std::string&)
{
    return (answers->Byte() & 1) != 0;
}

// Names of any length and any bytes, as a player may type them.
std::string RulesDriver::AnsweringPlatform::PromptText(
    const std::string&, const std::string&, const std::string& initial)
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
    game_(platform_, random_, counter_), commands_(game_, settings_),
    scores_(AppFilePath(folder, "\\Orvane.cfg"), nullptr), mode_(mode), keepMode_(keepMode)
{
    game_.Folders = FileFolders::AllIn(folder);
    game_.FrameTimer.Create();
    game_.FrameTimer.Start();
    scores_.LoadScores();
    // The name dialog is answered from the input like every prompt: no name closes it.
    windows_.AskName = [this]() -> std::optional<std::string> {
        std::string name = platform_.PromptText({}, {}, {});
        return name.empty() ? std::nullopt : std::optional<std::string>(std::move(name));
    };
    windows_.ShowHighScores = [] {};
    ConnectScores(game_, scores_, marks_, windows_);
    CountResults(game_.OnClassicLoss, results_);
    CountResults(game_.OnClassicWin, results_);
    CountResults(game_.OnTwoPlayerResult, results_);
    commands_.FindLowestByTime = [this](int table) { scores_.FindLowestByTime(table); };
    commands_.FindLowestByWins = [this](int table) { scores_.FindLowestByWins(table); };

    // As the window starts: a Beginner board, then the mode and level asked for.
    computer_.Create();
    game_.Opponent.Speed = 8;
    game_.CurrentLevel = StartLevelValue;
    game_.NewGame(Level::Beginner);
    game_.CurrentLevel = static_cast<int32_t>(Level::Beginner);
    if (mode == PlayMode::VsHuman)
        commands_.VsHuman();
    else if (mode == PlayMode::VsComputer)
        commands_.VsComputer();
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
}

std::string RulesDriver::Step(ByteReader& in)
{
    invariants_.Before(game_);
    results_ = 0;
    platform_.answers = &in;
    Apply(in);
    platform_.answers = nullptr;
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
        static_cast<void>(HandleKey(game_, Keys[in.Byte() % Keys.size()]));
    else if (kind == 12)
        Command(in);
    else
        Frames(in);
}

// Mostly a point inside one of the cells, sometimes anywhere around the area.
int RulesDriver::BoardPoint(ByteReader& in, int cells) const
{
    const uint8_t byte = in.Byte();
    const int size = cells * game_.CellSize;
    if (byte >= 240)
        return static_cast<int>(in.Word() % (size + 80)) - 40;
    return static_cast<int>(in.Word() % cells) * game_.CellSize + byte % game_.CellSize;
}

void RulesDriver::BoardInput(ByteReader& in, uint8_t kind)
{
    const MouseButton button = ButtonFrom(in.Byte());
    const int x = BoardPoint(in, game_.BoardWidth);
    const int y = BoardPoint(in, game_.BoardHeight);
    switch (kind) {
    case 0:
    case 1:
        BoardMouseDown(game_, button, x, y);
        break;
    case 2:
    case 3:
        BoardMouseMove(game_, x, y);
        break;
    case 4:
    case 5:
        BoardMouseUp(game_, button, x, y);
        break;
    case 6:
        // As the window delivers it: the double click, then the press it completes.
        if (button == MouseButton::Left)
            BoardDoubleClick(game_);
        BoardMouseDown(game_, button, x, y);
        break;
    default:
        // A whole click on one point.
        BoardMouseDown(game_, button, x, y);
        BoardMouseUp(game_, button, x, y);
        break;
    }
}

void RulesDriver::StatusInput(ByteReader& in, uint8_t kind)
{
    const MouseButton button = ButtonFrom(in.Byte());
    const int width = ComputeLayout(game_).StatWidth;
    const int height = game_.StatusHeight + game_.PlayerStripHeight;
    switch (kind) {
    case 7:
        StatusMouseMove(game_, static_cast<int>(in.Word() % (width + 20)) - 10,
            static_cast<int>(in.Byte() % (height + 20)) - 10, width);
        break;
    case 8:
        StatusMouseDown(game_, button);
        break;
    case 9:
        // A left release over the panel is a click first.
        if (button == MouseButton::Left && (in.Byte() & 1) != 0)
            StatusClick(game_);
        StatusMouseUp(game_, button);
        break;
    default:
        if (button == MouseButton::Left)
            StatusDoubleClick(game_, width);
        StatusMouseDown(game_, button);
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
        NewGameCommand(game_);
        break;
    case 8:
        commands_.Sounds(!game_.SoundOn);
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
}

// The custom size dialog's Ok with three numbers, brought into its limits as it does.
void RulesDriver::CustomSize(ByteReader& in)
{
    game_.BoardHeight = static_cast<int16_t>(9 + in.Byte() % 17);
    game_.BoardWidth = static_cast<int16_t>(9 + in.Byte() % 27);
    const int cells = game_.BoardHeight * game_.BoardWidth;
    int mines = 1 + in.Word() % (cells - 1);
    if (game_.IsTwoPlayer()) {
        if (mines % 2 == 0)
            --mines;
        game_.FlagsToWin = static_cast<int16_t>(mines / 2 + 1);
    }
    game_.MineCount = static_cast<int16_t>(mines);
    commands_.StartCustomGame();
}

// Some time passes, then the main loop makes one pass.
void RulesDriver::Frames(ByteReader& in)
{
    counter_.now += in.Byte() * 8;
    HeadlessHost host(computer_, counter_);
    const bool quit = false;
    RunLoopPass(game_, frameStep_, host, quit);
}

} // namespace orvane::testing
