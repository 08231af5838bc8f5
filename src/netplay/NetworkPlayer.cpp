// SPDX-License-Identifier: GPL-3.0-or-later
#include "netplay/NetworkPlayer.h"

#include "game/Game.h"
#include "platform/Text.h"

#include <algorithm>
#include <utility>

namespace orvane::net {

NetworkPlayer::NetworkPlayer(Game& game, Hello hello, int64_t nowMs) :
    game_(game), hello_(std::move(hello)), lastHeardMs_(nowMs), lastSentMs_(nowMs)
{
    Send(hello_);
}

NetworkPlayer::~NetworkPlayer()
{
    if (game_.NetworkSeat())
        game_.LeaveNetworkGame();
}

std::vector<uint8_t> NetworkPlayer::TakeOutgoing()
{
    return std::exchange(outgoing_, {});
}

void NetworkPlayer::Send(const Message& message)
{
    const std::vector<uint8_t> bytes = EncodeMessage(message);
    outgoing_.insert(outgoing_.end(), bytes.begin(), bytes.end());
}

bool NetworkPlayer::OtherPlayerPresent() const
{
    return seat_ && present_[OtherPlayer(*seat_)];
}

int32_t NetworkPlayer::TurnMsLeftAt(int64_t nowMs) const
{
    if (turnMsLeft_ < 0)
        return -1;
    // The host holds the clocks while a player is away.
    if (!present_[0] || !present_[1])
        return turnMsLeft_;
    return static_cast<int32_t>(std::max<int64_t>(0, turnMsLeft_ - (nowMs - turnToldAtMs_)));
}

void NetworkPlayer::End(Text reason)
{
    if (phase_ == Phase::Ended)
        return;
    phase_ = Phase::Ended;
    endReason_ = std::move(reason);
    if (game_.NetworkSeat())
        game_.LeaveNetworkGame();
}

void NetworkPlayer::Received(const Message& message, int64_t nowMs)
{
    if (phase_ == Phase::Ended)
        return;
    lastHeardMs_ = nowMs;
    if (const auto* welcome = std::get_if<Welcome>(&message);
        welcome && phase_ == Phase::Greeting) {
        seat_ = welcome->Seat;
        token_ = welcome->Token;
        gameName_ = CleanPlayerName(welcome->GameName, "?");
        limit_ = welcome->Limit;
        phase_ = Phase::Playing;
    } else if (const auto* refused = std::get_if<Refused>(&message)) {
        End(Text(QT_TRANSLATE_NOOP("Messages", "The host refused: %1"))
                .Arg(Text::Reason(refused->Reason)));
    } else if (const auto* shown = std::get_if<Shown>(&message);
               shown && phase_ == Phase::Playing) {
        Show(*shown, nowMs);
    } else if (const auto* refusal = std::get_if<MoveRefused>(&message)) {
        lastRefusal_ = refusal->Reason;
    } else if (const auto* goodbye = std::get_if<Goodbye>(&message)) {
        End(goodbye->Reason.empty()
                ? Text(QT_TRANSLATE_NOOP("Messages", "The host ended the network game."))
                : Text::Reason(goodbye->Reason));
    } else if (!std::holds_alternative<Heartbeat>(message)) {
        End(QT_TRANSLATE_NOOP("Messages", "The host sent a message out of turn."));
    }
}

void NetworkPlayer::Show(const Shown& shown, int64_t nowMs)
{
    SeenState seen = shown.Seen;
    if (!shown.Whole) {
        // Changes only make sense on the board already shown.
        if (shown.Board != board_ || shown.Setup != shown_.Setup) {
            if (!wholeAsked_)
                Send(WholeWanted {});
            wholeAsked_ = true;
            return;
        }
        seen.Cells = shown_.Cells;
        for (const auto& [index, code] : shown.ChangedCells)
            seen.Cells[index] = code;
    }
    seen.Setup = shown.Setup;
    if (HashSeenState(seen) != shown.Hash) {
        ++hashMismatches_;
        if (!wholeAsked_)
            Send(WholeWanted {});
        wholeAsked_ = true;
        if (!shown.Whole)
            return;
    } else {
        wholeAsked_ = false;
    }
    shown_ = seen;
    board_ = shown.Board;
    present_ = shown.Present;
    turnMsLeft_ = shown.TurnMsLeft;
    turnToldAtMs_ = nowMs;
    game_.ShowNetworkGame(shown_, *seat_, board_, shown.News);
}

void NetworkPlayer::Ask(const NetworkMoveWanted& wanted, int64_t nowMs)
{
    if (phase_ != Phase::Playing)
        return;
    Send(MoveAsked {board_, wanted.Move, wanted.Cell});
    lastSentMs_ = nowMs;
}

void NetworkPlayer::Tick(int64_t nowMs)
{
    if (phase_ == Phase::Ended)
        return;
    if (nowMs - lastHeardMs_ > SilenceMs) {
        End(QT_TRANSLATE_NOOP("Messages",
            "Nothing was heard from the host for 10 seconds: the network game has ended."));
        return;
    }
    if (nowMs - lastSentMs_ >= HeartbeatMs) {
        Send(Heartbeat {});
        lastSentMs_ = nowMs;
    }
}

void NetworkPlayer::ConnectionLost(const std::string& reason)
{
    End(Text::Reason(reason));
}

void NetworkPlayer::Leave()
{
    if (phase_ == Phase::Ended)
        return;
    Send(Goodbye {"The player left."});
    leftByChoice_ = true;
    End(QT_TRANSLATE_NOOP("Messages", "You left the network game."));
}

} // namespace orvane::net
