// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The session on its own, without a window listening: what it records at a day's end and what
// it tells the status bar through its signals.

#include "app/GameWindows.h"
#include "rules/Clock.h"
#include "runner/ScriptedPlatform.h"
#include "state/Autosave.h"
#include "ui/Game.h"
#include "unit/ScriptedEffects.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class QuietClock : public ScriptedEffects<Clock::Effects> {
public:
    void balanceChanged() override {}
};

class SessionDays : public ::testing::Test {
protected:
    SessionDays()
        : platform(folder.path())
        , windows(gameWindows())
        , game(platform, windows) {
        platform.date = QDate(2002, 5, 5);
        game.start();
    }
    ~SessionDays() override { ScriptedPlatform::deliverPostedEvents(); }

    // The last hour of the day passes.
    void endTheDay() {
        game.state.lblHours = u"23"_s;
        QuietClock clock;
        game.session.passHour(clock);
    }

    QTemporaryDir folder;
    ScriptedPlatform platform;
    WindowCatalog windows;
    Game game;
};

} // namespace

TEST_F(SessionDays, AFailedAutosaveIsToldUntilOneSucceeds) {
    QSignalSpy trouble(&game.session, &Session::troubleNoted);
    // A file where the data folder should be: nothing can be autosaved in it.
    QFile blocker(platform.dataFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    endTheDay();
    EXPECT_EQ(game.history.size(), 1u); // the day is recorded all the same
    ASSERT_EQ(trouble.size(), 1);
    EXPECT_EQ(trouble.at(0).at(0).toString(),
              u"Автосохранение не удалось: не удалось создать папку "_s + platform.dataFolder());

    ASSERT_TRUE(QFile::remove(platform.dataFolder()));
    QSignalSpy lastLife(&game.session, &Session::lastLifeChanged);
    endTheDay();
    EXPECT_EQ(game.history.size(), 2u);
    ASSERT_EQ(trouble.size(), 2);
    EXPECT_EQ(trouble.at(1).at(0).toString(), QString()); // the status bar's word is taken back
    EXPECT_EQ(lastLife.size(), 1);
    EXPECT_TRUE(game.session.ownsAutosaves());
    EXPECT_TRUE(QFile::exists(QDir(platform.dataFolder()).filePath(Autosave::fileName(0))));
    // The set is this life's own: there is no life before it to go back to.
    EXPECT_FALSE(game.session.canContinueLastLife());
}

TEST_F(SessionDays, ANewGameIsAnotherLifeWhoseFirstDayMovesTheEarlierOneAside) {
    endTheDay();
    ASSERT_TRUE(game.session.ownsAutosaves());
    game.session.newGame();
    EXPECT_TRUE(game.history.empty());
    EXPECT_FALSE(game.session.ownsAutosaves());
    // Until its first day ends, the earlier life's set is the one to continue.
    EXPECT_TRUE(game.session.canContinueLastLife());
    endTheDay();
    EXPECT_TRUE(game.session.ownsAutosaves());
    EXPECT_TRUE(
        QFile::exists(QDir(platform.dataFolder())
                          .filePath(Autosave::Previous.toString() + u'/' + Autosave::fileName(0))));
    EXPECT_TRUE(game.session.canContinueLastLife()); // now from previous/
}
