// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The lake's labels show the trip and nothing more: a catch is counted by the trip, whatever a
// label was made to say.

#include "ScriptedGame.h"
#include "leisure/frmMadFish.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Game.h"
#include "ui/Timer.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class LakeWindow : public ScriptedGame<> {};

} // namespace

TEST_F(LakeWindow, TheLabelsOnlyShowTheCatch) {
    auto* lake = game.open<frmMadFish>();
    ASSERT_NE(lake, nullptr);
    lake->cmdStart->click();
    lake->lblCatch->setText(u"40"_s);
    lake->lbl1s->setText(u"29"_s);
    lake->FClick();
    lake->tmrCTime1s->fire();
    EXPECT_EQ(lake->lblCatch->text(), u"1"_s);
    EXPECT_EQ(lake->lblH->text(), u"0"_s);
    EXPECT_EQ(lake->lbl1s->text(), u"1"_s);
    for (int i = 0; i < 4; ++i)
        lake->FClick();
    lake->lblH->setText(u"9"_s);
    lake->tmrAllTime->fire();
    EXPECT_EQ(game.state.FishTotal, 5);
    EXPECT_EQ(game.state.lblHappyness, u"31"_s);
    EXPECT_EQ(lake->lblHelp->text(),
              u"Вам удалось поймать рыб: 5\nУ вас улучшилось настроение на: 1\nСъев пойманную "
              "рыбу, сытость у вас увеличилась на: 0"_s);
    // Time is up: the button is the way home, open a second later.
    EXPECT_FALSE(lake->cmdStart->isEnabled());
    lake->tmrAllTime->fire();
    EXPECT_TRUE(lake->cmdStart->isEnabled());
    EXPECT_EQ(lake->lbl1s->text(), u"30"_s);
}
