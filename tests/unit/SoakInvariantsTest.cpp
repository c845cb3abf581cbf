// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The soak's checks find what they are meant to find: a new game passes them, and each kind of
// damage to a game or to the set of open windows is named.

#include "NewGame.h"
#include "soak/Invariants.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SoakInvariants, ANewGameIsWhole) {
    GameState s = newGame();
    s.lblHours = u"1"_s;
    EXPECT_EQ(stateProblem(s), QString());
}

TEST(SoakInvariants, EachKindOfDamageIsNamed) {
    const std::pair<const char*, void (*)(GameState&)> damage[] = {
        {"a field that is not its level's name",
         [](GameState& s) {
             s.lblCar = u"Тесла"_s;
         }},
        {"a level outside its catalog",
         [](GameState& s) {
             s.Comp.Level = 99;
         }},
        {"a negative level",
         [](GameState& s) {
             s.Flat.Level = -1;
         }},
        {"a flag that is neither 0 nor -1",
         [](GameState& s) {
             s.HasRod = 1;
         }},
        {"the bank's day count past 5",
         [](GameState& s) {
             s.BankDays = 6;
         }},
        {"fewer than no fish",
         [](GameState& s) {
             s.FishTotal = -3;
         }},
        {"a numeric text that is no numeral",
         [](GameState& s) {
             s.lblHungry = u"много"_s;
         }},
        {"an empty hour",
         [](GameState& s) {
             s.lblHours.clear();
         }},
    };
    for (const auto& [what, damageIt] : damage) {
        GameState s = newGame();
        s.lblHours = u"1"_s;
        damageIt(s);
        EXPECT_NE(stateProblem(s), QString()) << what;
    }
}

TEST(SoakInvariants, TheOpenWindowsFollowTheNavigation) {
    const QStringList allowed[] = {
        {u"frmMain"_s},
        {u"frmMain"_s, u"frmShop"_s},
        {u"frmMain"_s, u"frmHelp"_s, u"frmFirst"_s},
        {u"frmMain"_s, u"frmFirst"_s}, // a new game being chosen
        {u"frmFirst"_s},               // after a death
        {u"frmMain"_s, u"frmVirus"_s, u"frmMadFish"_s},
        {u"frmMain"_s, u"frmInterComp"_s, u"frmVirus"_s},
        {},
    };
    for (const QStringList& names : allowed)
        EXPECT_EQ(navigationProblem(names), QString()) << names.join(u' ').toStdString();
    const QStringList refused[] = {
        {u"frmShop"_s},
        {u"frmMain"_s, u"frmShop"_s, u"frmBank"_s},
        {u"frmMain"_s, u"frmShop"_s, u"frmShop"_s},
        {u"frmMain"_s, u"frmMain"_s},
        {u"frmFirst"_s, u"frmShop"_s},
        {u"frmMain"_s, u"frmFirst"_s, u"frmHelp"_s},
        {u"frmMain"_s, u"frmVirus"_s, u"frmVirus"_s},
    };
    for (const QStringList& names : refused)
        EXPECT_NE(navigationProblem(names), QString()) << names.join(u' ').toStdString();
}
