// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/MainWindow.h"

#include "dialogs/AboutDialog.h"
#include "dialogs/CustomSizeDialog.h"
#include "game/BoardInput.h"
#include "game/StatusInput.h"
#include "platform/FileLookup.h"
#include "render/gl/BoardRenderer.h"
#include "render/gl/Font.h"
#include "render/gl/Gl.h"
#include "render/gl/Projection.h"
#include "render/gl/StatusRenderer.h"
#include "render/gl/Textures.h"
#include "render/model/Layout.h"
#include "scores/Recording.h"
#include "scores/qt/DialogPlacement.h"
#include "scores/qt/HighScoresWindow.h"
#include "scores/qt/NameDialog.h"
#include "shell/Keyboard.h"
#include "shell/qt/DrawingArea.h"
#include "shell/qt/MainMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

namespace orvane {

MainWindow::MainWindow(const FileFolders& folders, RandomSource* random) :
    platform_(*this, sound_, folders.LookupDirs()),
    game_(platform_, random ? *random : random_, counter_),
    scores_(AppFilePath(folders.Scores, "\\Orvane.cfg"),
        [this](const std::string& message) { platform_.ShowMessage(message, MessageIcon::Error); }),
    commands_(game_, settings_)
{
    game_.Folders = folders;
    // Start-up needs every member built first, so it runs here and not in the list above.
    started_ = StartUp(); // NOLINT(cppcoreguidelines-prefer-member-initializer)
}

MainWindow::~MainWindow()
{
    StopRendering();
}

void MainWindow::BuildWindow()
{
    setWindowTitle(QStringLiteral("Orvane"));
    // A fixed single border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    StatusArea = new DrawingArea(client);
    StatusArea->setObjectName(QStringLiteral("StatusArea"));
    BoardArea = new DrawingArea(client);
    BoardArea->setObjectName(QStringLiteral("BoardArea"));
    BoardArea->raise();
    BuildMenu();
    menuBar()->installEventFilter(this);
}

// Each area gets its own context when it first draws, after the window is up: starting
// the OpenGL driver is the slowest part of the program's start. What each context needs
// is made then; here only what needs no context: the status input state, the message bar
// and the layout. Without OpenGL the player is told so, and the program ends.
void MainWindow::StartRendering()
{
    const auto noOpenGL = [this] {
        if (ExitStatus != 0)
            return;
        ExitStatus = 1;
        platform_.ShowMessage("OpenGL initialization failed!", MessageIcon::Error);
        close();
    };
    StatusArea->OnContextFailed = noOpenGL;
    BoardArea->OnContextFailed = noOpenGL;

    game_.HoverTarget = 0;
    game_.FaceDown = false;
    game_.PressedTarget = 0;
    game_.BonusButtonDown = false;
    game_.ElapsedSeconds = 0;

    ConnectMouse();
    StatusArea->OnInitialize = [this] { StartStatusContext(); };
    BoardArea->OnInitialize = [this] { StartBoardContext(); };
    StatusArea->OnResize = [this](int width, int height) {
        SetupProjection(width, height, false, StatusArea->devicePixelRatioF());
    };
    BoardArea->OnResize = [this](int width, int height) {
        SetupProjection(width, height, true, BoardArea->devicePixelRatioF());
    };
    // On a scaled screen the pictures are drawn for the device's pixels, again whenever
    // the cell size or the screen's scale changes.
    StatusArea->OnPaint = [this] {
        UpdateFontTexture(render_, FontPictureScale(StatusArea->devicePixelRatioF()));
        if (game_.BoardMatchesSize())
            DrawStatus(
                game_, render_, StatusArea->width(), BoardArea->width(), BoardArea->height());
    };
    BoardArea->OnPaint = [this] {
        UpdateCellTextures(
            render_, CellPicturePixels(game_.CellSize, BoardArea->devicePixelRatioF()));
        if (game_.BoardMatchesSize())
            DrawBoard(game_, render_);
    };

    game_.Message.Reset();
    ApplyLayout();
}

void MainWindow::ConnectMouse()
{
    BoardArea->OnMouseDown
        = [this](MouseButton b, int x, int y) { BoardMouseDown(game_, b, x, y); };
    BoardArea->OnMouseMove = [this](int x, int y) { BoardMouseMove(game_, x, y); };
    BoardArea->OnMouseUp = [this](MouseButton b, int x, int y) { BoardMouseUp(game_, b, x, y); };
    // The press that completes a double click is a press like any other once the
    // double click has had its say (which may swallow it).
    BoardArea->OnDoubleClick = [this](MouseButton b, int x, int y) {
        if (b == MouseButton::Left)
            BoardDoubleClick(game_);
        BoardMouseDown(game_, b, x, y);
    };

    StatusArea->OnMouseMove
        = [this](int x, int y) { StatusMouseMove(game_, x, y, StatusArea->width()); };
    StatusArea->OnMouseDown = [this](MouseButton b, int, int) {
        statDoubleClicked_ = false;
        StatusMouseDown(game_, b);
    };
    // A left press and release on the panel is a click, handled before the release.
    StatusArea->OnMouseUp = [this](MouseButton b, int x, int y) {
        if (b == MouseButton::Left && !statDoubleClicked_ && StatusArea->rect().contains(x, y))
            StatusClick(game_);
        statDoubleClicked_ = false;
        StatusMouseUp(game_, b);
    };
    StatusArea->OnDoubleClick = [this](MouseButton b, int, int) {
        if (b == MouseButton::Left) {
            statDoubleClicked_ = true;
            StatusDoubleClick(game_, StatusArea->width());
        }
        StatusMouseDown(game_, b);
    };
}

void MainWindow::StartStatusContext()
{
    ApplyCommonState();
    LoadStatusTextures(render_);
    render_.FontBase = BuildFont(render_.Textures[slot::Font]);
}

void MainWindow::StartBoardContext()
{
    ApplyCommonState();
    LoadBoardTextures(render_);
    render_.View.WavingFlags.Create(-1, 8, 4, 0.11, 3, picture_key::Flags, picture_id::RedFlags,
        picture_id::BlueFlags, render_.Current());
    render_.View.WavingFlags.Start(game_.FrameTimer);
}

void MainWindow::StopRendering()
{
    // Textures go with the two contexts, which the areas own and delete.
    if (render_.FontBase == 0)
        return;
    StatusArea->makeCurrent();
    DeleteFont(render_.FontBase);
    StatusArea->doneCurrent();
    render_.FontBase = 0;
}

void MainWindow::BuildMenu()
{
    MainMenu::Actions actions;
    actions.New = [this] { NewGameCommand(game_); };
    actions.Exit = [this] { close(); };
    actions.Custom = [this] { CustomCommand(); };
    actions.HiScores = [this] { HiScoresCommand(); };
    actions.About = [this] { RunDialog(AboutForm); };
    actions.AfterCommand = [this] { AfterCommand(); };
    Menu = new MainMenu(*this, commands_, std::move(actions));
    commands_.FindLowestByTime = [this](int table) { scores_.FindLowestByTime(table); };
    commands_.FindLowestByWins = [this](int table) { scores_.FindLowestByWins(table); };
    commands_.ApplyTheme = [this](uint8_t theme) { ApplyTheme(theme); };
}

// The menu's checks follow the level afterwards, also after a cancelled dialog.
void MainWindow::CustomCommand()
{
    if (!CustomForm)
        return;
    RunDialog(CustomForm);
    if (CustomForm->CustomSizeConfirmed)
        commands_.StartCustomGame();
}

// Opened from the menu, the window marks the latest high score one last time.
void MainWindow::HiScoresCommand()
{
    if (!HiScoresForm)
        return;
    RunDialog(HiScoresForm);
    marks_.MarkTable = 0;
    marks_.MarkRow = 0;
}

void MainWindow::AfterCommand()
{
    Menu->ShowChecks(CurrentMenuChecks(game_, settings_));
}

// The status area reads the theme every frame; the flags carry the cell tint in their
// fringe, so their pictures are made again in the board's context.
void MainWindow::ApplyTheme(uint8_t theme)
{
    render_.CurrentTheme = theme;
    step_.Invalidate();
    if (!BoardArea->context())
        return;
    BoardArea->makeCurrent();
    render_.View.WavingFlags.Load(true, render_.Current());
    BoardArea->doneCurrent();
}

bool MainWindow::StartUp()
{
    BuildWindow();
    Menu->AssignRunTimeShortcuts();
    Game& g = game_;
    g.PlayerStripHeight = 0;
    g.StatusHeight = panel::CounterStripHeight;
    g.Players[Player1].Name = "P1";
    g.Players[Player2].Name = "P2";
    g.CurrentPlayer = Player1;
    g.Players[Player1].Score = g.Players[Player2].Score = 0;
    g.BoardWidth = 9;
    g.BoardHeight = 9;
    g.MineCount = 10;
    g.ScoreTable = 0;
    render_.View.PulseScale = 1.0f;
    render_.View.PulseStep = -0.1f;

    settings_ = LoadSettings(g.Folders.Settings);
    ApplySettings(g, settings_);
    render_.CurrentTheme = settings_.ThemeIndex;
    commands_.LoadPreferences();

    scores_.LoadScores();
    scores_.FindLowestByTime(0);
    ConnectScores(game_, scores_, marks_, highScoreWindows_);

    if (!g.FrameTimer.Create()) {
        platform_.ShowMessage(
            "Your CPU doesn't support High Resolutiom Timer! Exiting now.", MessageIcon::Error);
        return false;
    }
    g.FrameTimer.Start();
    g.ElapsedSeconds = 0;
    g.random.SeedFromClock();
    g.HoverCell = -1;
    g.PressedCell = -1;

    platform_.OnApplyLayout = [this] { ApplyLayout(); };
    platform_.Quitting = [this] { return QuitRequested; };
    connect(
        qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive)
                game_.PauseGame();
        });
    platform_.OnRedrawNow = [this] { DrawBoth(); };
    StartRendering();

    g.CurrentLevel = StartLevelValue;
    g.NewGame(Level::Beginner);
    g.CurrentLevel = static_cast<int32_t>(Level::Beginner);
    computer_.Create();
    g.Opponent.Speed = 8;
    QuitRequested = false;
    AfterCommand();

    // Centre on the desktop, then show: nothing else shows the main window.
    CentreOnDesktop(*this);
    show();
    // The window goes to the screen before the drawing surfaces start the OpenGL driver.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    StatusArea->CreateSurface();
    BoardArea->CreateSurface();
    // The sound system may take a while to answer (or to find there is none); the window
    // does not wait for it, and the first sound waits only for what is left.
    sound_.OpenInBackground();
    return true;
}

// A board too large for the screen at the chosen cell size is drawn with smaller cells;
// the choice itself stays, and returns with the next board that fits. The window, frame
// and menu bar included, then lies on the screen.
void MainWindow::ApplyLayout()
{
    // A new choice: a size set since the last fitting, or a size picked from the menu
    // (which may be the size in use).
    if (game_.CellSize != fittedCellSize_ || settings_.CellSize != settingsCellSize_)
        chosenCellSize_ = game_.CellSize;
    settingsCellSize_ = settings_.CellSize;
    if (const QScreen* area = screen()) {
        const QSize frame = frameGeometry().size() - geometry().size();
        const QSize room = area->availableGeometry().size()
            - QSize(frame.width(), frame.height() + menuBar()->sizeHint().height());
        game_.CellSize = FittingCellSize(
            game_, chosenCellSize_, OfferedCellSizes, room.width(), room.height());
    }
    fittedCellSize_ = game_.CellSize;
    const LayoutSizes sizes = ComputeLayout(game_);
    StatusArea->setGeometry(0, 0, sizes.StatWidth, sizes.StatHeight);
    BoardArea->setGeometry(sizes.GameLeft, sizes.GameTop, sizes.GameWidth, sizes.GameHeight);
    centralWidget()->setFixedSize(sizes.StatWidth, sizes.StatHeight);
    setFixedSize(sizes.StatWidth, sizes.StatHeight + menuBar()->sizeHint().height());
    KeepOnScreen(*this);
    step_.Invalidate();
    if (game_.CellSize < chosenCellSize_ && !toldOfSmallerCells_) {
        toldOfSmallerCells_ = true;
        // After the command that made the board, over the window in its new size.
        QMetaObject::invokeMethod(
            this,
            [this, chosen = chosenCellSize_, used = game_.CellSize] {
                TellOfSmallerCells(chosen, used);
            },
            Qt::QueuedConnection);
    }
}

// Once a run: the menu shows the size in use, so the player learns why it is not the
// one chosen.
void MainWindow::TellOfSmallerCells(int16_t chosen, int16_t used)
{
    const auto name = [](int16_t cellSize) {
        for (const BlockSizeItem& item : BlockSizeItems)
            if (item.CellSize == cellSize)
                return QString::fromLatin1(item.Caption).remove(QLatin1Char('&'));
        return QStringLiteral("%1 pixels").arg(cellSize);
    };
    const QString text = QStringLiteral(
        "This board does not fit on the screen with the block size %1, so it is shown at %2. "
        "The block size %1 comes back with the next board that fits.")
                             .arg(name(chosen), name(used));
    platform_.ShowMessage(text.toStdString(), MessageIcon::Information);
}

void MainWindow::DrawBoth()
{
    BoardArea->DrawNow();
    StatusArea->DrawNow();
}

void MainWindow::CreateDialogs()
{
    CustomForm = new CustomSizeDialog(game_, this);
    HiScoresForm = new HighScoresWindow(scores_, marks_, this);
    HiScoresForm->AskYesNo
        = [this](const std::string& question) { return platform_.AskYesNo(question); };
    // The box starts with the name of the row the next high score replaces.
    const int table = IsScoreTable(game_.ScoreTable) ? game_.ScoreTable : 0;
    InputForm = new NameDialog(scores_.Row(table, scores_.LowestEntry[table]).Name, this);
    highScoreWindows_.AskName = [this] { return InputForm->AskName(QuitRequested); };
    highScoreWindows_.ShowHighScores = [this] { RunDialog(HiScoresForm); };
    AboutForm = new AboutDialog(QApplication::windowIcon(), HelpFilePath(game_.Folders), this);
    AboutForm->OnOpenLink = [this](const std::string& target) { platform_.OpenDocument(target); };
}

void MainWindow::RunMainLoop()
{
    orvane::RunMainLoop(game_, step_, *this, QuitRequested);
}

void MainWindow::RunLoopPass()
{
    orvane::RunLoopPass(game_, step_, *this, QuitRequested);
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
    computer_.Update();
}

// Only an area whose picture changed is drawn again; the other keeps its last frame.
void MainWindow::DrawFrame(FrameChanges changes)
{
    const bool drawn
        = (!changes.Board || BoardArea->DrawNow()) && (!changes.Status || StatusArea->DrawNow());
    // An area not yet on screen is drawn by a later pass.
    if (!drawn)
        step_.Invalidate();
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
        game_.FrameTimer.HoldFrames();
    else if (event->type() == QEvent::WindowUnblocked)
        game_.FrameTimer.ReleaseFrames();
    return QMainWindow::event(event);
}

// A game put out of sight pauses: the window minimised, or the keyboard gone to another
// program (the program's own menus and dialogs keep the application active).
void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        game_.PauseGame();
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
    if (InputForm && InputForm->isVisible())
        InputForm->accept();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && window->isModal())
            window->close();
    }
    close();
}

// Once the program is ending, a dialog that was about to open stays closed.
bool MainWindow::RunDialog(QDialog* dialog)
{
    return dialog && !QuitRequested && dialog->exec() == QDialog::Accepted;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const char key = event->key() == Qt::Key_Escape ? EscapeKey
        : event->text().size() == 1                 ? event->text().at(0).toLatin1()
                                                    : '\0';
    if (HandleKey(game_, key) == KeyOutcome::CloseWindow)
        close();
}

// A menu closed with Escape leaves the menu bar holding the keyboard, and the menu bar
// takes every later Escape for itself. The window's Escape comes first: the menu bar
// lets go of the keyboard and the question is asked.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    auto* key = event->type() == QEvent::KeyPress ? dynamic_cast<QKeyEvent*>(event) : nullptr;
    if (watched == menuBar() && key && key->key() == Qt::Key_Escape) {
        setFocus();
        keyPressEvent(key);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The loop finishes its pass with the window still on screen, then the program ends.
    QuitRequested = true;
    event->ignore();
}

} // namespace orvane
