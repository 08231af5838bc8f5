// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/HighScoresWindow.h"
#include "scores/Recording.h"
#include "scores/ScoreFile.h"
#include "support/TempDir.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orvane;
using orvane::testing::TempDir;

namespace {

class HighScoreWindowTest : public ::testing::Test {
protected:
    TempDir dir;
    ScoreFile scores {dir.File("Orvane.cfg"), [](const orvane::Text&) {}};
    ScoreMarks marks;
    HighScoresWindow* form = nullptr;
    std::vector<std::string> questions;
    bool answerYes = false;

    void SetUp() override
    {
        scores.LoadScores();
        form = new HighScoresWindow(scores, marks);
        form->AskYesNo = [this](const orvane::Text& question) {
            questions.push_back(question.English());
            return answerYes;
        };
    }
    void TearDown() override { delete form; }

    void Open()
    {
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    void Reopen()
    {
        form->hide();
        Open();
    }
    void SetRows(int table, const std::vector<ScoreEntry>& rows)
    {
        for (int row = 1; row <= 10; ++row)
            scores.Row(table, row) = rows[static_cast<size_t>(row - 1)];
    }

    QTabBar* Tabs(const char* name) { return form->findChild<QTabBar*>(QString::fromLatin1(name)); }
    QTableWidget* List() { return form->findChild<QTableWidget*>(QStringLiteral("ScoreList")); }
    QString Text(const char* name)
    {
        return form->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    bool Visible(const char* name)
    {
        return form->findChild<QWidget*>(QString::fromLatin1(name))->isVisible();
    }
    void ShowTable(int table)
    {
        Tabs("TabGameType")->setCurrentIndex(table / 3);
        Tabs("TabDifficulty")->setCurrentIndex(table % 3);
    }
    void ClickColumn(int column)
    {
        QHeaderView* header = List()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
            QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
    }
    // The list as text: one "rank name value value" line per row in list order.
    std::vector<std::string> Lines()
    {
        std::vector<std::string> lines;
        for (int row = 0; row < List()->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << List()->item(row, column)->text();
            lines.push_back(cells.join(' ').toStdString());
        }
        return lines;
    }
    std::vector<std::string> FirstLines(int count)
    {
        std::vector<std::string> lines = Lines();
        lines.resize(static_cast<size_t>(count));
        return lines;
    }
    // The rows that carry the arrow, counted from 0 in list order.
    std::vector<int> MarkedRows()
    {
        std::vector<int> marked;
        for (int row = 0; row < List()->rowCount(); ++row)
            if (!List()->item(row, 0)->icon().isNull())
                marked.push_back(row);
        return marked;
    }
};

TEST_F(HighScoreWindowTest, NewFileShowsTenNumberedRowsOnEveryTab)
{
    Open();
    EXPECT_EQ(form->windowTitle().toStdString(), "Hi Scores");
    EXPECT_EQ(form->size(), QSize(449, 392));
    for (int table = 0; table < 6; ++table) {
        SCOPED_TRACE(table);
        ShowTable(table);
        const bool single = table < 3;
        std::vector<std::string> expected;
        for (int rank = 1; rank <= 10; ++rank)
            expected.push_back(
                std::to_string(rank) + (single ? " Unknown 999 9999" : " Unknown 0 0"));
        EXPECT_EQ(Lines(), expected);
        EXPECT_EQ(List()->horizontalHeaderItem(2)->text(), single ? "Time" : "Won");
        EXPECT_EQ(List()->horizontalHeaderItem(3)->text(), single ? "Clicks" : "Lost");
        EXPECT_EQ(Text("PlayedCount"), "0");
        EXPECT_EQ(Visible("WonBox"), single);
        EXPECT_EQ(Visible("LostBox"), single);
        EXPECT_TRUE(MarkedRows().empty());
    }
}

TEST_F(HighScoreWindowTest, CountersShowTheTablesGames)
{
    scores.TableStats[0] = {3, 5};
    scores.TableStats[4] = {6, 0};
    Open();
    ShowTable(0);
    EXPECT_EQ(Text("PlayedCount"), "8");
    EXPECT_EQ(Text("WonCount"), "3");
    EXPECT_EQ(Text("LostCount"), "5");
    ShowTable(4);
    EXPECT_EQ(Text("PlayedCount"), "6");
    EXPECT_FALSE(Visible("WonBox"));
    EXPECT_FALSE(Visible("LostBox"));
}

TEST_F(HighScoreWindowTest, ColumnsSortTheList)
{
    SetRows(1,
        {{"bob", 30, 9}, {"Al", 10, 40}, {"BOB", 20, 5}, {"Cy", 50, 1}, {"al", 40, 2},
            {"Dee", 60, 3}, {"Eve", 70, 4}, {"Fay", 80, 6}, {"Gus", 90, 7}, {"Hal", 99, 8}});
    marks.ShownTable = 1;
    Open();
    const std::vector<std::string> ranked {"1 Al 10 40", "2 BOB 20 5", "3 bob 30 9", "4 al 40 2",
        "5 Cy 50 1", "6 Dee 60 3", "7 Eve 70 4", "8 Fay 80 6", "9 Gus 90 7", "10 Hal 99 8"};
    EXPECT_EQ(Lines(), ranked);

    ClickColumn(1); // letter case aside, equal names keep their order
    EXPECT_EQ(FirstLines(5),
        (std::vector<std::string> {
            "1 Al 10 40", "4 al 40 2", "2 BOB 20 5", "3 bob 30 9", "5 Cy 50 1"}));
    ClickColumn(3);
    EXPECT_EQ(Lines().front(), "5 Cy 50 1");
    EXPECT_EQ(Lines().back(), "1 Al 10 40");
    ClickColumn(0);
    EXPECT_EQ(Lines(), ranked);

    SetRows(5,
        {{"A", 1, 7}, {"B", 5, 2}, {"C", 3, 9}, {"D", 0, 0}, {"E", 0, 0}, {"F", 0, 0}, {"G", 0, 0},
            {"H", 0, 0}, {"I", 0, 0}, {"J", 0, 0}});
    ShowTable(5);
    EXPECT_EQ(FirstLines(3), (std::vector<std::string> {"1 B 5 2", "2 C 3 9", "3 A 1 7"}));
    ClickColumn(3);
    EXPECT_EQ(FirstLines(3), (std::vector<std::string> {"2 C 3 9", "3 A 1 7", "1 B 5 2"}));
    ClickColumn(2);
    EXPECT_EQ(Lines().front(), "1 B 5 2");
}

// After a Classic Intermediate high score the window opens on its table with the arrow
// on the new row only; its rank follows its time.
TEST_F(HighScoreWindowTest, NewHighScoreIsMarked)
{
    for (int row = 1; row <= 10; ++row)
        scores.Row(1, row) = {std::string("P").append(std::to_string(row)), 10 * row, 1};
    scores.Row(1, 10) = {"New", 35, 12};
    marks = {1, 1, 10};
    Open();
    EXPECT_EQ(Tabs("TabGameType")->currentIndex(), 0);
    EXPECT_EQ(Tabs("TabDifficulty")->currentIndex(), 1);
    EXPECT_EQ(Lines()[3], "4 New 35 12");
    EXPECT_EQ(MarkedRows(), std::vector<int> {3});
    ClickColumn(1);
    EXPECT_EQ(MarkedRows(), std::vector<int> {0}) << "the arrow moves with its row";
    ShowTable(0);
    EXPECT_TRUE(MarkedRows().empty());
}

TEST_F(HighScoreWindowTest, ResetAsksAndResetsOnlyTheShownTableOnYes)
{
    scores.Apply([](ScoreFile& tables) {
        tables.Row(2, 4) = {"Kim", 55, 66};
        tables.Row(1, 4) = {"Lee", 77, 88};
        tables.TableStats[2] = {4, 2};
        return 0;
    });
    marks = {2, 2, 4};
    Open();
    auto* reset = form->findChild<QPushButton*>(QStringLiteral("ResetScore"));
    EXPECT_EQ(reset->text(), "&Reset Scores");

    reset->click();
    EXPECT_EQ(questions, std::vector<std::string> {"Are You Sure You Want To Reset Scores?"});
    EXPECT_EQ(Lines().front(), "1 Kim 55 66");
    EXPECT_EQ(MarkedRows(), std::vector<int> {0});

    answerYes = true;
    reset->click();
    EXPECT_EQ(Lines().front(), "1 Unknown 999 9999");
    EXPECT_EQ(Text("PlayedCount"), "0");
    EXPECT_TRUE(MarkedRows().empty());
    EXPECT_EQ(marks.MarkRow, 0);
    EXPECT_EQ(scores.Row(1, 4), (ScoreEntry {"Lee", 77, 88}));
    ScoreFile reread(dir.File("Orvane.cfg"), [](const orvane::Text&) {});
    reread.LoadScores();
    EXPECT_EQ(reread.Row(2, 4), (ScoreEntry {"Unknown", 999, 9999}));
    EXPECT_EQ(reread.TableStats[2], TableCounters {});
}

TEST_F(HighScoreWindowTest, OpensOnTheTabsShownLastAndOkCloses)
{
    Open();
    ShowTable(5);
    auto* ok = form->findChild<QPushButton*>(QStringLiteral("OkButton"));
    EXPECT_TRUE(ok->isDefault());
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_FALSE(form->isVisible());
    Open();
    EXPECT_EQ(Tabs("TabGameType")->currentIndex(), 1);
    EXPECT_EQ(Tabs("TabDifficulty")->currentIndex(), 2);
    EXPECT_EQ(marks.ShownTable, 5);
    ok->click();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
