// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A new game from the menu leaves nothing of the old one in the casino: the venue and its
// machines close, and a roulette counter in mid-spin stops with its window. The menu sits
// behind the casino's modal windows, where a scenario cannot reach it, so this triggers the
// main window's menu item itself.

#include "ScriptedGame.h"
#include "app/GameWindows.h"
#include "core/frmFirst.h"
#include "core/frmMain.h"
#include "leisure/frmParty.h"
#include "leisure/frmRuletka.h"
#include "leisure/frmRuletka2.h"
#include "runner/ScriptedPlatform.h"
#include "ui/AmountBox.h"
#include "ui/Game.h"
#include "ui/Timer.h"

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class CasinoNewGame : public ScriptedGame<> {
protected:
    void newGameFromTheMenu() {
        platform.answers = {true};
        game.loaded<frmMain>()->NewGame->trigger();
        ASSERT_EQ(platform.shown.size(), 1u);
        platform.shown.clear();
        EXPECT_NE(game.loaded<frmFirst>(), nullptr);
    }
};

} // namespace

TEST_F(CasinoNewGame, ClosesTheVenue) {
    ASSERT_NE(game.open<frmParty>(), nullptr);
    newGameFromTheMenu();
    EXPECT_EQ(game.loaded<frmParty>(), nullptr);
}

TEST_F(CasinoNewGame, StopsTheRouletteInMidSpin) {
    auto* roulette = game.open<frmRuletka>();
    ASSERT_NE(roulette, nullptr);
    roulette->txtChis->setText(u"3"_s);
    roulette->txtStav->setText(u"5"_s);
    roulette->cmdStart->click();
    const QPointer<Timer> counter = roulette->Timer1;
    ASSERT_TRUE(counter->running());
    newGameFromTheMenu();
    EXPECT_EQ(game.loaded<frmRuletka>(), nullptr);
    EXPECT_TRUE(!counter || !counter->running());
    EXPECT_TRUE(platform.draws.empty());
}

TEST_F(CasinoNewGame, ClosesTheSlotMachine) {
    auto* slots = game.open<frmRuletka2>();
    ASSERT_NE(slots, nullptr);
    slots->cmdBVrash->click();
    newGameFromTheMenu();
    EXPECT_EQ(game.loaded<frmRuletka2>(), nullptr);
    EXPECT_EQ(game.windows().size(), 2u); // the hidden main window and the start window
}
