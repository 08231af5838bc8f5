#include "shell/qt/TMainForm.h"

#include "dialogs/TAboutForm.h"
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
#include "shell/Keyboard.h"
#include "shell/qt/DrawingArea.h"
#include "shell/qt/MainMenu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QScreen>

namespace orvane {

TMainForm::TMainForm(const std::string& appDir) :
    platform_(*this, sound_, appDir), game_(platform_, random_, counter_),
    scores_(AppFilePath(appDir, "\\Orvane.cfg"),
        [this](const std::string& message) { platform_.ShowMessage(message, MessageIcon::Error); }),
    commands_(game_, settings_)
{
    game_.AppDir = appDir;
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
}

// Each area gets its own context when it is first shown; what each context needs is
// made then. Here only what needs no context: the check that OpenGL can be had at all,
// the status input state, the message bar and the layout.
bool TMainForm::StartRendering()
{
    QOpenGLContext probe;
    QOffscreenSurface surface;
    surface.create();
    if (!probe.create() || !probe.makeCurrent(&surface)) {
        platform_.ShowMessage("OpenGL initialization failed!", MessageIcon::Error);
        return false;
    }
    probe.doneCurrent();

    game_.HoverTarget = 0;
    game_.FaceDown = false;
    game_.PressedTarget = 0;
    game_.BonusButtonDown = false;
    game_.ElapsedSeconds = 0;

    ConnectMouse();
    PStat->OnInitialize = [this] { StartStatusContext(); };
    PGame->OnInitialize = [this] { StartBoardContext(); };
    PStat->OnResize = [](int width, int height) { SetupProjection(width, height, false); };
    PGame->OnResize = [](int width, int height) { SetupProjection(width, height, true); };
    PStat->OnPaint = [this] {
        if (game_.BoardMatchesSize())
            DrawStatus(game_, render_, PStat->width(), PGame->width(), PGame->height());
    };
    PGame->OnPaint = [this] {
        if (game_.BoardMatchesSize())
            DrawBoard(game_, render_);
    };

    game_.MessageBar.Reset();
    ApplyLayout();
    return true;
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
    render_.FlagAnimation.Create(-1, 8, 4, 0.11, 3, picture_key::Flags, picture_id::RedFlags,
        picture_id::BlueFlags, render_.Current());
    render_.FlagAnimation.Start(game_.FrameTimer);
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
    actions.About = [this] {
        if (AboutForm)
            AboutForm->exec();
    };
    actions.AfterCommand = [this] { AfterCommand(); };
    Menu = new MainMenu(*this, commands_, std::move(actions));
    commands_.FindLowestByTime = [this](int table) { scores_.FindLowestByTime(table); };
    commands_.FindLowestByWins = [this](int table) { scores_.FindLowestByWins(table); };
    commands_.ApplyTheme = [this](uint8_t theme) { ApplyTheme(theme); };
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
    if (!PGame->context())
        return;
    PGame->makeCurrent();
    render_.FlagAnimation.Load(true, render_.Current());
    PGame->doneCurrent();
}

bool TMainForm::FormCreate()
{
    BuildWindow();
    Menu->AssignRunTimeShortcuts();
    Game& g = game_;
    g.PlayerStripHeight = 0;
    g.StatusHeight = 60;
    g.Players[Player1].Name = "P1";
    g.Players[Player2].Name = "P2";
    g.CurrentPlayer = Player1;
    g.Players[Player1].Score = g.Players[Player2].Score = 0;
    g.BoardWidth = 9;
    g.BoardHeight = 9;
    g.MineCount = 10;
    g.ScoreTable = 0;
    g.PulseScale = 1.0f;
    g.PulseStep = -0.1f;

    settings_ = LoadSettings(g.AppDir);
    ApplySettings(g, settings_);
    render_.CurrentTheme = settings_.ThemeIndex;

    scores_.LoadScores();
    scores_.FindLowestByTime(0);
    ConnectScores(game_, scores_);

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
    sound_.Open();

    platform_.OnApplyLayout = [this] { ApplyLayout(); };
    platform_.OnRedrawNow = [this] { DrawBoth(); };
    if (!StartRendering())
        return false;

    g.CurrentLevel = StartLevelValue;
    g.NewGame(Level::Beginner);
    g.CurrentLevel = static_cast<int32_t>(Level::Beginner);
    g.Opponent.Speed = 8;
    QuitRequested = false;
    AfterCommand();

    // Centre on the desktop, then show: nothing else shows the main window.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    return true;
}

void TMainForm::ApplyLayout()
{
    const LayoutSizes sizes = ComputeLayout(game_);
    PStat->setGeometry(0, 0, sizes.StatWidth, sizes.StatHeight);
    PGame->setGeometry(sizes.GameLeft, sizes.GameTop, sizes.GameWidth, sizes.GameHeight);
    centralWidget()->setFixedSize(sizes.StatWidth, sizes.StatHeight);
    setFixedSize(sizes.StatWidth, sizes.StatHeight + menuBar()->sizeHint().height());
}

void TMainForm::DrawBoth()
{
    PGame->update();
    PStat->update();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
}

void TMainForm::CreateDialogs()
{
    AboutForm = new TAboutForm(QApplication::windowIcon(), game_.AppDir, this);
    AboutForm->OnOpenLink = [this](const std::string& target) { platform_.OpenDocument(target); };
}

void TMainForm::RunMainLoop()
{
    orvane::RunMainLoop(game_, *this, QuitRequested);
}

void TMainForm::HandlePendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The computer opponent has no moves yet: on its turn the game waits.
void TMainForm::UpdateOpponent() { }

void TMainForm::DrawFrame()
{
    DrawBoth();
}

void TMainForm::CloseOnSignal()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    // A modal window's own loop runs until it is hidden; each one closed answers as its
    // Cancel or No would, so nothing is decided for the player.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && window->isModal())
            window->close();
    }
    close();
}

void TMainForm::keyPressEvent(QKeyEvent* event)
{
    const char key = event->key() == Qt::Key_Escape ? EscapeKey
        : event->text().size() == 1                 ? event->text().at(0).toLatin1()
                                                    : '\0';
    if (FormKeyPress(game_, key) == KeyOutcome::CloseWindow)
        close();
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
