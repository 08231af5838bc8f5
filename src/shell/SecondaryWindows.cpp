// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SecondaryWindows.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/CustomSizeDialog.h"
#include "dialogs/HighScoresWindow.h"
#include "dialogs/NameDialog.h"
#include "dialogs/StatisticsWindow.h"
#include "session/GameSession.h"
#include "shell/QtPlatform.h"

#include <QApplication>

namespace orvane {

SecondaryWindows::SecondaryWindows(
    QWidget& owner, GameSession& session, QtPlatform& platform, const bool& quitting) :
    owner_(owner),
    session_(session), platform_(platform), quitting_(quitting)
{
}

void SecondaryWindows::Create()
{
    Game& game = session_.game;
    ScoreFile& scores = session_.scores;
    CustomSize = new CustomSizeDialog(game, platform_, &owner_);
    HighScores = new HighScoresWindow(scores, session_.marks, &owner_);
    HighScores->AskYesNo
        = [this](const std::string& question) { return platform_.AskYesNo(question); };
    // The box starts with the name of the row the next high score replaces.
    const int table = IsScoreTable(game.ScoreTable()) ? game.ScoreTable() : 0;
    Name = new NameDialog(scores.Row(table, scores.LowestEntry[table]).Name, &owner_);
    session_.highScoreWindows.AskName = [this] { return Name->AskName(quitting_); };
    session_.highScoreWindows.ShowHighScores = [this] { Run(HighScores); };
    Statistics = new StatisticsWindow(session_.history, &owner_);
    About = new AboutDialog(QApplication::windowIcon(), HelpFilePath(session_.folders),
        LicenceFilePath(session_.folders), &owner_);
    About->OnOpenLink = [this](const std::string& target) { platform_.OpenDocument(target); };
}

void SecondaryWindows::RunCustomSize()
{
    if (!CustomSize)
        return;
    Run(CustomSize);
    if (CustomSize->CustomSizeConfirmed)
    {
        session_.commands.StartCustomGame(
            CustomSize->Columns, CustomSize->Rows, CustomSize->Mines);
        session_.TakeGameEvents();
    }
}

void SecondaryWindows::RunHighScores()
{
    if (!HighScores)
        return;
    Run(HighScores);
    session_.marks.MarkTable = 0;
    session_.marks.MarkRow = 0;
}

void SecondaryWindows::RunStatistics()
{
    if (!Statistics)
        return;
    Statistics->ShowKind(session_.game.CurrentMode(), static_cast<Level>(session_.game.CurrentLevel()));
    Run(Statistics);
}

void SecondaryWindows::RunAbout()
{
    Run(About);
}

void SecondaryWindows::AcceptOpenNameDialog()
{
    if (Name && Name->isVisible())
        Name->accept();
}

bool SecondaryWindows::Run(QDialog* dialog)
{
    return dialog && !quitting_ && dialog->exec() == QDialog::Accepted;
}

} // namespace orvane
