// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/CustomSizeDialog.h"
#include "support/QuietGame.h"

#include <array>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>

using namespace orvane;
using namespace orvane::testing;

namespace {

struct Entry {
    const char* name;
    PlayMode mode;
    int rows, columns, mines;               // the game before the dialog opens
    const char *height, *width, *minesText; // typed into the boxes
    const char* shown;                      // the boxes afterwards, "height width mines"
    int newRows, newColumns, newMines;
    bool confirmed;
    bool oddMessage;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << entry.name;
}

class CustomSizeDialogTest : public ::testing::TestWithParam<Entry> {
protected:
    QuietGame quiet;
    Game& game = quiet.game;
    ScriptedPlatform& platform = quiet.platform;
    CustomSizeDialog form {game, platform};

    QLineEdit* Box(int number)
    {
        const std::array<const char*, 3> names {"HeightEdit", "WidthEdit", "MinesEdit"};
        return form.findChild<QLineEdit*>(
            QString::fromLatin1(names.at(static_cast<size_t>(number - 1))));
    }
    QPushButton* Button(const char* name)
    {
        return form.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void Open(PlayMode mode, int rows, int columns, int mines)
    {
        BoardSetup setup;
        setup.Mode = mode;
        setup.BoardLevel = Level::Custom;
        setup.Width = static_cast<int16_t>(columns);
        setup.Height = static_cast<int16_t>(rows);
        setup.Mines = static_cast<int16_t>(mines);
        game.NewGame(setup);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    std::string Shown()
    {
        return (Box(1)->text() + ' ' + Box(2)->text() + ' ' + Box(3)->text()).toStdString();
    }
};

TEST_P(CustomSizeDialogTest, OkChecksEachBoxAndStoresTheSize)
{
    const Entry& e = GetParam();
    Open(e.mode, e.rows, e.columns, e.mines);
    Box(1)->setText(QString::fromLatin1(e.height));
    Box(2)->setText(QString::fromLatin1(e.width));
    Box(3)->setText(QString::fromLatin1(e.minesText));
    Button("OkButton")->click();
    // The board the window then deals.
    if (form.CustomSizeConfirmed)
        quiet.commands.StartCustomGame(form.Columns, form.Rows, form.Mines);

    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(Shown(), e.shown);
    EXPECT_EQ(game.BoardHeight(), e.newRows);
    EXPECT_EQ(game.BoardWidth(), e.newColumns);
    EXPECT_EQ(game.MineCount(), e.newMines);
    EXPECT_EQ(form.CustomSizeConfirmed, e.confirmed);
    if (e.mode != PlayMode::Classic && e.confirmed) {
        EXPECT_EQ(game.FlagsToWin(), e.newMines / 2 + 1);
    }
    EXPECT_EQ(platform.messages.size(), e.oddMessage ? 1u : 0u);
    if (e.oddMessage) {
        EXPECT_EQ(platform.messages[0],
            "In 2Player Game The No. Of Mines Should Be Odd,\n\rThe No. "
            "Of Mines Will Be Decreased By 1.");
        EXPECT_EQ(platform.messageIcons[0], MessageIcon::Information);
    }
}

INSTANTIATE_TEST_SUITE_P(Boxes, CustomSizeDialogTest,
    ::testing::Values(Entry {"SizesClamped", PlayMode::Classic, 9, 9, 10, "5", "40", "10",
                          "9 35 10", 9, 35, 10, true, false},
        Entry {"TooManyMines", PlayMode::Classic, 9, 9, 10, "9", "9", "100", "9 9 80", 9, 9, 80,
            true, false},
        Entry {
            "NoMines", PlayMode::Classic, 9, 9, 10, "9", "9", "0", "9 9 1", 9, 9, 1, true, false},
        Entry {"EvenMinesForTwo", PlayMode::VsHuman, 9, 9, 19, "9", "9", "20", "9 9 19", 9, 9, 19,
            true, true},
        Entry {"AllCellsForTwo", PlayMode::VsComputer, 9, 9, 19, "9", "9", "81", "9 9 79", 9, 9, 79,
            true, true},
        Entry {"BadHeightSkipped", PlayMode::Classic, 16, 16, 40, "1a", "12", "30", "1a 12 30", 16,
            12, 30, true, false},
        Entry {"NothingValid", PlayMode::Classic, 16, 16, 40, "", "x", "-1", " x -1", 16, 16, 40,
            false, false},
        // A mine count kept from before is brought into the new size, and made odd for two.
        Entry {"KeptMinesTooMany", PlayMode::Classic, 16, 30, 99, "9", "9", "", "9 9 ", 9, 9, 80,
            true, false},
        Entry {"KeptMinesTooManyForTwo", PlayMode::VsHuman, 16, 30, 111, "9", "9", "", "9 9 ", 9, 9,
            79, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CustomSizeDialogTest, ShowsTheBoardAndCancelEscAndCloseChangeNothing)
{
    for (const char* way : {"Cancel", "Esc", "close box"}) {
        SCOPED_TRACE(way);
        Open(PlayMode::Classic, 16, 30, 99);
        EXPECT_EQ(Shown(), "16 30 99");
        Box(1)->setText(QStringLiteral("12"));
        if (std::string(way) == "Cancel")
            Button("CancelButton")->click();
        else if (std::string(way) == "Esc")
            QTest::keyClick(Box(1), Qt::Key_Escape);
        else
            form.close();
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(form.CustomSizeConfirmed);
        EXPECT_EQ(game.BoardHeight(), 16);
    }
    EXPECT_EQ(Button("CancelButton")->text(), "Cancel");
    EXPECT_EQ(Box(1)->maxLength(), 2);
    EXPECT_EQ(Box(3)->maxLength(), 3);
}

TEST_F(CustomSizeDialogTest, OnlyDigitsAreTypedButPastedTextIsCheckedOnOk)
{
    Open(PlayMode::Classic, 9, 9, 10);
    Box(1)->clear();
    QTest::keyClicks(Box(1), "1a- 2");
    EXPECT_EQ(Box(1)->text(), "12");
    QTest::keyClick(Box(1), Qt::Key_Backspace);
    QApplication::clipboard()->setText(QStringLiteral("a"));
    QTest::keyClick(Box(1), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Box(1)->text(), "1a");
}

// Whatever font the desktop gives for the dialog's own, its texts show whole.
TEST_F(CustomSizeDialogTest, EveryTextShowsWholeInsideTheDialog)
{
    for (const int pixels : {11, 20}) {
        SCOPED_TRACE(pixels);
        QFont font = form.font();
        font.setPixelSize(pixels);
        form.setFont(font);
        Open(PlayMode::Classic, 9, 9, 10);
        form.layout()->activate();
        for (const QLabel* label : form.findChildren<QLabel*>()) {
            SCOPED_TRACE(label->text().toStdString());
            EXPECT_TRUE(form.rect().contains(label->geometry()));
            EXPECT_GE(label->width(), label->sizeHint().width());
            EXPECT_LT(label->geometry().right(), label->buddy()->x());
        }
        for (const QPushButton* button : form.findChildren<QPushButton*>()) {
            EXPECT_TRUE(form.rect().contains(button->geometry()));
            EXPECT_GE(button->width(), button->sizeHint().width());
        }
    }
}

} // namespace
