// SPDX-License-Identifier: GPL-3.0-or-later
#include "netplay/GameHost.h"

#include "game/Game.h"
#include "platform/CounterSource.h"
#include "platform/FrameClock.h"
#include "platform/Text.h"

#include <algorithm>
#include <random>

namespace orvane::net {

namespace {

constexpr int64_t TurnMs = 30'000;
constexpr int64_t BankMs = 120'000;
const std::string NoPlayerYet = "?";

struct SeatState {
    bool Taken = false;
    std::string Name;
    uint64_t Token = 0;
    std::optional<ConnectionId> Connection;
    int64_t GoneSinceMs = 0;
    int64_t BankLeftMs = BankMs;
};

} // namespace

struct GameHost::Table {
    Table(RandomSource& random, CounterSource& counter) : clock(counter), game(random, clock) { }
    std::string Name;
    TurnLimit Limit = TurnLimit::Off;
    FrameClock clock;
    Game game;
    std::array<SeatState, 2> Seats;
    SeenState Shown;
    uint32_t ShownBoard = 0;
    // The time the player to move has used: counted while both players are there.
    int64_t ChargedAtMs = 0;
    int64_t TurnUsedMs = 0;
    PlayerIndex TurnOf = Player1;
    uint32_t TurnBoard = 0;
    bool Over = false;

    bool BothHere() const { return Seats[0].Connection && Seats[1].Connection; }
    bool ClockRuns() const { return BothHere() && game.IsRunning() && !Over; }
};

struct GameHost::Link {
    std::string TableName;
    std::optional<PlayerIndex> Seat;
    int64_t LastHeardMs = 0;
    int64_t LastSentMs = 0;
};

GameHost::GameHost(RandomSource& random, CounterSource& counter) :
    random_(random), counter_(counter)
{
}

GameHost::~GameHost() = default;

int64_t GameHost::NowMs() const
{
    return counter_.Now() * 1000 / counter_.Frequency();
}

std::vector<Outgoing> GameHost::TakeOutgoing()
{
    return std::exchange(outgoing_, {});
}

std::vector<ConnectionId> GameHost::TakeClosing()
{
    return std::exchange(closing_, {});
}

const Game* GameHost::GameNamed(const std::string& name) const
{
    const auto found = tables_.find(name);
    return found == tables_.end() ? nullptr : &found->second->game;
}

std::vector<WaitingGame> GameHost::WaitingGames() const
{
    std::vector<WaitingGame> waiting;
    for (const auto& [name, table] : tables_)
        if (!table->Seats[Player2].Taken && !table->Over)
            waiting.push_back({name, table->Seats[Player1].Name, table->game.Setup()});
    return waiting;
}

void GameHost::Send(ConnectionId to, const Message& message)
{
    outgoing_.push_back({to, EncodeMessage(message)});
    if (const auto link = links_.find(to); link != links_.end())
        link->second.LastSentMs = NowMs();
}

void GameHost::Close(ConnectionId connection, const std::string& reason)
{
    if (!reason.empty())
        Send(connection, Goodbye {reason});
    closing_.push_back(connection);
    Disconnected(connection);
}

void GameHost::Connected(ConnectionId connection)
{
    links_[connection] = Link {{}, std::nullopt, NowMs(), NowMs()};
}

void GameHost::Received(ConnectionId connection, const Message& message)
{
    const auto found = links_.find(connection);
    if (found == links_.end())
        return;
    Link& link = found->second;
    link.LastHeardMs = NowMs();
    if (!link.Seat) {
        if (const auto* hello = std::get_if<Hello>(&message))
            Greet(connection, *hello);
        else
            Close(connection, QT_TRANSLATE_NOOP("Messages", "A player must say hello first."));
        return;
    }
    Table& table = *tables_.at(link.TableName);
    const PlayerIndex seat = *link.Seat;
    if (const auto* move = std::get_if<MoveAsked>(&message)) {
        Move(table, seat, *move);
    } else if (std::holds_alternative<WholeWanted>(message)) {
        SendShown(table, seat, true);
    } else if (std::holds_alternative<Goodbye>(message)) {
        const std::string name = table.Seats[seat].Name;
        GiveUp(table, seat, name + " left the network game.");
        EndTable(table, name + " left the network game.");
    } else if (!std::holds_alternative<Heartbeat>(message)) {
        Close(connection,
            QT_TRANSLATE_NOOP("Messages", "The player sent a message only a host may send."));
    }
}

void GameHost::Greet(ConnectionId connection, const Hello& hello)
{
    if (hello.Version != ProtocolVersion) {
        Send(connection,
            Refused {"The host plays network games of version " + std::to_string(ProtocolVersion)
                + " and this program of version " + std::to_string(hello.Version)
                + ": both need the same version of Orvane."});
        Close(connection, {});
        return;
    }
    const std::string name = CleanPlayerName(hello.PlayerName, "Player");
    if (hello.Token != 0) {
        for (auto& [tableName, table] : tables_)
            for (PlayerIndex seat : {Player1, Player2})
                if (table->Seats[seat].Taken && table->Seats[seat].Token == hello.Token) {
                    if (const auto old = table->Seats[seat].Connection)
                        Close(*old,
                            QT_TRANSLATE_NOOP(
                                "Messages", "The seat was taken up again by another connection."));
                    Seat(*table, seat, connection, table->Seats[seat].Name, hello.Token);
                    return;
                }
        Send(connection,
            Refused {QT_TRANSLATE_NOOP("Messages", "The game you were playing has ended.")});
        Close(connection, {});
        return;
    }
    Table* table = nullptr;
    if (hello.GameName.empty()) {
        for (auto& [tableName, waiting] : tables_)
            if (!waiting->Seats[Player2].Taken && !waiting->Over) {
                table = waiting.get();
                break;
            }
    } else if (const auto named = tables_.find(hello.GameName); named != tables_.end()) {
        table = named->second.get();
        if (table->Seats[Player2].Taken || table->Over) {
            Send(connection,
                Refused {"The game \"" + hello.GameName + "\" has two players already."});
            Close(connection, {});
            return;
        }
    }
    const bool first = table == nullptr;
    if (first)
        table = &NewTable(hello);
    Seat(*table, first ? Player1 : Player2, connection, name,
        MakeToken
            ? MakeToken()
            : (static_cast<uint64_t>(std::random_device {}()) << 32) | std::random_device {}() | 1);
}

GameHost::Table& GameHost::NewTable(const Hello& hello)
{
    std::string name = hello.GameName;
    while (name.empty() || tables_.contains(name))
        name = "Game " + std::to_string(++gamesNamed_);
    auto table = std::make_unique<Table>(random_, counter_);
    table->Name = name;
    table->Limit = hello.Limit;
    table->game.RenamePlayer(Player2, NoPlayerYet);
    table->game.NewGame(hello.Board);
    table->game.TakeEvents();
    return *tables_.emplace(name, std::move(table)).first->second;
}

void GameHost::Seat(Table& table, PlayerIndex seat, ConnectionId connection,
    const std::string& name, uint64_t token)
{
    ChargeTurn(table);
    SeatState& state = table.Seats[seat];
    const bool rejoin = state.Taken;
    state.Taken = true;
    state.Name = name;
    state.Token = token;
    state.Connection = connection;
    Link& link = links_.at(connection);
    link.TableName = table.Name;
    link.Seat = seat;
    Send(connection, Welcome {seat, token, table.Name, table.Limit});
    SeenNews news;
    if (rejoin) {
        news.Messages.push_back({name + " is back.", 0.5f, 2.5f});
    } else {
        table.game.RenamePlayer(seat, name);
        // The second player's arrival deals the first board both play.
        if (seat == Player2)
            table.game.Restart();
    }
    ShowTable(table, false, std::move(news), seat);
}

std::string GameHost::CheckMove(const Table& table, PlayerIndex seat, const MoveAsked& move) const
{
    const Game& game = table.game;
    if (!table.BothHere())
        return QT_TRANSLATE_NOOP("Messages", "Wait for the other player.");
    const bool toMove = seat == game.CurrentPlayer();
    switch (move.Move) {
    case NetworkMove::Open:
        if (!game.IsRunning())
            return QT_TRANSLATE_NOOP("Messages", "The game is over.");
        if (!toMove)
            return QT_TRANSLATE_NOOP("Messages", "It is not your turn.");
        if (static_cast<size_t>(move.Cell) >= game.Cells().size())
            return QT_TRANSLATE_NOOP("Messages", "There is no such cell.");
        if (!game.BonusArmed() && !game.CellAt(move.Cell).IsClosedUnmarked())
            return QT_TRANSLATE_NOOP("Messages", "That cell is open already.");
        return {};
    case NetworkMove::ToggleBonus:
        if (!toMove || game.CurrentState() != GameState::Playing || !game.BonusButtonEnabled())
            return QT_TRANSLATE_NOOP("Messages", "The bonus is not yours to use now.");
        return {};
    case NetworkMove::GiveUp:
        if (!toMove || game.CurrentState() != GameState::Playing)
            return QT_TRANSLATE_NOOP("Messages", "There is no game of yours to give up.");
        return {};
    case NetworkMove::NewGame:
        if (game.CurrentState() == GameState::Playing)
            return QT_TRANSLATE_NOOP("Messages", "The game is still being played.");
        return {};
    }
    return QT_TRANSLATE_NOOP("Messages", "That move is not one of this game's.");
}

void GameHost::Move(Table& table, PlayerIndex seat, const MoveAsked& move)
{
    // A move asked for a board that has gone meets a player who has not yet seen the new one.
    if (move.Board != table.game.BoardNumber())
        return;
    if (const std::string refusal = CheckMove(table, seat, move); !refusal.empty()) {
        if (const auto connection = table.Seats[seat].Connection)
            Send(*connection, MoveRefused {refusal});
        return;
    }
    ChargeTurn(table);
    Game& game = table.game;
    switch (move.Move) {
    case NetworkMove::Open:
        game.ActOnCell(CellGesture::Open, CellAction::Press, move.Cell);
        game.ActOnCell(CellGesture::Open, CellAction::Release, move.Cell);
        break;
    case NetworkMove::ToggleBonus:
        game.ToggleBonus();
        break;
    case NetworkMove::GiveUp:
        GiveUp(table, seat, table.Seats[seat].Name + " gave up.");
        return;
    case NetworkMove::NewGame:
        game.Restart();
        break;
    }
    ShowTable(table, false);
}

// The player gives the game being played up: the other wins the point, and a new game
// follows while both are still there.
void GameHost::GiveUp(Table& table, PlayerIndex seat, const std::string& why)
{
    Game& game = table.game;
    if (game.CurrentState() != GameState::Playing || table.Over)
        return;
    SeenNews news;
    news.Messages.push_back({why, 1.0f, 5.0f});
    news.Ended = SeenEnd {std::nullopt, seat, table.clock.GameSeconds()};
    if (seat == game.CurrentPlayer())
        game.GiveUp();
    ShowTable(table, false, std::move(news));
    if (table.BothHere()) {
        game.Restart();
        ShowTable(table, true);
    }
}

void GameHost::EndTable(Table& table, const std::string& why)
{
    table.Over = true;
    const std::string name = table.Name;
    for (SeatState& seat : table.Seats)
        if (const auto connection = seat.Connection) {
            seat.Connection.reset();
            links_.erase(*connection);
            Send(*connection, Goodbye {why});
            closing_.push_back(*connection);
        }
    tables_.erase(name);
}

void GameHost::EndAll(const std::string& why)
{
    while (!tables_.empty())
        EndTable(*tables_.begin()->second, why);
    for (const auto& [connection, link] : links_) {
        Send(connection, Goodbye {why});
        closing_.push_back(connection);
    }
    links_.clear();
}

void GameHost::ShowTable(
    Table& table, bool whole, SeenNews news, std::optional<PlayerIndex> wholeFor)
{
    for (const GameEvent& event : table.game.TakeEvents()) {
        if (const auto* sound = std::get_if<SoundPlayed>(&event))
            news.Sounds.push_back(sound->Played);
        else if (const auto* message = std::get_if<MessagePosted>(&event))
            news.Messages.push_back(*message);
        else if (const auto* ended = std::get_if<GameEnded>(&event);
                 ended && ended->Result != GameResult::GivenUp)
            news.Ended = SeenEnd {ended->Winner, std::nullopt, ended->Seconds};
    }
    const SeenState seen = SeenStateOf(table.game);
    const uint32_t board = table.game.BoardNumber();
    whole = whole || board != table.ShownBoard || seen.Cells.size() != table.Shown.Cells.size();
    // A new turn starts its clock afresh, and a new board the banks.
    if (board != table.TurnBoard) {
        for (SeatState& seat : table.Seats)
            seat.BankLeftMs = BankMs;
    }
    if (board != table.TurnBoard || seen.CurrentPlayer != table.TurnOf)
        table.TurnUsedMs = 0;
    table.TurnBoard = board;
    table.TurnOf = seen.CurrentPlayer;

    Shown shown;
    shown.Board = board;
    shown.Whole = whole;
    shown.Setup = seen.Setup;
    if (!whole)
        for (size_t i = 0; i < seen.Cells.size(); ++i)
            if (seen.Cells[i] != table.Shown.Cells[i])
                shown.ChangedCells.emplace_back(static_cast<uint16_t>(i), seen.Cells[i]);
    shown.Seen = seen;
    shown.Present = {table.Seats[0].Connection.has_value(), table.Seats[1].Connection.has_value()};
    shown.TurnMsLeft = TurnMsLeft(table);
    shown.News = std::move(news);
    shown.Hash = HashSeenState(seen);
    table.Shown = seen;
    table.ShownBoard = board;
    for (PlayerIndex seat : {Player1, Player2})
        if (const auto connection = table.Seats[seat].Connection) {
            if (seat == wholeFor && !whole) {
                Shown wholeShown = shown;
                wholeShown.Whole = true;
                wholeShown.ChangedCells.clear();
                Send(*connection, wholeShown);
            } else {
                Send(*connection, shown);
            }
        }
}

void GameHost::SendShown(Table& table, PlayerIndex seat, bool whole)
{
    const auto connection = table.Seats[seat].Connection;
    if (!connection)
        return;
    Shown shown;
    shown.Board = table.ShownBoard;
    shown.Whole = whole;
    shown.Setup = table.Shown.Setup;
    shown.Seen = table.Shown;
    shown.Present = {table.Seats[0].Connection.has_value(), table.Seats[1].Connection.has_value()};
    shown.TurnMsLeft = TurnMsLeft(table);
    shown.Hash = HashSeenState(table.Shown);
    Send(*connection, shown);
}

void GameHost::ChargeTurn(Table& table)
{
    const int64_t now = NowMs();
    if (table.ClockRuns()) {
        const int64_t used = now - table.ChargedAtMs;
        table.TurnUsedMs += used;
        if (table.Limit == TurnLimit::BankOf120Seconds)
            table.Seats[table.game.CurrentPlayer()].BankLeftMs -= used;
    }
    table.ChargedAtMs = now;
}

int32_t GameHost::TurnMsLeft(const Table& table) const
{
    switch (table.Limit) {
    case TurnLimit::Off:
        return -1;
    case TurnLimit::ThirtySecondsATurn:
        return static_cast<int32_t>(std::max<int64_t>(0, TurnMs - table.TurnUsedMs));
    case TurnLimit::BankOf120Seconds:
        return static_cast<int32_t>(
            std::max<int64_t>(0, table.Seats[table.game.CurrentPlayer()].BankLeftMs));
    }
    return -1;
}

void GameHost::Disconnected(ConnectionId connection)
{
    const auto found = links_.find(connection);
    if (found == links_.end())
        return;
    const Link link = found->second;
    links_.erase(found);
    if (!link.Seat)
        return;
    Table& table = *tables_.at(link.TableName);
    ChargeTurn(table);
    SeatState& seat = table.Seats[*link.Seat];
    seat.Connection.reset();
    seat.GoneSinceMs = NowMs();
    SeenNews news;
    news.Messages.push_back({seat.Name + " lost the connection.", 0.5f, 5.0f});
    ShowTable(table, false, std::move(news));
}

void GameHost::Tick()
{
    const int64_t now = NowMs();
    std::vector<ConnectionId> silent;
    for (auto& [connection, link] : links_) {
        if (now - link.LastHeardMs > SilenceMs)
            silent.push_back(connection);
        else if (now - link.LastSentMs >= HeartbeatMs)
            Send(connection, Heartbeat {});
    }
    for (ConnectionId connection : silent)
        Close(
            connection, QT_TRANSLATE_NOOP("Messages", "Nothing was heard from you for too long."));

    std::vector<std::string> names;
    for (const auto& [name, table] : tables_)
        names.push_back(name);
    for (const std::string& name : names) {
        Table& table = *tables_.at(name);
        ChargeTurn(table);
        if (table.ClockRuns() && table.Limit != TurnLimit::Off && TurnMsLeft(table) == 0) {
            const PlayerIndex late = table.game.CurrentPlayer();
            GiveUp(table, late, table.Seats[late].Name + " ran out of time.");
        }
        for (PlayerIndex seat : {Player1, Player2}) {
            const SeatState& state = table.Seats[seat];
            if (state.Taken && !state.Connection && now - state.GoneSinceMs > RejoinMs) {
                const std::string why = state.Name + " did not come back.";
                GiveUp(table, seat, why);
                EndTable(table, why);
                break;
            }
        }
    }
}

} // namespace orvane::net
