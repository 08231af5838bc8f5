// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/AboutDialog.h"
#include "dialogs/HelpWindow.h"
#include "shell/MainMenu.h"
#include "shell/ProgramIcon.h"
#include "support/FakeDesktop.h"
#include "support/WindowManagerFixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using namespace orvane;
using orvane::testing::FakeDesktop;
using orvane::testing::StackingOrder;
using orvane::testing::UnderWindowManager;

namespace {

std::string AppDir()
{
    const char* dir = std::getenv("ORVANE_APP_DIR");
    return dir ? dir : ".";
}

int DistinctColours(const QImage& image)
{
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

bool ShowsTheRedFlag(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.alpha() == 255 && c.red() > 150 && c.green() < 90 && c.blue() < 90)
                return true;
        }
    return false;
}

class AboutBox : public ::testing::Test {
protected:
    AboutDialog form {MakeProgramIcon(), AppDir() + "/Orvane.chm", AppDir() + "/LICENSE"};
    std::vector<std::string> opened;

    void SetUp() override
    {
        form.OnOpenLink = [this](const std::string& target) { opened.push_back(target); };
    }

    QLabel* Label(const char* name) { return form.findChild<QLabel*>(QString::fromLatin1(name)); }

    void ShowActive()
    {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }
};

TEST_F(AboutBox, IsAFixedWindowWithNameVersionMakerCreditsAndClose)
{
    EXPECT_EQ(form.windowTitle(), "About Orvane");
    EXPECT_EQ(form.minimumSize(), QSize(450, 202));
    EXPECT_EQ(form.maximumSize(), QSize(450, 202));
    EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(form.windowFlags() & Qt::WindowContextHelpButtonHint);

    ASSERT_TRUE(Label("NameLabel") && Label("VersionLabel") && Label("MakersLabel")
        && Label("ThanksLabel"));
    EXPECT_EQ(Label("NameLabel")->text(), "Orvane");
    EXPECT_EQ(Label("VersionLabel")->text(), "Version 1.0");
    EXPECT_FALSE(Label("MakersLabel")->text().isEmpty());
    EXPECT_FALSE(Label("ThanksLabel")->text().isEmpty());
    ASSERT_NE(Label("Licence"), nullptr);
    EXPECT_TRUE(Label("Licence")->text().contains(QStringLiteral("GNU GPL, version 3 or later")));

    auto* close = form.findChild<QPushButton*>(QStringLiteral("CloseButton"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), "Close");
    EXPECT_TRUE(close->isDefault());

    // No text runs out of the window or under the banner's edge.
    for (const char* name :
        {"NameLabel", "VersionLabel", "MakersLabel", "ThanksLabel", "HomeLink", "Licence"}) {
        ASSERT_NE(Label(name), nullptr) << name;
        EXPECT_TRUE(form.rect().contains(Label(name)->geometry())) << name;
    }
}

TEST_F(AboutBox, ShowsADrawnBannerAndTheProgramIcon)
{
    ASSERT_TRUE(Label("Banner") && Label("IconPicture"));
    const QPixmap banner = Label("Banner")->pixmap();
    EXPECT_EQ(banner.deviceIndependentSize().toSize(), QSize(453, 105));
    EXPECT_GT(DistinctColours(banner.toImage()), 100) << "a picture, not a plain fill";
    EXPECT_TRUE(ShowsTheRedFlag(banner.toImage()));

    const QPixmap icon = Label("IconPicture")->pixmap();
    EXPECT_EQ(icon.deviceIndependentSize().toSize(), QSize(41, 41));
    EXPECT_TRUE(ShowsTheRedFlag(icon.toImage()));
}

TEST(ProgramIcon, ShowsTheFlaggedCellAtEverySizeTheDesktopAsksFor)
{
    const QIcon icon = MakeProgramIcon();
    const QList<QSize> sizes = icon.availableSizes();
    for (const int pixels : {16, 32, 48, 64, 128}) {
        EXPECT_TRUE(sizes.contains(QSize(pixels, pixels))) << pixels;
        const QImage image = DrawProgramIcon(pixels);
        EXPECT_TRUE(ShowsTheRedFlag(image)) << pixels;
        EXPECT_EQ(image.pixelColor(pixels / 2, pixels - 3).alpha(), 255)
            << "the cell fills the icon";
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0) << "rounded corners";
    }
}

TEST_F(AboutBox, LinksOpenTheHelpFileAndTheLicenceBesideTheProgram)
{
    ShowActive();
    QLabel* link = Label("HomeLink");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    QLabel* licence = Label("Licence"); // its link is the licence's name, at the line's end
    QTest::mouseClick(
        licence, Qt::LeftButton, {}, QPoint(licence->width() - 4, licence->height() / 2));

    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(std::filesystem::path(opened[0]), std::filesystem::path(AppDir()) / "Orvane.chm");
    EXPECT_EQ(std::filesystem::path(opened[1]), std::filesystem::path(AppDir()) / "LICENSE");
    EXPECT_TRUE(form.isVisible()) << "the links leave the box open";
}

TEST_F(AboutBox, EnterAndEscCloseItAndItCanBeShownAgain)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Enter}) {
        ShowActive();
        QTest::keyClick(&form, key);
        EXPECT_FALSE(form.isVisible()) << key;
    }
    EXPECT_TRUE(opened.empty());
}

// The About box holds the program while it is open; the help its link opens (the
// program's own window, as no viewer is registered) shows above it and takes clicks.
TEST_F(UnderWindowManager, HelpOpenedFromAboutLiesAboveItAndCanBeUsed)
{
    FakeDesktop desktop;
    const std::filesystem::path app = AppDir();
    std::filesystem::copy(app / "Orvane.chm", dir.Path() / "Orvane.chm");
    std::filesystem::copy(app / "help", dir.Path() / "help");

    AboutDialog& about = *form->windows().About;
    HelpWindow* help = nullptr;
    bool aboveAbout = false;
    QString pageAfterClick;
    QTimer steps;
    QObject::connect(&steps, &QTimer::timeout, [&] {
        if (!help) {
            if (!about.isVisible())
                return;
            auto* link = about.findChild<QLabel*>(QStringLiteral("HomeLink"));
            QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
            help = form->findChild<HelpWindow*>();
            return;
        }
        const QList<int> stack = StackingOrder();
        const auto level = [&](const QWidget& window) {
            return stack.indexOf(static_cast<int>(window.winId()));
        };
        if (!help->isVisible() || level(*help) < 0)
            return; // not yet managed
        steps.stop();
        aboveAbout = level(*help) > level(about);
        // A click as the window system delivers it, which a window held by a modal
        // dialog would not receive.
        auto* contents = help->findChild<QTreeWidget*>(QStringLiteral("Contents"));
        QTreeWidgetItem* keys
            = contents->findItems(QStringLiteral("Keys"), Qt::MatchExactly).value(0);
        const QPoint at
            = contents->viewport()->mapTo(help, contents->visualItemRect(keys).center());
        QTest::mouseClick(help->windowHandle(), Qt::LeftButton, {}, at);
        pageAfterClick = help->findChild<QTextBrowser*>()->source().fileName();
        about.reject();
    });
    steps.start(50);
    QTimer::singleShot(10000, &about, &QDialog::reject); // whatever happens, the box closes
    form->Menu->Find(QStringLiteral("About"))->trigger();
    ASSERT_NE(help, nullptr) << "the link opened no help window";
    EXPECT_TRUE(aboveAbout) << "the help window lies behind the About box";
    EXPECT_EQ(pageAfterClick.toStdString(), "keys.html");
}

} // namespace
