// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog and the menus in a pseudo-language whose texts are 40 % longer than the
// English: each label and button still gets the room it asks for.
#include "dialogs/AboutDialog.h"
#include "dialogs/CustomSizeDialog.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/HighScoresWindow.h"
#include "dialogs/NameDialog.h"
#include "dialogs/NetworkGameDialog.h"
#include "dialogs/StatisticsWindow.h"
#include "dialogs/TranslatedText.h"
#include "platform/RecordFile.h"
#include "shell/ReplayWindow.h"
#include "shell/SecondaryWindows.h"
#include "support/MainWindowFixture.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTranslator>

using namespace orvane;
using namespace orvane::testing;

namespace {

// What a widget asks for: a word-wrapped label the height its width needs, a push button
// its text and margins (its size hint adds the style's least width for any button with a
// text, 80 pixels, which the English buttons of 75 pixels would not meet either), and any
// other label or button its size hint.
QSize Wanted(QWidget& widget)
{
    const QSize size = widget.size();
    if (auto* label = qobject_cast<QLabel*>(&widget); label && label->wordWrap())
        return {size.width(), label->heightForWidth(size.width())};
    auto* button = qobject_cast<QPushButton*>(&widget);
    if (!button)
        return widget.sizeHint();
    // The style's own padding of a button's text, as it computes the size hint.
    QStyleOptionButton option;
    option.initFrom(button);
    const QStyle& style = *button->style();
    const int margins = style.pixelMetric(QStyle::PM_ButtonMargin, &option, button)
        + 2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button)
        + (button->autoDefault()
                ? 2 * style.pixelMetric(QStyle::PM_ButtonDefaultIndicator, &option, button)
                : 0);
    const QSize text = button->fontMetrics().size(Qt::TextShowMnemonic, button->text());
    return {text.width() + margins, button->sizeHint().height()};
}

QStringList CutTexts(QWidget& top)
{
    QStringList cut;
    for (QWidget* widget : top.findChildren<QWidget*>()) {
        auto* label = qobject_cast<QLabel*>(widget);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        if ((!label && !button) || !widget->isVisibleTo(&top))
            continue;
        const QSize size = widget->size();
        const QSize wanted = Wanted(*widget);
        if (wanted.width() > size.width() || wanted.height() > size.height())
            cut << QStringLiteral("%1 \"%2\": %3x%4 wanted, %5x%6 given")
                       .arg(top.objectName(), label ? label->text() : button->text())
                       .arg(wanted.width())
                       .arg(wanted.height())
                       .arg(size.width())
                       .arg(size.height());
    }
    return cut;
}

QStringList CutWhenShown(QWidget& window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return {window.objectName() + " did not show"};
    QStringList cut = CutTexts(window);
    window.hide();
    return cut;
}

class LongerTextsTest : public MainWindowFixture {
protected:
    QTranslator pseudo;

    void SetUp() override
    {
        ASSERT_TRUE(pseudo.load(QStringLiteral(":/pseudo/orvane_pseudo.qm")));
        QCoreApplication::installTranslator(&pseudo);
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        QCoreApplication::removeTranslator(&pseudo);
    }
};

TEST_F(LongerTextsTest, EveryDialogsLabelsAndButtonsFit)
{
    SecondaryWindows& windows = form->windows();
    // The pseudo-language is in place: no English caption is left.
    ASSERT_NE(windows.About->windowTitle(), "About Orvane");
    QStringList cut;
    for (QWidget* window : std::initializer_list<QWidget*> {windows.CustomSize, windows.HighScores,
             windows.Name, windows.Statistics, windows.About, windows.Replay}) {
        window->setObjectName(window->metaObject()->className());
        cut << CutWhenShown(*window);
    }
    NetworkGameDialog network(QStringLiteral("Ana"));
    network.setObjectName(QStringLiteral("NetworkGameDialog"));
    cut << CutWhenShown(network);
    HelpWindow help;
    help.setObjectName(QStringLiteral("HelpWindow"));
    cut << CutWhenShown(help);
    EXPECT_TRUE(cut.isEmpty()) << cut.join('\n').toStdString();
}

TEST_F(LongerTextsTest, MenusShowEveryTitleAndItemWhole)
{
    QMenuBar* bar = form->menuBar();
    EXPECT_LE(bar->sizeHint().width(), bar->width()) << "the menu titles need more room";
    for (QMenu* menu : bar->findChildren<QMenu*>()) {
        menu->popup(form->mapToGlobal(QPoint(0, 0)));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        EXPECT_LE(menu->sizeHint().width(), menu->width()) << menu->title().toStdString();
        menu->hide();
    }
}

TEST_F(LongerTextsTest, MessagesTranslateTheirTemplateAndTheirArguments)
{
    const Text message = Text(QT_TRANSLATE_NOOP("Messages",
                                  "Your settings could not be saved to \"%1\" (%2). "
                                  "They stay in effect until the game is closed."))
                             .Arg(std::string("/tmp/a b"))
                             .Arg(Text::Reason(NotARegularFile));
    const QString shown = Translated(message);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Ýöûr šéttîñgš"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("\"/tmp/a b\" (ît îš ñöt á régûlár fîlé")))
        << shown.toStdString();
    // The system's own reason is shown as it is.
    EXPECT_TRUE(Translated(Text::Reason("Permission denied")) == "Permission denied");
}

} // namespace
