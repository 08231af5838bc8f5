// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "input/BoardInput.h"

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

class QColor;
class QMouseEvent;

namespace orvane {

class AreaWindow;
struct AreaContext;

// One of the two OpenGL areas of the main window: a native child window that shows its
// frames itself, so that a frame costs only its own area and is never composed into the
// main window again. Areas may draw with one context, made current on each area's window
// in turn. The owner supplies what happens on the area's first frame, at the start of
// every frame and on every frame.
class DrawingArea : public QWidget {
    Q_OBJECT
public:
    // sharesContextWith: an area whose context this one draws with too.
    explicit DrawingArea(QWidget* parent, DrawingArea* sharesContextWith = nullptr);
    ~DrawingArea() override;
    // Makes the native window the area draws on. Its first one starts the OpenGL driver,
    // which takes a while, so the main window is put on screen first.
    void CreateSurface();

    std::function<void()> OnInitialize;
    // The area could make no OpenGL context; it then draws nothing, and asks no more.
    std::function<void()> OnContextFailed;
    std::function<void()> OnPaint;
    // Sets the projection and drawing state for the area's size: on every frame, as
    // another area may have drawn with the context since.
    std::function<void(int width, int height)> OnFrameStart;

    // Mouse input in the area's pixels; buttons other than left, right and middle are ignored.
    std::function<void(MouseButton, int x, int y)> OnMouseDown;
    std::function<void(int x, int y)> OnMouseMove;
    std::function<void(MouseButton, int x, int y)> OnMouseUp;
    // The second press of a double click arrives here instead of at OnMouseDown.
    std::function<void(MouseButton, int x, int y)> OnDoubleClick;

    // The colour the area shows until its first frame.
    void SetBackground(const QColor& colour);

    // Frames drawn so far: a picture that does not change is not drawn again.
    int FramesDrawn = 0;

    // Draws the picture and shows it at once; false while the area is not on screen.
    bool DrawNow();
    // Draws the picture and returns it as shown.
    QImage grabFramebuffer();
    // True once the area has drawn its first frame, and its pictures are loaded.
    bool Started() const { return started_; }
    void makeCurrent();
    void doneCurrent();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    friend class AreaWindow;
    bool BeginFrame();
    bool ContextFailed();
    void Mouse(QMouseEvent* event);

    AreaWindow* window_ = nullptr;
    QWidget* container_ = nullptr;
    std::shared_ptr<AreaContext> context_;
    bool started_ = false;
};

} // namespace orvane
