// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar, the settings file and the keyboard of the real main window, driven with
// key presses as the window system delivers them.
#include "input/PanelLayout.h"
#include "render/gl/RenderState.h"
#include "shell/MainMenu.h"
#include "support/FakeDesktop.h"
#include "support/MainWindowFixture.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace orvane;
using namespace orvane::testing;

namespace {

using Bytes = std::vector<uint8_t>;

const QStringList Levels {"Beginner", "Intermediate", "Expert", "Custom"};
const QStringList Modes {"Classic", "VsHuman", "VsComputer"};
const QStringList Themes {"Theme0", "Theme1", "Theme2", "Theme3", "Theme4", "Theme5", "Theme6"};
const QStringList Sizes {"Size18", "Size16", "Size22", "Size27", "Size36"};

// The menu as text: one line per item with its shortcut, "-" for a separator, and the
// items of a submenu indented below it.
void DescribeMenu(const QList<QAction*>& actions, const QString& indent, QStringList& lines)
{
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            lines << indent + "-";
            continue;
        }
        const QString shortcut = action->shortcut().toString(QKeySequence::PortableText);
        lines << indent + action->text() + (shortcut.isEmpty() ? "" : " | " + shortcut);
        if (const QMenu* submenu = action->menu())
            DescribeMenu(submenu->actions(), indent + "  ", lines);
    }
}

// Stands in for the desktop's viewer: remembers every file it is asked to open.
class MainMenuTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    // To the window, which hands the key to whatever holds the keyboard.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form->windowHandle(), key, modifiers);
    }

    // Presses a key and hands the modal window it opens, if any, to `answer`, which
    // must close it. Returns that window's title; empty when none opened.
    std::string PressAndAnswer(
        Qt::Key key, Qt::KeyboardModifiers modifiers, const std::function<void(QWidget*)>& answer)
    {
        std::string title;
        QTimer watch;
        watch.setInterval(20);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            watch.stop();
            title = modal->windowTitle().toStdString();
            answer(modal);
        });
        watch.start();
        Press(key, modifiers);
        return title;
    }

    // The quit question's answer, after checking that it is the quit question.
    static std::function<void(QWidget*)> AnswerQuit(QMessageBox::StandardButton button)
    {
        return [button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text().toStdString(), "Do you want to quit?");
            EXPECT_EQ(box->icon(), QMessageBox::Warning);
            EXPECT_EQ(box->standardButton(box->defaultButton()), QMessageBox::No);
            box->button(button)->click();
        };
    }

    static void Dismiss(QWidget* modal) { modal->close(); }

    QAction* Item(const QString& name) { return form->Menu->Find(name); }

    // The names of the checked items of a group, comma separated.
    std::string Checked(const QStringList& group)
    {
        QStringList checked;
        for (const QString& name : group)
            if (Item(name)->isChecked())
                checked << name;
        return checked.join(',').toStdString();
    }

    // Every radio group shows exactly one check, on the item given for it.
    void ExpectChecks(
        const QString& level, const QString& mode, const QString& theme, const QString& size)
    {
        EXPECT_EQ(Checked(Levels), level.toStdString());
        EXPECT_EQ(Checked(Modes), mode.toStdString());
        EXPECT_EQ(Checked(Themes), theme.toStdString());
        EXPECT_EQ(Checked(Sizes), size.toStdString());
    }

    Bytes SettingsFile() const { return ReadFileBytes(dir.File("Setup.cfg")); }

    // Waits for the window to take the size of its new layout.
    void ExpectWindowWidth(int width)
    {
        EXPECT_TRUE(QTest::qWaitFor([&] { return form->width() == width; }))
            << form->width() << " for " << width;
    }

    // Starts the game with a real click on the board's top left cell.
    void ClickFirstCell()
    {
        QTest::mouseClick(form->BoardArea, Qt::LeftButton, {},
            QPoint(form->session().screen.CellSize / 2, form->session().screen.CellSize / 2));
        ASSERT_NE(game().CurrentState(), GameState::Ready);
    }

    std::vector<CellState> CellStates()
    {
        std::vector<CellState> states;
        for (const Cell& cell : game().Cells())
            states.push_back(cell.State);
        return states;
    }
};

TEST_F(MainMenuTest, CaptionsShortcutsAndSeparatorsFollowTheDesign)
{
    QStringList lines;
    DescribeMenu(form->menuBar()->actions(), "", lines);
    const QStringList expected {
        "&Game",
        "  &New | F2",
        "  &Beginner | F3",
        "  &Intermediate | F4",
        "  &Expert | F5",
        "  &Custom... | F6",
        "  -",
        "  &Hi Scores... | Ctrl+H",
        "  &Statistics... | Ctrl+T",
        "  -",
        "  &Open Replay… | Ctrl+O",
        "  Play Boar&d Code…",
        "  Cop&y Board Code",
        "  Net&work Game… | Ctrl+N",
        "  -",
        "  &Pause | P",
        "  Hin&t | H",
        "  -",
        "  E&xit | Alt+F4",
        "&Options",
        "  Game &Mode",
        "    &Classic | F9",
        "    -",
        "    &Vs Human | F10",
        "    V&s Computer | F11",
        "  -",
        "  S&ounds | Ctrl+S",
        "  &No Guessing",
        "  &Computer Strength",
        "    &Normal",
        "    &Strong",
        "  &Themes",
        "    &Windows Default | Alt+1",
        "    -",
        "    &Theme 1 | Alt+2",
        "    T&heme 2 | Alt+3",
        "    Th&eme 3 | Alt+4",
        "    The&me 4 | Alt+5",
        "    Theme &5 | Alt+6",
        "    Theme &6 | Alt+7",
        "  Colour-Sa&fe Numbers",
        "  &Keep Replays",
        "  Show C&hances",
        "  Block &Size",
        "    &1.0 x | Ctrl+1",
        "    -",
        "    &0.9 x | Ctrl+2",
        "    1.&25 x | Ctrl+3",
        "    1.&50 x | Ctrl+4",
        "    2.0 &x | Ctrl+5",
        "&Help",
        "  &Help | F1",
        "  -",
        "  &About... | Ctrl+A",
    };
    EXPECT_EQ(lines.join('\n').toStdString(), expected.join('\n').toStdString());
}

// A letter typed in an open menu goes to the one item it underlines.
void ExpectOwnAccessLetters(const QString& title, const QList<QAction*>& actions)
{
    QMap<QChar, QString> owners;
    for (const QAction* action : actions) {
        const QString text = action->text();
        const qsizetype at = text.indexOf(u'&');
        if (at >= 0 && at + 1 < text.size()) {
            const QChar letter = text[at + 1].toLower();
            EXPECT_FALSE(owners.contains(letter))
                << title.toStdString() << ": " << owners[letter].toStdString() << " and "
                << text.toStdString();
            owners[letter] = text;
        }
        if (const QMenu* submenu = action->menu())
            ExpectOwnAccessLetters(text, submenu->actions());
    }
}

TEST_F(MainMenuTest, EveryMenuUnderlinesEachLetterOnce)
{
    ExpectOwnAccessLetters(QStringLiteral("menu bar"), form->menuBar()->actions());
}

TEST_F(MainMenuTest, FirstStartWritesTheDefaultsAndChecksThem)
{
    EXPECT_EQ(SettingsFile(), (Bytes {0x16, 0x00, 0x01}));
    ExpectChecks("Beginner", "Classic", "Theme0", "Size22");
    EXPECT_TRUE(Item("Sounds")->isChecked());
    EXPECT_EQ(form->session().screen.CellSize, 22);
    EXPECT_EQ(form->render().CurrentTheme, 0);
}

TEST_F(MainMenuTest, LevelKeysResizeTheBoardAndTheWindow)
{
    struct Step {
        Qt::Key key;
        int columns, rows;
        QString level;
    };
    for (const Step& step : {Step {Qt::Key_F4, 16, 16, "Intermediate"},
             Step {Qt::Key_F5, 30, 16, "Expert"}, Step {Qt::Key_F3, 9, 9, "Beginner"}}) {
        SCOPED_TRACE(step.level.toStdString());
        Press(step.key);
        EXPECT_EQ(game().BoardWidth(), step.columns);
        EXPECT_EQ(game().BoardHeight(), step.rows);
        EXPECT_EQ(game().Cells().size(), static_cast<size_t>(step.columns * step.rows));
        ExpectWindowWidth(step.columns * 22 + 12);
        EXPECT_EQ(form->BoardArea->size(), QSize(step.columns * 22, step.rows * 22));
        ExpectChecks(step.level, "Classic", "Theme0", "Size22");
    }
}

TEST_F(MainMenuTest, NewStartsTheBoardAgain)
{
    ClickFirstCell();
    Press(Qt::Key_F2);
    EXPECT_EQ(game().CurrentState(), GameState::Ready);
    EXPECT_EQ(CellStates(), std::vector<CellState>(81, CellState::Closed));
    ExpectChecks("Beginner", "Classic", "Theme0", "Size22");
}

// The custom size dialog, when it opens, is cancelled: either way the board stays.
TEST_F(MainMenuTest, CancelledCustomKeepsTheBoardAndItsLevelCheck)
{
    Press(Qt::Key_F5);
    ClickFirstCell();
    const auto cells = CellStates();
    PressAndAnswer(Qt::Key_F6, Qt::NoModifier, Dismiss);
    EXPECT_EQ(game().CurrentLevel(), Level::Expert);
    EXPECT_EQ(CellStates(), cells);
    ExpectChecks("Expert", "Classic", "Theme0", "Size22");
}

TEST_F(MainMenuTest, ModeKeysSetTheModeAndThePlayerStrip)
{
    const int classicHeight = form->height();
    Press(Qt::Key_F10);
    EXPECT_EQ(game().CurrentMode(), PlayMode::VsHuman);
    EXPECT_EQ(panel::PlayerStripHeight(game().CurrentMode()), 50);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->height() == classicHeight + 50; }));
    ExpectChecks("Beginner", "VsHuman", "Theme0", "Size22");

    Press(Qt::Key_F11);
    EXPECT_EQ(game().CurrentMode(), PlayMode::VsComputer);
    EXPECT_EQ(game().Players()[Player2].Name, "A.I");
    ExpectChecks("Beginner", "VsComputer", "Theme0", "Size22");

    Press(Qt::Key_F9);
    EXPECT_EQ(game().CurrentMode(), PlayMode::Classic);
    EXPECT_EQ(panel::PlayerStripHeight(game().CurrentMode()), 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->height() == classicHeight; }));
    ExpectChecks("Beginner", "Classic", "Theme0", "Size22");
}

TEST_F(MainMenuTest, SoundsKeyTogglesAndSaves)
{
    for (const bool on : {false, true}) {
        Press(Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(game().SoundOn(), on);
        EXPECT_EQ(Item("Sounds")->isChecked(), on);
        EXPECT_EQ(SettingsFile(), (Bytes {0x16, 0x00, static_cast<uint8_t>(on)}));
    }
}

// Each key in turn differs from the one before, so every step is a change.
TEST_F(MainMenuTest, ThemeKeysShowAndSaveTheirTheme)
{
    for (const uint8_t theme : {3, 6, 1, 0, 5, 2, 4}) {
        SCOPED_TRACE(theme);
        Press(static_cast<Qt::Key>(Qt::Key_1 + theme), Qt::AltModifier);
        EXPECT_EQ(form->render().CurrentTheme, theme);
        EXPECT_EQ(SettingsFile(), (Bytes {0x16, theme, 0x01}));
        ExpectChecks("Beginner", "Classic", Themes[theme], "Size22");
    }
}

TEST_F(MainMenuTest, SizeKeysLayOutAndSaveTheirCellSize)
{
    const int cellSizes[5] = {18, 16, 22, 27, 36};
    for (const int item : {0, 1, 3, 4, 2}) {
        const int cellSize = cellSizes[item];
        SCOPED_TRACE(cellSize);
        Press(static_cast<Qt::Key>(Qt::Key_1 + item), Qt::ControlModifier);
        EXPECT_EQ(form->session().screen.CellSize, cellSize);
        ExpectWindowWidth(9 * cellSize + 12);
        EXPECT_EQ(SettingsFile(), (Bytes {static_cast<uint8_t>(cellSize), 0x00, 0x01}));
        ExpectChecks("Beginner", "Classic", "Theme0", Sizes[item]);
    }
}

TEST_F(MainMenuTest, HelpKeyHandsTheHelpFileToTheDesktop)
{
    WriteFileBytes(dir.File("Orvane.chm"), {0x49});
    FakeDesktop desktop;
    desktop.RegisterViewer("application/x-chm;");
    Press(Qt::Key_F1);
    EXPECT_EQ(desktop.opened, std::vector<std::string> {dir.File("Orvane.chm")});
}

TEST_F(MainMenuTest, HiScoresLeavesTheGameAsItWas)
{
    ClickFirstCell();
    const auto cells = CellStates();
    PressAndAnswer(Qt::Key_H, Qt::ControlModifier, Dismiss);
    EXPECT_EQ(CellStates(), cells);
    ExpectChecks("Beginner", "Classic", "Theme0", "Size22");
}

TEST_F(MainMenuTest, AboutKeyShowsTheAboutDialog)
{
    EXPECT_EQ(PressAndAnswer(Qt::Key_A, Qt::ControlModifier, Dismiss), "About Orvane");
}

TEST_F(MainMenuTest, ExitKeyEndsTheProgramAfterThisPass)
{
    Press(Qt::Key_F4, Qt::AltModifier);
    EXPECT_TRUE(form->QuitRequested);
}

TEST_F(MainMenuTest, DigitKeysPostWhatThePlayersNeed)
{
    Press(Qt::Key_F10);
    Press(Qt::Key_1);
    EXPECT_EQ(form->session().view.Message.Text, "P1 Need 10 Flags");
    Press(Qt::Key_2, Qt::KeypadModifier);
    EXPECT_EQ(form->session().view.Message.Text, "P2 Need 10 Flags");
    Press(Qt::Key_3);
    EXPECT_EQ(form->session().view.Message.Text, "19 Mines Remain.");

    // Digits with Alt or Ctrl are menu shortcuts and post nothing.
    Press(Qt::Key_1);
    Press(Qt::Key_3, Qt::AltModifier);
    Press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(form->session().view.Message.Text, "P1 Need 10 Flags");
}

TEST_F(MainMenuTest, EscapeThenNoLeavesTheGameAsItWas)
{
    ClickFirstCell();
    const auto cells = CellStates();
    const GameState state = game().CurrentState();
    EXPECT_EQ(
        PressAndAnswer(Qt::Key_Escape, Qt::NoModifier, AnswerQuit(QMessageBox::No)), "Orvane");
    EXPECT_FALSE(form->QuitRequested);
    EXPECT_EQ(game().CurrentState(), state);
    EXPECT_EQ(CellStates(), cells);
}

TEST_F(MainMenuTest, EscapeThenYesEndsTheProgram)
{
    EXPECT_EQ(
        PressAndAnswer(Qt::Key_Escape, Qt::NoModifier, AnswerQuit(QMessageBox::Yes)), "Orvane");
    EXPECT_TRUE(form->QuitRequested);
}

TEST_F(MainMenuTest, EscapeAsksAfterAMenuWasClosedWithEscape)
{
    QMenuBar* bar = form->menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(0)).center());
    QWidget* gameMenu = QApplication::activePopupWidget();
    ASSERT_NE(gameMenu, nullptr);
    QTest::keyClick(gameMenu, Qt::Key_Escape);
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(
        PressAndAnswer(Qt::Key_Escape, Qt::NoModifier, AnswerQuit(QMessageBox::No)), "Orvane");
    EXPECT_EQ(
        PressAndAnswer(Qt::Key_Escape, Qt::NoModifier, AnswerQuit(QMessageBox::Yes)), "Orvane");
    EXPECT_TRUE(form->QuitRequested);
}

// A folder that already holds the choices of an earlier run.
class StoredSettingsTest : public MainMenuTest {
protected:
    void PlaceFilesBeforeStart() override
    {
        WriteFileBytes(dir.File("Setup.cfg"), {0x24, 0x03, 0x00});
        const std::string options = "ShowChances=1\n";
        WriteFileBytes(dir.File("Orvane.prefs"), Bytes(options.begin(), options.end()));
    }
};

TEST_F(StoredSettingsTest, StartsWithTheStoredChoicesChecked)
{
    EXPECT_EQ(form->session().screen.CellSize, 36);
    EXPECT_EQ(form->width(), 9 * 36 + 12);
    EXPECT_EQ(form->render().CurrentTheme, 3);
    EXPECT_FALSE(game().SoundOn());
    EXPECT_FALSE(Item("Sounds")->isChecked());
    EXPECT_TRUE(Item("ShowChances")->isChecked());
    ExpectChecks("Beginner", "Classic", "Theme3", "Size36");
    EXPECT_EQ(SettingsFile(), (Bytes {0x24, 0x03, 0x00}));
}

} // namespace

// While a network game is played, a new game and Escape first ask to leave it; staying
// changes nothing, leaving gives the game up and plays locally again.
TEST_F(MainMenuTest, InANetworkGameNewAndEscapeAskToLeaveItFirst)
{
    NetworkPlay& network = form->network();
    ASSERT_TRUE(network.Host(QStringLiteral("Ann"), 47330, TurnLimit::Off));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->windowTitle().contains("you are Ann"); }));
    const QString title = form->windowTitle();
    // Each question is answered, and the window has the keyboard back before the next key.
    const auto ask = [this](Qt::Key key, QMessageBox::StandardButton button) {
        const std::string asked = PressAndAnswer(key, Qt::NoModifier, [button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text().toStdString(), "Leave the network game?");
            box->button(button)->click();
        });
        form->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return asked;
    };
    EXPECT_EQ(ask(Qt::Key_Escape, QMessageBox::No), "Orvane");
    EXPECT_EQ(ask(Qt::Key_F2, QMessageBox::No), "Orvane");
    EXPECT_TRUE(network.Active());
    EXPECT_EQ(form->windowTitle(), title);
    EXPECT_FALSE(form->QuitRequested);

    EXPECT_EQ(ask(Qt::Key_F4, QMessageBox::Yes), "Orvane");
    EXPECT_FALSE(network.Active());
    EXPECT_FALSE(game().NetworkSeat());
    EXPECT_EQ(form->windowTitle(), "Orvane");
    EXPECT_EQ(game().CurrentLevel(), Level::Intermediate);
    EXPECT_EQ(game().CurrentState(), GameState::Ready);
}
