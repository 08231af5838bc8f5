// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/SecondaryWindows.h"

#include "dialogs/NetworkGameDialog.h"
#include "shell/NetworkPlay.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/CustomSizeDialog.h"
#include "dialogs/HighScoresWindow.h"
#include "dialogs/NameDialog.h"
#include "dialogs/StatisticsWindow.h"
#include "game/ReplayFile.h"
#include "platform/ShortPath.h"
#include "session/GameSession.h"
#include "shell/QtPlatform.h"
#include "shell/ReplayWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>

namespace orvane {

SecondaryWindows::SecondaryWindows(
    QWidget& owner, GameSession& session, QtPlatform& platform, const bool& quitting) :
    owner_(owner),
    session_(session), platform_(platform), quitting_(quitting)
{
}

void SecondaryWindows::Create(DrawingArea& shareWith, RenderState& render)
{
    Game& game = session_.game;
    ScoreFile& scores = session_.scores;
    CustomSize = new CustomSizeDialog(game, platform_, &owner_);
    HighScores = new HighScoresWindow(scores, session_.marks, &owner_);
    HighScores->AskYesNo = [this](const Text& question) { return platform_.AskYesNo(question); };
    // The box starts with the name of the row the next high score replaces.
    const int table = IsScoreTable(game.ScoreTable()) ? game.ScoreTable() : 0;
    Name = new NameDialog(scores.Row(table, scores.LowestEntry[table]).Name, &owner_);
    session_.highScoreWindows.AskName = [this] { return Name->AskName(quitting_); };
    session_.highScoreWindows.ShowHighScores = [this] { Run(HighScores); };
    Statistics = new StatisticsWindow(session_.history, &owner_);
    // The list's choice acts once the window has closed: the statistics window is modal,
    // and the replay window is not.
    const auto choose = [this](bool playAgain) {
        return [this, playAgain](int64_t gameId) {
            chosenGame_ = {gameId, playAgain};
            Statistics->accept();
        };
    };
    Statistics->OnWatchReplay = choose(false);
    Statistics->OnPlayBoardAgain = choose(true);
    About = new AboutDialog(QApplication::windowIcon(), HelpFilePath(session_.folders),
        LicenceFilePath(session_.folders), &owner_);
    About->OnOpenLink = [this](const std::string& target) { platform_.OpenDocument(target); };
    Replay = new ReplayWindow(shareWith, render, session_.screen, &owner_);
    // The game being played waits while a replay is watched.
    Replay->OnOpened = [this] {
        session_.game.PauseGame();
        session_.TakeGameEvents();
    };
    Replay->OnPlayAgain = [this](const RecordedGame& record) {
        session_.PlayBoardAgain(record);
        if (AfterGameChange)
            AfterGameChange();
    };
}

void SecondaryWindows::RunCustomSize()
{
    if (!CustomSize)
        return;
    Run(CustomSize);
    if (CustomSize->CustomSizeConfirmed) {
        session_.commands.StartCustomGame(CustomSize->Columns, CustomSize->Rows, CustomSize->Mines);
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
    // During a network game the network games' figures show first.
    const HistoryMode mode = session_.game.NetworkSeat()
        ? HistoryMode::Network
        : HistoryModeOf(session_.game.CurrentMode());
    Statistics->ShowKind(mode, session_.game.CurrentLevel());
    chosenGame_.reset();
    Run(Statistics);
    if (!chosenGame_)
        return;
    const std::optional<ReplayFile> replay = session_.history.ReplayOf(chosenGame_->Id);
    if (!replay)
        return;
    if (!chosenGame_->PlayAgain)
        ShowReplay(*replay);
    else if (session_.PlayBoardAgain(replay->Game) && AfterGameChange)
        AfterGameChange();
}

void SecondaryWindows::RunAbout()
{
    Run(About);
}

void SecondaryWindows::RunOpenReplay()
{
    if (quitting_)
        return;
    const QString path = QFileDialog::getOpenFileName(&owner_,
        QCoreApplication::translate("SecondaryWindows", "Open Replay"), QString(),
        QCoreApplication::translate("SecondaryWindows", "Orvane replays (*%1);;All files (*)")
            .arg(ReplayFileExtension));
    if (!path.isEmpty())
        OpenReplayFile(path.toStdString());
}

void SecondaryWindows::OpenReplayFile(const std::string& path)
{
    const ReplayFileReading read = ReadReplayFile(path);
    if (!read.Error.empty()) {
        platform_.ShowMessage(
            Text(QT_TRANSLATE_NOOP("Messages", "The replay %1 cannot be shown: %2."))
                .Arg(QuotedShortPath(path))
                .Arg(Text::Reason(read.Error)),
            MessageIcon::Error);
        return;
    }
    ShowReplay(read.Replay);
}

void SecondaryWindows::RunPlayBoardCode()
{
    if (quitting_)
        return;
    bool given = false;
    const QString code = QInputDialog::getText(&owner_,
        QCoreApplication::translate("SecondaryWindows", "Play Board Code"),
        QCoreApplication::translate("SecondaryWindows", "Board code:"), QLineEdit::Normal,
        QString(), &given);
    if (!given)
        return;
    if (const Text problem = session_.PlayBoardCode(code.toStdString()); !problem.Empty())
        platform_.ShowMessage(problem, MessageIcon::Warning);
}

void SecondaryWindows::CopyBoardCode()
{
    if (const std::optional<std::string> code = session_.CurrentBoardCode())
        QGuiApplication::clipboard()->setText(QString::fromStdString(*code));
    else
        platform_.ShowMessage(QT_TRANSLATE_NOOP("Messages",
                                  "This board has no code yet: its mines are laid when its first "
                                  "cell is opened."),
            MessageIcon::Information);
}

void SecondaryWindows::RunNetworkGame(NetworkPlay& network)
{
    if (quitting_)
        return;
    PreferenceStore& options = session_.commands.Options();
    const std::optional<NetworkGameChoice> choice
        = AskNetworkGame(&owner_, QString::fromStdString(options.Values.NetworkName));
    if (!choice)
        return;
    if (const std::string name = choice->PlayerName.toStdString();
        name != options.Values.NetworkName) {
        options.Values.NetworkName = name;
        options.Save(platform_);
    }
    if (!network.ConfirmLeave())
        return;
    if (!choice->Host) {
        network.Join(choice->PlayerName, {choice->Address, choice->Port, choice->GameName, 0});
        return;
    }
    if (network.Host(choice->PlayerName, choice->HostPort, choice->Limit)
        && network.HostPort() != choice->HostPort)
        platform_.ShowMessage(
            Text(QT_TRANSLATE_NOOP("Messages", "Port %1 is in use: the game is hosted on port %2."))
                .Arg(choice->HostPort)
                .Arg(network.HostPort()),
            MessageIcon::Information);
}

void SecondaryWindows::AcceptOpenNameDialog()
{
    if (Name && Name->isVisible())
        Name->accept();
}

void SecondaryWindows::ShowReplay(const ReplayFile& replay)
{
    if (Replay && !quitting_)
        Replay->Show(replay);
}

bool SecondaryWindows::Run(QDialog* dialog)
{
    return dialog && !quitting_ && dialog->exec() == QDialog::Accepted;
}

} // namespace orvane
