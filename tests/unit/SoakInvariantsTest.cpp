// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The soak's checks find what they are meant to find: a new game passes them, and each kind of
// damage to a game or to the set of open windows is named; in English, a Russian text shown.

#include "InEnglish.h"
#include "NewGame.h"
#include "ScriptedGame.h"
#include "soak/Invariants.h"
#include "ui/FormCore.h"
#include "ui/Language.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>

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

namespace {
class EnglishGame : public ScriptedGame<> {
protected:
    InEnglish english;
};
} // namespace

// Played in English, the check finds a Russian text wherever the game shows one, and leaves
// alone what the player typed.
TEST_F(EnglishGame, RussianTextIsFoundWhereTheGameShowsIt) {
    auto* bank = game.open(u"frmBank");
    ASSERT_TRUE(bank);
    EXPECT_EQ(russianTextProblem(game, {}), QString());
    // A text box the player typed into is theirs.
    auto* box = bank->window()->findChild<QLineEdit*>();
    ASSERT_TRUE(box);
    box->setText(u"сто"_s);
    EXPECT_EQ(russianTextProblem(game, {}), QString());

    EXPECT_NE(russianTextProblem(game, {u"Hello"_s, u"Привет"_s}), QString());
    auto* label = bank->window()->findChild<QLabel*>();
    ASSERT_TRUE(label);
    label->setText(u"Банк"_s);
    EXPECT_TRUE(russianTextProblem(game, {}).startsWith(u"frmBank."_s));
    label->setText(u"Bank"_s);
    label->setToolTip(u"Банк"_s);
    EXPECT_NE(russianTextProblem(game, {}), QString());
    label->setToolTip({});
    game.loaded(u"frmMain")->window()->findChild<QAction*>(u"Save"_s)->setText(u"Сохранить"_s);
    EXPECT_NE(russianTextProblem(game, {}), QString());
}
