#pragma once
#include "game/BoardInput.h"

#include <QOpenGLWidget>

#include <functional>
#include <optional>

namespace orvane {

// One of the two OpenGL areas of the main window, each with a context of its own.
// The owner supplies what happens at context creation and on every paint.
class DrawingArea : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget* parent);

    std::function<void()> OnInitialize;
    std::function<void()> OnPaint;
    std::function<void(int width, int height)> OnResize;

    // Mouse input in the area's pixels; buttons other than left, right and middle are ignored.
    std::function<void(MouseButton, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(MouseButton, int x, int y)> OnMouseUp;
    // The second press of a double click arrives here instead of at OnMouseDown.
    std::function<void(MouseButton, int x, int y)> OnDoubleClick;

    // Frames drawn so far: a picture that does not change is not drawn again.
    int FramesDrawn = 0;

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace orvane
