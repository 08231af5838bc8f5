// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DrawingArea.h"

#include "render/gl/Gl.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QPalette>
#include <QStyleHints>
#include <QWindow>

#include <cmath>
#include <optional>

namespace orvane {

// The context the areas draw with, made on the first frame of any of them.
struct AreaContext {
    std::unique_ptr<QOpenGLContext> Context;
    bool Failed = false;
};

// The native window inside the area: it draws when the window system exposes it and
// hands its mouse input to the area.
class AreaWindow : public QWindow {
public:
    explicit AreaWindow(DrawingArea& area) : area_(area)
    {
        setSurfaceType(QSurface::OpenGLSurface);
        // Keys belong to the main window, which sees every key press first.
        setFlag(Qt::WindowDoesNotAcceptFocus);
    }

protected:
    // Shown again, or at a new size: the picture is drawn afresh.
    void exposeEvent(QExposeEvent*) override { area_.DrawNow(); }
    void resizeEvent(QResizeEvent*) override { area_.DrawNow(); }
    // A window hears the second press of a double click twice, as a press and then as a
    // double click; the areas take it once, as the double click, as widgets do. So the
    // window tells the double click itself, by the same rule the window system uses.
    void mousePressEvent(QMouseEvent* event) override
    {
        const QStyleHints* hints = QGuiApplication::styleHints();
        const bool second = event->button() == lastButton_
            && event->timestamp() - lastPress_
                < static_cast<quint64>(hints->mouseDoubleClickInterval())
            && (event->position() - lastPosition_).manhattanLength()
                <= hints->mouseDoubleClickDistance();
        lastButton_ = second ? Qt::NoButton : event->button();
        lastPress_ = event->timestamp();
        lastPosition_ = event->position();
        if (!second) {
            area_.Mouse(event);
            return;
        }
        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, event->position(),
            event->globalPosition(), event->button(), event->buttons(), event->modifiers());
        area_.Mouse(&doubleClick);
    }
    void mouseMoveEvent(QMouseEvent* event) override { area_.Mouse(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { area_.Mouse(event); }
    void mouseDoubleClickEvent(QMouseEvent*) override { }

private:
    DrawingArea& area_;
    Qt::MouseButton lastButton_ = Qt::NoButton;
    quint64 lastPress_ = 0;
    QPointF lastPosition_;
};

DrawingArea::DrawingArea(QWidget* parent, DrawingArea* sharesContextWith) :
    QWidget(parent),
    context_(sharesContextWith ? sharesContextWith->context_ : std::make_shared<AreaContext>())
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    // Moves are reported with no button held too: the areas track what is under the mouse.
    setMouseTracking(true);
}

void DrawingArea::SetBackground(const QColor& colour)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, colour);
    setPalette(background);
}

void DrawingArea::CreateSurface()
{
    if (window_)
        return;
    window_ = new AreaWindow(*this);
    container_ = QWidget::createWindowContainer(window_, this);
    container_->setFocusPolicy(Qt::NoFocus);
    container_->setMouseTracking(true);
    container_->setGeometry(rect());
    container_->show();
}

DrawingArea::~DrawingArea() = default;

namespace {

std::optional<MouseButton> ButtonOf(const QMouseEvent* event)
{
    switch (event->button()) {
    case Qt::LeftButton:
        return MouseButton::Left;
    case Qt::RightButton:
        return MouseButton::Right;
    case Qt::MiddleButton:
        return MouseButton::Middle;
    default:
        return std::nullopt;
    }
}

// Positions are whole pixels; a point left of or above the area stays negative.
int Pixel(double coordinate)
{
    return static_cast<int>(std::floor(coordinate));
}

void Deliver(const std::function<void(MouseButton, int, int)>& handler, QMouseEvent* event)
{
    const auto button = ButtonOf(event);
    if (handler && button)
        handler(*button, Pixel(event->position().x()), Pixel(event->position().y()));
}

} // namespace

void DrawingArea::Mouse(QMouseEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        Deliver(OnMouseDown, event);
        break;
    case QEvent::MouseButtonRelease:
        Deliver(OnMouseUp, event);
        break;
    case QEvent::MouseButtonDblClick:
        Deliver(OnDoubleClick, event);
        break;
    case QEvent::MouseMove:
        if (OnMouseMove)
            OnMouseMove(Pixel(event->position().x()), Pixel(event->position().y()));
        break;
    default:
        break;
    }
}

void DrawingArea::mousePressEvent(QMouseEvent* event)
{
    Mouse(event);
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event)
{
    Mouse(event);
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    Mouse(event);
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    Mouse(event);
}

void DrawingArea::resizeEvent(QResizeEvent*)
{
    if (container_)
        container_->setGeometry(rect());
}

void DrawingArea::makeCurrent()
{
    if (context_->Context)
        context_->Context->makeCurrent(window_);
}

void DrawingArea::doneCurrent()
{
    if (context_->Context)
        context_->Context->doneCurrent();
}

bool DrawingArea::ContextFailed()
{
    context_->Failed = true;
    if (OnContextFailed)
        OnContextFailed();
    return false;
}

// Makes the context current on the window, creating it on the first frame of any area,
// and sets the area's drawing state. False while there is nothing to draw on.
bool DrawingArea::BeginFrame()
{
    if (!window_ || !window_->isExposed() || window_->width() != width()
        || window_->height() != height())
        return false;
    if (context_->Failed)
        return false;
    if (!context_->Context) {
        context_->Context = std::make_unique<QOpenGLContext>();
        if (!context_->Context->create())
            return ContextFailed();
    }
    if (!context_->Context->makeCurrent(window_))
        return started_ ? false : ContextFailed();
    if (!started_ && OnInitialize)
        OnInitialize();
    started_ = true;
    if (OnFrameStart)
        OnFrameStart(width(), height());
    return true;
}

bool DrawingArea::DrawNow()
{
    if (!BeginFrame())
        return false;
    ++FramesDrawn;
    if (OnPaint)
        OnPaint();
    context_->Context->swapBuffers(window_);
    return true;
}

QImage DrawingArea::grabFramebuffer()
{
    if (!BeginFrame())
        return {};
    ++FramesDrawn;
    if (OnPaint)
        OnPaint();
    // The picture in device pixels, as the screen shows it.
    const qreal ratio = window_->devicePixelRatio();
    const int pixelsWide = qRound(width() * ratio);
    const int pixelsHigh = qRound(height() * ratio);
    QImage image(pixelsWide, pixelsHigh, QImage::Format_RGBA8888);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, pixelsWide, pixelsHigh, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    context_->Context->swapBuffers(window_);
    // GL rows run bottom up.
    return image.mirrored();
}

} // namespace orvane
