// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "game/Game.h"
#include "shell/DrawingArea.h"
#include "shell/MainWindow.h"
#include "support/MineLayout.h"
#include "support/TempDir.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace orvane::testing {

// The real main window, started from a fresh copy of the program's folder so that its
// settings and score files are the test's own.
class MainWindowFixture : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<MainWindow> form;

    void SetUp() override
    {
        if (const char* built = std::getenv("ORVANE_APP_DIR"))
            for (const auto& entry : std::filesystem::directory_iterator(built))
                if (entry.path().extension() == ".wav")
                    std::filesystem::copy(entry.path(), dir.Path() / entry.path().filename());
        PlaceFilesBeforeStart();
        form = std::make_unique<MainWindow>(
            FileFolders::AllIn(dir.Path().string()), Draws(), Time());
        ASSERT_TRUE(form->Started());
        form->CreateDialogs();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        // The drawing surfaces come to the screen after the window itself.
        ASSERT_TRUE(QTest::qWaitFor(
            [this] { return form->BoardArea->DrawNow() && form->StatusArea->DrawNow(); }));
    }
    void TearDown() override { form.reset(); }

    // For a test that starts the program with files of its own already in its folder.
    virtual void PlaceFilesBeforeStart() { }
    // For a test that fixes the game's random draws (and so its mines).
    virtual RandomSource* Draws() { return nullptr; }
    // For a test that moves the game's time by hand.
    virtual CounterSource* Time() { return nullptr; }

    Game& game() { return form->game(); }

    // A fresh board of the given size, mode and cell size, laid out as the program does.
    void NewBoard(int width, int height, int mines, int cellSize, PlayMode mode = PlayMode::Classic)
    {
        form->session().settings.CellSize = static_cast<uint8_t>(cellSize);
        BoardSetup setup = game().Setup();
        setup.Mode = mode;
        setup.BoardLevel = Level::Custom;
        setup.Width = static_cast<int16_t>(width);
        setup.Height = static_cast<int16_t>(height);
        setup.Mines = static_cast<int16_t>(mines);
        game().NewGame(setup);
        form->session().TakeGameEvents();
    }

    // Rows of text for a board without mines, for a test to put its mines ('*') in.
    static std::vector<std::string> EmptyRows(int width, int height)
    {
        return std::vector<std::string>(
            static_cast<size_t>(height), std::string(static_cast<size_t>(width), '.'));
    }

    // A board laid out from rows of text ('*' a mine, '.' a safe cell), its mines laid
    // by the first open.
    void NewLayout(
        const std::vector<std::string>& rows, int cellSize, PlayMode mode = PlayMode::Classic)
    {
        form->session().settings.CellSize = static_cast<uint8_t>(cellSize);
        DealLayout(game(), rows, mode);
        form->session().TakeGameEvents();
    }

    // A gesture on the cell at column x, row y, as the board's input hands it to the rules.
    void Act(CellGesture gesture, CellAction action, int x, int y)
    {
        game().ActOnCell(gesture, action, x + y * game().BoardWidth());
        form->session().TakeGameEvents();
    }
    // A press and release: an open, or with the flag gesture a flag.
    void Click(int x, int y, CellGesture gesture = CellGesture::Open)
    {
        for (const CellAction action : {CellAction::Press, CellAction::Release})
            Act(gesture, action, x, y);
    }

    // The next closed cell without a mine; -1 when none is left.
    int ClosedSafeCell()
    {
        for (const Cell& cell : game().Cells())
            if (cell.State == CellState::Closed && cell.Value != MineValue)
                return cell.Index;
        return -1;
    }

    QImage BoardFrame()
    {
        return form->BoardArea->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    }
    QImage StatusFrame()
    {
        return form->StatusArea->grabFramebuffer().convertToFormat(QImage::Format_RGB32);
    }
};

} // namespace orvane::testing
