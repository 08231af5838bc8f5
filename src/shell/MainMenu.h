// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "session/Commands.h"
#include "session/Settings.h"

#include <QObject>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace orvane {

// The menu bar of the main window. Each item runs one command; afterwards every check
// mark is set again from the game, so the menu keeps no state of its own.
class MainMenu : public QObject {
    Q_OBJECT
public:
    // What the items do beyond the game's own commands.
    struct Actions {
        std::function<void()> New;
        std::function<void()> Custom;
        std::function<void()> HiScores;
        std::function<void()> Statistics;
        std::function<void()> OpenReplay;
        std::function<void()> PlayBoardCode;
        std::function<void()> CopyBoardCode;
        std::function<void()> NetworkGame;
        // While a network game is played, a new game, level or mode first asks to leave it:
        // false when the player stays.
        std::function<bool()> MayLeaveNetworkGame;
        std::function<void()> Exit;
        std::function<void()> About;
        std::function<void()> AfterCommand; // re-sync the checks, redraw
    };

    MainMenu(QMainWindow& window, MenuCommands& commands, Actions actions);

    // The shortcuts the window assigns at start-up: Exit, the themes and the block sizes.
    void AssignRunTimeShortcuts();
    void ShowChecks(const MenuChecks& checks);

    QAction* Find(const QString& objectName) const;

private:
    QAction* Add(QMenu* menu, const QString& caption, const QString& name,
        const QKeySequence& shortcut, std::function<void()> run, QActionGroup* group = nullptr);
    // The command, run only once the player has left any network game.
    std::function<void()> AfterLeaving(std::function<void()> run);
    void BuildGameMenu();
    void BuildOptionsMenu();
    void BuildHelpMenu();

    QMainWindow& window_;
    MenuCommands& commands_;
    Actions actions_;
    std::array<QAction*, 4> levels_ {};
    QAction* classic_ = nullptr;
    QAction* vsHuman_ = nullptr;
    QAction* vsComputer_ = nullptr;
    QAction* sounds_ = nullptr;
    QAction* noGuessing_ = nullptr;
    QAction* colourSafe_ = nullptr;
    QAction* keepReplays_ = nullptr;
    QAction* showChances_ = nullptr;
    QAction* normalStrength_ = nullptr;
    QAction* strongStrength_ = nullptr;
    QAction* exit_ = nullptr;
    std::array<QAction*, 7> themes_ {};
    std::array<QAction*, BlockSizeItems.size()> sizes_ {};
};

} // namespace orvane
