// SPDX-License-Identifier: GPL-3.0-or-later
#include "ai/ComputerPlayer.h"

#include "game/Game.h"
#include "platform/FrameClock.h"
#include "platform/Random.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace orvane {

ComputerPlayer::ComputerPlayer(Game& game, RandomSource& random, const FrameClock& clock) :
    game_(game), random_(random), clock_(clock), seat_(Player2), inEveryTwoPlayerMode_(false),
    board_(game)
{
}

ComputerPlayer::ComputerPlayer(
    Game& game, RandomSource& random, const FrameClock& clock, PlayerIndex seat) :
    game_(game),
    random_(random), clock_(clock), seat_(seat), inEveryTwoPlayerMode_(true), board_(game)
{
}

void ComputerPlayer::Create()
{
    me_ = OpponentState {};
    me_.BoardNumber = game_.BoardNumber();
}

// A new board clears the turn; a bonus given to the computer starts its countdown; the
// turn handed to its seat is taken, also when the move it had begun was made for it.
void ComputerPlayer::FollowTheGame()
{
    if (me_.BoardNumber != game_.BoardNumber()) {
        me_.ClearForNewGame();
        me_.BoardNumber = game_.BoardNumber();
    }
    if (me_.ChoseBeforeFirstOpen && game_.CurrentState() != GameState::Ready)
        me_.Phase = OpponentPhase::Choose;
    // The rules draw the second seat's delay; a computer in the first seat draws its own.
    if (game_.BonusAwarded() && !me_.BonusSeen) {
        me_.BonusSeen = true;
        if (game_.BonusOwner() == seat_)
            me_.BonusCountdown
                = seat_ == Player2 ? game_.ComputerBonusDelay() : 1 + RandomBelow(random_, 5);
    }
    if (me_.Phase == OpponentPhase::Idle && HoldsTheTurn())
        me_.Phase = OpponentPhase::Choose;
}

bool ComputerPlayer::HoldsTheTurn() const
{
    if (!inEveryTwoPlayerMode_)
        return game_.ComputerHasTheTurn();
    return game_.IsTwoPlayer() && game_.CurrentPlayer() == seat_;
}

bool ComputerPlayer::MoveUnderWay() const
{
    return HoldsTheTurn() && game_.IsRunning();
}

void ComputerPlayer::Update()
{
    FollowTheGame();
    // Between a change of the board's size and the new game that rebuilds it there is
    // no board to look at, and a finished game takes no more moves.
    if (!game_.BoardMatchesSize() || !game_.IsRunning())
        return;
    me_.Clock += clock_.FrameTime;
    const double arrival = me_.MoveStart + me_.MoveDuration;
    if (me_.Phase == OpponentPhase::Travel && me_.Clock > arrival + PressTime)
        me_.Phase = OpponentPhase::Click;

    switch (me_.Phase) {
    case OpponentPhase::Choose:
        ChooseTarget();
        return;
    case OpponentPhase::Travel:
        if (me_.Clock < arrival)
            Glide();
        else
            game_.ActOnCell(CellGesture::Open, CellAction::Press, me_.Target);
        return;
    case OpponentPhase::Click:
        game_.ActOnCell(CellGesture::Open, CellAction::Release, me_.Target);
        me_.Reset();
        return;
    case OpponentPhase::Idle:
        return;
    }
}

bool ComputerPlayer::TargetOnBoard() const
{
    return me_.Target >= 0 && me_.Target < board_.CellCount();
}

void ComputerPlayer::ChooseTarget()
{
    // Before the first open a click on the board may take the computer's turn from it
    // while it presses its target: the press it left is taken back.
    if (TargetOnBoard())
        game_.ActOnCell(CellGesture::Open, CellAction::Cancel, me_.Target);
    // Only a target picked by this choice counts: one left from an earlier turn or game
    // may lie anywhere, even outside this board.
    me_.Target = -1;
    me_.ChoseBeforeFirstOpen = game_.CurrentState() == GameState::Ready;
    if (strength_ == ComputerStrength::Strong)
        ChooseStrongly();
    else
        UseBonusIfDue();
    // The bonus picks its square; otherwise a certain mine, else a guess. The Strong
    // choice finds none only when what is seen fits no layout, which the rules never leave.
    if (!TargetOnBoard())
        me_.Target = static_cast<int16_t>(CertainMine());
    if (!TargetOnBoard())
        me_.Target = static_cast<int16_t>(RandomCell());
    if (!TargetOnBoard()) {
        // Nothing left to open: the game is decided, so there is no move to make.
        me_.Target = -1;
        me_.Phase = OpponentPhase::Idle;
        return;
    }
    SetUpTravel();
    me_.MoveStart = me_.Clock;
    me_.Phase = OpponentPhase::Travel;
}

void ComputerPlayer::UseBonusIfDue()
{
    if (me_.BonusCountdown <= 0 || --me_.BonusCountdown != 0)
        return;
    me_.BonusCountdown = -1;
    ArmBonus();
    // A square with more openable cells than the full square less its half width is good
    // enough to stop looking.
    const int radius = game_.BonusRadius();
    const int side = 2 * radius + 1;
    me_.Target = static_cast<int16_t>(BestBonusSquare(radius, side * side - radius));
}

// The Strong computer arms its bonus in any of its turns while it holds it, as the
// bonus button allows a player, and leaves the countdown of the Normal one unused.
void ComputerPlayer::ChooseStrongly()
{
    const PlayerIndex me = game_.CurrentPlayer();
    const bool mayArm
        = game_.BonusButtonEnabled() && game_.BonusOwner() == me && !game_.BonusArmed();
    const int radius = BonusRadiusFor(game_.CurrentLevel());
    const StrongChoice::Pick pick = chooser_ ? chooser_(board_, me, radius, mayArm)
                                             : strong_.Choose(board_, me, radius, mayArm);
    if (pick.useBonus) {
        me_.BonusCountdown = -1;
        ArmBonus();
    }
    me_.Target = static_cast<int16_t>(pick.cell);
}

void ComputerPlayer::ArmBonus()
{
    game_.ArmComputerBonus();
}

// The first openable cell, from the radius onward, whose square holds more than the stop
// count of openable cells; failing that, the lowest one whose square holds the most.
int ComputerPlayer::BestBonusSquare(int radius, int stopCount) const
{
    int best = -1;
    int bestCount = 0;
    for (int f = radius; f < board_.CellCount(); ++f) {
        if (!board_.IsOpenable(f))
            continue;
        const int count = board_.OpenableInSquare(f, radius);
        if (count > bestCount) {
            best = f;
            bestCount = count;
            if (count > stopCount)
                break;
        }
    }
    return best;
}

// An open number whose closed neighbours, with the mines found around it, make up its
// count: every one of them is a mine. The last such neighbour is taken.
int ComputerPlayer::CertainMine() const
{
    for (int i = 0; i < board_.CellCount(); ++i) {
        const int shown = board_.ShownNumber(i);
        if (shown == 0)
            continue;
        int found = 0;
        int closed = 0;
        int candidate = -1;
        board_.ForEachNeighbour(i, [&](int n) {
            if (board_.IsFoundMine(n)) {
                ++found;
            } else if (board_.IsOpenable(n)) {
                ++closed;
                candidate = n;
            }
        });
        if (closed > 0 && shown == found + closed)
            return candidate;
    }
    return -1;
}

// A guess, uniform over the openable cells but the board's last one; the last cell only
// when no other is left, so that one draw always ends the choice.
int ComputerPlayer::RandomCell() const
{
    const int drawable = board_.CellCount() - 1;
    int openable = 0;
    for (int i = 0; i < drawable; ++i)
        openable += board_.IsOpenable(i);
    if (openable == 0)
        return drawable >= 0 && board_.IsOpenable(drawable) ? drawable : -1;
    int pick = RandomBelow(random_, openable);
    for (int i = 0; i < drawable; ++i)
        if (board_.IsOpenable(i) && pick-- == 0)
            return i;
    return -1;
}

void ComputerPlayer::SetUpTravel()
{
    me_.FromColumn = me_.ToColumn;
    me_.FromRow = me_.ToRow;
    me_.ToColumn = static_cast<int16_t>(me_.Target % board_.Width());
    me_.ToRow = static_cast<int16_t>(me_.Target / board_.Width());
    const int distance
        = std::max(std::abs(me_.ToColumn - me_.FromColumn), std::abs(me_.ToRow - me_.FromRow));
    const int speed = std::max<int>(game_.Setup().ComputerSpeed, 1);
    me_.MoveDuration = std::max(static_cast<double>(distance) / speed, MinimumTravel);
}

// The pointer's share of the way, from the moment the target was chosen; kept within the
// path whatever the clock held before.
void ComputerPlayer::Glide()
{
    const double fraction = std::clamp((me_.Clock - me_.MoveStart) / me_.MoveDuration, 0.0, 1.0);
    me_.PointerX = static_cast<float>(me_.FromColumn + fraction * (me_.ToColumn - me_.FromColumn));
    me_.PointerY = static_cast<float>(me_.FromRow + fraction * (me_.ToRow - me_.FromRow));
}

} // namespace orvane
