// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NetworkGameDialog.h"
#include "network/GameFinder.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

using namespace orvane;

namespace {

class NetworkGameDialogTest : public ::testing::Test {
protected:
    NetworkGameDialog form {QStringLiteral("Ana")};

    template<typename Widget> Widget* Part(const char* name)
    {
        return form.findChild<Widget*>(QString::fromLatin1(name));
    }
    QPushButton* Ok() { return Part<QPushButton>("OkButton"); }
    QLineEdit* Name() { return Part<QLineEdit>("NameEdit"); }
};

TEST_F(NetworkGameDialogTest, OkWaitsForANameAndAnAddressToJoin)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_EQ(form.windowTitle(), "Network Game");
    EXPECT_EQ(Name()->text(), "Ana");
    EXPECT_EQ(Ok()->text(), "Host");
    EXPECT_TRUE(Ok()->isEnabled());
    Name()->setText(QStringLiteral("  "));
    EXPECT_FALSE(Ok()->isEnabled());
    Name()->setText(QStringLiteral("Abcdefghijklmnopqrstuvwxyz"));
    EXPECT_EQ(Name()->text(), "Abcdefghijklmnopqrst");

    Part<QRadioButton>("JoinChoice")->click();
    EXPECT_EQ(Ok()->text(), "Join");
    EXPECT_FALSE(Ok()->isEnabled());
    Part<QLineEdit>("AddressEdit")->setText(QStringLiteral("::1"));
    EXPECT_TRUE(Ok()->isEnabled());
}

TEST_F(NetworkGameDialogTest, AGameFoundOnTheNetworkIsJoinedByADoubleClick)
{
    const QString name = QStringLiteral("display-%1").arg(getpid());
    GameAnnouncer announcer(nullptr);
    announcer.Announce(
        {net::ProtocolVersion, 50003, {{name.toStdString(), "Bo", "Beginner 9x9, 11 mines"}}});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* list = Part<QTreeWidget>("FoundGamesList");
    // Other programs on this machine may announce games too.
    QTreeWidgetItem* row = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto rows = list->findItems(name, Qt::MatchExactly);
            row = rows.isEmpty() ? nullptr : rows.front();
            return row != nullptr;
        },
        30'000));
    // The list may be written anew at any time: what the row shows is kept now.
    const QStringList shown {row->text(1), row->text(2), row->text(3)};
    EXPECT_EQ(shown.at(0), "Bo");
    EXPECT_EQ(shown.at(1), "Beginner 9x9, 11 mines");
    EXPECT_TRUE(shown.at(2).endsWith(QStringLiteral(":50003")));

    // A double click as the mouse gives it: a click, then a second press and release.
    const QPoint centre = list->visualItemRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    const NetworkGameChoice choice = form.Choice();
    EXPECT_FALSE(choice.Host);
    EXPECT_EQ(choice.PlayerName, "Ana");
    EXPECT_EQ(QStringLiteral("%1:%2").arg(choice.Address).arg(choice.Port), shown.at(2));
    EXPECT_EQ(choice.GameName, name);
}

TEST(NetworkGameDialog, CancelChoosesNothing)
{
    QTimer::singleShot(0, [] {
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }));
        QApplication::activeModalWidget()
            ->findChild<QPushButton*>(QStringLiteral("CancelButton"))
            ->click();
    });
    EXPECT_EQ(AskNetworkGame(nullptr, QStringLiteral("Ana")), std::nullopt);
}

} // namespace
