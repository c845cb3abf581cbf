// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Buying.h"
#include "unit/ScriptedEffects.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
GameState newGame(const char16_t* money) {
    GameState s;
    s.setDesignTexts();
    s.buildCatalogs();
    s.lblMoney = QString::fromUtf16(money);
    return s;
}
} // namespace

TEST(Buying, WholeDollarsMustCoverThePriceAndTheFractionStays) {
    struct Case {
        const char16_t* money;
        BuyResult result;
        const char16_t* moneyAfter;
    };
    const Case cases[] = {
        {u"30", BuyResult::Bought, u"0"},       {u"30.5", BuyResult::Bought, u"0.5"},
        {u"29.9", BuyResult::TooPoor, u"29.9"}, {u"-1", BuyResult::TooPoor, u"-1"},
        {u"abc", BuyResult::TooPoor, u"abc"},   {u"1e3", BuyResult::Bought, u"970"},
    };
    for (const Case& c : cases) {
        GameState s = newGame(c.money);
        EXPECT_EQ(buyNext(s, &GameState::Flat, &GameState::lblRoom), c.result)
            << QString::fromUtf16(c.money).toStdString();
        EXPECT_EQ(s.lblMoney, QString::fromUtf16(c.moneyAfter));
        const bool bought = c.result == BuyResult::Bought;
        EXPECT_EQ(s.Flat.Level, bought ? 1 : 0);
        EXPECT_EQ(s.lblRoom, bought ? u"2" : u"1");
    }
}

TEST(Buying, NothingIsSoldPastTheTop) {
    GameState s = newGame(u"1000");
    s.Scan.Level = 1;
    EXPECT_EQ(nextOffer(s.Scan).name, u"планшетный");
    EXPECT_EQ(nextOffer(s.Scan).price, 30);
    EXPECT_EQ(buyNext(s, &GameState::Scan, &GameState::lblSkaner), BuyResult::Bought);
    EXPECT_FALSE(nextOffer(s.Scan).available);
    EXPECT_EQ(buyNext(s, &GameState::Scan, &GameState::lblSkaner), BuyResult::AtTop);
    EXPECT_EQ(s.Scan.Level, 2);
    EXPECT_EQ(s.lblMoney, u"970");
    // A level set out of range by a damaged game is treated as the top, never read past.
    s.Car.Level = 9;
    EXPECT_EQ(buyNext(s, &GameState::Car, &GameState::lblCar), BuyResult::AtTop);
}

TEST(Buying, APurchaseBringsWhatItsLadderGives) {
    struct Case {
        Catalog GameState::*catalog;
        QString GameState::*field;
        const char16_t* mood;
        const char16_t* satiety;
    };
    // From a mood and a satiety of 30; the peripherals bring nothing.
    const Case cases[] = {
        {&GameState::Flat, &GameState::lblRoom, u"36", u"33"},
        {&GameState::Kitchen, &GameState::lblKitchen, u"30", u"34"},
        {&GameState::Mebel, &GameState::lblMebel, u"30", u"30"},
        {&GameState::Bath, &GameState::lblBath, u"30", u"30"},
        {&GameState::Comp, &GameState::lblComp, u"31", u"30"},
        {&GameState::RAM, &GameState::lblRAM, u"31", u"30"},
        {&GameState::Vin, &GameState::lblVinchester, u"31", u"30"},
        {&GameState::Video, &GameState::lblVideoKarta, u"31", u"30"},
        {&GameState::CD, &GameState::lblCDROM, u"30", u"30"},
        {&GameState::Sound, &GameState::lblSoundKarta, u"30", u"30"},
        {&GameState::Mon, &GameState::lblMonitor, u"30", u"30"},
        {&GameState::Prn, &GameState::lblPrinter, u"30", u"30"},
        {&GameState::Scan, &GameState::lblSkaner, u"30", u"30"},
        {&GameState::Modem, &GameState::lblModem, u"30", u"30"},
    };
    for (const Case& c : cases) {
        GameState s = newGame(u"100000");
        ScriptedEffects<> effects;
        EXPECT_TRUE(buyNextAndGain(s, c.catalog, c.field, effects));
        EXPECT_EQ((s.*c.catalog).Level, 1);
        EXPECT_EQ(s.lblHappyness, QString::fromUtf16(c.mood)) << qPrintable(s.*c.field);
        EXPECT_EQ(s.lblHungry, QString::fromUtf16(c.satiety)) << qPrintable(s.*c.field);
    }
}

TEST(Buying, NoGainWithoutAPurchase) {
    GameState poor = newGame(u"1");
    ScriptedEffects<> effects;
    EXPECT_FALSE(buyNextAndGain(poor, &GameState::Flat, &GameState::lblRoom, effects));
    EXPECT_EQ(effects.texts, QStringList{u"Денег маловато."_s});
    EXPECT_EQ(poor.lblHappyness, u"30");
    EXPECT_EQ(poor.lblHungry, u"30");

    GameState top = newGame(u"100000");
    top.Kitchen.Level = qint16(top.Kitchen.Names.size() - 1);
    ScriptedEffects<> silent;
    EXPECT_FALSE(buyNextAndGain(top, &GameState::Kitchen, &GameState::lblKitchen, silent));
    EXPECT_TRUE(silent.texts.isEmpty());
    EXPECT_EQ(top.lblHungry, u"30");
}

TEST(Buying, AGainOfNothingLeavesItsIndicatorAsItStands) {
    // The kitchen feeds and does not cheer: a mood that is no numeral stays as it is.
    GameState s = newGame(u"100000");
    s.lblHappyness = u"весело"_s;
    s.lblHungry = u"7.5"_s;
    ScriptedEffects<> effects;
    EXPECT_TRUE(buyNextAndGain(s, &GameState::Kitchen, &GameState::lblKitchen, effects));
    EXPECT_EQ(s.lblHappyness, u"весело");
    EXPECT_EQ(s.lblHungry, u"11.5");
}
