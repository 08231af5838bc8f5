// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AccessibleTexts.h"

#include "game/Game.h"
#include "render/model/Counters.h"

namespace orvane {

namespace {

QString Name(const std::string& name)
{
    return QString::fromStdString(name);
}

} // namespace

QString CellText(const Game& game, int32_t cell)
{
    const Cell& c = game.CellAt(cell);
    if (game.Paused())
        return Accessibility::tr("closed");
    switch (c.Mark) {
    case CellMark::Flag:
        return game.IsTwoPlayer()
            ? Accessibility::tr("mine found by %1").arg(Name(game.Players()[Player1].Name))
            : Accessibility::tr("flagged");
    case CellMark::FoundByPlayer2:
        return Accessibility::tr("mine found by %1").arg(Name(game.Players()[Player2].Name));
    case CellMark::MissedMine:
        return Accessibility::tr("mine");
    case CellMark::FalseFlag:
        return Accessibility::tr("flag on no mine");
    case CellMark::ExplodedMine:
        return Accessibility::tr("exploded mine");
    case CellMark::None:
        break;
    }
    if (c.State != CellState::Open)
        return Accessibility::tr("closed");
    return c.Value == 0 ? Accessibility::tr("empty") : QString::number(c.Value);
}

QString NewsText(const MoveNews& news)
{
    QStringList parts;
    if (news.CellsOpened > 0)
        // English says one without a plural; other languages choose their forms for %n.
        parts << (news.CellsOpened == 1
                ? Accessibility::tr("1 cell opened")
                : Accessibility::tr("%n cells opened", nullptr, news.CellsOpened));
    if (news.Result && !news.Winner.empty())
        parts << Accessibility::tr("%1 wins the game").arg(Name(news.Winner));
    else if (news.Result == GameResult::Won)
        parts << (news.Seconds == 1
                ? Accessibility::tr("game won in 1 second")
                : Accessibility::tr("game won in %n seconds", nullptr, news.Seconds));
    else if (news.Result == GameResult::Lost)
        parts << Accessibility::tr("game lost");
    else if (news.MineFinder)
        parts << Accessibility::tr("mine found, %1 moves again").arg(Name(*news.MineFinder));
    else if (news.TurnTo)
        parts << Accessibility::tr("turn passes to %1").arg(Name(*news.TurnTo));
    return parts.join(Accessibility::tr(", "));
}

QString WhereText(const Game& game, int32_t cell)
{
    if (cell < 0)
        return Accessibility::tr("no cell chosen, an arrow key shows one");
    return Accessibility::tr("row %1, column %2, %3")
        .arg(cell / game.BoardWidth() + 1)
        .arg(cell % game.BoardWidth() + 1)
        .arg(CellText(game, cell));
}

QString LeftCounterText(const Game& game)
{
    const int32_t shown = ShownCounters(game).Left;
    return game.IsTwoPlayer()
        ? Accessibility::tr("%1 found %2").arg(Name(game.Players()[Player1].Name)).arg(shown)
        : Accessibility::tr("mines left %1").arg(shown);
}

QString RightCounterText(const Game& game)
{
    const int32_t shown = ShownCounters(game).Right;
    return game.IsTwoPlayer()
        ? Accessibility::tr("%1 found %2").arg(Name(game.Players()[Player2].Name)).arg(shown)
        : Accessibility::tr("time %1").arg(shown);
}

QString FaceText(const Game& game)
{
    switch (game.Face()) {
    case FaceLook::Won:
        return Accessibility::tr("new game, game won");
    case FaceLook::Lost:
        return Accessibility::tr("new game, game lost");
    case FaceLook::Smiling:
    case FaceLook::Pressing:
        break;
    }
    return Accessibility::tr("new game");
}

QString BonusText(const Game& game)
{
    if (!game.IsTwoPlayer())
        return Accessibility::tr("open three random cells");
    if (game.BonusArmed())
        return Accessibility::tr("bonus armed");
    return game.BonusButtonEnabled() ? Accessibility::tr("bonus")
                                     : Accessibility::tr("bonus not available");
}

QString PlayerPanelText(const Game& game, PlayerIndex player)
{
    QString name = Name(game.Players()[player].Name);
    if (game.IsRunning() && game.CurrentPlayer() == player)
        return Accessibility::tr("%1 to move").arg(name);
    return name;
}

} // namespace orvane
