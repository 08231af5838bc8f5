// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/NameDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

using namespace orvane;

namespace {

class NameDialogTest : public ::testing::Test {
protected:
    NameDialog form {"Unknown"};
    QLineEdit* edit = form.findChild<QLineEdit*>(QStringLiteral("EditName"));

    // Shows the dialog and lets `act` answer it once it has the focus.
    std::optional<std::string> Ask(const std::function<void()>& act)
    {
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
            act();
        });
        return form.AskName(false);
    }
};

TEST_F(NameDialogTest, TypedNameReplacesTheShownOneAndIsKeptForNextTime)
{
    EXPECT_EQ(form.windowTitle().toStdString(), "Enter New Hi-Score Name:");
    EXPECT_EQ(form.size(), QSize(222, 84));
    EXPECT_NEAR(form.windowOpacity(), 245.0 / 255.0, 0.01);
    EXPECT_EQ(edit->maxLength(), 20);

    std::string selected;
    const auto typed = Ask([&] {
        selected = edit->selectedText().toStdString();
        QTest::keyClicks(edit, QStringLiteral("Abcdefghijklmnopqrstuvwxyz"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    EXPECT_EQ(selected, "Unknown");
    EXPECT_EQ(typed, "Abcdefghijklmnopqrst");

    // The close box keeps nothing of this showing; the box keeps the text for the next one.
    const auto closed = Ask([&] {
        selected = edit->selectedText().toStdString();
        form.close();
    });
    EXPECT_EQ(selected, "Abcdefghijklmnopqrst");
    EXPECT_EQ(closed, std::nullopt);
}

} // namespace
