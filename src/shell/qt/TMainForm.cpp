// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/qt/TMainForm.h"

#include "dialogs/TAboutForm.h"
#include "dialogs/TForm1.h"
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
#include "scores/qt/TForm2.h"
#include "scores/qt/TInputForm.h"
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

TMainForm::TMainForm(const FileFolders& folders, RandomSource* random) :
    platform_(*this, sound_, folders.LookupDirs()),
    game_(platform_, random ? *random : random_, counter_),
    scores_(AppFilePath(folders.Scores, "\\Orvane.cfg"),
        [this](const std::string& message) { platform_.ShowMessage(message, MessageIcon::Error); }),
    commands_(game_, settings_)
{
    game_.Folders = folders;
    // Start-up needs every member built first, so it runs here and not in the list above.
    started_ = FormCreate(); // NOLINT(cppcoreguidelines-prefer-member-initializer)
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::BuildWindow()
{
    setWindowTitle(QStringLiteral("Orvane"));
    // A fixed single border with the system menu and the minimise box only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    PStat = new DrawingArea(client);
    PStat->setObjectName(QStringLiteral("PStat"));
    PGame = new DrawingArea(client);
    PGame->setObjectName(QStringLiteral("PGame"));
    PGame->raise();
    BuildMenu();
    menuBar()->installEventFilter(this);
}

// Each area gets its own context when it first draws, after the window is up: starting
// the OpenGL driver is the slowest part of the program's start. What each context needs
// is made then; here only what needs no context: the status input state, the message bar
// and the layout. Without OpenGL the player is told so, and the program ends.
void TMainForm::StartRendering()
{
    const auto noOpenGL = [this] {
        if (ExitStatus != 0)
            return;
        ExitStatus = 1;
        platform_.ShowMessage("OpenGL initialization failed!", MessageIcon::Error);
        close();
    };
    PStat->OnContextFailed = noOpenGL;
    PGame->OnContextFailed = noOpenGL;

    game_.HoverTarget = 0;
    game_.FaceDown = false;
    game_.PressedTarget = 0;
    game_.BonusButtonDown = false;
    game_.ElapsedSeconds = 0;

    ConnectMouse();
    PStat->OnInitialize = [this] { StartStatusContext(); };
    PGame->OnInitialize = [this] { StartBoardContext(); };
    PStat->OnResize = [this](int width, int height) {
        SetupProjection(width, height, false, PStat->devicePixelRatioF());
    };
    PGame->OnResize = [this](int width, int height) {
        SetupProjection(width, height, true, PGame->devicePixelRatioF());
    };
    // On a scaled screen the pictures are drawn for the device's pixels, again whenever
    // the cell size or the screen's scale changes.
    PStat->OnPaint = [this] {
        UpdateFontTexture(render_, FontPictureScale(PStat->devicePixelRatioF()));
        if (game_.BoardMatchesSize())
            DrawStatus(game_, render_, PStat->width(), PGame->width(), PGame->height());
    };
    PGame->OnPaint = [this] {
        UpdateCellTextures(render_, CellPicturePixels(game_.CellSize, PGame->devicePixelRatioF()));
        if (game_.BoardMatchesSize())
            DrawBoard(game_, render_);
    };

    game_.MessageBar.Reset();
    ApplyLayout();
}

void TMainForm::ConnectMouse()
{
    PGame->OnMouseDown = [this](MouseButton b, int x, int y) { PGameMouseDown(game_, b, x, y); };
    PGame->OnMouseMove = [this](int x, int y) { PGameMouseMove(game_, x, y); };
    PGame->OnMouseUp = [this](MouseButton b, int x, int y) { PGameMouseUp(game_, b, x, y); };
    // The press that completes a double click is a press like any other once the
    // double click has had its say (which may swallow it).
    PGame->OnDoubleClick = [this](MouseButton b, int x, int y) {
        if (b == MouseButton::Left)
            PGameDblClick(game_);
        PGameMouseDown(game_, b, x, y);
    };

    PStat->OnMouseMove = [this](int x, int y) { PStatMouseMove(game_, x, y, PStat->width()); };
    PStat->OnMouseDown = [this](MouseButton b, int, int) {
        statDoubleClicked_ = false;
        PStatMouseDown(game_, b);
    };
    // A left press and release on the panel is a click, handled before the release.
    PStat->OnMouseUp = [this](MouseButton b, int x, int y) {
        if (b == MouseButton::Left && !statDoubleClicked_ && PStat->rect().contains(x, y))
            PStatClick(game_);
        statDoubleClicked_ = false;
        PStatMouseUp(game_, b);
    };
    PStat->OnDoubleClick = [this](MouseButton b, int, int) {
        if (b == MouseButton::Left) {
            statDoubleClicked_ = true;
            PStatDblClick(game_, PStat->width());
        }
        PStatMouseDown(game_, b);
    };
}

void TMainForm::StartStatusContext()
{
    ApplyCommonState();
    LoadStatusTextures(render_);
    render_.FontBase = BuildFont(render_.Textures[slot::Font]);
}

void TMainForm::StartBoardContext()
{
    ApplyCommonState();
    LoadBoardTextures(render_);
    render_.View.FlagAnimation.Create(-1, 8, 4, 0.11, 3, picture_key::Flags, picture_id::RedFlags,
        picture_id::BlueFlags, render_.Current());
    render_.View.FlagAnimation.Start(game_.FrameTimer);
}

void TMainForm::StopRendering()
{
    // Textures go with the two contexts, which the areas own and delete.
    if (render_.FontBase == 0)
        return;
    PStat->makeCurrent();
    DeleteFont(render_.FontBase);
    PStat->doneCurrent();
    render_.FontBase = 0;
}

void TMainForm::BuildMenu()
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
void TMainForm::CustomCommand()
{
    if (!CustomForm)
        return;
    RunDialog(CustomForm);
    if (CustomForm->CustomSizeConfirmed)
        commands_.StartCustomGame();
}

// Opened from the menu, the window marks the latest high score one last time.
void TMainForm::HiScoresCommand()
{
    if (!HiScoresForm)
        return;
    RunDialog(HiScoresForm);
    marks_.MarkTable = 0;
    marks_.MarkRow = 0;
}

void TMainForm::AfterCommand()
{
    Menu->ShowChecks(CurrentMenuChecks(game_, settings_));
}

// The status area reads the theme every frame; the flags carry the cell tint in their
// fringe, so their pictures are made again in the board's context.
void TMainForm::ApplyTheme(uint8_t theme)
{
    render_.CurrentTheme = theme;
    step_.Invalidate();
    if (!PGame->context())
        return;
    PGame->makeCurrent();
    render_.View.FlagAnimation.Load(true, render_.Current());
    PGame->doneCurrent();
}

bool TMainForm::FormCreate()
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
    PStat->CreateSurface();
    PGame->CreateSurface();
    // The sound system may take a while to answer (or to find there is none); the window
    // does not wait for it, and the first sound waits only for what is left.
    sound_.OpenInBackground();
    return true;
}

// A board too large for the screen at the chosen cell size is drawn with smaller cells;
// the choice itself stays, and returns with the next board that fits. The window, frame
// and menu bar included, then lies on the screen.
void TMainForm::ApplyLayout()
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
    PStat->setGeometry(0, 0, sizes.StatWidth, sizes.StatHeight);
    PGame->setGeometry(sizes.GameLeft, sizes.GameTop, sizes.GameWidth, sizes.GameHeight);
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
void TMainForm::TellOfSmallerCells(int16_t chosen, int16_t used)
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

void TMainForm::DrawBoth()
{
    PGame->DrawNow();
    PStat->DrawNow();
}

void TMainForm::CreateDialogs()
{
    CustomForm = new TForm1(game_, this);
    HiScoresForm = new TForm2(scores_, marks_, this);
    HiScoresForm->AskYesNo
        = [this](const std::string& question) { return platform_.AskYesNo(question); };
    // The box starts with the name of the row the next high score replaces.
    const int table = IsScoreTable(game_.ScoreTable) ? game_.ScoreTable : 0;
    InputForm = new TInputForm(scores_.Row(table, scores_.LowestEntry[table]).Name, this);
    highScoreWindows_.AskName = [this] { return InputForm->AskName(QuitRequested); };
    highScoreWindows_.ShowHighScores = [this] { RunDialog(HiScoresForm); };
    AboutForm = new TAboutForm(QApplication::windowIcon(), HelpFilePath(game_.Folders), this);
    AboutForm->OnOpenLink = [this](const std::string& target) { platform_.OpenDocument(target); };
}

void TMainForm::RunMainLoop()
{
    orvane::RunMainLoop(game_, step_, *this, QuitRequested);
}

void TMainForm::RunLoopPass()
{
    orvane::RunLoopPass(game_, step_, *this, QuitRequested);
}

void TMainForm::HandlePendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// A menu popped from the menu bar runs no loop of its own, so the pass has to ask.
bool TMainForm::MenuOrDialogOpen() const
{
    return QApplication::activePopupWidget() || QApplication::activeModalWidget();
}

void TMainForm::UpdateOpponent()
{
    computer_.Update();
}

// Only an area whose picture changed is drawn again; the other keeps its last frame.
void TMainForm::DrawFrame(FrameChanges changes)
{
    const bool drawn
        = (!changes.Board || PGame->DrawNow()) && (!changes.Status || PStat->DrawNow());
    // An area not yet on screen is drawn by a later pass.
    if (!drawn)
        step_.Invalidate();
}

void TMainForm::WaitForMessages(int64_t milliseconds)
{
    QTimer wake;
    wake.setTimerType(Qt::PreciseTimer);
    wake.setSingleShot(true);
    wake.start(static_cast<int>(milliseconds));
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A modal dialog or message box runs a loop of its own inside the message step; the
// game's clocks stand still from the moment it blocks the window until it lets go.
bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::WindowBlocked)
        game_.FrameTimer.HoldFrames();
    else if (event->type() == QEvent::WindowUnblocked)
        game_.FrameTimer.ReleaseFrames();
    return QMainWindow::event(event);
}

// A game put out of sight pauses: the window minimised, or the keyboard gone to another
// program (the program's own menus and dialogs keep the application active).
void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        game_.PauseGame();
    QMainWindow::changeEvent(event);
}

void TMainForm::CloseOnSignal()
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
bool TMainForm::RunDialog(QDialog* dialog)
{
    return dialog && !QuitRequested && dialog->exec() == QDialog::Accepted;
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    const char key = event->key() == Qt::Key_Escape ? EscapeKey
        : event->text().size() == 1                 ? event->text().at(0).toLatin1()
                                                    : '\0';
    if (FormKeyPress(game_, key) == KeyOutcome::CloseWindow)
        close();
}

// A menu closed with Escape leaves the menu bar holding the keyboard, and the menu bar
// takes every later Escape for itself. The window's Escape comes first: the menu bar
// lets go of the keyboard and the question is asked.
bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* key = event->type() == QEvent::KeyPress ? dynamic_cast<QKeyEvent*>(event) : nullptr;
    if (watched == menuBar() && key && key->key() == Qt::Key_Escape) {
        setFocus();
        keyPressEvent(key);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The loop finishes its pass with the window still on screen, then the program ends.
    QuitRequested = true;
    event->ignore();
}

void TMainForm::FormDestroy()
{
    StopRendering();
}

} // namespace orvane
