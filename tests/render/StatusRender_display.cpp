// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/gl/RenderState.h"
#include "shell/MainMenu.h"
#include "support/MainWindowFixture.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <vector>

using namespace orvane;
using orvane::testing::MainWindowFixture;

namespace {

// Where the status area draws, in pixels down from its top edge.
constexpr int DigitTop = 15, DigitHeight = 30;
constexpr int BonusTop = 6, BonusHeight = 14;
constexpr int FaceTop = 22, FaceHeight = 30; // the face on its button (Y 20..54)
constexpr int NameTop = 62, NameHeight = 18;
constexpr int PanelTop = 58, PanelBottom = 108;
constexpr int MessageTop = 83;
constexpr int PanelWidth = 75; // across

class StatusRenderTest : public MainWindowFixture {
protected:
    int Width() const { return form->StatusArea->width(); }
    // Left edge of the face and bonus buttons, on the truncated half of the width.
    int ButtonLeft() const { return static_cast<int>(std::trunc(Width() / 2.0 - 17)); }
    int FirstPanelLeft() const { return static_cast<int>(std::trunc(Width() / 4.0 - 37.5 + 1)); }
    int SecondPanelLeft() const
    {
        return static_cast<int>(std::trunc(Width() / 2.0 + Width() / 4.0 - 37.5));
    }

    static QRect LeftDigit(int i) { return {12 + 16 * i, DigitTop, 14, DigitHeight}; }
    QRect RightDigit(int i) const { return {Width() - 58 + 16 * i, DigitTop, 14, DigitHeight}; }
    QRect Face() const { return {ButtonLeft() + 2, FaceTop, 29, FaceHeight}; }
    QRect Bonus() const { return {ButtonLeft(), BonusTop, 34, BonusHeight}; }
    QRect NameRows() const { return {0, NameTop, Width(), NameHeight}; }

    void RunMenu(const char* objectName)
    {
        form->Menu->Find(QString::fromLatin1(objectName))->trigger();
    }

    // A frame whose active panel stands at full brightness, so that frames compare
    // equal wherever nothing else changed.
    QImage SteadyFrame()
    {
        form->render().View.PulseScale = 1.0f;
        return StatusFrame();
    }

    MessageBar& Message() { return form->render().View.Message; }

    // A Classic game with left flags to place, right seconds into it: the board's first
    // left + 1 cells are mines, the first flagged; the first safe cell, beside the last
    // mine, is open.
    QImage Counters(int left, int right)
    {
        constexpr int Width = 35;
        std::vector<std::string> rows = EmptyRows(Width, (left + 3 + Width - 1) / Width);
        for (int mine = 0; mine <= left; ++mine)
            rows[static_cast<size_t>(mine / Width)][static_cast<size_t>(mine % Width)] = '*';
        NewLayout(rows, 16);
        Click(0, 0, CellGesture::Flag);
        Click((left + 1) % Width, (left + 1) / Width);
        FrameClock& clock = form->session().clock;
        clock.MarkCount -= right * clock.Frequency;
        form->RunLoopPass();
        EXPECT_EQ(game().CurrentState(), GameState::Playing);
        EXPECT_EQ(game().ElapsedSeconds(), right);
        return StatusFrame();
    }

    // The first open of a board is safe and passes the turn.
    void PassFirstTurnTo(PlayerIndex player)
    {
        if (game().CurrentPlayer() != player)
            Click(0, 0);
        ASSERT_EQ(game().CurrentPlayer(), player);
    }

    // The digit pictures as the left counter's first cell shows them.
    std::array<QImage, 10> DigitPictures()
    {
        std::array<QImage, 10> digits;
        for (int d = 0; d < 10; ++d)
            digits[static_cast<size_t>(d)] = Counters(111 * d, 0).copy(LeftDigit(0));
        return digits;
    }

    void ExpectCounters(const QImage& frame, const std::array<QImage, 10>& digits,
        std::array<size_t, 3> left, std::array<size_t, 3> right)
    {
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(frame.copy(LeftDigit(static_cast<int>(i))), digits[left[i]])
                << "left counter, digit " << i << " should be " << left[i];
            EXPECT_EQ(frame.copy(RightDigit(static_cast<int>(i))), digits[right[i]])
                << "right counter, digit " << i << " should be " << right[i];
        }
    }
};

// The smallest rectangle around every pixel in which two frames differ.
QRect ChangedRect(const QImage& a, const QImage& b)
{
    QRect changed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    return changed;
}

// Columns in which two frames differ anywhere within the given rows.
std::vector<int> ChangedColumns(const QImage& a, const QImage& b, int top, int bottom)
{
    std::vector<int> columns;
    for (int x = 0; x < a.width(); ++x)
        for (int y = top; y < bottom; ++y)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                columns.push_back(x);
                break;
            }
    return columns;
}

TEST_F(StatusRenderTest, CountersShowTheirThreeDigits)
{
    const std::array<QImage, 10> digits = DigitPictures();
    for (size_t a = 0; a < digits.size(); ++a)
        for (size_t b = a + 1; b < digits.size(); ++b)
            EXPECT_NE(digits[a], digits[b]) << "digits " << a << " and " << b << " look alike";
    // Every position of both counters shows the same picture for the same digit.
    for (size_t d = 0; d < 10; ++d) {
        const auto value = static_cast<int32_t>(111 * d);
        ExpectCounters(Counters(value, value), digits, {d, d, d}, {d, d, d});
    }

    ExpectCounters(Counters(123, 456), digits, {1, 2, 3}, {4, 5, 6});
    ExpectCounters(Counters(7, 80), digits, {0, 0, 7}, {0, 8, 0});
}

TEST_F(StatusRenderTest, CountersStopAt999)
{
    const std::array<QImage, 10> digits = DigitPictures();
    ExpectCounters(Counters(1234, 5000), digits, {9, 9, 9}, {9, 9, 9});
}

// A dialog moved over the window makes it draw between the loop's passes; the counters
// still show each player's finds, not the clock that the pass left running.
TEST_F(StatusRenderTest, TwoPlayerCountersShowTheFindsWhenDrawnUnderADialog)
{
    const std::array<QImage, 10> digits = DigitPictures();
    // Every safe cell lies beside a mine: the players find mines and pass the turn with a
    // safe cell, and nothing floods.
    NewLayout({"*.*.*.*.*.*.*", ".............", "*.*.*.*.*.*.*"}, 22, PlayMode::VsHuman);
    int nextMine = 0, nextSafe = 0;
    const auto find = [&](PlayerIndex player, int mines) {
        if (game().CurrentPlayer() != player)
            Click(nextSafe++, 1);
        for (int found = 0; found < mines; ++found, nextMine += 2)
            Click(nextMine % 14, nextMine / 14 * 2);
    };
    find(Player1, 4);
    find(Player2, 2);
    ASSERT_EQ(game().CurrentState(), GameState::Playing);
    ASSERT_EQ(game().Players()[Player1].MinesFound, 4);
    ASSERT_EQ(game().Players()[Player2].MinesFound, 2);
    FrameClock& clock = form->session().clock;
    clock.MarkCount -= 30 * clock.Frequency; // thirty seconds into the game
    form->RunLoopPass();
    ASSERT_EQ(game().ElapsedSeconds(), 30);

    // New asks whether the player to move gives up; the answer is No.
    QImage underQuestion;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        watch.stop();
        underQuestion = StatusFrame();
        box->button(QMessageBox::No)->click();
    });
    watch.start(20);
    QTest::keyClick(form.get(), Qt::Key_F2);
    ASSERT_FALSE(underQuestion.isNull()) << "no question was asked";
    ExpectCounters(underQuestion, digits, {0, 0, 4}, {0, 0, 2});
}

TEST_F(StatusRenderTest, EachFaceStateHasItsOwnFace)
{
    // The open of the last cell wins the board; the open of the mine loses it.
    const std::vector<std::string> rows {"*........"};
    std::array<QImage, 4> faces;
    const auto capture = [&](FaceLook look) {
        ASSERT_EQ(game().Face(), look);
        Message().Reset(); // the win's pace runs over the counter strip
        const auto state = static_cast<size_t>(look);
        faces[state] = StatusFrame().copy(Face());
        EXPECT_EQ(StatusFrame().copy(Face()), faces[state])
            << "face " << state << " is drawn the same each frame";
    };
    NewLayout(rows, 22);
    capture(FaceLook::Smiling);
    game().PressFace(true);
    capture(FaceLook::Pressing);
    game().PressFace(false);
    Click(0, 0);
    capture(FaceLook::Lost);
    NewLayout(rows, 22);
    Click(8, 0);
    capture(FaceLook::Won);
    for (size_t a = 0; a < faces.size(); ++a)
        for (size_t b = a + 1; b < faces.size(); ++b)
            EXPECT_NE(faces[a], faces[b]) << "faces " << a << " and " << b << " look alike";
}

TEST_F(StatusRenderTest, BonusButtonIsDrawnRaisedOrPressed)
{
    game().PressBonusButton(false);
    const QImage raised = StatusFrame().copy(Bonus());
    game().PressBonusButton(true);
    EXPECT_NE(StatusFrame().copy(Bonus()), raised);
}

TEST_F(StatusRenderTest, PlayerStripShowsOnlyInTwoPlayerModes)
{
    const QPoint first(FirstPanelLeft() + 6, 70),
        second(SecondPanelLeft() + 6, 70); // beside the names
    const QImage classic = StatusFrame();
    EXPECT_EQ(classic.height(), 267);
    EXPECT_EQ(classic.pixel(first), classic.pixel(5, PanelBottom)) << "no panel in Classic";
    game().RenamePlayer(Player1, "WWWWWW");
    EXPECT_EQ(StatusFrame(), classic) << "no names in Classic";

    RunMenu("VsHuman");
    const QImage duel = SteadyFrame();
    EXPECT_EQ(duel.height(), 317);
    const QColor red = duel.pixelColor(first), blue = duel.pixelColor(second);
    EXPECT_GT(red.red(), red.blue() + 60) << "player 1's red panel";
    EXPECT_GT(blue.blue(), blue.red() + 60) << "player 2's blue panel";
    // The panels fill rows 58..108; the counter strip's bottom edge lies above them.
    EXPECT_NE(duel.pixel(first.x(), PanelTop), duel.pixel(first.x(), PanelTop - 2));
    EXPECT_NE(duel.pixel(first.x(), PanelBottom - 1), duel.pixel(first.x(), PanelBottom + 1));

    // The player to move gives the game up: the other wins a series point.
    Click(0, 0);
    game().GiveUp();
    ASSERT_EQ(game().Players()[Player1].Score + game().Players()[Player2].Score, 1);
    RunMenu("Classic");
    EXPECT_EQ(StatusFrame(), classic) << "no names or scores in Classic";
}

TEST_F(StatusRenderTest, ActivePanelTakesThePulsesBrightness)
{
    RunMenu("VsHuman");
    PassFirstTurnTo(Player1);
    Message().Reset();
    const QPoint active(FirstPanelLeft() + 6, 70), idle(SecondPanelLeft() + 6, 70);
    form->render().View.PulseScale = 0.9f;
    const QImage dim = StatusFrame();
    form->render().View.PulseScale = 1.0f;
    const QImage bright = StatusFrame();
    EXPECT_LT(dim.pixelColor(active).red(), bright.pixelColor(active).red());
    EXPECT_EQ(dim.pixel(idle), bright.pixel(idle)) << "the waiting panel stays as it is";
}

TEST_F(StatusRenderTest, NamesPrintOnlyTheirPrintableCharactersInCapitals)
{
    RunMenu("VsHuman");
    PassFirstTurnTo(Player1);
    Message().Reset();
    auto nameRows = [&](const std::string& name) {
        game().RenamePlayer(Player1, name);
        return SteadyFrame().copy(NameRows());
    };
    const QImage plain = nameRows("ABCD ");
    ASSERT_NE(plain, nameRows("")) << "the name shows";
    ASSERT_NE(plain, nameRows("ABCE "));
    // The character above 127 neither draws nor moves the pen: the rest closes up. The
    // trailing blank of the comparison keeps both names the same length, hence centred alike.
    EXPECT_EQ(nameRows("AB\xC9"
                       "CD"),
        plain);
    EXPECT_EQ(nameRows("abcd "), plain);
    EXPECT_EQ(nameRows("Ab\x01"
                       "cD"),
        plain)
        << "nor does a control character";
}

TEST_F(StatusRenderTest, LongNameRunsBeyondItsPanel)
{
    RunMenu("VsHuman");
    Message().Reset();
    game().RenamePlayer(Player1, "");
    const QImage blank = SteadyFrame();
    game().RenamePlayer(Player1, "ABCDEFGHIJKL");
    const std::vector<int> ink
        = ChangedColumns(SteadyFrame(), blank, NameTop, NameTop + NameHeight);
    ASSERT_FALSE(ink.empty());
    // 144 units centred on the panel reach past both of its sides.
    EXPECT_LT(ink.front(), FirstPanelLeft());
    EXPECT_GT(ink.back(), FirstPanelLeft() + PanelWidth);
}

TEST_F(StatusRenderTest, MessageBarSlidesAcrossTheStripInTwoPlayerModes)
{
    RunMenu("VsHuman"); // the start of a two-player game announces the flags to win
    ASSERT_EQ(Message().Stage, BarStage::SlideIn);
    Message().Step(0.5, Width()); // half of the second-long slide in
    const QImage halfIn = SteadyFrame();
    Message().Reset();
    const QImage none = SteadyFrame();

    // The bar covers the left half of rows 83..108 and nothing else.
    const std::vector<int> bar = ChangedColumns(halfIn, none, MessageTop, PanelBottom);
    ASSERT_FALSE(bar.empty());
    EXPECT_EQ(bar.front(), 0);
    EXPECT_NEAR(bar.back(), Width() / 2, 1);
    EXPECT_EQ(halfIn.copy(0, 0, Width(), MessageTop), none.copy(0, 0, Width(), MessageTop));

    // Standing with its text, the bar spans the whole width.
    Message().Post("Bonus Activated", 0.5f, 2.0f);
    Message().Step(1.0, Width());
    const QImage shown = SteadyFrame();
    EXPECT_EQ(Message().Stage, BarStage::Shown);
    EXPECT_EQ(
        ChangedColumns(shown, none, MessageTop, PanelBottom).size(), static_cast<size_t>(Width()));
}

// A message's text stands inside its bar: across the counters in Classic as across the
// player strip in the two-player modes.
TEST_F(StatusRenderTest, MessageTextLiesInsideItsBar)
{
    for (const char* mode : {"Classic", "VsHuman"}) {
        RunMenu(mode);
        const auto standing = [&](const std::string& text) {
            Message().Post(text, 0.5f, 2.0f);
            Message().AlsoInClassic = true;
            Message().Step(1.0, Width());
            return SteadyFrame();
        };
        Message().Reset();
        const QImage none = SteadyFrame();
        const QImage bar = standing("");
        const QRect barRect = ChangedRect(none, bar);
        const QRect textRect = ChangedRect(bar, standing("3BV/s 0.66"));
        ASSERT_FALSE(textRect.isEmpty());
        EXPECT_TRUE(barRect.contains(textRect))
            << "the bar spans rows " << barRect.top() << " to " << barRect.bottom() << ", the text "
            << textRect.top() << " to " << textRect.bottom();
    }
}

TEST_F(StatusRenderTest, MessageWaitsUnseenInClassic)
{
    const QImage quiet = StatusFrame();
    Message().Post("3 Mines Remain.", 0.5f, 3.0f);
    Message().Step(0.5, Width());
    EXPECT_EQ(StatusFrame(), quiet);

    // Shown across the player strip.
    RunMenu("VsHuman");
    Message().Reset();
    const QImage none = SteadyFrame();
    Message().Post("3 Mines Remain.", 0.5f, 3.0f);
    Message().Step(0.5, Width());
    EXPECT_FALSE(ChangedColumns(SteadyFrame(), none, MessageTop, PanelBottom).empty())
        << "the bar shows";
}

} // namespace

TEST_F(StatusRenderTest, InANetworkGameThePanelOfThisPlayerSaysYou)
{
    RunMenu("VsHuman");
    Message().Reset();
    const QImage local = SteadyFrame();
    game().ShowNetworkGame(SeenStateOf(game()), Player2, 1);
    game().TakeEvents();
    Message().Reset();
    const QImage network = SteadyFrame();
    const std::vector<int> changed = ChangedColumns(network, local, PanelTop, PanelBottom);
    ASSERT_FALSE(changed.empty()) << "the second panel shows who is at this screen";
    EXPECT_GE(changed.front(), SecondPanelLeft());
    EXPECT_GT(changed.back(), SecondPanelLeft() + PanelWidth / 2 + 8);
}
