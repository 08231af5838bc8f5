// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/AccessibleTexts.h"

#include "game/Game.h"
#include "render/model/Counters.h"

#include <QCoreApplication>

namespace orvane {

namespace {

QString Tr(const char* text, int n = -1)
{
    return QCoreApplication::translate("Accessibility", text, nullptr, n);
}

QString Name(const std::string& name)
{
    return QString::fromStdString(name);
}

// English says one without a plural; other languages choose their forms for %n.
QString Counted(const char* one, const char* many, int n)
{
    return n == 1 ? Tr(one) : Tr(many, n);
}

} // namespace

QString CellText(const Game& game, int32_t cell)
{
    const Cell& c = game.CellAt(cell);
    if (game.Paused())
        return Tr("closed");
    switch (c.Mark) {
    case CellMark::Flag:
        return game.IsTwoPlayer() ? Tr("mine found by %1").arg(Name(game.Players()[Player1].Name))
                                  : Tr("flagged");
    case CellMark::FoundByPlayer2:
        return Tr("mine found by %1").arg(Name(game.Players()[Player2].Name));
    case CellMark::MissedMine:
        return Tr("mine");
    case CellMark::FalseFlag:
        return Tr("flag on no mine");
    case CellMark::ExplodedMine:
        return Tr("exploded mine");
    case CellMark::None:
        break;
    }
    if (c.State != CellState::Open)
        return Tr("closed");
    return c.Value == 0 ? Tr("empty") : QString::number(c.Value);
}

QString NewsText(const MoveNews& news)
{
    QStringList parts;
    if (news.CellsOpened > 0)
        parts << Counted("1 cell opened", "%n cells opened", news.CellsOpened);
    if (news.Result && !news.Winner.empty())
        parts << Tr("%1 wins the game").arg(Name(news.Winner));
    else if (news.Result == GameResult::Won)
        parts << Counted("game won in 1 second", "game won in %n seconds", news.Seconds);
    else if (news.Result == GameResult::Lost)
        parts << Tr("game lost");
    else if (news.MineFinder)
        parts << Tr("mine found, %1 moves again").arg(Name(*news.MineFinder));
    else if (news.TurnTo)
        parts << Tr("turn passes to %1").arg(Name(*news.TurnTo));
    return parts.join(Tr(", "));
}

QString WhereText(const Game& game, int32_t cell)
{
    if (cell < 0)
        return Tr("no cell chosen, an arrow key shows one");
    return Tr("row %1, column %2, %3")
        .arg(cell / game.BoardWidth() + 1)
        .arg(cell % game.BoardWidth() + 1)
        .arg(CellText(game, cell));
}

QString LeftCounterText(const Game& game)
{
    const int32_t shown = ShownCounters(game).Left;
    return game.IsTwoPlayer() ? Tr("%1 found %2").arg(Name(game.Players()[Player1].Name)).arg(shown)
                              : Tr("mines left %1").arg(shown);
}

QString RightCounterText(const Game& game)
{
    const int32_t shown = ShownCounters(game).Right;
    return game.IsTwoPlayer() ? Tr("%1 found %2").arg(Name(game.Players()[Player2].Name)).arg(shown)
                              : Tr("time %1").arg(shown);
}

QString FaceText(const Game& game)
{
    switch (game.Face()) {
    case FaceLook::Won:
        return Tr("new game, game won");
    case FaceLook::Lost:
        return Tr("new game, game lost");
    case FaceLook::Smiling:
    case FaceLook::Pressing:
        break;
    }
    return Tr("new game");
}

QString BonusText(const Game& game)
{
    if (!game.IsTwoPlayer())
        return Tr("open three random cells");
    if (game.BonusArmed())
        return Tr("bonus armed");
    return game.BonusButtonEnabled() ? Tr("bonus") : Tr("bonus not available");
}

QString PlayerPanelText(const Game& game, PlayerIndex player)
{
    QString name = Name(game.Players()[player].Name);
    if (game.IsRunning() && game.CurrentPlayer() == player)
        return Tr("%1 to move").arg(name);
    return name;
}

} // namespace orvane
