// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

class QDialog;
class QWidget;

namespace orvane {

class AboutDialog;
class CustomSizeDialog;
class DrawingArea;
class GameSession;
class HighScoresWindow;
class NameDialog;
class NetworkPlay;
class QtPlatform;
struct ReplayFile;
class ReplayWindow;
class StatisticsWindow;
struct RenderState;

// The windows the main window opens: the custom size dialog, the high-score window, the
// name dialog, the statistics window and the About box, made once after the main window and hidden
// between uses.
class SecondaryWindows {
public:
    // Once quitting is set, no window opens any more.
    SecondaryWindows(
        QWidget& owner, GameSession& session, QtPlatform& platform, const bool& quitting);

    // The replay window draws with the context of shareWith and the main window's pictures.
    void Create(DrawingArea& shareWith, RenderState& render);
    // The menu's checks follow the level afterwards, also after a cancelled dialog.
    void RunCustomSize();
    // Opened from the menu, the window marks the latest high score one last time.
    void RunHighScores();
    // Opens on the mode and level being played.
    void RunStatistics();
    void RunAbout();
    // A replay file chosen by the player, or named on the command line, opened in the
    // replay window; what is wrong with the file is told.
    void RunOpenReplay();
    void OpenReplayFile(const std::string& path);
    // Asks for a board code and deals its board; a code that holds none is told.
    void RunPlayBoardCode();
    // Puts the code of the board being played on the clipboard.
    void CopyBoardCode();
    // Asks how to play over the network, remembers the player's network name, and hosts
    // or joins; a network game being played is left first, when the player agrees.
    void RunNetworkGame(NetworkPlay& network);
    // Ends the name dialog as its OK would, keeping the name it holds.
    void AcceptOpenNameDialog();

    CustomSizeDialog* CustomSize = nullptr;
    HighScoresWindow* HighScores = nullptr;
    NameDialog* Name = nullptr;
    StatisticsWindow* Statistics = nullptr;
    AboutDialog* About = nullptr;
    ReplayWindow* Replay = nullptr;
    // Runs after a window changed the game, as after a menu command.
    std::function<void()> AfterGameChange;

private:
    bool Run(QDialog* dialog);
    void ShowReplay(const ReplayFile& replay);

    // The game chosen in the statistics list, to watch or to play again.
    struct ChosenGame {
        int64_t Id = 0;
        bool PlayAgain = false;
    };
    std::optional<ChosenGame> chosenGame_;

    QWidget& owner_;
    GameSession& session_;
    QtPlatform& platform_;
    const bool& quitting_;
};

} // namespace orvane
