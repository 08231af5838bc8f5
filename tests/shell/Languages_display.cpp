// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the desktop's language: its own texts and Qt's buttons in German.
#include "dialogs/NetworkGameDialog.h"
#include "shell/Translations.h"
#include "support/MainWindowFixture.h"

#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace orvane;
using namespace orvane::testing;

namespace {

class GermanTest : public MainWindowFixture {
protected:
    std::unique_ptr<Translations> german;

    void SetUp() override
    {
        german = std::make_unique<Translations>(QLocale(QLocale::German, QLocale::Germany));
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        german.reset();
    }
};

TEST_F(GermanTest, MenusAndQtsOwnButtonsSpeakGerman)
{
    ASSERT_TRUE(german->Found());
    NetworkGameDialog dialog(QStringLiteral("Ana"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(), "Abbrechen");
    EXPECT_EQ(form->menuBar()->actions().at(0)->text(), "&Spiel");
}

TEST(Languages, AnUnknownLanguageKeepsTheEnglish)
{
    const Translations unshipped(QLocale(QStringLiteral("fi")));
    EXPECT_FALSE(unshipped.Found());
    NetworkGameDialog dialog(QStringLiteral("Ana"));
    EXPECT_EQ(dialog.findChild<QPushButton*>(QStringLiteral("CancelButton"))->text(), "Cancel");
}

} // namespace
