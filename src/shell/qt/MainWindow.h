// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ai/ComputerPlayer.h"
#include "game/Game.h"
#include "platform/CounterSource.h"
#include "platform/Random.h"
#include "render/gl/RenderState.h"
#include "scores/History.h"
#include "scores/Recording.h"
#include "scores/ScoreFile.h"
#include "shell/Commands.h"
#include "shell/MainLoop.h"
#include "shell/Settings.h"
#include "shell/qt/QtPlatform.h"
#include "shell/sound/SdlSound.h"

#include <QMainWindow>

class QDialog;

namespace orvane {

class DrawingArea;
class MainMenu;
class AboutDialog;
class CustomSizeDialog;
class HighScoresWindow;
class NameDialog;
class StatisticsWindow;

// The one main window: menu bar, the status area StatusArea and the board area BoardArea,
// both drawn with OpenGL, and the program's own main loop.
class MainWindow : public QMainWindow, private LoopHost {
    Q_OBJECT
public:
    // The game draws from random unless another source is given (tests fix the mines).
    explicit MainWindow(const FileFolders& folders, RandomSource* random = nullptr);
    ~MainWindow() override;

    // False when start-up could not complete; the program then ends.
    bool Started() const { return started_; }
    void RunMainLoop();
    // One pass of the main loop.
    void RunLoopPass();
    // The secondary windows, made once after the main window and hidden between uses.
    void CreateDialogs();
    // Closes whatever menu or modal window is open, then the main window, as the
    // player would: the loop finishes its pass and the program ends normally.
    void CloseOnSignal();

    Game& game() { return game_; }
    RenderState& render() { return render_; }
    ScoreFile& scores() { return scores_; }
    History& history() { return history_; }
    Settings& settings() { return settings_; }
    MainMenu* Menu = nullptr;
    CustomSizeDialog* CustomForm = nullptr;
    HighScoresWindow* HiScoresForm = nullptr;
    NameDialog* InputForm = nullptr;
    AboutDialog* AboutForm = nullptr;
    StatisticsWindow* StatisticsForm = nullptr;
    DrawingArea* StatusArea = nullptr;
    DrawingArea* BoardArea = nullptr;
    bool QuitRequested = false;
    // The program's exit status once the loop has ended: 1 when it could not draw.
    int ExitStatus = 0;

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool StartUp();
    void BuildWindow();
    void ConnectMouse();
    void BuildMenu();
    void ApplyTheme(uint8_t theme);
    void CustomCommand();
    void HiScoresCommand();
    void StatisticsCommand();
    void AfterCommand();
    bool RunDialog(QDialog* dialog);
    void StartRendering();
    void StartStatusContext();
    void StartBoardContext();
    void StopRendering();
    void ApplyLayout();
    void TellOfSmallerCells(int16_t chosen, int16_t used);
    void DrawBoth();

    // One loop pass's window-system side.
    void HandlePendingMessages() override;
    bool MenuOrDialogOpen() const override;
    void UpdateOpponent() override;
    void DrawFrame(FrameChanges changes) override;
    void WaitForMessages(int64_t milliseconds) override;

    SteadyCounter counter_;
    ClockSeededRandom random_;
    SdlSoundPlayer sound_;
    QtPlatform platform_;
    Game game_;
    ComputerPlayer computer_ {game_};
    RenderState render_;
    FrameStep step_ {render_.View};
    ScoreFile scores_;
    ScoreMarks marks_;
    History history_;
    HighScoreWindows highScoreWindows_;
    Settings settings_;
    MenuCommands commands_;
    bool started_ = false;
    // The cell size the player chose, and the one last fitted to the screen from it.
    int16_t chosenCellSize_ = 0;
    int16_t fittedCellSize_ = 0;
    uint8_t settingsCellSize_ = 0;
    bool toldOfSmallerCells_ = false;
    bool statDoubleClicked_ = false; // the release after a double click is no click
};

} // namespace orvane
