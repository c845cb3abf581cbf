// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The casino's and the lake's windows speak the player's language even for the texts they make
// as the game goes (a button's caption of the moment, the welcome, the prize table in words),
// and change them at once when the language changes while they are open. What a screen reader
// hears of the roulette's counter follows it too.

#include "InEnglish.h"
#include "ScriptedGame.h"
#include "leisure/frmHobby.h"
#include "leisure/frmMadFish.h"
#include "leisure/frmRuletka.h"
#include "leisure/frmRuletka2.h"
#include "runner/ScriptedPlatform.h"
#include "ui/Accessible.h"
#include "ui/AmountBox.h"
#include "ui/Game.h"
#include "ui/Language.h"
#include "ui/Timer.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QStringList>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class LeisureWindows : public ScriptedGame<> {
protected:
    // The other tests read the game in Russian, whatever becomes of this one.
    ~LeisureWindows() override { speak(Language::Russian); }

    static QString nameOf(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    }
};

QStringList& heard() {
    static QStringList said;
    return said;
}

void hear(QWidget*, const QString& text) {
    heard() << text;
}

} // namespace

TEST_F(LeisureWindows, TheRouletteSaysTheNumberItStoppedAtInTheLanguageOfTheMoment) {
    game.state.lblMoney = u"100"_s;
    auto* roulette = game.open<frmRuletka>();
    ASSERT_NE(roulette, nullptr);
    roulette->txtChis->setText(u"3"_s);
    roulette->txtStav->setText(u"5"_s);
    roulette->cmdStart->click();
    // The running counter's button, made as it started, follows the language.
    speak(Language::English);
    EXPECT_EQ(roulette->cmdStop->text(), u"STOP"_s);
    speak(Language::Russian);
    EXPECT_EQ(roulette->cmdStop->text(), u"СТОП"_s);

    platform.draws = {0.5};
    roulette->Timer1->fire();
    heard().clear();
    const AnnouncementWatcher before = watchAnnouncements(&hear);
    roulette->cmdStop->click();
    watchAnnouncements(before);
    EXPECT_EQ(heard(), QStringList{u"Счетчик остановился на числе 6"_s});
    EXPECT_EQ(nameOf(roulette->lblNum), u"Число счетчика: 6"_s);
    speak(Language::English);
    EXPECT_EQ(nameOf(roulette->lblNum), u"Counter: 6"_s);
}

TEST_F(LeisureWindows, TheSlotMachinesPrizesAreReadWithTheirRowsInEitherLanguage) {
    auto* machine = game.open<frmRuletka2>();
    ASSERT_NE(machine, nullptr);
    // The rows as the rules order them: two bells and a cherry first, three sevens last.
    EXPECT_EQ(nameOf(machine->lblWin1[0]), u"колокольчик, колокольчик, вишня: 1"_s);
    EXPECT_EQ(nameOf(machine->lblWin1[8]), u"семёрка, семёрка, семёрка: 20"_s);
    speak(Language::English);
    EXPECT_EQ(nameOf(machine->lblWin1[8]), u"seven, seven, seven: 20"_s);
    EXPECT_EQ(machine->cmdBVrash->text(), u"Buy 5 spins for 10$."_s);
    speak(Language::Russian);
    EXPECT_EQ(machine->cmdBVrash->text(), u"Купить 5 вращений за  10$."_s);
}

TEST_F(LeisureWindows, TheLakeAndTheShopRetellWhatTheyShowInTheNewLanguage) {
    auto* lake = game.open<frmMadFish>();
    ASSERT_NE(lake, nullptr);
    speak(Language::English);
    EXPECT_TRUE(lake->lblHelp->text().startsWith(u"Welcome to lake \"MAD FISH\""_s))
        << lake->lblHelp->text().toStdString();
    EXPECT_EQ(lake->cmdStart->text(), u"START"_s);
    speak(Language::Russian);
    EXPECT_EQ(lake->cmdStart->text(), u"НАЧАТЬ"_s);
    game.unload(lake);
    ScriptedPlatform::deliverPostedEvents();

    game.state.HasRod = -1;
    auto* shop = game.open<frmHobby>();
    ASSERT_NE(shop, nullptr);
    speak(Language::English);
    EXPECT_EQ(shop->lblYdochka->text(), u"a rod"_s);
    EXPECT_EQ(shop->lblSnasti->text(), u"no tackle"_s);
    EXPECT_TRUE(shop->lblHelp->text().startsWith(u"Fishing is"_s))
        << shop->lblHelp->text().toStdString();
}
