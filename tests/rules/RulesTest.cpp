// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The rules that used to live in window code, by tables: the bank, the clock's day end, the
// trip to the bank, the virus, the shop's meals, clothes and cars, and the new game.

#include "rules/Bank.h"
#include "rules/Clock.h"
#include "rules/Shop.h"
#include "rules/Study.h"
#include "rules/Trip.h"
#include "rules/Virus.h"
#include "state/GameState.h"
#include "unit/ScriptedEffects.h"

#include "unit/NewGame.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ClockRecorder : ScriptedEffects<Clock::Effects> {
    using ScriptedEffects::ScriptedEffects;
    void balanceChanged() override { ++changes; }
    int changes = 0;
};

} // namespace

TEST(Bank, GrowthIsWhatTheDayReallyAdds) {
    const std::pair<qint16, qint16> table[] = {
        {19, 0},
        {39, 1},
        {40, 2},
        {-1, 0},
        {-39, -1},
        // Near the limit the day adds only what the account can still hold.
        {32000, 767},
        {32767, 0},
        {32740, 27},
        {31200, 1560},
    };
    for (auto [balance, growth] : table) {
        EXPECT_EQ(Bank::growth(balance), growth) << balance;
        GameState state = newGame();
        state.BankAccount = balance;
        state.lblHours = u"23"_s;
        ClockRecorder effects;
        Clock::tick(state, effects);
        EXPECT_EQ(state.BankAccount, balance + growth) << "the day pays what is shown";
    }
}

TEST(Bank, DepositsAndWithdrawals) {
    struct Row {
        const char* what;
        bool deposit;
        const char16_t* cash;
        qint16 shown;
        double amount;
        qint16 account;
        Bank::Outcome outcome;
        const char16_t* cashAfter;
        qint16 shownAfter, accountAfter;
        const char16_t* title; // the message, if any
    };
    using O = Bank::Outcome;
    const Row table[] = {
        {"all the cash", true, u"170", 0, 170, 0, O::Moved, u"0", 170, 170, nullptr},
        {"cash is whole dollars", true, u"10.75", 5, 10, 5, O::Moved, u"0", 15, 15, nullptr},
        {"zero changes nothing", true, u"50", 20, 0, 20, O::Moved, u"50", 20, 20, nullptr},
        {"more than the cash", true, u"9.9", 20, 10, 20, O::NoSuchMoney, u"9.9", 20, 20,
         u"Денег нету."},
        {"up to the limit", true, u"100", 32700, 67, 32700, O::Moved, u"33", 32767, 32767, nullptr},
        {"past the limit", true, u"100", 32700, 68, 32700, O::OverLimit, u"100", 32700, 32700,
         u"Слишком большая сумма."},
        {"far past the limit", true, u"100000", 0, 40000, 0, O::OverLimit, u"100000", 0, 0,
         u"Слишком большая сумма."},
        {"the whole balance", false, u"1.5", 39, 39, 39, O::Moved, u"40", 0, 0, nullptr},
        {"more than the balance", false, u"1", 39, 40, 39, O::NoSuchMoney, u"1", 39, 39,
         u"Денег нету."},
        // The window's copy is what a withdrawal is checked against and what a deposit adds to;
        // a withdrawal takes the amount from the game's balance as it is.
        {"deposit onto the copy", true, u"10", 30, 10, 25, O::Moved, u"0", 40, 40, nullptr},
        {"withdraw from the copy", false, u"0", 30, 30, 25, O::Moved, u"30", 0, -5, nullptr},
        {"refused by the copy", false, u"0", 20, 25, 25, O::NoSuchMoney, u"0", 20, 25,
         u"Денег нету."},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblMoney = QString::fromUtf16(row.cash);
        state.BankAccount = row.account;
        Bank::Account account{row.shown};
        ScriptedEffects<> effects;
        const Bank::Outcome outcome = row.deposit
                                          ? Bank::deposit(account, state, row.amount, effects)
                                          : Bank::withdraw(account, state, row.amount, effects);
        EXPECT_EQ(outcome, row.outcome) << row.what;
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cashAfter)) << row.what;
        EXPECT_EQ(account.balance, row.shownAfter) << row.what;
        EXPECT_EQ(account.growth(), Bank::growth(row.shownAfter)) << row.what;
        EXPECT_EQ(state.BankAccount, row.accountAfter) << row.what;
        EXPECT_EQ(effects.titles,
                  row.title ? QStringList{QString::fromUtf16(row.title)} : QStringList{})
            << row.what;
    }
}

TEST(Bank, TheAccountOpensOnTheGamesBalance) {
    GameState state = newGame();
    state.BankAccount = 39;
    const Bank::Account account = Bank::Account::of(state);
    EXPECT_EQ(account.balance, 39);
    EXPECT_EQ(account.growth(), 1);
}

TEST(Clock, ABankFailureTakesAThirdOfTheBalanceInWholeDollars) {
    // A balance of 5: 5 \ 3 is 1, so a draw of 0.9 takes Int(1 * 0.9 + 1) + 1 = 2.
    GameState state = newGame();
    state.BankAccount = 5;
    state.BankDays = 5;
    state.lblHours = u"23"_s;
    ClockRecorder effects({}, {0.5f, 0.9f});
    Clock::tick(state, effects);
    EXPECT_EQ(state.BankAccount, 3);
    EXPECT_EQ(state.BankDays, 0);
    EXPECT_EQ(effects.changes, 2);
    ASSERT_EQ(effects.texts.size(), 1);
    EXPECT_TRUE(effects.texts.front().endsWith(u"было снято  2$."));
}

TEST(Trip, ToTheBank) {
    struct Row {
        const char* what;
        qint16 car;
        const char16_t* cash;
        std::initializer_list<bool> answers;
        std::initializer_list<float> draws;
        bool arrives;
        const char16_t *cashAfter, *moodAfter, *satietyAfter;
        QStringList titles;
    };
    const QString taxi = u"Требуется машина. Хотите ли вы взять такси?"_s;
    const Row table[] = {
        {"by car", 1, u"0", {}, {}, true, u"0", u"30", u"30", {}},
        {"stays at home", 0, u"50", {false}, {}, false, u"50", u"30", u"30", {taxi}},
        {"no fare", 0, u"9.5", {true}, {}, false, u"9.5", u"30", u"30", {taxi, u"Нет денег."_s}},
        {"a quiet ride", 0, u"10", {true}, {0.5f}, true, u"0", u"30", u"30", {taxi}},
        {"accident, no suit",
         0,
         u"10",
         {true, false},
         {0.625f},
         true,
         u"-30",
         u"20",
         u"24",
         {taxi, u":-((("_s, u"Суд?"_s}},
        {"accident, suit won",
         0,
         u"10",
         {true, true},
         {0.625f, 0.1f},
         true,
         u"-5",
         u"27",
         u"22",
         {taxi, u":-((("_s, u"Суд?"_s, u"Дело выиграно"_s}},
        {"accident, suit lost",
         0,
         u"10",
         {true, true},
         {0.625f, 0.4f},
         true,
         u"-45",
         u"15",
         u"19",
         {taxi, u":-((("_s, u"Суд?"_s, u"Дело проиграно"_s}},
        {"accident, suit drawn",
         0,
         u"10",
         {true, true},
         {0.625f, 0.9f},
         true,
         u"-20",
         u"22",
         u"21",
         {taxi, u":-((("_s, u"Суд?"_s, u"Дело не выиграно, но и не проиграно."_s}},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.Car.Level = row.car;
        state.lblMoney = QString::fromUtf16(row.cash);
        ScriptedEffects<> effects(row.answers, row.draws);
        EXPECT_EQ(Trip::toBank(state, effects), row.arrives) << row.what;
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cashAfter)) << row.what;
        EXPECT_EQ(state.lblHappyness, QString::fromUtf16(row.moodAfter)) << row.what;
        EXPECT_EQ(state.lblHungry, QString::fromUtf16(row.satietyAfter)) << row.what;
        EXPECT_EQ(effects.titles, row.titles) << row.what;
    }
}

TEST(Virus, AnswersToTheAlarm) {
    struct Row {
        const char* what;
        bool fight;
        const char16_t* antivirus;
        std::initializer_list<float> draws;
        const char16_t* cashAfter;
        qsizetype messages;
    };
    const Row table[] = {
        {"let live, least", false, u"Пока нет", {0.0f}, u"165", 1},
        {"let live, most", false, u"IVP 100", {0.999f}, u"146", 1},
        {"the strong anti-virus wins", true, u"IVP 100", {}, u"170", 1},
        {"the weak one loses", true, u"Касперского", {0.5f}, u"155", 2},
        {"none at all", true, u"Пока нет", {0.5f}, u"155", 2},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblAntvirus = QString::fromUtf16(row.antivirus);
        ScriptedEffects<> effects({}, row.draws);
        if (row.fight)
            Virus::fight(state, effects);
        else
            Virus::letLive(state, effects);
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cashAfter)) << row.what;
        EXPECT_EQ(effects.texts.size(), row.messages) << row.what;
    }
}

TEST(Shop, Meals) {
    struct Row {
        const char16_t *cash, *satiety;
        int price;
        const char16_t *cashAfter, *satietyAfter, *title;
    };
    const Row table[] = {
        {u"170", u"30", 5, u"165", u"35", nullptr},
        {u"3", u"30", 8, u"-5", u"38", nullptr}, // only money above zero is asked for
        {u"0", u"30", 5, u"0", u"30", u"Внимание"},
        {u"-1", u"30", 5, u"-1", u"30", u"Внимание"},
        {u"50", u"100", 8, u"42", u"108", nullptr},
        {u"50", u"100.5", 5, u"50", u"100.5", u"Не хочу есть!"},
    };
    for (const Row& row : table) {
        GameState state = newGame();
        state.lblMoney = QString::fromUtf16(row.cash);
        state.lblHungry = QString::fromUtf16(row.satiety);
        ScriptedEffects<> effects;
        Shop::eat(state, row.price, effects);
        EXPECT_EQ(state.lblMoney, QString::fromUtf16(row.cashAfter));
        EXPECT_EQ(state.lblHungry, QString::fromUtf16(row.satietyAfter));
        EXPECT_EQ(effects.titles,
                  row.title ? QStringList{QString::fromUtf16(row.title)} : QStringList{});
    }
}

TEST(Shop, TheClothesLadderOffersTheNextOutfit) {
    int total = 0;
    for (qsizetype rung = 0; rung + 1 < Ladders::Clothes.size(); ++rung) {
        const auto offer = Shop::clothesOffer(Ladders::Clothes[rung]);
        ASSERT_TRUE(offer);
        EXPECT_EQ(offer->next, Ladders::Clothes[rung + 1]);
        EXPECT_GT(offer->price, 0);
        total += offer->price;
    }
    EXPECT_EQ(total, 5 + 10 + 15 + 20 + 25 + 30 + 30 + 35);
    EXPECT_EQ(Shop::clothesOffer(u"Дряхлая"_s)->description, u"Купить дешевый спортивный костюм.");
    const auto top = Shop::clothesOffer(u"Посл.моды"_s);
    ASSERT_TRUE(top);
    EXPECT_TRUE(top->next.isEmpty());
    EXPECT_EQ(top->description, u"Нажми на кнопку <Купить одежду>");
    EXPECT_FALSE(Shop::clothesOffer(u"Смокинг"_s));
}

TEST(Shop, ClothesAndCars) {
    GameState state = newGame();
    state.lblMoney = u"1"_s;
    ScriptedEffects<> effects;
    // Clothes want only money above zero, and may leave a debt.
    EXPECT_TRUE(Shop::buyClothes(state, u"Джинсы"_s, 15, effects));
    EXPECT_EQ(state.lblMoney, u"-14");
    EXPECT_EQ(state.lblClothes, u"Джинсы");
    EXPECT_FALSE(Shop::buyClothes(state, u"Костюм"_s, 20, effects));
    EXPECT_EQ(state.lblClothes, u"Джинсы");
    // Cars want whole dollars covering the price.
    state.lblMoney = u"29.9"_s;
    EXPECT_FALSE(Shop::buyCar(state, effects));
    EXPECT_EQ(state.Car.Level, 0);
    state.lblMoney = u"30.5"_s;
    EXPECT_TRUE(Shop::buyCar(state, effects));
    EXPECT_EQ(state.Car.Level, 1);
    EXPECT_EQ(state.lblCar, u"Пятерка 2105");
    EXPECT_EQ(state.lblMoney, u"0.5");
    EXPECT_EQ(state.lblHappyness, u"35");
    EXPECT_EQ(effects.titles, (QStringList{u"Внимание"_s, u"Внимание"_s, u"Вы купили машину"_s}));
    EXPECT_EQ(effects.texts.back(), u"Поздравляю! Вы купили машину марки Пятерка 2105.");
}

TEST(Shop, TheCounterOpensOnTheNextCarAndClosesWhatIsSoldOut) {
    GameState state = newGame();
    const Shop::Counter fresh = Shop::open(state);
    EXPECT_TRUE(fresh.clothesOnSale);
    EXPECT_TRUE(fresh.carsOnSale);
    EXPECT_EQ(fresh.ownCar, u"Нет машины");
    EXPECT_EQ(fresh.car, u"Пятерка 2105");
    EXPECT_EQ(fresh.carModel, 0);
    EXPECT_FALSE(fresh.emptyLot);
    EXPECT_FALSE(fresh.price) << "the price shows only under the pointer";

    state.lblClothes = Ladders::Clothes.last();
    state.Car.Level = 5;
    state.lblCar = state.Car.current();
    const Shop::Counter top = Shop::open(state);
    EXPECT_FALSE(top.clothesOnSale);
    EXPECT_FALSE(top.carsOnSale);
    EXPECT_TRUE(top.emptyLot);
    EXPECT_TRUE(top.car.isEmpty()) << "the offer keeps its design text";
    EXPECT_EQ(top.ownCar, u"Mercedes");
}

TEST(Shop, TheClothesButtonBuysWhatTheLastPointerMoveOffered) {
    GameState state = newGame();
    state.lblMoney = u"50"_s;
    Shop::Counter counter = Shop::open(state);
    ScriptedEffects<> effects;
    Shop::lookAtClothes(counter, state);
    EXPECT_EQ(counter.outfit, u"Спорт.костюм");
    EXPECT_EQ(counter.price, 5);
    EXPECT_EQ(counter.description, u"Купить дешевый спортивный костюм.");
    // Clicking twice without moving buys the same outfit twice.
    EXPECT_TRUE(Shop::buyClothes(counter, state, effects));
    EXPECT_TRUE(Shop::buyClothes(counter, state, effects));
    EXPECT_EQ(state.lblClothes, u"Спорт.костюм");
    EXPECT_EQ(state.lblMoney, u"40");
    // The price is one label for all the goods: a meal looked at since sets the outfit's price.
    Shop::lookAtMeal(counter, 8);
    EXPECT_EQ(counter.gain, 8);
    EXPECT_EQ(counter.outfit, u"Спорт.костюм");
    EXPECT_TRUE(Shop::buyClothes(counter, state, effects));
    EXPECT_EQ(state.lblMoney, u"32");
    // Looking away empties the panels: the next click closes the button and charges nothing.
    Shop::lookAway(counter, state);
    EXPECT_FALSE(counter.price);
    EXPECT_FALSE(counter.gain);
    EXPECT_TRUE(counter.outfit.isEmpty());
    EXPECT_TRUE(counter.description.isEmpty());
    EXPECT_FALSE(Shop::buyClothes(counter, state, effects));
    EXPECT_FALSE(counter.clothesOnSale);
    EXPECT_EQ(state.lblMoney, u"32");
    EXPECT_TRUE(effects.titles.isEmpty());
}

TEST(Shop, TheTopOfTheClothesLadderAndOutfitsOffIt) {
    GameState state = newGame();
    state.lblClothes = u"Посл.моды"_s;
    Shop::Counter counter = Shop::open(state);
    Shop::lookAtClothes(counter, state);
    EXPECT_TRUE(counter.outfit.isEmpty());
    EXPECT_EQ(counter.price, 0);
    EXPECT_EQ(counter.description, u"Нажми на кнопку <Купить одежду>");
    // An outfit off the ladder leaves the panel as it was.
    state.lblClothes = u"Смокинг"_s;
    Shop::lookAtMeal(counter, 5);
    Shop::lookAtClothes(counter, state);
    EXPECT_EQ(counter.price, 5);
    EXPECT_EQ(counter.description, u"Нажми на кнопку <Купить одежду>");
}

TEST(Shop, ACarBoughtShowsAtOnceButTheOfferWaitsForThePointer) {
    GameState state = newGame();
    state.lblMoney = u"300"_s;
    Shop::Counter counter = Shop::open(state);
    Shop::lookAtCars(counter, state);
    EXPECT_EQ(counter.price, 30);
    ScriptedEffects<> effects;
    EXPECT_TRUE(Shop::buyCar(counter, state, effects));
    EXPECT_EQ(counter.ownCar, u"Пятерка 2105");
    EXPECT_EQ(counter.car, u"Пятерка 2105");
    EXPECT_EQ(counter.carModel, 0);
    EXPECT_EQ(counter.price, 30);
    Shop::lookAtCars(counter, state);
    EXPECT_EQ(counter.car, u"Девятка 21093");
    EXPECT_EQ(counter.carModel, 1);
    EXPECT_EQ(counter.price, 60);
    // With the best car in the garage the lot is empty and the button closes; the offer's
    // name and the price stay as the last move left them.
    state.Car.Level = 5;
    Shop::lookAtCars(counter, state);
    EXPECT_TRUE(counter.emptyLot);
    EXPECT_FALSE(counter.carsOnSale);
    EXPECT_EQ(counter.car, u"Девятка 21093");
    EXPECT_EQ(counter.price, 60);
}

TEST(Study, AButtonKnowsItsStateByItsCaption) {
    for (const Study::Course& course : Study::courses())
        for (Study::State state : {Study::State::Start, Study::State::Stop, Study::State::Finished})
            EXPECT_EQ(Study::shownState(course, Study::caption(course, state)), state);
    EXPECT_FALSE(Study::shownState(Study::courses()[0],
                                   Study::caption(Study::courses()[1], Study::State::Start)));
    EXPECT_FALSE(Study::shownState(Study::courses()[0], QString()));
}

TEST(Study, AClickStartsAndStopsACourseButNotAFinishedOne) {
    const Study::Course& english = Study::courses()[1];
    GameState s = newGame();
    s.setMoney(0);
    {
        ScriptedEffects effects;
        EXPECT_EQ(Study::click(s, english, Study::State::Start, effects), Study::State::Start);
        EXPECT_EQ(effects.texts, QStringList{u"У вас, не хватает денег на обучение англ. языку"_s});
        EXPECT_EQ(effects.titles, QStringList{u"Внимание"_s});
        EXPECT_EQ(s.lblECost, u"0");
    }
    s.setMoney(1);
    ScriptedEffects effects;
    const QString start = Study::caption(english, Study::State::Start);
    EXPECT_EQ(Study::click(s, english, start, effects), u"Закончить ходить на курсы англ.яз.");
    EXPECT_EQ(s.lblEEnglish, u"Курсы");
    EXPECT_EQ(s.lblECost, u"8");
    EXPECT_EQ(Study::click(s, english, Study::State::Stop, effects), Study::State::Start);
    EXPECT_EQ(s.lblEEnglish, u"Не учусь");
    EXPECT_EQ(s.lblECost, u"0");
    const QString finished = Study::caption(english, Study::State::Finished);
    EXPECT_EQ(Study::click(s, english, finished, effects), finished);
    EXPECT_EQ(Study::click(s, english, u"Кнопка"_s, effects), u"Кнопка");
    EXPECT_EQ(s.lblECost, u"0");
    EXPECT_TRUE(effects.texts.isEmpty());
}

TEST(GameState, ANewGameStartsFreshButKeepsTheHour) {
    GameState state = newGame();
    state.lblMoney = u"5"_s;
    state.lblHours = u"17"_s;
    state.BankAccount = 300;
    state.Car.Level = 3;
    state.lblStatus = u"Хакер"_s;
    state.HasRod = -1;
    state.SkipExitConfirm = 1;
    state.beginNewGame(QDate(2031, 12, 9));
    EXPECT_EQ(state.lblMoney, u"170");
    EXPECT_EQ(state.lblStatus, u"Чайник");
    EXPECT_EQ(state.BankAccount, 0);
    EXPECT_EQ(state.Car.Level, 0);
    EXPECT_EQ(state.lblCar, u"Нет машины");
    EXPECT_EQ(state.HasRod, 0);
    EXPECT_EQ(state.SkipExitConfirm, 0);
    EXPECT_EQ(state.lblDay, u"09");
    EXPECT_EQ(state.lblMonth, u"12");
    EXPECT_EQ(state.lblYear, u"31");
    EXPECT_EQ(state.lblHours, u"17");
}
