#pragma once
#include <QOpenGLWidget>

#include <functional>

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

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
};

} // namespace orvane
