#include "shell/qt/DrawingArea.h"

namespace orvane {

DrawingArea::DrawingArea(QWidget* parent) : QOpenGLWidget(parent)
{
    // Keys belong to the main window, which sees every key press first.
    setFocusPolicy(Qt::NoFocus);
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
    if (OnPaint)
        OnPaint();
}

} // namespace orvane
