// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/DrawingArea.h"
#include "shell/MainWindow.h"
#include "support/TempDir.h"

#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace orvane;
using orvane::testing::TempDir;

namespace {

// The files the window writes land in a folder of the test's own.
TEST(MainWindow, StartsAsAFixedCentredWindowSizedForTheBeginnerBoard)
{
    const TempDir dir;
    MainWindow form(FileFolders::AllIn(dir.Path().string()));
    ASSERT_TRUE(form.Started());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Orvane");
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form.windowFlags() & Qt::WindowMinimizeButtonHint);

    const int menu = form.menuBar()->height();
    EXPECT_EQ(form.width(), 210);
    EXPECT_EQ(form.height(), 267 + menu);
    EXPECT_EQ(form.minimumSize(), form.maximumSize()) << "not resizable";
    EXPECT_EQ(form.StatusArea->geometry(), QRect(0, 0, 210, 267));
    EXPECT_EQ(form.BoardArea->geometry(), QRect(6, 63, 198, 198));
    EXPECT_EQ(form.game().Cells().size(), 81u);
    EXPECT_EQ(form.game().CurrentLevel(), Level::Beginner);
}

TEST(MainWindow, CloseSetsTheQuitFlagAndKeepsTheWindowForTheLastPass)
{
    const TempDir dir;
    MainWindow form(FileFolders::AllIn(dir.Path().string()));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_FALSE(form.QuitRequested);
    form.close();
    EXPECT_TRUE(form.QuitRequested);
    EXPECT_TRUE(form.isVisible());
    form.RunMainLoop(); // returns at once: the flag is already set
}

} // namespace
