// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The paddle game's tick, in twips: the order of its reactions (one per tick), the strict edges
// of the paddle, the limits of the keys and the arrow buttons, and what a finished game pays;
// the machine around it, which locks the choices for a game. Then its window where a scenario
// cannot go: the clock running on behind the question at the end of a game, a new game begun
// from the menu behind the machine, and controls that only show the game.

#include "rules/Paddle.h"
#include "ScriptedGame.h"
#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "leisure/frmAr.h"
#include "runner/ScriptedPlatform.h"
#include "state/GameState.h"
#include "ui/Game.h"
#include "ui/Timer.h"
#include "ui/Twips.h"
#include "unit/NewGame.h"
#include "unit/ScriptedEffects.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using Paddle::Outcome;

namespace {

Paddle::Field ballAt(int left, int top, qint16 h, qint16 v, int paddleLeft = 2160,
                     int paddleWidth = 1080) {
    Paddle::Field f;
    f.ballLeft = left;
    f.ballTop = top;
    f.h = h;
    f.v = v;
    f.paddleLeft = paddleLeft;
    f.paddleWidth = paddleWidth;
    return f;
}

} // namespace

TEST(Paddle, FreshGameIsCaughtAtTheTwentySeventhTick) {
    Paddle::Field f;
    for (int i = 1; i <= 26; ++i) {
        ASSERT_EQ(Paddle::tick(f), Outcome::Playing) << i;
        ASSERT_EQ(f.v, 100) << i;
        ASSERT_EQ(f.h, 100) << i;
    }
    EXPECT_EQ(f.ballTop, 2600);
    EXPECT_EQ(Paddle::tick(f), Outcome::Playing);
    EXPECT_EQ(f.ballLeft, 2700);
    EXPECT_EQ(f.ballTop, 2700);
    EXPECT_EQ(f.paddleWidth, 1026);
    EXPECT_EQ(f.v, -100);
    EXPECT_EQ(f.h, 100);
}

TEST(Paddle, OneReactionPerTickInOrder) {
    // A side wall ends the tick: over the paddle, the ball is not caught as well.
    Paddle::Field f = ballAt(5510, 2600, 100, 100, 5000, 900);
    EXPECT_EQ(Paddle::tick(f), Outcome::Playing);
    EXPECT_EQ(f.h, -100);
    EXPECT_EQ(f.v, 100);
    // Nor is a ball at the loss line lost while it touches a side wall.
    f = ballAt(100, 2900, -100, 100, 3000);
    EXPECT_EQ(Paddle::tick(f), Outcome::Playing);
    EXPECT_EQ(f.ballLeft, 0);
    EXPECT_EQ(f.ballTop, 3000);
    EXPECT_EQ(f.h, 100);
    EXPECT_EQ(f.v, 100);
    // The top wall turns the vertical step only.
    f = ballAt(1000, 100, 100, -100);
    EXPECT_EQ(Paddle::tick(f), Outcome::Playing);
    EXPECT_EQ(f.h, 100);
    EXPECT_EQ(f.v, 100);
    // The win comes before everything, a wall included.
    f = ballAt(5510, 500, 100, 100, 0, 302);
    EXPECT_EQ(Paddle::tick(f), Outcome::Won);
    EXPECT_EQ(f.paddleWidth, 300);
    EXPECT_EQ(f.h, 100);
    // The catch comes before the loss at the loss line.
    f = ballAt(2500, 2900, 100, 100);
    EXPECT_EQ(Paddle::tick(f), Outcome::Playing);
    EXPECT_EQ(f.v, -100);
}

TEST(Paddle, PaddleEdgesAreStrict) {
    struct Row {
        int ballLeftAfter, ballTopAfter;
        Outcome outcome;
        qint16 v;
    };
    // The paddle is 2160 to 2160 + 1078 once it has shrunk in the tick.
    const Row table[] = {
        {2160, 2700, Outcome::Playing, 100},  {2161, 2700, Outcome::Playing, -100},
        {3237, 2700, Outcome::Playing, -100}, {3238, 2700, Outcome::Playing, 100},
        {2160, 3000, Outcome::Lost, 100},     {3238, 3000, Outcome::Lost, 100},
        {3237, 3000, Outcome::Playing, -100}, {2500, 2600, Outcome::Playing, 100},
    };
    for (const Row& row : table) {
        Paddle::Field f = ballAt(row.ballLeftAfter - 100, row.ballTopAfter - 100, 100, 100);
        EXPECT_EQ(Paddle::tick(f), row.outcome) << row.ballLeftAfter << " " << row.ballTopAfter;
        EXPECT_EQ(f.v, row.v) << row.ballLeftAfter << " " << row.ballTopAfter;
    }
}

TEST(Paddle, AGameNotLostLastsThreeHundredNinetyTicks) {
    Paddle::Field f;
    int ticks = 0;
    Outcome outcome = Outcome::Playing;
    while (outcome == Outcome::Playing && ticks < 1000) {
        // The player keeps the paddle's middle under the ball.
        f.paddleLeft = f.ballLeft - f.paddleWidth / 2;
        outcome = Paddle::tick(f);
        ++ticks;
        ASSERT_LE(f.ballTop, Paddle::LossLine);
    }
    EXPECT_EQ(outcome, Outcome::Won);
    EXPECT_EQ(ticks, 390);

    const int paddleLeft = f.paddleLeft;
    Paddle::reset(f);
    EXPECT_EQ(f.paddleWidth, 1080);
    EXPECT_EQ(f.ballLeft, 0);
    EXPECT_EQ(f.ballTop, 0);
    EXPECT_EQ(f.h, 100);
    EXPECT_EQ(f.v, 100);
    EXPECT_EQ(f.paddleLeft, paddleLeft);
}

TEST(Paddle, AnUntouchedPaddleLosesTheSecondFall) {
    Paddle::Field f;
    int ticks = 0;
    Outcome outcome = Outcome::Playing;
    while (outcome == Outcome::Playing && ticks < 1000) {
        outcome = Paddle::tick(f);
        ++ticks;
    }
    // Caught at 27, then rolled along the paddle from 84 to 92 (each tick in the catch zone
    // over the paddle turns the ball again), then missed.
    EXPECT_EQ(outcome, Outcome::Lost);
    EXPECT_EQ(ticks, 152);
    EXPECT_EQ(f.ballTop, 3000);
    EXPECT_TRUE(f.ballLeft <= f.paddleLeft || f.ballLeft >= f.paddleLeft + f.paddleWidth);
}

TEST(Paddle, KeysTestBeforeTheyStep) {
    Paddle::Field f;
    f.paddleLeft = 5895 - 1080;
    Paddle::keyRight(f);
    EXPECT_EQ(f.paddleLeft, 4965);
    Paddle::keyRight(f);
    EXPECT_EQ(f.paddleLeft, 4965);
    f.paddleLeft = 0;
    Paddle::keyLeft(f);
    EXPECT_EQ(f.paddleLeft, -150);
    Paddle::keyLeft(f);
    EXPECT_EQ(f.paddleLeft, -150);
    // The limit follows the shrinking paddle.
    f.paddleWidth = 500;
    f.paddleLeft = 5395;
    Paddle::keyRight(f);
    EXPECT_EQ(f.paddleLeft, 5545);
}

TEST(Paddle, ArrowButtonsStepThenStopPastALimit) {
    Paddle::Field f;
    f.paddleLeft = 4715;
    EXPECT_TRUE(Paddle::buttonRight(f));
    EXPECT_EQ(f.paddleLeft, 4815);
    EXPECT_FALSE(Paddle::buttonRight(f));
    EXPECT_EQ(f.paddleLeft, 4915);
    f.paddleLeft = 100;
    EXPECT_TRUE(Paddle::buttonLeft(f));
    EXPECT_EQ(f.paddleLeft, 0);
    EXPECT_FALSE(Paddle::buttonLeft(f));
    EXPECT_EQ(f.paddleLeft, -100);
}

TEST(Paddle, FinishPaysOrChargesThenAsks) {
    GameState state;
    state.beginNewGame(QDate(2002, 5, 5));
    state.lblMoney = u"5"_s;
    state.lblHappyness = u"3"_s;
    {
        ScriptedEffects<> effects({false});
        EXPECT_FALSE(Paddle::finish(state, Outcome::Lost, effects));
        EXPECT_EQ(state.lblMoney, u"-15"_s);
        EXPECT_EQ(state.lblHappyness, u"-5"_s);
        ASSERT_EQ(effects.titles.size(), 1);
        EXPECT_EQ(effects.titles[0], u"Вы проиграли."_s);
        EXPECT_EQ(effects.texts[0], u"К сожалению вы проиграли. Хотите начать снова?"_s);
    }
    {
        ScriptedEffects<> effects({true});
        EXPECT_TRUE(Paddle::finish(state, Outcome::Won, effects));
        EXPECT_EQ(state.lblMoney, u"20"_s);
        EXPECT_EQ(state.lblHappyness, u"15"_s);
        ASSERT_EQ(effects.titles.size(), 1);
        EXPECT_EQ(effects.titles[0], u"Вы выиграли."_s);
        EXPECT_EQ(effects.texts[0], u"Ура-а-а вы выиграли!!! Хотите начать снова?"_s);
        EXPECT_EQ(effects.icons[0], MsgIcon::Question);
    }
}

TEST(PaddleMachine, AGameLocksTheChoicesUntilThePlayerStops) {
    Paddle::Machine machine;
    EXPECT_FALSE(machine.settingsLocked());
    EXPECT_FALSE(machine.arrowButtonsLocked());
    machine.start();
    EXPECT_TRUE(machine.settingsLocked());
    // The arrow buttons stay with the player who plays by them.
    EXPECT_FALSE(machine.arrowButtonsLocked());
    machine.control = Paddle::Control::Keyboard;
    EXPECT_TRUE(machine.arrowButtonsLocked());

    GameState state = newGame();
    machine.field = ballAt(2000, 2900, 100, 100, -90, 600);
    ASSERT_EQ(machine.tick(), Outcome::Lost);
    {
        // Another game: it runs at once from the corner, the paddle whole again but where the
        // player left it, still locked.
        ScriptedEffects<> effects({true});
        EXPECT_TRUE(machine.end(state, Outcome::Lost, effects));
    }
    EXPECT_TRUE(machine.playing);
    EXPECT_TRUE(machine.arrowButtonsLocked());
    EXPECT_EQ(machine.field.ballLeft, 0);
    EXPECT_EQ(machine.field.ballTop, 0);
    EXPECT_EQ(machine.field.paddleWidth, 1080);
    EXPECT_EQ(machine.field.paddleLeft, -90);
    EXPECT_EQ(state.lblMoney, u"150"_s);
    {
        ScriptedEffects<> effects({false});
        EXPECT_FALSE(machine.end(state, Outcome::Won, effects));
    }
    EXPECT_FALSE(machine.playing);
    EXPECT_FALSE(machine.settingsLocked());
    EXPECT_FALSE(machine.arrowButtonsLocked());
    EXPECT_EQ(state.lblMoney, u"185"_s);
    EXPECT_EQ(machine.field.h, 100);
    EXPECT_EQ(machine.field.v, 100);
}

TEST(PaddleMachine, OneTickMovesTheBallAndShrinksThePaddleBeforeItsReaction) {
    Paddle::Machine machine;
    machine.field = ballAt(5410, 1000, 100, -100, 1000, 700);
    // The ball reaches the right wall and turns there, in the same tick that moved it.
    EXPECT_EQ(machine.tick(), Outcome::Playing);
    EXPECT_EQ(machine.field.ballLeft, 5510);
    EXPECT_EQ(machine.field.ballTop, 900);
    EXPECT_EQ(machine.field.paddleWidth, 698);
    EXPECT_EQ(machine.field.h, 100);
    EXPECT_EQ(machine.tick(), Outcome::Playing);
    EXPECT_EQ(machine.field.ballLeft, 5610);
    EXPECT_EQ(machine.field.h, -100);
    EXPECT_EQ(machine.field.paddleLeft, 1000);
}

namespace {

// The desktop, with a player who lets the game's clock run on while reading the question at
// the end of a game.
class QuestionWhileTicking : public ScriptedPlatform {
public:
    using ScriptedPlatform::ScriptedPlatform;
    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, MsgCause cause) override {
        if (tickMeanwhile)
            for (int i = 0; i < 3; ++i)
                tickMeanwhile->fire();
        return ScriptedPlatform::message(over, text, title, icon, buttons, cause);
    }
    Timer* tickMeanwhile = nullptr;
};

class PaddleWindow : public ScriptedGame<QuestionWhileTicking> {
protected:
};

} // namespace

TEST_F(PaddleWindow, AFinishedGameIsSettledOnceWhileTheQuestionIsOpen) {
    auto* arcade = game.open<frmAr>();
    ASSERT_NE(arcade, nullptr);
    // The paddle far to the left: the ball falls past it at the 30th tick.
    arcade->machine().field.paddleLeft = -90;
    arcade->showGame();
    arcade->cmdNew->click();
    for (int i = 0; i < 29; ++i)
        arcade->Timer3->fire();
    platform.tickMeanwhile = arcade->Timer3;
    platform.answers = {true};
    arcade->Timer3->fire();
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown[0].title, u"Вы проиграли."_s);
    platform.shown.clear();
    EXPECT_EQ(game.state.lblMoney, u"150"_s);
    EXPECT_EQ(game.state.lblHappyness, u"22"_s);
    // The ticks during the question moved nothing: the next game starts from the corner.
    EXPECT_EQ(Twips::get(arcade->P1, Twips::Edge::Left), 0);
    EXPECT_EQ(Twips::get(arcade->P1, Twips::Edge::Top), 0);
    EXPECT_EQ(Twips::get(arcade->C1, Twips::Edge::Width), 1080);
    EXPECT_TRUE(arcade->Timer3->running());
}

TEST_F(PaddleWindow, ANewGameClosesTheMachineInMidGame) {
    auto* arcade = game.open<frmAr>();
    ASSERT_NE(arcade, nullptr);
    arcade->cmdNew->click();
    const QPointer<Timer> tick = arcade->Timer3;
    ASSERT_TRUE(tick->running());
    platform.answers = {true};
    game.loaded<frmMain>()->NewGame->trigger();
    platform.shown.clear();
    EXPECT_EQ(game.loaded<frmAr>(), nullptr);
    EXPECT_TRUE(!tick || !tick->running());
}

TEST_F(PaddleWindow, TheControlsOnlyShowTheGame) {
    auto* arcade = game.open<frmAr>();
    ASSERT_NE(arcade, nullptr);
    arcade->cmdNew->click();
    // Whatever the hidden boxes and the ball's place are made to say, the game goes on from
    // where it is, and they show it again after the tick.
    arcade->T1->setText(u"-100"_s);
    arcade->T2->setText(u"junk"_s);
    Twips::remember(arcade->P1, Twips::Edge::Left, 3000);
    Twips::remember(arcade->C1, Twips::Edge::Width, 300);
    arcade->Timer3->fire();
    EXPECT_EQ(arcade->T1->text(), u"100"_s);
    EXPECT_EQ(arcade->T2->text(), u"100"_s);
    EXPECT_EQ(Twips::get(arcade->P1, Twips::Edge::Left), 100);
    EXPECT_EQ(Twips::get(arcade->P1, Twips::Edge::Top), 100);
    EXPECT_EQ(Twips::get(arcade->C1, Twips::Edge::Width), 1078);
    EXPECT_EQ(arcade->machine().field.ballLeft, 100);
    EXPECT_TRUE(platform.shown.empty());
}
