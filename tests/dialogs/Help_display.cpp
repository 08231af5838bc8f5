// SPDX-License-Identifier: GPL-3.0-or-later
// F1's help: the desktop's viewer where one is registered for the help file, else the
// program's own window over the pages the file is made from.
#include "dialogs/HelpWindow.h"
#include "shell/QtPlatform.h"
#include "sound/SdlSound.h"
#include "support/FakeDesktop.h"

#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace orvane;
using orvane::testing::FakeDesktop;

namespace {

class HelpFallback : public ::testing::Test {
protected:
    FakeDesktop desktop;
    QWidget owner;
    SdlSoundPlayer sound;
    QtPlatform platform {owner, sound, {}};
    const std::string helpFile = std::string(std::getenv("ORVANE_APP_DIR")) + "/Orvane.chm";

    HelpWindow* ShownHelp() { return owner.findChild<HelpWindow*>(); }
};

TEST_F(HelpFallback, WithAViewerTheDesktopOpensTheHelpFile)
{
    desktop.RegisterViewer("application/vnd.ms-htmlhelp;");
    platform.OpenDocument(helpFile);
    EXPECT_EQ(desktop.opened, std::vector<std::string> {helpFile});
    EXPECT_EQ(ShownHelp(), nullptr);
}

TEST_F(HelpFallback, WithoutAViewerTheProgramShowsThePagesWithContentsAndLinks)
{
    desktop.RegisterViewer("text/html;");
    platform.OpenDocument(helpFile);
    EXPECT_TRUE(desktop.opened.empty());
    HelpWindow* form = ShownHelp();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto* contents = form->findChild<QTreeWidget*>(QStringLiteral("Contents"));
    auto* pages = form->findChild<QTextBrowser*>(QStringLiteral("Pages"));
    ASSERT_TRUE(contents && pages);
    ASSERT_EQ(contents->topLevelItemCount(), 12);
    EXPECT_EQ(contents->topLevelItem(0)->text(0), "Welcome to Orvane");
    EXPECT_EQ(pages->documentTitle(), "Welcome to Orvane");

    // A topic of the contents shows its page.
    QTreeWidgetItem* keys = contents->findItems(QStringLiteral("Keys"), Qt::MatchExactly).value(0);
    ASSERT_NE(keys, nullptr);
    QTest::mouseClick(
        contents->viewport(), Qt::LeftButton, {}, contents->visualItemRect(keys).center());
    EXPECT_EQ(pages->source().fileName(), "keys.html");
    EXPECT_EQ(pages->documentTitle(), "Keys");

    // A link of a page leads to its page, and the contents follow.
    pages->backward();
    EXPECT_EQ(pages->source().fileName(), "index.html");
    pages->setFocus();
    QTest::keyClick(pages, Qt::Key_Tab);
    QTest::keyClick(pages, Qt::Key_Return);
    EXPECT_EQ(pages->source().fileName(), "classic.html");
    EXPECT_EQ(contents->currentItem()->text(0), "How to play Classic");
}

} // namespace
