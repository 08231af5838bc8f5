// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/ReplayWindow.h"

#include "input/ScreenState.h"
#include "render/gl/BoardRenderer.h"
#include "render/gl/PointerTrailRenderer.h"
#include "render/gl/RenderState.h"
#include "render/gl/StatusRenderer.h"
#include "render/gl/Textures.h"
#include "render/model/Layout.h"
#include "render/model/Pictures.h"
#include "shell/DrawingArea.h"
#include "shell/DrawingSurfaces.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <climits>
#include <tuple>
#include <utility>

namespace orvane {

namespace {

constexpr int FrameMilliseconds = 16;
const QString Dash = QStringLiteral("\u2013");

QString Shown(const std::optional<double>& value)
{
    return value ? QString::number(*value, 'f', 2) : Dash;
}

QString Shown(const std::optional<int32_t>& value)
{
    return value ? QString::number(*value) : Dash;
}

QString CountersText(const ReplayCounters& counters)
{
    return QCoreApplication::translate(
        "ReplayWindow", "Time %1   3BV %2 of %3   Clicks %4   3BV/s %5   IOE %6")
        .arg(QString::number(counters.Seconds, 'f', 2), Shown(counters.ThreeBVDone),
            Shown(counters.ThreeBV), Shown(counters.Clicks), Shown(counters.ThreeBVPerSecond),
            Shown(counters.Ioe));
}

QString TitleOf(const ReplayFile& replay)
{
    QString title = QCoreApplication::translate("ReplayWindow", "Replay");
    QStringList about;
    if (!replay.PlayerNames.empty())
        about << QString::fromStdString(replay.PlayerNames.front());
    if (replay.StartedAt > 0)
        about << QDateTime::fromSecsSinceEpoch(replay.StartedAt)
                     .toString(QStringLiteral("yyyy-MM-dd hh:mm"));
    if (!about.isEmpty())
        title += QStringLiteral(" \u2013 ") + about.join(QStringLiteral(", "));
    return title;
}

QPushButton* Button(const QString& text, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    // Keys belong to the window: Space must not press the button last clicked.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

ReplayWindow::ReplayWindow(
    DrawingArea& shareWith, RenderState& render, const ScreenState& screen, QWidget* parent) :
    QWidget(parent, Qt::Window),
    StatusArea(new DrawingArea(nullptr, &shareWith)),
    BoardArea(new DrawingArea(nullptr, &shareWith)), render_(render), screen_(screen),
    stage_(new QWidget(this)), timer_(new QTimer(this)), slider_(new QSlider(Qt::Horizontal, this)),
    play_(Button(QCoreApplication::translate("ReplayWindow", "Play"), this)),
    speed_(new QComboBox(this)), counters_(new QLabel(this)),
    playAgain_(Button(QCoreApplication::translate("ReplayWindow", "Play Board Again"), this))
{
    setObjectName(QStringLiteral("ReplayWindow"));
    setWindowTitle(QCoreApplication::translate("ReplayWindow", "Replay"));
    StatusArea->setParent(stage_);
    BoardArea->setParent(stage_);
    BoardArea->raise();
    slider_->setFocusPolicy(Qt::NoFocus);
    speed_->setFocusPolicy(Qt::NoFocus);
    for (const double speed : ReplaySpeeds)
        speed_->addItem(QStringLiteral("%1\u00d7").arg(speed));
    speed_->setCurrentIndex(static_cast<int>(NormalReplaySpeed));

    auto* back = Button(QCoreApplication::translate("ReplayWindow", "\u25c0 Step"), this);
    auto* forward = Button(QCoreApplication::translate("ReplayWindow", "Step \u25b6"), this);
    auto* save = Button(QCoreApplication::translate("ReplayWindow", "Save Replay\u2026"), this);
    auto* controls = new QHBoxLayout;
    for (QWidget* widget : std::initializer_list<QWidget*> {back, play_, forward, speed_})
        controls->addWidget(widget);
    controls->addStretch();
    controls->addWidget(save);
    controls->addWidget(playAgain_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(stage_, 0, Qt::AlignHCenter);
    layout->addWidget(slider_);
    layout->addLayout(controls);
    layout->addWidget(counters_);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(back, &QPushButton::clicked, this, [this] { Act(&ReplayViewer::StepBack); });
    connect(forward, &QPushButton::clicked, this, [this] { Act(&ReplayViewer::StepForward); });
    connect(play_, &QPushButton::clicked, this, [this] { PlayOrPause(); });
    connect(save, &QPushButton::clicked, this, [this] { AskAndSave(); });
    connect(playAgain_, &QPushButton::clicked, this, [this] {
        if (viewer_ && OnPlayAgain)
            OnPlayAgain(viewer_->Record());
    });
    connect(speed_, &QComboBox::currentIndexChanged, this, [this](int index) {
        Act([index](ReplayViewer& viewer) { viewer.SetSpeed(static_cast<size_t>(index)); });
    });
    connect(slider_, &QSlider::valueChanged, this, [this](int value) { SeekTo(value); });
    connect(slider_, &QSlider::sliderReleased, this, [this] { SeekTo(slider_->value()); });
    connect(timer_, &QTimer::timeout, this, [this] { Tick(); });
    Connect();
}

ReplayWindow::~ReplayWindow() = default;

void ReplayWindow::Connect()
{
    SetFrameStart(*StatusArea, false);
    SetFrameStart(*BoardArea, true);
    StatusArea->OnPaint = [this] {
        if (!viewer_ || !viewer_->game().BoardMatchesSize())
            return;
        UpdateFontTexture(render_, FontPictureScale(StatusArea->devicePixelRatioF()));
        // The message bar is the running game's, not the replay's.
        const MessageBar running = std::exchange(render_.View.Message, MessageBar {});
        DrawStatus(viewer_->game(), ScreenState {}, render_, StatusArea->width(),
            BoardArea->width(), BoardArea->height());
        render_.View.Message = running;
    };
    BoardArea->OnPaint = [this] {
        if (!viewer_ || !viewer_->game().BoardMatchesSize())
            return;
        UpdateCellTextures(
            render_, CellPicturePixels(screen_.CellSize, BoardArea->devicePixelRatioF()));
        // The computer's pointer is the replay's, not the running game's.
        ViewState& view = render_.View;
        const std::pair running {view.ComputerPointerX, view.ComputerPointerY};
        if (const std::optional<int32_t> aim = viewer_->ComputerAim()) {
            const int32_t width = viewer_->game().BoardWidth();
            const int32_t column = *aim % width;
            const int32_t row = *aim / width;
            view.ComputerPointerX = static_cast<float>(column);
            view.ComputerPointerY = static_cast<float>(row);
        }
        DrawBoard(viewer_->game(), render_, -1);
        std::tie(view.ComputerPointerX, view.ComputerPointerY) = running;
        DrawPointerTrail(viewer_->game(), viewer_->Trail());
    };
}

void ReplayWindow::Show(const ReplayFile& replay)
{
    timer_->stop();
    replay_ = replay;
    viewer_ = std::make_unique<ReplayViewer>(replay.Game, counter_);
    setWindowTitle(TitleOf(replay));
    {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(0, static_cast<int>(std::min<int64_t>(viewer_->Length(), INT_MAX)));
    }
    viewer_->SetSpeed(static_cast<size_t>(speed_->currentIndex()));
    playAgain_->setEnabled(viewer_->BoardLaid());
    PlaceAreas();
    show();
    raise();
    activateWindow();
    StatusArea->CreateSurface();
    BoardArea->CreateSurface();
    if (OnOpened)
        OnOpened();
    viewer_->Play();
    timer_->start(FrameMilliseconds);
    Refresh();
}

void ReplayWindow::PlaceAreas()
{
    const LayoutSizes sizes = ComputeLayout(viewer_->game(), screen_.CellSize);
    stage_->setFixedSize(sizes.StatWidth, sizes.StatHeight);
    StatusArea->setGeometry(0, 0, sizes.StatWidth, sizes.StatHeight);
    BoardArea->setGeometry(sizes.GameLeft, sizes.GameTop, sizes.GameWidth, sizes.GameHeight);
}

void ReplayWindow::PlayOrPause()
{
    Act(&ReplayViewer::TogglePlay);
    if (viewer_ && viewer_->Playing())
        timer_->start(FrameMilliseconds);
}

void ReplayWindow::SeekTo(int64_t milliseconds)
{
    if (viewer_ && viewer_->Moment() != milliseconds)
        Act([milliseconds](ReplayViewer& viewer) { viewer.SeekTo(milliseconds); });
}

void ReplayWindow::Act(const std::function<void(ReplayViewer&)>& action)
{
    if (!viewer_)
        return;
    action(*viewer_);
    Refresh();
}

void ReplayWindow::Tick()
{
    if (!viewer_ || !viewer_->Playing()) {
        timer_->stop();
        Refresh();
        return;
    }
    if (viewer_->Advance())
        Refresh();
}

void ReplayWindow::Refresh()
{
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(static_cast<int>(std::min<int64_t>(viewer_->Moment(), INT_MAX)));
    }
    play_->setText(viewer_->Playing() ? QCoreApplication::translate("ReplayWindow", "Pause")
                                      : QCoreApplication::translate("ReplayWindow", "Play"));
    counters_->setText(CountersText(viewer_->Counters()));
    BoardArea->DrawNow();
    StatusArea->DrawNow();
}

std::string ReplayWindow::SaveTo(const std::string& path)
{
    std::string target = path;
    if (!target.ends_with(ReplayFileExtension))
        target += ReplayFileExtension;
    return WriteReplayFile(target, replay_);
}

void ReplayWindow::AskAndSave()
{
    const QString path = QFileDialog::getSaveFileName(this,
        QCoreApplication::translate("ReplayWindow", "Save Replay"), QString(),
        QCoreApplication::translate("ReplayWindow", "Replays (*%1)")
            .arg(QLatin1String(ReplayFileExtension)));
    if (path.isEmpty())
        return;
    const std::string error = SaveTo(path.toStdString());
    if (!error.empty())
        QMessageBox::warning(this, QCoreApplication::translate("ReplayWindow", "Save Replay"),
            QCoreApplication::translate("ReplayWindow", "The replay was not saved: %1")
                .arg(QString::fromStdString(error)));
}

void ReplayWindow::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        PlayOrPause();
        return;
    case Qt::Key_Left:
        Act(&ReplayViewer::StepBack);
        return;
    case Qt::Key_Right:
        Act(&ReplayViewer::StepForward);
        return;
    case Qt::Key_Home:
        Act(&ReplayViewer::Home);
        return;
    case Qt::Key_End:
        Act(&ReplayViewer::End);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ReplayWindow::closeEvent(QCloseEvent* event)
{
    timer_->stop();
    if (viewer_)
        viewer_->Pause();
    QWidget::closeEvent(event);
}

} // namespace orvane
