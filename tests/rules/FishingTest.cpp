// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The fishing rules by tables: the tackle shop, the trip to the lake, the catch brought home
// and where the fish jump.

#include "rules/Fishing.h"
#include "state/GameState.h"
#include "unit/ScriptedEffects.h"

#include "unit/NewGame.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

const Fishing::Goods& goods(Fishing::Kind kind) {
    for (const Fishing::Goods& item : Fishing::goods())
        if (item.kind == kind)
            return item;
    throw std::logic_error("no such goods");
}

} // namespace

TEST(Fishing, ShopSellsOnlyWhatTheMoneyCovers) {
    using K = Fishing::Kind;
    struct Row {
        const char* what;
        K kind;
        const char16_t* cash;
        qint16 bait;
        bool bought;
        const char16_t* cashAfter;
        qint16 baitAfter, rodAfter, tackleAfter;
        const char16_t* title;
    };
    const Row table[] = {
        {"bait, exactly the price", K::Bait, u"6", 0, true, u"0", 1, 0, 0,
         u"Вы купили пакет прикормки"},
        {"bait, a little short", K::Bait, u"5.9", 0, false, u"5.9", 0, 0, 0, u"Нет денег."},
        {"bait, the last packet that fits", K::Bait, u"100", 32766, true, u"94", 32767, 0, 0,
         u"Вы купили пакет прикормки"},
        {"bait, the box is full: not charged", K::Bait, u"100", 32767, false, u"100", 32767, 0, 0,
         u"Ящик полон."},
        {"bait, no money and a full box", K::Bait, u"1", 32767, false, u"1", 32767, 0, 0,
         u"Нет денег."},
        {"tackle", K::Tackle, u"20", 3, true, u"0", 3, 0, -1, u"Вы купили снасти"},
        {"tackle, short", K::Tackle, u"19.99", 3, false, u"19.99", 3, 0, 0, u"Нет денег."},
        {"rod, a fraction left", K::Rod, u"30.5", 0, true, u"0.5", 0, -1, 0, u"Вы купили удочку"},
        {"rod, negative money", K::Rod, u"-40", 0, false, u"-40", 0, 0, 0, u"Нет денег."},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblMoney = QString::fromUtf16(row.cash);
        state.BaitPacks = row.bait;
        ScriptedEffects<> effects;
        EXPECT_EQ(Fishing::buy(state, goods(row.kind), effects), row.bought) << row.what;
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cashAfter)) << row.what;
        EXPECT_EQ(state.BaitPacks, row.baitAfter) << row.what;
        EXPECT_EQ(state.HasRod, row.rodAfter) << row.what;
        EXPECT_EQ(state.HasTackle, row.tackleAfter) << row.what;
        EXPECT_EQ(effects.titles, QStringList{QString::fromUtf16(row.title)}) << row.what;
        EXPECT_EQ(effects.icons, std::vector<MsgIcon>{MsgIcon::None}) << row.what;
    }
}

TEST(Fishing, TheRodAndTackleAreOwnedOnceBought) {
    GameState state = newGame();
    EXPECT_FALSE(Fishing::owned(state, goods(Fishing::Kind::Rod)));
    state.HasRod = -1;
    EXPECT_TRUE(Fishing::owned(state, goods(Fishing::Kind::Rod)));
    EXPECT_FALSE(Fishing::owned(state, goods(Fishing::Kind::Tackle)));
    state.BaitPacks = 5;
    EXPECT_FALSE(Fishing::owned(state, goods(Fishing::Kind::Bait))) << "bait is always on sale";
}

TEST(Fishing, TheTripToTheLake) {
    struct Row {
        const char* what;
        qint16 rod, tackle, car;
        const char16_t* cash;
        std::initializer_list<bool> answers;
        bool arrives;
        const char16_t* cashAfter;
        QStringList titles;
    };
    const QString notReady = u"Не готовы."_s;
    const QString gasoline = u"Требуется бензин. Хотите ли вы купить бензин?"_s;
    const QString bus = u"Требуется машина. Хотите ли вы поехать на автобусе?"_s;
    const QString noMoney = u"Нет денег."_s;
    const Row table[] = {
        {"no rod, whatever the car and money", 0, -1, 1, u"500", {}, false, u"500", {notReady}},
        {"no tackle", -1, 0, 0, u"500", {}, false, u"500", {notReady}},
        {"by car, no gasoline wanted", -1, -1, 2, u"50", {false}, false, u"50", {gasoline}},
        {"by car: the money is cut to whole dollars",
         -1,
         -1,
         1,
         u"7.5",
         {true},
         true,
         u"2",
         {gasoline}},
        {"by car, exactly the gasoline", -1, -1, 1, u"5", {true}, true, u"0", {gasoline}},
        {"by car, short of gasoline",
         -1,
         -1,
         1,
         u"4.9",
         {true},
         false,
         u"4.9",
         {gasoline, noMoney}},
        {"no car, no bus wanted", -1, -1, 0, u"50", {false}, false, u"50", {bus}},
        {"no car, 9 is short of the bus", -1, -1, 0, u"9", {true}, false, u"9", {bus, noMoney}},
        {"by bus, the fraction stays", -1, -1, 0, u"10.5", {true}, true, u"0.5", {bus}},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.HasRod = row.rod;
        state.HasTackle = row.tackle;
        state.Car.Level = row.car;
        state.lblMoney = QString::fromUtf16(row.cash);
        ScriptedEffects<> effects(row.answers);
        EXPECT_EQ(Fishing::toLake(state, effects), row.arrives) << row.what;
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cashAfter)) << row.what;
        EXPECT_EQ(effects.titles, row.titles) << row.what;
    }
}

TEST(Fishing, TheBusFareIsWrittenWithItsLeadingBlank) {
    GameState state = newGame();
    state.HasRod = state.HasTackle = -1;
    ScriptedEffects<> effects({false});
    Fishing::toLake(state, effects);
    ASSERT_EQ(effects.texts.size(), 1);
    EXPECT_TRUE(effects.texts[0].contains(u"заплатив за билет  10$ и доехать"_s));
    EXPECT_TRUE(effects.texts[0].endsWith(u"магазине.\n\nХотите ли вы поехать на автобусе?"_s));
}

TEST(Fishing, BaitIsUsedOnePacketATrip) {
    GameState state = newGame();
    EXPECT_FALSE(Fishing::startFishing(state));
    EXPECT_EQ(state.BaitPacks, 0);
    state.BaitPacks = 2;
    EXPECT_TRUE(Fishing::startFishing(state));
    EXPECT_EQ(state.BaitPacks, 1);
}

TEST(Fishing, GainsOfTheCatch) {
    const std::tuple<int, int, int> table[] = {{0, 0, 0}, {4, 0, 0},  {5, 1, 0},
                                               {6, 1, 1}, {11, 2, 1}, {30, 6, 5}};
    for (auto [fish, mood, satiety] : table) {
        EXPECT_EQ(Fishing::moodGain(fish), mood) << fish;
        EXPECT_EQ(Fishing::satietyGain(fish), satiety) << fish;
    }
}

TEST(Fishing, TheCatchIsBroughtHome) {
    struct Row {
        const char* what;
        double fish, mood, satiety;
        const char16_t *happy, *hungry;
        qint16 total;
        const char16_t *happyAfter, *hungryAfter;
        qint16 totalAfter;
    };
    const Row table[] = {
        {"eleven fish", 11, 2, 1, u"30", u"30", 5, u"32", u"31", 16},
        {"four fish bring only their count", 4, 0, 0, u"30", u"30", 0, u"30", u"30", 4},
        {"mood and satiety lose their fractions", 11, 2, 1, u"50.5", u"-3.5", 0, u"52", u"-3", 11},
        {"the tally stops at its limit", 11, 2, 1, u"30", u"30", 32760, u"32", u"31", 32767},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblHappyness = QString::fromUtf16(row.happy);
        state.lblHungry = QString::fromUtf16(row.hungry);
        state.FishTotal = row.total;
        Fishing::bringHome(state, row.fish, row.mood, row.satiety);
        EXPECT_EQ(state.lblHappyness, QString::fromUtf16(row.happyAfter)) << row.what;
        EXPECT_EQ(state.lblHungry, QString::fromUtf16(row.hungryAfter)) << row.what;
        EXPECT_EQ(state.FishTotal, row.totalAfter) << row.what;
    }
}

TEST(Fishing, Results) {
    EXPECT_EQ(Fishing::results(u"11"_s, u"2"_s, u"1"_s),
              u"Вам удалось поймать рыб: 11\nУ вас улучшилось настроение на: 2\nСъев пойманную "
              "рыбу, сытость у вас увеличилась на: 1"_s);
}

TEST(Fishing, FishJumpWithinTheWaterTopFirst) {
    const Fishing::Area water{120, 120, 6600, 4500};
    struct Row {
        float top, left;
        int topAfter, leftAfter;
    };
    const Row table[] = {
        {0.0f, 0.0f, 125, 125},
        {0.5f, 0.25f, 2075, 1550},
        // The far corner: the fish still lies on the water.
        {0.9999f, 0.9999f, 4024, 5824},
    };
    for (const Row& row : table) {
        ScriptedEffects<> effects({}, {row.top, row.left});
        const Fishing::Place place = Fishing::jump(water, 900, 600, effects);
        EXPECT_EQ(place.top, row.topAfter) << row.top;
        EXPECT_EQ(place.left, row.leftAfter) << row.left;
    }
}

namespace {

const Fishing::Area Water{120, 120, 6600, 4500};
const Fishing::Place Ashore{-1800, 120};

Fishing::Lake lake() {
    return Fishing::Lake(Water, 900, 600, Ashore);
}

} // namespace

TEST(FishingLake, ATripFromTheWelcomeToTheWayHome) {
    GameState state = newGame();
    state.lblHappyness = u"50.5"_s;
    state.lblHungry = u"20.75"_s;
    state.FishTotal = 5;
    Fishing::Lake trip = lake();
    EXPECT_EQ(trip.stage(), Fishing::Lake::Stage::Welcome);
    EXPECT_FALSE(trip.finished());
    trip.start(state);
    EXPECT_EQ(trip.stage(), Fishing::Lake::Stage::Fishing);
    EXPECT_FALSE(trip.withBait());
    EXPECT_EQ(state.BaitPacks, 0);
    for (int i = 0; i < 11; ++i)
        trip.catchFish();
    trip.second();
    trip.second();
    EXPECT_EQ(trip.caught(), 11);
    EXPECT_EQ(trip.mood(), 2);
    EXPECT_EQ(trip.satiety(), 1);
    EXPECT_EQ(trip.seconds(), 2);
    // Nothing reaches the game before the time is up.
    EXPECT_EQ(state.FishTotal, 5);
    EXPECT_EQ(state.lblHappyness, u"50.5"_s);

    trip.timeUp(state);
    EXPECT_EQ(trip.stage(), Fishing::Lake::Stage::Results);
    EXPECT_TRUE(trip.finished());
    EXPECT_EQ(state.FishTotal, 16);
    EXPECT_EQ(state.lblHappyness, u"52"_s);
    EXPECT_EQ(state.lblHungry, u"21"_s);
    EXPECT_EQ(trip.results(), u"Вам удалось поймать рыб: 11\nУ вас улучшилось настроение на: 2\n"
                              "Съев пойманную рыбу, сытость у вас увеличилась на: 1"_s);
    EXPECT_EQ(trip.seconds(), 2);

    trip.openWayHome();
    EXPECT_EQ(trip.stage(), Fishing::Lake::Stage::Leaving);
    EXPECT_TRUE(trip.finished());
    EXPECT_EQ(trip.seconds(), 30);
    EXPECT_EQ(state.FishTotal, 16);
}

TEST(FishingLake, AFewFishGainNothingButTheTally) {
    GameState state = newGame();
    Fishing::Lake trip = lake();
    trip.start(state);
    for (int i = 0; i < 4; ++i)
        trip.catchFish();
    trip.timeUp(state);
    EXPECT_EQ(trip.mood(), 0);
    EXPECT_EQ(trip.satiety(), 0);
    EXPECT_EQ(state.FishTotal, 4);
    EXPECT_EQ(state.lblHappyness, u"30"_s);
    EXPECT_EQ(state.lblHungry, u"30"_s);
}

TEST(FishingLake, WithoutBaitTheSecondFishStaysAshore) {
    GameState state = newGame();
    Fishing::Lake trip = lake();
    EXPECT_EQ(trip.leftFish().left, -1800);
    EXPECT_EQ(trip.rightFish().top, 120);
    trip.start(state);
    {
        ScriptedEffects<> effects({}, {0.5f, 0.25f});
        trip.jump(effects);
    }
    EXPECT_EQ(trip.leftFish().top, 2075);
    EXPECT_EQ(trip.leftFish().left, 1550);
    EXPECT_EQ(trip.rightFish().left, -1800);
    EXPECT_EQ(trip.rightFish().top, 120);
}

TEST(FishingLake, WithBaitBothFishJumpTheLeftOneFirst) {
    GameState state = newGame();
    state.BaitPacks = 2;
    Fishing::Lake trip = lake();
    trip.start(state);
    EXPECT_TRUE(trip.withBait());
    EXPECT_EQ(state.BaitPacks, 1);
    {
        ScriptedEffects<> effects({}, {0.5f, 0.25f, 0.0f, 0.0f});
        trip.jump(effects);
    }
    EXPECT_EQ(trip.leftFish().top, 2075);
    EXPECT_EQ(trip.leftFish().left, 1550);
    EXPECT_EQ(trip.rightFish().top, 125);
    EXPECT_EQ(trip.rightFish().left, 125);
    // Once the time is up they go on jumping, out of sight.
    trip.timeUp(state);
    {
        ScriptedEffects<> effects({}, {0.0f, 0.0f, 0.5f, 0.25f});
        trip.jump(effects);
    }
    EXPECT_EQ(trip.leftFish().left, 125);
    EXPECT_EQ(trip.rightFish().left, 1550);
}
