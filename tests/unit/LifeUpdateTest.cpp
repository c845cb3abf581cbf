#include "rules/LifeUpdate.h"
#include "rules/Clock.h"
#include "state/GameState.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Recorder : Life::Effects {
    QStringList said;
    void warn(const QString& text, const QString&) override { said << text; }
    void die(const QString& text) override { said << u"died: "_s + text; }
    void courseFinished(Life::Course) override { said << u"course finished"_s; }
    void virusStrikes() override { said << u"virus"_s; }
};

} // namespace

TEST(LifeUpdate, EachLadderClimbsItsRungsInOrder) {
    const std::pair<const Life::Ladder*, const QStringList*> ladders[] = {
        {&Life::statusLadder(), &Ladders::Status},
        {&Life::englishLadder(), &Ladders::English},
        {&Life::schoolLadder(), &Ladders::Education},
    };
    for (auto [ladder, rungs] : ladders) {
        ASSERT_EQ(qsizetype(ladder->steps.size()), rungs->size() - 1);
        int lastMark = 0;
        for (size_t i = 0; i < ladder->steps.size(); ++i) {
            const Life::LadderStep& step = ladder->steps[i];
            EXPECT_EQ(QString::fromUtf16(step.from), rungs->at(qsizetype(i)));
            EXPECT_EQ(QString::fromUtf16(step.to), rungs->at(qsizetype(i) + 1));
            const int mark = QString::fromUtf16(step.mark).toInt();
            EXPECT_GT(mark, lastMark) << "marks must grow, each met once";
            lastMark = mark;
        }
    }
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
    EXPECT_EQ(effects.said, QStringList{u"died: К сожалению вы умерли от голода."_s});
    EXPECT_EQ(state.lblCom, u"9");
    EXPECT_EQ(state.lblVir, u"9");
    EXPECT_EQ(state.lblMoney, u"170");
}

TEST(Clock, GrowthTruncatesTowardZero) {
    EXPECT_EQ(Clock::growth(19), 0);
    EXPECT_EQ(Clock::growth(39), 1);
    EXPECT_EQ(Clock::growth(40), 2);
    EXPECT_EQ(Clock::growth(-1), 0);
    EXPECT_EQ(Clock::growth(-39), -1);
}
