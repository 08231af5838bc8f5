// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/ReplayFile.h"
#include "platform/CounterSource.h"
#include "session/ReplayViewer.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;

namespace orvane {

class DrawingArea;
struct RenderState;
struct ScreenState;

// A past game watched again, beside the main window and without blocking it: its status
// area and board drawn by the game's own renderers with the main window's context and
// pictures, the pointer's trail over the board, and the controls and counters below.
// Made once and shown again for each replay; closing it stops the playing only.
class ReplayWindow : public QWidget {
    Q_OBJECT
public:
    // shareWith: a main window area, whose context (and so whose textures) the replay
    // draws with; render: what the main window draws with; screen: its cell size in use.
    ReplayWindow(
        DrawingArea& shareWith, RenderState& render, const ScreenState& screen, QWidget* parent);
    ~ReplayWindow() override;

    // Opens the window on the replay, playing from the deal.
    void Show(const ReplayFile& replay);
    // Writes the replay shown to the path, with the replays' extension when it has none;
    // the reason when it was not written.
    std::string SaveTo(const std::string& path);

    // The window came up: the main window pauses its game.
    std::function<void()> OnOpened;
    // "Play Board Again": a new game on the replay's layout.
    std::function<void(const RecordedGame&)> OnPlayAgain;

    ReplayViewer* Viewer() { return viewer_.get(); }
    DrawingArea* const StatusArea;
    DrawingArea* const BoardArea;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Connect();
    void PlaceAreas();
    void PlayOrPause();
    void SeekTo(int64_t milliseconds);
    void Act(const std::function<void(ReplayViewer&)>& action);
    void Tick();
    void Refresh();
    void AskAndSave();

    RenderState& render_;
    const ScreenState& screen_;
    SteadyCounter counter_;
    ReplayFile replay_;
    std::unique_ptr<ReplayViewer> viewer_;

    QWidget* stage_;
    QTimer* timer_;
    QSlider* slider_;
    QPushButton* play_;
    QComboBox* speed_;
    QLabel* counters_;
    QPushButton* playAgain_;
};

} // namespace orvane
