// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "render/gl/RenderState.h"
#include "session/GameSession.h"
#include "session/MainLoop.h"
#include "shell/Accessibility.h"
#include "shell/DrawingSurfaces.h"
#include "shell/NetworkPlay.h"
#include "shell/QtPlatform.h"
#include "shell/SecondaryWindows.h"
#include "sound/SdlSound.h"

#include <QMainWindow>

namespace orvane {

class DrawingArea;
class MainMenu;

// The one main window: the menu bar above the status and board areas. It adapts the
// window system's events and surfaces to the game session and hosts the program's own
// main loop; the game itself lives in the session.
class MainWindow : public QMainWindow, private LoopHost {
    Q_OBJECT
public:
    // The game draws from random and times with the steady clock unless other sources are
    // given (tests fix the mines and move time by hand). Once quitSignalled (when given)
    // turns true, start-up opens no more boxes.
    explicit MainWindow(const FileFolders& folders, RandomSource* random = nullptr,
        CounterSource* counter = nullptr, const bool* quitSignalled = nullptr);
    ~MainWindow() override;

    // False when start-up could not complete; the program then ends.
    bool Started() const { return started_; }
    void RunMainLoop();
    // One pass of the main loop.
    void RunLoopPass();
    // The secondary windows, made once after the main window and hidden between uses.
    void CreateDialogs() { windows_.Create(*BoardArea, render_); }
    // Closes whatever menu or modal window is open, then the main window, as the
    // player would: the loop finishes its pass and the program ends normally.
    void CloseOnSignal();

    GameSession& session() { return session_; }
    Game& game() { return session_.game; }
    RenderState& render() { return render_; }
    SecondaryWindows& windows() { return windows_; }
    NetworkPlay& network() { return network_; }
    MainMenu* Menu = nullptr;
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
    bool StartUp(const bool* quitSignalled);
    void BuildWindow();
    void BuildMenu();
    void ApplyLayout();
    void AfterCommand();

    // One loop pass's window-system side.
    void HandlePendingMessages() override;
    bool MenuOrDialogOpen() const override;
    void UpdateOpponent() override;
    void DrawFrame(FrameChanges changes) override;
    void WaitForMessages(int64_t milliseconds) override;

    SdlSoundPlayer sound_;
    QtPlatform platform_;
    RenderState render_;
    GameSession session_;
    std::unique_ptr<DrawingSurfaces> surfaces_;
    std::unique_ptr<GameAccessibility> accessibility_;
    SecondaryWindows windows_ {*this, session_, platform_, QuitRequested};
    NetworkPlay network_ {session_};
    bool started_ = false;
};

} // namespace orvane
