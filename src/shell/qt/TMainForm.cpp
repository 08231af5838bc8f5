#include "shell/qt/TMainForm.h"

#include "render/model/Layout.h"
#include "shell/qt/DrawingArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QOpenGLFunctions>
#include <QScreen>

namespace orvane {

TMainForm::TMainForm(const std::string& appDir)
    : platform_(*this, sound_, appDir), game_(platform_, random_, counter_)
{
    game_.AppDir = appDir;
    started_ = FormCreate();
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
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    setCentralWidget(client);
    PStat = new DrawingArea(client);
    PStat->setObjectName(QStringLiteral("PStat"));
    PGame = new DrawingArea(client);
    PGame->setObjectName(QStringLiteral("PGame"));
    PGame->raise();

    auto* gameMenu = menuBar()->addMenu(QStringLiteral("&Game"));
    QAction* exitAction = gameMenu->addAction(QStringLiteral("E&xit"));
    exitAction->setObjectName(QStringLiteral("Exit"));
    connect(exitAction, &QAction::triggered, this, &QWidget::close);
    exitAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));

    PStat->OnPaint = [this] {
        auto* gl = QOpenGLContext::currentContext()->functions();
        gl->glClearColor(210 / 255.0f, 210 / 255.0f, 195 / 255.0f, 0.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    };
    PGame->OnPaint = [this] {
        auto* gl = QOpenGLContext::currentContext()->functions();
        gl->glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
        gl->glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    };
}

bool TMainForm::FormCreate()
{
    BuildWindow();
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

    if (!g.FrameTimer.Create()) {
        platform_.ShowMessage("Your CPU doesn't support High Resolutiom Timer! Exiting now.",
                              MessageIcon::Error);
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

    g.CurrentLevel = StartLevelValue;
    g.NewGame(Level::Beginner);
    g.CurrentLevel = static_cast<int32_t>(Level::Beginner);
    g.Opponent.Speed = 8;
    QuitRequested = false;

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

void TMainForm::RunMainLoop()
{
    orvane::RunMainLoop(game_, *this, QuitRequested);
}

void TMainForm::HandlePendingMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TMainForm::UpdateOpponent() {}

void TMainForm::DrawFrame()
{
    DrawBoth();
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // The loop finishes its pass with the window still on screen, then the program ends.
    QuitRequested = true;
    event->ignore();
}

void TMainForm::FormDestroy() {}

} // namespace orvane
