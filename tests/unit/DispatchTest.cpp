// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What happens while a handler waits in a message box: in the real program the event loop
// runs on, so timers tick and windows may go away under the waiting handler. The platform
// here lets a test act at that moment.

#include "app/GameWindows.h"
#include "core/frmMain.h"
#include "fixture/frmFixture.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"
#include "ui/Timer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>
#include <QWindow>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class WaitingPlatform : public ScriptedPlatform {
public:
    WaitingPlatform()
        : ScriptedPlatform(QString()) {
        date = QDate(2002, 5, 5);
    }
    MsgResult message(QWidget* over, const QString& text, const QString& title, MsgIcon icon,
                      MsgButtons buttons, MsgCause cause) override {
        const MsgResult result = ScriptedPlatform::message(over, text, title, icon, buttons, cause);
        if (whileWaiting) {
            auto act = std::exchange(whileWaiting, nullptr);
            act();
        }
        return result;
    }
    std::function<void()> whileWaiting;
};

class Dispatch : public ::testing::Test {
protected:
    Dispatch()
        : windows(gameWindows()) {
        addFixtureWindows(windows);
        game = std::make_unique<Game>(platform, windows);
        game->start();
        game->open(u"frmFixture"_s);
        fixture = game->loaded(u"frmFixture"_s)->window();
    }
    ~Dispatch() override {
        game.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class T> T* control(const char* name) {
        return fixture->findChild<T*>(QString::fromLatin1(name));
    }
    QString log() { return this->template control<QLabel>("lblLog")->text(); }

    WindowCatalog windows;
    WaitingPlatform platform;
    std::unique_ptr<Game> game;
    QPointer<QWidget> fixture;
};

} // namespace

TEST_F(Dispatch, ATickWaitingInAMessageBoxSkipsTheNextTickOfTheSameTimer) {
    control<QAbstractButton>("cmdStart")->click();
    auto* ask = control<Timer>("tmrAsk");
    auto* fast = control<Timer>("tmrFast");
    platform.whileWaiting = [&] {
        ask->fire();  // skipped: the first tick still waits
        fast->fire(); // another timer ticks as usual
    };
    ask->fire();
    EXPECT_EQ(log(), u"tick fast after");
    EXPECT_EQ(platform.shown.size(), 1u);
    // Once the first tick is over, the timer ticks again.
    ask->fire();
    EXPECT_EQ(log(), u"tick fast after tick after");
}

TEST_F(Dispatch, AHandlerWhoseWindowWasUnloadedMeanwhileStops) {
    platform.answers = {true};
    platform.whileWaiting = [&] {
        game->unload(game->loaded(u"frmFixture"_s));
    };
    control<QAbstractButton>("cmdAsk")->click();
    // It came back from the question and touched nothing: no answer, no second message.
    EXPECT_EQ(platform.shown.size(), 1u);
    ASSERT_TRUE(fixture);
    EXPECT_EQ(control<QLabel>("lblAnswer")->text(), u"");
    EXPECT_EQ(game->loaded(u"frmFixture"_s), nullptr);
    // The window is deleted once its handler is over.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(fixture);
}

TEST_F(Dispatch, AHandlerThatWaitedAcrossANewGameStops) {
    platform.answers = {true};
    platform.whileWaiting = [&] {
        game->loaded<frmMain>()->ForLoadMain();
        game->state.lblMoney = u"55"_s;
    };
    auto* main = game->loaded<frmMain>();
    control<QAbstractButton>("cmdAsk")->click();
    EXPECT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(control<QLabel>("lblAnswer")->text(), u"");
    // The main window was told of the change all the same.
    EXPECT_EQ(main->field(u"lblMoney"_s)->text(), u"55");
}

TEST_F(Dispatch, ATickWaitingWhenTheProgramEndsStops) {
    control<QAbstractButton>("cmdStart")->click();
    platform.whileWaiting = [&] {
        try {
            game->end();
        } catch (const HandlerAborted&) {
        }
    };
    control<Timer>("tmrAsk")->fire();
    EXPECT_TRUE(game->ended());
    EXPECT_TRUE(platform.quitCalled);
    EXPECT_EQ(log(), u"tick");
    EXPECT_TRUE(game->windows().empty());
}

TEST_F(Dispatch, YesToTheExitQuestionEndsTheProgramEvenAfterADeathMeanwhile) {
    platform.answers = {true};
    platform.whileWaiting = [&] {
        // The life update kills the player while the question is open: every window goes and
        // the start window offers the next game.
        game->state.SkipExitConfirm = 1;
        const auto loaded = game->windows();
        for (auto it = loaded.rbegin(); it != loaded.rend(); ++it)
            game->unload(*it);
        game->open(u"frmFirst"_s);
    };
    game->loaded<frmMain>()->Exit->trigger();
    EXPECT_TRUE(game->ended());
    EXPECT_TRUE(platform.quitCalled);
    EXPECT_TRUE(game->windows().empty());
}

TEST_F(Dispatch, NoToTheExitQuestionAfterADeathMeanwhileTouchesNothing) {
    platform.answers = {false};
    platform.whileWaiting = [&] {
        game->unload(game->loaded(u"frmMain"_s));
    };
    game->loaded<frmMain>()->Exit->trigger();
    EXPECT_FALSE(game->ended());
    ASSERT_EQ(game->windows().size(), 1u);
    EXPECT_EQ(game->windows().front()->formName(), u"frmFixture");
}

TEST_F(Dispatch, OnlyAHandlerRunByDispatchMayBeStopped) {
    // Outside a handler nothing would catch the unwinding: it would run into Qt's event loop.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(game->abortHandler(), "dispatch");
}

TEST_F(Dispatch, BetweenTwoEventsTheScriptedDesktopDeliversWhatWasPostedAndDeletesWhatWasLetGo) {
    control<QAbstractButton>("cmdLater")->click();
    EXPECT_EQ(log(), u"now");
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_EQ(log(), u"now later");

    // Let go of outside any event handler, as by a timer's tick or a menu item.
    game->unload(game->loaded(u"frmFixture"_s));
    ASSERT_TRUE(fixture);
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_FALSE(fixture);

    // Let go of by a handler of its own, inside a mouse event.
    game->open(u"frmFixture"_s);
    fixture = game->loaded(u"frmFixture"_s)->window();
    auto* leave = control<QWidget>("cmdLeave");
    const QPointF centre = QRectF(leave->rect()).center();
    QMouseEvent press(QEvent::MouseButtonPress, centre, leave->mapToGlobal(centre), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(leave, &press);
    EXPECT_EQ(game->loaded(u"frmFixture"_s), nullptr);
    ASSERT_TRUE(fixture);
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_FALSE(fixture);
}

// Time stands while the player reads what the game's time did: the status that the life
// update raises is left unanswered, and however long it waits no hour passes, no salary is
// paid and no other timer of the game moves. Once it is closed, time goes on with what it had
// left.
TEST_F(Dispatch, AMessageOfTheLifeUpdateHoldsEveryTimerUntilItIsClosed) {
    GameState& state = game->state;
    state.lblStatus = u"Чайник"_s;
    state.lblCom = u"9"_s;
    state.lblCCost = u"4"_s;
    state.lblWorkEarn = u"100"_s;
    control<QAbstractButton>("cmdFast")->click(); // three ticks of the fixture's own timer
    const QString hours = state.lblHours, money = state.lblMoney;
    bool stood = false;
    QString hoursMeanwhile, moneyMeanwhile, logMeanwhile;
    platform.whileWaiting = [&] {
        stood = game->timeStands();
        platform.advance(4 * 36000, [] { return false; }); // four days at the normal speed
        hoursMeanwhile = state.lblHours;
        moneyMeanwhile = state.lblMoney;
        logMeanwhile = log();
    };
    frmMain* main = game->loaded<frmMain>();
    main->Timer1->fire();
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().title, u"Вы Любитель");
    EXPECT_TRUE(stood);
    EXPECT_EQ(hoursMeanwhile, hours);
    EXPECT_EQ(moneyMeanwhile, u"166"); // the course's fee of this tick, and no salary
    EXPECT_EQ(logMeanwhile, u"");
    EXPECT_FALSE(game->timeStands());
    EXPECT_FALSE(game->paused());
    // Closed: the clock goes on with the whole hour it had left.
    platform.advance(1499, [] { return false; });
    EXPECT_EQ(state.lblHours, hours);
    platform.advance(1, [] { return false; });
    EXPECT_EQ(state.lblHours, QString::number(hours.toInt() + 1));
    EXPECT_EQ(log(), u"fast fast fast");
}

TEST_F(Dispatch, AMessageThePlayerCausedLeavesTimeRunning) {
    platform.answers = {true};
    const QString hours = game->state.lblHours;
    QString hoursMeanwhile;
    platform.whileWaiting = [&] {
        platform.advance(1500, [] { return false; });
        hoursMeanwhile = game->state.lblHours;
    };
    control<QAbstractButton>("cmdAsk")->click();
    EXPECT_EQ(hoursMeanwhile, QString::number(hours.toInt() + 1));
    ASSERT_EQ(platform.shown.size(), 2u);
    EXPECT_EQ(platform.shown.front().cause, MsgCause::Player);
}

// A message of the clock opens over the window the player is in, never over the main window
// behind it, and is marked as one the player did not ask for (the desktop ignores keys for a
// moment).
TEST_F(Dispatch, AMessageOfTheClockOpensOverTheTopmostWindowAsNotAskedFor) {
    game->state.lblStatus = u"Чайник"_s;
    game->state.lblCom = u"9"_s;
    game->state.lblCCost = u"4"_s;
    game->loaded<frmMain>()->Timer1->fire();
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().over, u"frmFixture");
    EXPECT_EQ(platform.shown.front().cause, MsgCause::Time);
}

// Once a death is decided nothing of that life reaches the autosaves, even a day that ends
// while the death message waits; the next life autosaves again.
TEST_F(Dispatch, NothingOfADeadLifeIsAutosaved) {
    QTemporaryDir folder;
    platform.caseFolder = folder.path();
    const QString autosave = QDir(platform.dataFolder()).filePath(u"autosave.kbz"_s);
    game->state.lblHungry = u"-29"_s;
    game->state.lblHours = u"23"_s;
    const size_t days = game->history.size();
    platform.whileWaiting = [&] {
        game->loaded<frmMain>()->tmrTime->fire(); // the day ends behind the death message
    };
    game->loaded<frmMain>()->Timer1->fire();
    ASSERT_EQ(platform.shown.size(), 1u);
    EXPECT_EQ(platform.shown.front().title, u"+СМЕРТЬ+");
    EXPECT_EQ(game->state.lblHours, u"0");
    EXPECT_FALSE(QFile::exists(autosave));
    EXPECT_EQ(game->history.size(), days);
    ASSERT_NE(game->loaded(u"frmFirst"_s), nullptr);

    // The start window's OK: a new life, whose day's end is autosaved.
    game->session.newGame();
    game->state.lblHours = u"23"_s;
    game->loaded<frmMain>()->tmrTime->fire();
    EXPECT_TRUE(QFile::exists(autosave));
}

namespace {
// Counts the times a widget is painted.
class Paints : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};
} // namespace

TEST(ScriptedDesktop, AWindowOffTheScreenIsShownToTheGameButNeverDrawn) {
    WindowCatalog windows = gameWindows();
    addFixtureWindows(windows);
    ScriptedPlatform platform{QString()};
    platform.date = QDate(2002, 5, 5);
    platform.onScreen = false;
    auto game = std::make_unique<Game>(platform, windows);
    game->start();
    game->open(u"frmFixture"_s);
    QWidget* main = game->loaded(u"frmMain"_s)->window();
    QWidget* fixture = game->loaded(u"frmFixture"_s)->window();
    Paints paints;
    for (QWidget* widget : fixture->findChildren<QWidget*>())
        widget->installEventFilter(&paints);
    fixture->installEventFilter(&paints);

    for (QWidget* window : {main, fixture}) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_FALSE(window->windowHandle() && window->windowHandle()->isVisible());
    }
    // Modal as the game asked, for Qt too.
    EXPECT_TRUE(fixture->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), fixture);

    fixture->findChild<QAbstractButton*>(u"cmdAdd"_s)->click();
    fixture->update();
    ScriptedPlatform::deliverPostedEvents();
    EXPECT_EQ(paints.count, 0);

    game.reset();
    ScriptedPlatform::deliverPostedEvents();
}
