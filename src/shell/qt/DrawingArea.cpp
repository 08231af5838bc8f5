#include "shell/qt/DrawingArea.h"

#include <QMouseEvent>

#include <cmath>

namespace orvane {

DrawingArea::DrawingArea(QWidget* parent) : QOpenGLWidget(parent)
{
    // Keys belong to the main window, which sees every key press first.
    setFocusPolicy(Qt::NoFocus);
    // Moves are reported with no button held too: the areas track what is under the mouse.
    setMouseTracking(true);
}

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

void DrawingArea::mousePressEvent(QMouseEvent* event)
{
    Deliver(OnMouseDown, event);
}

void DrawingArea::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(Pixel(event->position().x()), Pixel(event->position().y()));
}

void DrawingArea::mouseReleaseEvent(QMouseEvent* event)
{
    Deliver(OnMouseUp, event);
}

void DrawingArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    Deliver(OnDoubleClick, event);
}

void DrawingArea::initializeGL()
{
    if (OnInitialize)
        OnInitialize();
}

void DrawingArea::resizeGL(int width, int height)
{
    if (OnResize)
        OnResize(width, height);
}

void DrawingArea::paintGL()
{
    ++FramesDrawn;
    if (OnPaint)
        OnPaint();
}

} // namespace orvane
