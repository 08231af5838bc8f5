// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/RecordCodec.h"

#include "game/ByteCoding.h"
#include "platform/Utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <numeric>
#include <optional>
#include <utility>

namespace orvane {

namespace {

inline constexpr int64_t MostSeconds = MostMilliseconds / 1000;
// Days of play: a bound on the memory that a small hostile blob can ask for.
inline constexpr uint64_t MostCommands = 1'000'000;
inline constexpr const char* CutShort = "the game's bytes end too soon";

// What follows a command's byte besides its time.
enum class Operand : uint8_t {
    None,
    SameCell,   // the cell acted on before
    Cell,       // a step from the cell acted on before
    Text,       // a name
    NextSecond, // one second past the clock shown before
    Seconds,    // a step from the clock shown before
    NearPoint,  // a pointer step of -8..7 across and down, a half-byte each
    Point,      // a pointer step across and down
};

struct Form {
    CommandKind Kind = CommandKind::CountClick;
    CellGesture Gesture = CellGesture::Open;
    CellAction Action = CellAction::Press;
    int32_t Value = 0;
    Operand What = Operand::None;
    // A click counted at the same time comes first: the pair a button's release gives.
    bool Counted = false;
};

inline constexpr size_t FormCount = 45;

// The low six bits of a command's byte name its form. Of the forms that fit a command,
// the encoder takes the first, so the cheaper form of a kind comes first.
constexpr std::array<Form, FormCount> MakeForms()
{
    using enum CommandKind;
    constexpr CellGesture Gestures[] = {CellGesture::Open, CellGesture::Flag, CellGesture::Chord};
    constexpr CellAction Actions[] = {CellAction::Press, CellAction::Cancel, CellAction::Release};
    std::array<Form, FormCount> forms {};
    size_t at = 0;
    for (Operand what : {Operand::SameCell, Operand::Cell})
        for (CellGesture gesture : Gestures)
            for (CellAction action : Actions)
                forms[at++] = {ActOnCell, gesture, action, 0, what};
    for (CellGesture gesture : Gestures)
        forms[at++] = {ActOnCell, gesture, CellAction::Release, 0, Operand::SameCell, true};
    for (CommandKind kind : {CountClick, ToggleBonus, RandomOpen, ArmComputerBonus, Pause, Resume,
             Hint, GiveUp, EndForNewGame, ResetSeriesScores})
        forms[at++] = {kind};
    for (CommandKind kind : {PressFace, PressBonusButton, SetSoundOn, SetNoGuessing})
        for (int32_t on = 0; on < 2; ++on)
            forms[at++] = {kind, CellGesture::Open, CellAction::Press, on};
    for (int32_t player = 0; player < 2; ++player)
        forms[at++] = {RenamePlayer, CellGesture::Open, CellAction::Press, player, Operand::Text};
    forms[at++] = {ShowGameClock, CellGesture::Open, CellAction::Press, 0, Operand::NextSecond};
    forms[at++] = {ShowGameClock, CellGesture::Open, CellAction::Press, 0, Operand::Seconds};
    forms[at++] = {PointerMove, CellGesture::Open, CellAction::Press, 0, Operand::NearPoint};
    forms[at++] = {PointerMove, CellGesture::Open, CellAction::Press, 0, Operand::Point};
    return forms;
}
constexpr std::array<Form, FormCount> Forms = MakeForms();

// The top two bits of a command's byte: how long after the command before it came.
enum class TimeStep : uint8_t {
    None = 0,      // at the same millisecond
    Repeated = 1,  // after the same step as the last one written
    Written = 2,   // a varint step follows
    NextFrame = 3, // at the start of the 1/60-s frame after the one of the command before
};
constexpr int TimeShift = 6;
constexpr uint8_t FormMask = (1U << TimeShift) - 1;

// What the operands and time steps step from, as both ends of the stream keep it.
struct StreamState {
    int64_t Milliseconds = 0;
    int64_t Step = 0;
    int64_t Cell = 0;
    int64_t Seconds = 0;
    PointerPlace Pointer;
};

// A near step fits a half-byte biased by 8.
constexpr int32_t NearStepBias = 8;
bool IsNearStep(int32_t step)
{
    return step >= -NearStepBias && step < NearStepBias;
}

bool Fits(const Form& form, const Command& command, const StreamState& state)
{
    if (form.Kind != command.Kind)
        return false;
    switch (form.What) {
    case Operand::SameCell:
    case Operand::Cell:
        return form.Gesture == command.Gesture && form.Action == command.Action
            && (form.What == Operand::Cell || command.Value == state.Cell);
    case Operand::NextSecond:
        return command.Value == state.Seconds + 1;
    case Operand::Seconds:
    case Operand::Point:
        return true;
    case Operand::NearPoint: {
        const PointerPlace place = UnpackPointer(command.Value);
        return IsNearStep(place.X - state.Pointer.X) && IsNearStep(place.Y - state.Pointer.Y);
    }
    case Operand::None:
    case Operand::Text:
        break;
    }
    return form.Value == (command.Value != 0 ? 1 : 0);
}

// The code for the command at commands[at], and how many commands it stands for: the
// first form that fits, else the last of its kind.
std::pair<size_t, size_t> CodeAt(
    const std::vector<Command>& commands, size_t at, const StreamState& state)
{
    const Command& command = commands[at];
    const bool counted = command.Kind == CommandKind::CountClick && at + 1 < commands.size()
        && commands[at + 1].AtMilliseconds == command.AtMilliseconds;
    size_t last = 0;
    for (size_t code = 0; code < Forms.size(); ++code) {
        const Form& form = Forms[code];
        if (form.Counted && counted && Fits(form, commands[at + 1], state))
            return {code, 2};
        if (form.Counted || form.Kind != command.Kind)
            continue;
        if (Fits(form, command, state))
            return {code, 1};
        last = code;
    }
    return {last, 1};
}

void WriteName(ByteWriter& out, std::string_view name)
{
    const std::string_view kept = KeptName(name);
    out.Varint(kept.size());
    out.Text(kept);
}

// The layout as the swaps that build it from the plain order 0, 1, 2, ...: slot by slot
// from the last, each swap brings the slot's cell in from a lower slot. A dealt layout
// differs from the plain order in about two slots a mine.
std::vector<std::pair<int, int>> LayoutSwaps(const std::vector<int16_t>& order)
{
    std::vector<int> cells(order.size());
    std::vector<int> slots(order.size());
    std::iota(cells.begin(), cells.end(), 0);
    std::iota(slots.begin(), slots.end(), 0);
    std::vector<std::pair<int, int>> swaps;
    for (int slot = static_cast<int>(order.size()) - 1; slot > 0; --slot) {
        const int from = slots[static_cast<size_t>(order[static_cast<size_t>(slot)])];
        if (from == slot)
            continue;
        swaps.emplace_back(slot, from);
        std::swap(cells[static_cast<size_t>(slot)], cells[static_cast<size_t>(from)]);
        slots[static_cast<size_t>(cells[static_cast<size_t>(slot)])] = slot;
        slots[static_cast<size_t>(cells[static_cast<size_t>(from)])] = from;
    }
    return swaps;
}

// The bits that hold any number from 0 to most.
int WidthFor(int most)
{
    return static_cast<int>(std::bit_width(static_cast<unsigned>(std::max(most, 0))));
}

// Each swap in bits: a 0 when its slot is the one below the slot before, else a 1 and the
// slots skipped; then the slot its cell comes from, below its own.
void WriteLayout(ByteWriter& out, const std::vector<int16_t>& order)
{
    const auto swaps = LayoutSwaps(order);
    out.Varint(swaps.size());
    BitWriter bits(out);
    int previous = static_cast<int>(order.size());
    for (const auto& [slot, from] : swaps) {
        const int skipped = previous - 1 - slot;
        bits.Bits(skipped > 0, 1);
        if (skipped > 0)
            bits.Bits(static_cast<uint32_t>(skipped), WidthFor(previous - 2));
        bits.Bits(static_cast<uint32_t>(from), WidthFor(slot - 1));
        previous = slot;
    }
}

void WriteStart(ByteWriter& out, const GameStart& start)
{
    const BoardSetup& setup = start.Setup;
    out.Byte(static_cast<uint8_t>(static_cast<unsigned>(setup.Mode)
        | static_cast<unsigned>(setup.BoardLevel) << 2 | unsigned {start.TurnBeforeDeal} << 4
        | unsigned {start.SoundOn} << 5 | unsigned {start.NoGuessing} << 6
        | unsigned {start.DealtWithoutGuessing} << 7));
    out.Varint(static_cast<uint64_t>(setup.Width));
    out.Varint(static_cast<uint64_t>(setup.Height));
    out.Varint(static_cast<uint64_t>(setup.Mines));
    out.Byte(setup.ScoreTable);
    out.Byte(setup.ComputerSpeed);
    for (const PlayerData& player : start.Players) {
        WriteName(out, player.Name);
        out.Varint(static_cast<uint64_t>(player.MinesFound));
        out.Varint(static_cast<uint64_t>(player.Score));
    }
    out.Varint(static_cast<uint64_t>(start.ClicksBeforeDeal));
    out.Varint(static_cast<uint64_t>(start.LastSafeSlot + 1));
    if (start.LastSafeSlot >= 0)
        WriteLayout(out, start.CellOrder);
    out.Varint(start.Draws.size());
    for (double draw : start.Draws)
        out.Fixed(std::bit_cast<uint64_t>(draw), 8);
}

void WriteTime(ByteWriter& out, uint8_t code, int64_t milliseconds, StreamState& state)
{
    const int64_t step = milliseconds - state.Milliseconds;
    const int64_t nextFrame = FrameStart(FrameOf(state.Milliseconds) + 1);
    state.Milliseconds = milliseconds;
    const TimeStep how = step == 0  ? TimeStep::None
        : step == state.Step        ? TimeStep::Repeated
        : milliseconds == nextFrame ? TimeStep::NextFrame
                                    : TimeStep::Written;
    out.Byte(static_cast<uint8_t>(code | static_cast<unsigned>(how) << TimeShift));
    if (how == TimeStep::Written) {
        out.Varint(static_cast<uint64_t>(step));
        state.Step = step;
    }
}

// The commands, each by its form's code, time step and operand; returns how many codes.
uint64_t WriteCommands(ByteWriter& out, const std::vector<Command>& commands)
{
    StreamState state;
    uint64_t codes = 0;
    for (size_t at = 0; at < commands.size(); ++codes) {
        const auto [code, taken] = CodeAt(commands, at, state);
        WriteTime(out, static_cast<uint8_t>(code), commands[at].AtMilliseconds, state);
        const Command& command = commands[at + taken - 1];
        at += taken;
        switch (Forms[code].What) {
        case Operand::Cell:
            out.SignedVarint(command.Value - state.Cell);
            state.Cell = command.Value;
            break;
        case Operand::Text:
            WriteName(out, command.Text);
            break;
        case Operand::Seconds:
            out.SignedVarint(command.Value - state.Seconds);
            [[fallthrough]];
        case Operand::NextSecond:
            state.Seconds = command.Value;
            break;
        case Operand::NearPoint:
        case Operand::Point: {
            const PointerPlace place = UnpackPointer(command.Value);
            const int32_t across = place.X - state.Pointer.X;
            const int32_t down = place.Y - state.Pointer.Y;
            if (Forms[code].What == Operand::NearPoint) {
                out.Byte(
                    static_cast<uint8_t>((across + NearStepBias) | (down + NearStepBias) << 4));
            } else {
                out.SignedVarint(across);
                out.SignedVarint(down);
            }
            state.Pointer = place;
            break;
        }
        case Operand::None:
        case Operand::SameCell:
            break;
        }
    }
    return codes;
}

// Reads a start and its commands; the first thing found wrong ends the reading.
class RecordReader {
public:
    explicit RecordReader(std::span<const uint8_t> bytes) : in_(bytes) { }

    RecordDecoding Read()
    {
        const uint8_t version = in_.Byte();
        if (version == 0 || version > RecordEncodingVersion)
            return {{},
                version == 0 ? "it holds no recorded game"
                             : "it was recorded by a newer version of Orvane"};
        ReadStart();
        ReadCommands();
        if (error_.empty() && in_.Left() > 0)
            Fail("bytes follow the end of the game");
        return {error_.empty() ? std::move(game_) : RecordedGame {}, error_};
    }

private:
    // The first fault found is the one told; bytes that ran out or a number written too
    // long explain the odd values read after them.
    void Fail(const char* what)
    {
        if (!error_.empty())
            return;
        error_ = in_.Cut()   ? CutShort
            : in_.Overlong() ? "a number in the game is written too long"
                             : what;
    }
    bool Failed()
    {
        if (in_.Cut() || in_.Overlong())
            Fail("");
        return !error_.empty();
    }
    // A count no larger than limit, and no larger than the items of at least itemBytes
    // each that the bytes left can hold.
    uint64_t Count(uint64_t limit, size_t itemBytes = 0)
    {
        const uint64_t count = in_.Varint();
        if (count > limit)
            Fail("a count in the game is beyond any game");
        else if (itemBytes > 0 && count > in_.Left() / itemBytes)
            Fail(CutShort);
        return Failed() ? 0 : count;
    }
    std::string Name()
    {
        std::string name = in_.Text(Count(MostNameBytes));
        if (!IsValidUtf8(name))
            Fail("a name is not UTF-8 text");
        return name;
    }

    void ReadStart()
    {
        GameStart& start = game_.Start;
        BoardSetup& setup = start.Setup;
        const uint8_t flags = in_.Byte();
        if ((flags & 3U) > static_cast<unsigned>(PlayMode::VsHuman))
            Fail("its mode is not one Orvane plays");
        setup.Mode = static_cast<PlayMode>(flags & 3U);
        setup.BoardLevel = static_cast<Level>(flags >> 2 & 3U);
        start.TurnBeforeDeal = static_cast<PlayerIndex>(flags >> 4 & 1U);
        start.SoundOn = (flags >> 5 & 1U) != 0;
        start.NoGuessing = (flags >> 6 & 1U) != 0;
        start.DealtWithoutGuessing = (flags >> 7 & 1U) != 0;
        setup.Width = static_cast<int16_t>(Count(MostColumns));
        setup.Height = static_cast<int16_t>(Count(MostRows));
        columns_ = setup.Width;
        rows_ = setup.Height;
        cells_ = int64_t {setup.Width} * setup.Height;
        if (cells_ == 0)
            Fail("its board has no cells");
        setup.Mines
            = static_cast<int16_t>(Count(static_cast<uint64_t>(std::max<int64_t>(cells_ - 1, 0))));
        setup.ScoreTable = in_.Byte();
        if (setup.ScoreTable > NoScoreTable)
            Fail("its score table is not one Orvane keeps");
        setup.ComputerSpeed = in_.Byte();
        if (setup.ComputerSpeed == 0)
            Fail("its computer never moves");
        for (PlayerData& player : start.Players) {
            player.Name = Name();
            player.MinesFound = static_cast<int32_t>(Count(MostCount));
            player.Score = static_cast<int32_t>(Count(MostCount));
        }
        start.ClicksBeforeDeal = static_cast<int32_t>(Count(MostCount));
        start.LastSafeSlot = static_cast<int16_t>(static_cast<int64_t>(Count(cells_)) - 1);
        if (start.LastSafeSlot >= 0)
            ReadLayout(start);
        start.Draws.resize(Count(MostCount, 8));
        for (double& draw : start.Draws) {
            draw = std::bit_cast<double>(in_.Fixed(8));
            // A draw scales an index into the board: only [0, 1) keeps it there.
            if (!(draw >= 0.0 && draw < 1.0))
                Fail("a random draw lies outside 0 to 1");
        }
    }

    void ReadLayout(GameStart& start)
    {
        start.CellOrder.resize(static_cast<size_t>(cells_));
        std::iota(start.CellOrder.begin(), start.CellOrder.end(), int16_t {0});
        // Each swap takes at least a bit.
        const uint64_t swaps = Count(static_cast<uint64_t>(cells_ - 1));
        if (swaps > in_.Left() * 8)
            Fail(CutShort);
        BitReader bits(in_);
        int previous = static_cast<int>(cells_);
        for (uint64_t i = 0; i < swaps && !Failed(); ++i) {
            const int skipped
                = bits.Bits(1) != 0 ? static_cast<int>(bits.Bits(WidthFor(previous - 2))) : 0;
            const int slot = previous - 1 - skipped;
            // Each swap's slot lies below the one before, and brings its cell from below.
            const int from = slot < 1 ? slot : static_cast<int>(bits.Bits(WidthFor(slot - 1)));
            if (from >= slot) {
                Fail("its mine layout is not an order of the board's cells");
                return;
            }
            std::swap(start.CellOrder[static_cast<size_t>(slot)],
                start.CellOrder[static_cast<size_t>(from)]);
            previous = slot;
        }
    }

    void ReadCommands()
    {
        const uint64_t codes = Count(MostCommands, 1);
        StreamState state;
        for (uint64_t i = 0; i < codes && !Failed(); ++i)
            ReadCommand(state);
    }

    void ReadCommand(StreamState& state)
    {
        const uint8_t byte = in_.Byte();
        const size_t code = byte & FormMask;
        const auto how = static_cast<TimeStep>(byte >> TimeShift);
        if (code >= Forms.size()) {
            Fail("a command is of a kind Orvane does not know");
            return;
        }
        if (how == TimeStep::Written)
            state.Step = static_cast<int64_t>(std::min<uint64_t>(in_.Varint(), MostMilliseconds));
        const int64_t step = how == TimeStep::None ? 0
            : how == TimeStep::NextFrame
            ? FrameStart(FrameOf(state.Milliseconds) + 1) - state.Milliseconds
            : state.Step;
        if (step > MostMilliseconds - state.Milliseconds)
            Fail("a command's time lies beyond any game");
        if (Failed())
            return;
        state.Milliseconds += step;
        const Form& form = Forms[code];
        Command command {state.Milliseconds, form.Kind, form.Gesture, form.Action, form.Value, {}};
        if (form.Counted)
            game_.Commands.push_back({state.Milliseconds, CommandKind::CountClick,
                CellGesture::Open, CellAction::Press, 0, {}});
        switch (form.What) {
        case Operand::SameCell:
        case Operand::Cell:
            if (form.What == Operand::Cell)
                state.Cell
                    = Stepped(state.Cell, cells_ - 1, "a command's cell lies outside the board");
            command.Value = static_cast<int32_t>(state.Cell);
            break;
        case Operand::Text:
            command.Text = Name();
            break;
        case Operand::NextSecond:
            state.Seconds = Stepped(state.Seconds, MostSeconds, "a clock lies beyond any game", 1);
            command.Value = static_cast<int32_t>(state.Seconds);
            break;
        case Operand::Seconds:
            state.Seconds = Stepped(state.Seconds, MostSeconds, "a clock lies beyond any game");
            command.Value = static_cast<int32_t>(state.Seconds);
            break;
        case Operand::NearPoint:
        case Operand::Point: {
            int32_t across = 0;
            int32_t down = 0;
            if (form.What == Operand::NearPoint) {
                const uint8_t steps = in_.Byte();
                across = (steps & 0xF) - NearStepBias;
                down = (steps >> 4) - NearStepBias;
            } else {
                across
                    = static_cast<int32_t>(std::clamp<int64_t>(in_.SignedVarint(), -65536, 65536));
                down = static_cast<int32_t>(std::clamp<int64_t>(in_.SignedVarint(), -65536, 65536));
            }
            state.Pointer.X += across;
            state.Pointer.Y += down;
            if (state.Pointer.X < 0 || state.Pointer.X >= columns_ * PointerStepsPerCell
                || state.Pointer.Y < 0 || state.Pointer.Y >= rows_ * PointerStepsPerCell) {
                Fail("the pointer lies outside the board");
                state.Pointer = {};
            }
            command.Value = PackPointer(state.Pointer);
            break;
        }
        case Operand::None:
            break;
        }
        game_.Commands.push_back(std::move(command));
    }

    // The value a step (read, unless given) leads to from value, which must stay in 0..most.
    int64_t Stepped(
        int64_t value, int64_t most, const char* outside, std::optional<int64_t> given = {})
    {
        const int64_t step = given ? *given : in_.SignedVarint();
        if (step < -value || step > most - value) {
            Fail(outside);
            return value;
        }
        return value + step;
    }

    ByteReader in_;
    RecordedGame game_;
    int64_t cells_ = 0;
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    std::string error_;
};

} // namespace

std::string_view KeptName(std::string_view name)
{
    size_t kept = 0;
    while (kept < name.size()) {
        const size_t next = kept + NextUtf8Character(name, kept).Length;
        if (next > MostNameBytes)
            break;
        kept = next;
    }
    return name.substr(0, kept);
}

std::vector<uint8_t> EncodeRecordedGame(const RecordedGame& game)
{
    ByteWriter out;
    out.Byte(RecordEncodingVersion);
    WriteStart(out, game.Start);
    ByteWriter commands;
    out.Varint(WriteCommands(commands, game.Commands));
    out.Append(commands.Bytes());
    return out.Take();
}

RecordDecoding DecodeRecordedGame(std::span<const uint8_t> bytes)
{
    return RecordReader(bytes).Read();
}

} // namespace orvane
