// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/LifeUpdate.h"
#include "rules/Clock.h"
#include "state/GameState.h"
#include "unit/ScriptedEffects.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Recorder : ScriptedEffects<Life::Effects> {
    void die(const QString& text) override { texts << u"died: "_s + text; }
    void courseFinished(Life::Course) override { texts << u"course finished"_s; }
    void virusStrikes() override { texts << u"virus"_s; }
};

} // namespace

TEST(LifeUpdate, EachLadderHasOneStepPerRungWithGrowingMarks) {
    for (const Life::Ladder* ladder :
         {&Life::statusLadder(), &Life::englishLadder(), &Life::schoolLadder()}) {
        ASSERT_EQ(qsizetype(ladder->steps.size()), ladder->rungs.size() - 1);
        int lastMark = 0;
        for (const Life::LadderStep& step : ladder->steps) {
            const int mark = step.mark.toInt();
            EXPECT_GT(mark, lastMark) << "marks must grow, each met once";
            lastMark = mark;
        }
    }
}

TEST(LifeUpdate, AStepClimbsOneRungAtItsMark) {
    GameState state;
    state.setDesignTexts();
    state.lblStatus = u"Почти хакер"_s;
    state.lblCom = u"35"_s; // counted to 36 by this tick
    state.lblCCost = u"8"_s;
    Recorder effects;
    Life::tick(state, effects);
    EXPECT_EQ(state.lblStatus, u"Хакер");
    EXPECT_EQ(effects.titles, QStringList{u"Вы Хакер"_s});
    EXPECT_EQ(effects.icons, std::vector{MsgIcon::Exclamation});
}

TEST(LifeUpdate, ADeathEndsTheTick) {
    GameState state;
    state.setDesignTexts();
    state.lblHungry = u"-29"_s;
    state.lblCCost = u"8"_s;
    state.lblCom = u"9"_s;
    for (QString* part :
         {&state.lblComp, &state.lblMonitor, &state.lblVinchester, &state.lblRAM, &state.lblSystem})
        *part = u"x"_s;
    state.lblVir = u"9"_s;
    Recorder effects;
    Life::tick(state, effects);
    EXPECT_EQ(effects.texts, QStringList{u"died: К сожалению вы умерли от голода."_s});
    EXPECT_EQ(state.lblCom, u"9");
    EXPECT_EQ(state.lblVir, u"9");
    EXPECT_EQ(state.lblMoney, u"170");
}
