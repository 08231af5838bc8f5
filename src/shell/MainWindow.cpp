// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainWindow.h"

#include "dialogs/DialogPlacement.h"
#include "input/StatusInput.h"
#include "session/Keyboard.h"
#include "shell/DrawingArea.h"
#include "shell/MainMenu.h"
#include "shell/QtKeys.h"
#include "shell/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace orvane {

MainWindow::MainWindow(const FileFolders& folders, RandomSource* random, CounterSource* counter,
    const bool* quitSignalled) :
    platform_(*this, sound_, folders.LookupDirs()),
    session_(platform_, folders, render_.View, random, counter)
{
    // Start-up needs every member built first, so it runs here and not in the list above.
    started_ = StartUp(quitSignalled); // NOLINT(cppcoreguidelines-prefer-member-initializer)
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildWindow()
{
    setWindowTitle(QStringLiteral("Orvane"));
    // A fixed single border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    setCentralWidget(client);
    surfaces_ = std::make_unique<DrawingSurfaces>(*client, session_, render_);
    StatusArea = surfaces_->Status;
    BoardArea = surfaces_->Board;
    accessibility_ = std::make_unique<GameAccessibility>(session_, *BoardArea, *StatusArea);
    session_.OnEventsTaken = [this](const MoveNews& news) { accessibility_->AfterEvents(news); };
    BuildMenu();
    menuBar()->installEventFilter(this);
}

void MainWindow::BuildMenu()
{
    MainMenu::Actions actions;
    actions.New = [this] { session_.NewGameFromMenu(); };
    actions.Exit = [this] { close(); };
    actions.Custom = [this] { windows_.RunCustomSize(); };
    actions.HiScores = [this] { windows_.RunHighScores(); };
    actions.Statistics = [this] { windows_.RunStatistics(); };
    actions.OpenReplay = [this] { windows_.RunOpenReplay(); };
    actions.PlayBoardCode = [this] { windows_.RunPlayBoardCode(); };
    actions.CopyBoardCode = [this] { windows_.CopyBoardCode(); };
    actions.NetworkGame = [this] { windows_.RunNetworkGame(network_); };
    actions.MayLeaveNetworkGame = [this] { return network_.ConfirmLeave(); };
    actions.About = [this] { windows_.RunAbout(); };
    actions.AfterCommand = [this] { AfterCommand(); };
    Menu = new MainMenu(*this, session_.commands, std::move(actions));
    windows_.AfterGameChange = [this] { AfterCommand(); };
    network_.OnChanged = [this] {
        setWindowTitle(network_.Title());
        AfterCommand();
    };
    session_.commands.ApplyTheme = [this](uint8_t theme) { surfaces_->ApplyTheme(theme); };
    session_.commands.ApplyNumberColours
        = [this](bool colourSafe) { surfaces_->ApplyNumberColours(colourSafe); };
}

void MainWindow::AfterCommand()
{
    session_.TakeGameEvents();
    Menu->ShowChecks(session_.Checks());
}

// Without OpenGL the player is told so, and the program ends.
bool MainWindow::StartUp(const bool* quitSignalled)
{
    BuildWindow();
    Menu->AssignRunTimeShortcuts();
    platform_.OnApplyLayout = [this] { ApplyLayout(); };
    platform_.Quitting
        = [this, quitSignalled] { return QuitRequested || (quitSignalled && *quitSignalled); };
    platform_.OnRedrawNow = [this] { surfaces_->DrawBoth(); };
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive) {
                session_.game.PauseGame();
                session_.TakeGameEvents();
            }
        });
    surfaces_->Connect([this] {
        if (ExitStatus != 0)
            return;
        ExitStatus = 1;
        platform_.ShowMessage(
            QT_TRANSLATE_NOOP("Messages", "OpenGL initialization failed!"), MessageIcon::Error);
        close();
    });
    if (!session_.Start())
        return false;
    surfaces_->ApplyTheme(session_.settings.ThemeIndex);
    AfterCommand();

    // Centre on the desktop, then show: nothing else shows the main window.
    CentreOnDesktop(*this);
    show();
    // The window goes to the screen before the drawing surfaces start the OpenGL driver.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    surfaces_->CreateSurfaces();
    // The sound system may take a while to answer (or to find there is none); the window
    // does not wait for it, and the first sound waits only for what is left.
    sound_.OpenInBackground();
    return true;
}

// A board too large for the screen at the chosen cell size is drawn with smaller cells.
// The window, frame and menu bar included, then lies on the screen.
void MainWindow::ApplyLayout()
{
    LayoutSizes sizes = session_.Layout();
    if (const QScreen* area = screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        const QSize room = area->availableGeometry().size()
            - QSize(frame.width(), frame.height() + menuBar()->sizeHint().height());
        sizes = session_.FitToRoom(room.width(), room.height());
    }
    surfaces_->Place(sizes);
    centralWidget()->setFixedSize(sizes.StatWidth, sizes.StatHeight);
    setFixedSize(sizes.StatWidth, sizes.StatHeight + menuBar()->sizeHint().height());
    KeepOnScreen(*this);
    session_.step.Invalidate();
    // After the command that made the board, over the window in its new size.
    if (session_.TakeSmallerCellsNotice())
        QMetaObject::invokeMethod(
            this, [this] { session_.TellOfSmallerCells(); }, Qt::QueuedConnection);
}

void MainWindow::RunMainLoop()
{
    orvane::RunMainLoop(session_.game, session_.clock, session_.step, *this, QuitRequested);
}

void MainWindow::RunLoopPass()
{
    orvane::RunLoopPass(session_.game, session_.clock, session_.step, *this, QuitRequested);
}

void MainWindow::HandlePendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// A menu popped from the menu bar runs no loop of its own, so the pass has to ask.
bool MainWindow::MenuOrDialogOpen() const
{
    return QApplication::activePopupWidget() || QApplication::activeModalWidget();
}

void MainWindow::UpdateOpponent()
{
    session_.UpdateComputer();
}

// An area not yet on screen is drawn by a later pass.
void MainWindow::DrawFrame(FrameChanges changes)
{
    if (!surfaces_->Draw(changes))
        session_.step.Invalidate();
}

void MainWindow::WaitForMessages(int64_t milliseconds)
{
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(static_cast<int>(milliseconds));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A modal dialog or message box runs a loop of its own inside the message step; the
// game's clocks stand still from the moment it blocks the window until it lets go.
bool MainWindow::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked)
        session_.clock.HoldFrames();
    else if (event->type() == QEvent::WindowUnblocked)
        session_.clock.ReleaseFrames();
    return QMainWindow::event(event);
}

// A game put out of sight pauses: the window minimised, or the keyboard gone to another
// program (the program's own menus and dialogs keep the application active).
void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        session_.game.PauseGame();
        session_.TakeGameEvents();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::CloseOnSignal()
{
    // From here on no window opens: a result already decided is still stored.
    QuitRequested = true;
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    // A modal window's own loop runs until it is hidden. The name box keeps the name it
    // holds; every other one answers as its Cancel or No would, so nothing is decided for
    // the player.
    windows_.AcceptOpenNameDialog();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && window->isModal())
            window->close();
    }
    close();
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    // A held key repeats its moves, but clicks once.
    if (const std::optional<BoardKey> boardKey = BoardKeyOf(*event)) {
        if (IsMoveKey(*boardKey) || !event->isAutoRepeat())
            session_.PlayBoardKey(*boardKey);
        return;
    }
    if (IsWhereKey(*event)) {
        accessibility_->TellWhere();
        return;
    }
    const char key = GameKeyOf(*event);
    // In a network game Escape asks to leave it, and only that.
    if (key == EscapeKey && network_.Active()) {
        network_.ConfirmLeave();
        return;
    }
    if (session_.PressKey(key) == KeyOutcome::CloseWindow)
        close();
}

// A menu closed with Escape leaves the menu bar holding the keyboard, and the menu bar
// takes every later Escape, arrow, Space and Enter for itself. The window's Escape and
// board keys come first: the menu bar lets go of the keyboard and the window handles them.
// While a menu is open every key is the menu's; it hands Left and Right on to the menu bar,
// which opens the next menu with them.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* key = event->type() == QEvent::KeyPress ? dynamic_cast<QKeyEvent*>(event) : nullptr;
    if (watched == menuBar() && key && !QApplication::activePopupWidget()
        && (key->key() == Qt::Key_Escape || BoardKeyOf(*key) || IsWhereKey(*key))) {
        setFocus();
        keyPressEvent(key);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
    // A quit signal leaves a network game without asking, as giving it up.
    if (QuitRequested)
        network_.Leave();
    else if (!network_.ConfirmLeave())
        return;
    // The loop finishes its pass with the window still on screen, then the program ends.
    QuitRequested = true;
}

} // namespace orvane
