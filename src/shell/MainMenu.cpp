// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/MainMenu.h"

#include "session/Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace orvane {

MainMenu::MainMenu(QMainWindow& window, MenuCommands& commands, Actions actions) :
    QObject(&window), window_(window), commands_(commands), actions_(std::move(actions))
{
    BuildGameMenu();
    BuildOptionsMenu();
    BuildHelpMenu();
}

QAction* MainMenu::Add(QMenu* menu, const QString& caption, const QString& name,
    const QKeySequence& shortcut, std::function<void()> run, QActionGroup* group)
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    action->setShortcut(shortcut);
    if (group) {
        action->setCheckable(true);
        group->addAction(action);
    }
    // Items whose window does not exist yet (Custom, Hi Scores) only keep their checks.
    connect(action, &QAction::triggered, this, [this, run = std::move(run)] {
        if (run)
            run();
        if (actions_.AfterCommand)
            actions_.AfterCommand();
    });
    return action;
}

std::function<void()> MainMenu::AfterLeaving(std::function<void()> run)
{
    return [this, run = std::move(run)] {
        if (run && (!actions_.MayLeaveNetworkGame || actions_.MayLeaveNetworkGame()))
            run();
    };
}

void MainMenu::BuildGameMenu()
{
    QMenu* menu = window_.menuBar()->addMenu(QCoreApplication::translate("MenuBar", "&Game"));
    Add(menu, QCoreApplication::translate("GameMenu", "&New"), QStringLiteral("New"), Qt::Key_F2,
        AfterLeaving(actions_.New));
    auto* levels = new QActionGroup(this);
    levels_[0] = Add(menu, QCoreApplication::translate("GameMenu", "&Beginner"),
        QStringLiteral("Beginner"), Qt::Key_F3, AfterLeaving([this] { commands_.Beginner(); }),
        levels);
    levels_[1] = Add(menu, QCoreApplication::translate("GameMenu", "&Intermediate"),
        QStringLiteral("Intermediate"), Qt::Key_F4,
        AfterLeaving([this] { commands_.Intermediate(); }), levels);
    levels_[2] = Add(menu, QCoreApplication::translate("GameMenu", "&Expert"),
        QStringLiteral("Expert"), Qt::Key_F5, AfterLeaving([this] { commands_.Expert(); }), levels);
    levels_[3] = Add(menu, QCoreApplication::translate("GameMenu", "&Custom..."),
        QStringLiteral("Custom"), Qt::Key_F6, AfterLeaving(actions_.Custom), levels);
    menu->addSeparator();
    Add(menu, QCoreApplication::translate("GameMenu", "&Hi Scores..."), QStringLiteral("HiScores"),
        QKeySequence(Qt::CTRL | Qt::Key_H), actions_.HiScores);
    Add(menu, QCoreApplication::translate("GameMenu", "&Statistics..."),
        QStringLiteral("Statistics"), QKeySequence(Qt::CTRL | Qt::Key_T), actions_.Statistics);
    menu->addSeparator();
    Add(menu, QCoreApplication::translate("GameMenu", "&Open Replay…"),
        QStringLiteral("OpenReplay"), QKeySequence(Qt::CTRL | Qt::Key_O), actions_.OpenReplay);
    Add(menu, QCoreApplication::translate("GameMenu", "Play Boar&d Code…"),
        QStringLiteral("PlayBoardCode"), QKeySequence(), AfterLeaving(actions_.PlayBoardCode));
    Add(menu, QCoreApplication::translate("GameMenu", "Cop&y Board Code"),
        QStringLiteral("CopyBoardCode"), QKeySequence(), actions_.CopyBoardCode);
    Add(menu, QCoreApplication::translate("GameMenu", "Net&work Game…"),
        QStringLiteral("NetworkGame"), QKeySequence(Qt::CTRL | Qt::Key_N), actions_.NetworkGame);
    menu->addSeparator();
    Add(menu, QCoreApplication::translate("GameMenu", "&Pause"), QStringLiteral("Pause"), Qt::Key_P,
        [this] { commands_.Pause(); });
    QAction* hint = Add(menu, QCoreApplication::translate("GameMenu", "Hin&t"),
        QStringLiteral("Hint"), Qt::Key_H, [this] { commands_.Hint(); });
    // Greyed while the menu shows it unavailable; the key itself is ignored when no hint is
    // offered, so the item is enabled again once the menu closes.
    connect(menu, &QMenu::aboutToShow, hint,
        [this, hint] { hint->setEnabled(commands_.HintOffered()); });
    connect(menu, &QMenu::aboutToHide, hint, [hint] { hint->setEnabled(true); });
    menu->addSeparator();
    exit_ = Add(menu, QCoreApplication::translate("GameMenu", "E&xit"), QStringLiteral("Exit"),
        QKeySequence(), actions_.Exit);
}

void MainMenu::BuildOptionsMenu()
{
    QMenu* options = window_.menuBar()->addMenu(QCoreApplication::translate("MenuBar", "&Options"));
    QMenu* mode = options->addMenu(QCoreApplication::translate("OptionsMenu", "Game &Mode"));
    auto* modes = new QActionGroup(this);
    classic_ = Add(mode, QCoreApplication::translate("GameModeMenu", "&Classic"),
        QStringLiteral("Classic"), Qt::Key_F9, AfterLeaving([this] { commands_.Classic(); }),
        modes);
    mode->addSeparator();
    vsHuman_ = Add(mode, QCoreApplication::translate("GameModeMenu", "&Vs Human"),
        QStringLiteral("VsHuman"), Qt::Key_F10, AfterLeaving([this] { commands_.VsHuman(); }),
        modes);
    vsComputer_ = Add(mode, QCoreApplication::translate("GameModeMenu", "V&s Computer"),
        QStringLiteral("VsComputer"), Qt::Key_F11, AfterLeaving([this] { commands_.VsComputer(); }),
        modes);
    options->addSeparator();
    sounds_ = Add(options, QCoreApplication::translate("OptionsMenu", "S&ounds"),
        QStringLiteral("Sounds"), QKeySequence(Qt::CTRL | Qt::Key_S),
        [this] { commands_.Sounds(sounds_->isChecked()); });
    sounds_->setCheckable(true);
    noGuessing_ = Add(options, QCoreApplication::translate("OptionsMenu", "&No Guessing"),
        QStringLiteral("NoGuessing"), QKeySequence(),
        [this] { commands_.NoGuessing(noGuessing_->isChecked()); });
    noGuessing_->setCheckable(true);
    QMenu* strength
        = options->addMenu(QCoreApplication::translate("OptionsMenu", "&Computer Strength"));
    auto* strengths = new QActionGroup(this);
    normalStrength_ = Add(
        strength, QCoreApplication::translate("ComputerStrengthMenu", "&Normal"),
        QStringLiteral("StrengthNormal"), QKeySequence(),
        [this] { commands_.Strength(ComputerStrength::Normal); }, strengths);
    strongStrength_ = Add(
        strength, QCoreApplication::translate("ComputerStrengthMenu", "&Strong"),
        QStringLiteral("StrengthStrong"), QKeySequence(),
        [this] { commands_.Strength(ComputerStrength::Strong); }, strengths);

    QMenu* themeMenu = options->addMenu(QCoreApplication::translate("OptionsMenu", "&Themes"));
    auto* themes = new QActionGroup(this);
    const QString captions[7] = {QCoreApplication::translate("ThemesMenu", "&Windows Default"),
        QCoreApplication::translate("ThemesMenu", "&Theme 1"),
        QCoreApplication::translate("ThemesMenu", "T&heme 2"),
        QCoreApplication::translate("ThemesMenu", "Th&eme 3"),
        QCoreApplication::translate("ThemesMenu", "The&me 4"),
        QCoreApplication::translate("ThemesMenu", "Theme &5"),
        QCoreApplication::translate("ThemesMenu", "Theme &6")};
    for (uint8_t n = 0; n < 7; ++n) {
        themes_[n] = Add(
            themeMenu, captions[n], QStringLiteral("Theme%1").arg(n), QKeySequence(),
            [this, n] { commands_.Theme(n); }, themes);
        if (n == 0)
            themeMenu->addSeparator();
    }

    colourSafe_ = Add(options, QCoreApplication::translate("OptionsMenu", "Colour-Sa&fe Numbers"),
        QStringLiteral("ColourSafeNumbers"), QKeySequence(),
        [this] { commands_.ColourSafeNumbers(colourSafe_->isChecked()); });
    colourSafe_->setCheckable(true);
    keepReplays_ = Add(options, QCoreApplication::translate("OptionsMenu", "&Keep Replays"),
        QStringLiteral("KeepReplays"), QKeySequence(),
        [this] { commands_.KeepReplays(keepReplays_->isChecked()); });
    keepReplays_->setCheckable(true);
    showChances_ = Add(options, QCoreApplication::translate("OptionsMenu", "Show C&hances"),
        QStringLiteral("ShowChances"), QKeySequence(),
        [this] { commands_.ShowChances(showChances_->isChecked()); });
    showChances_->setCheckable(true);

    QMenu* sizeMenu = options->addMenu(QCoreApplication::translate("OptionsMenu", "Block &Size"));
    auto* sizes = new QActionGroup(this);
    for (size_t i = 0; i < BlockSizeItems.size(); ++i) {
        const int16_t cellSize = BlockSizeItems[i].CellSize;
        sizes_[i] = Add(
            sizeMenu, QCoreApplication::translate("BlockSizeMenu", BlockSizeItems[i].Caption),
            QStringLiteral("Size%1").arg(cellSize), QKeySequence(),
            [this, cellSize] { commands_.BlockSize(cellSize); }, sizes);
        if (i == 0)
            sizeMenu->addSeparator();
    }
}

void MainMenu::BuildHelpMenu()
{
    QMenu* menu = window_.menuBar()->addMenu(QCoreApplication::translate("MenuBar", "&Help"));
    Add(menu, QCoreApplication::translate("HelpMenu", "&Help"), QStringLiteral("Help"), Qt::Key_F1,
        [this] { commands_.Help(); });
    menu->addSeparator();
    Add(menu, QCoreApplication::translate("HelpMenu", "&About..."), QStringLiteral("About"),
        QKeySequence(Qt::CTRL | Qt::Key_A), actions_.About);
}

void MainMenu::AssignRunTimeShortcuts()
{
    exit_->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    for (size_t n = 0; n < themes_.size(); ++n)
        themes_[n]->setShortcut(QKeySequence(Qt::ALT | (Qt::Key_1 + static_cast<int>(n))));
    for (size_t i = 0; i < sizes_.size(); ++i)
        sizes_[i]->setShortcut(QKeySequence(Qt::CTRL | (Qt::Key_1 + static_cast<int>(i))));
}

void MainMenu::ShowChecks(const MenuChecks& checks)
{
    for (QAction* level : levels_)
        level->setChecked(false);
    if (checks.CheckedLevel)
        levels_[static_cast<size_t>(*checks.CheckedLevel)]->setChecked(true);
    classic_->setChecked(checks.Mode == PlayMode::Classic);
    vsHuman_->setChecked(checks.Mode == PlayMode::VsHuman);
    vsComputer_->setChecked(checks.Mode == PlayMode::VsComputer);
    sounds_->setChecked(checks.SoundOn);
    noGuessing_->setChecked(checks.NoGuessing);
    colourSafe_->setChecked(checks.ColourSafeNumbers);
    keepReplays_->setChecked(checks.KeepReplays);
    showChances_->setChecked(checks.ShowChances);
    normalStrength_->setChecked(checks.Strength == ComputerStrength::Normal);
    strongStrength_->setChecked(checks.Strength == ComputerStrength::Strong);
    themes_[checks.Theme < themes_.size() ? checks.Theme : 0]->setChecked(true);
    for (size_t i = 0; i < sizes_.size(); ++i)
        if (BlockSizeItems[i].CellSize == checks.CellSize)
            sizes_[i]->setChecked(true);
}

QAction* MainMenu::Find(const QString& objectName) const
{
    return window_.findChild<QAction*>(objectName);
}

} // namespace orvane
