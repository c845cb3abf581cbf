// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The venue's outings and the casino machines' rules, by tables: what each outing costs and
// refuses, the amount boxes' key filter, the roulette table's start checks, phases and
// settlement, and the slot machine's prize table, draws and pack of spins.

#include "rules/Casino.h"
#include "rules/Amount.h"
#include "state/GameState.h"
#include "unit/ScriptedEffects.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

GameState withMoneyAndMood(const QString& money, const QString& mood) {
    GameState state;
    state.beginNewGame(QDate(2002, 5, 5));
    state.lblMoney = money;
    state.lblHappyness = mood;
    return state;
}

} // namespace

TEST(Venue, Outings) {
    struct Row {
        size_t outing;
        const char16_t *money, *mood;
        bool went;
        const char16_t *moneyAfter, *moodAfter, *title;
    };
    const Row table[] = {
        {0, u"1", u"20", true, u"-7", u"29", nullptr},
        {1, u"3", u"20", true, u"-2", u"25", nullptr},
        {0, u"0", u"20", false, u"0", u"20", u"Внимание"},
        {1, u"-5", u"20", false, u"-5", u"20", u"Внимание"},
        {0, u"0.5", u"150", true, u"-7.5", u"159", nullptr},
        {0, u"100", u"151", false, u"100", u"151", u"Не хочу идти на дискотеку!"},
        {1, u"100", u"150.5", false, u"100", u"150.5", u"Не хочу идти на вечеринку!"},
        // No money wins over too much joy.
        {1, u"0", u"200", false, u"0", u"200", u"Внимание"},
    };
    for (const Row& row : table) {
        GameState state =
            withMoneyAndMood(QString::fromUtf16(row.money), QString::fromUtf16(row.mood));
        ScriptedEffects<> effects;
        EXPECT_EQ(Venue::goOut(state, Venue::outings()[row.outing], effects), row.went);
        EXPECT_EQ(state.lblMoney, QStringView(row.moneyAfter))
            << row.outing << " " << qPrintable(QString::fromUtf16(row.money));
        EXPECT_EQ(state.lblHappyness, QStringView(row.moodAfter));
        if (row.title) {
            ASSERT_EQ(effects.titles.size(), 1);
            EXPECT_EQ(effects.titles[0], QStringView(row.title));
            EXPECT_EQ(effects.icons[0], MsgIcon::Exclamation);
        } else {
            EXPECT_TRUE(effects.titles.isEmpty());
        }
    }
}

TEST(Amount, KeyFilterTakesDigitsAndBackspaceOnly) {
    for (QChar key : std::initializer_list<QChar>{u'0', u'7', u'9', u'\b'}) {
        ScriptedEffects<> effects;
        EXPECT_TRUE(Amount::acceptsKey(key, effects)) << int(key.unicode());
        EXPECT_TRUE(effects.titles.isEmpty());
    }
    for (QChar key :
         std::initializer_list<QChar>{u'-', u'+', u'.', u',', u' ', u'a', u'е', QChar(0x0663)}) {
        ScriptedEffects<> effects;
        EXPECT_FALSE(Amount::acceptsKey(key, effects)) << int(key.unicode());
        EXPECT_EQ(effects.titles, QStringList{u"Это не число!"_s});
    }
}

TEST(Roulette, StartChecksInOrder) {
    struct Row {
        const char16_t *money, *number, *stake;
        const char16_t* title; // nullptr: the spin starts
        const char16_t* numberAfter;
    };
    const Row table[] = {
        {u"50", u"", u"10", u"Окна не заполнены.", u""},
        {u"50", u"5", u"", u"Окна не заполнены.", u"5"},
        // Emptiness is told before the number's limit.
        {u"50", u"14", u"", u"Окна не заполнены.", u"14"},
        {u"50", u"14", u"10", u"Не больше 13!", u""},
        {u"50", u"99", u"999", u"Не больше 13!", u""},
        {u"50", u"13", u"51", u"У вас нет таких денег.", u"13"},
        {u"10.7", u"3", u"11", u"У вас нет таких денег.", u"3"},
        {u"-3", u"3", u"0", u"У вас нет таких денег.", u"3"},
        {u"50", u"3", u"0", u"0.", u"3"},
        {u"50", u"3", u"000", u"0.", u"3"},
        {u"10.7", u"3", u"10", nullptr, u"3"},
        {u"50", u"13", u"50", nullptr, u"13"},
        {u"50", u"05", u"1", nullptr, u"5"},
        {u"50", u"00", u"1", nullptr, u"0"},
        {u"50", u"0", u"1", nullptr, u"0"},
        {u"50", u"10", u"1", nullptr, u"10"},
    };
    for (const Row& row : table) {
        const GameState state = withMoneyAndMood(QString::fromUtf16(row.money), u"30"_s);
        Roulette::Table roulette;
        roulette.number = QString::fromUtf16(row.number);
        roulette.stake = QString::fromUtf16(row.stake);
        ScriptedEffects<> effects;
        const bool started = Roulette::start(roulette, state, effects);
        EXPECT_EQ(started, row.title == nullptr) << qPrintable(QString::fromUtf16(row.number));
        EXPECT_EQ(roulette.number, QStringView(row.numberAfter));
        EXPECT_EQ(roulette.stake, QStringView(row.stake));
        EXPECT_EQ(roulette.phase,
                  started ? Roulette::Table::Phase::Running : Roulette::Table::Phase::Ready);
        if (row.title) {
            ASSERT_EQ(effects.titles.size(), 1);
            EXPECT_EQ(effects.titles[0], QStringView(row.title));
        } else {
            EXPECT_TRUE(effects.titles.isEmpty());
        }
    }
}

TEST(Roulette, CounterRunsFromZeroToTwelve) {
    const std::pair<float, int> table[] = {
        {0.0f, 0}, {0.0769f, 0}, {0.077f, 1}, {0.5f, 6}, {0.99999994f, 12},
    };
    for (auto [draw, shown] : table) {
        ScriptedEffects<> effects({}, {draw});
        EXPECT_EQ(Roulette::count(effects), shown) << draw;
    }
}

TEST(Roulette, Settlement) {
    struct Row {
        const char16_t *counter, *number, *stake;
        bool won;
        const char16_t *money, *mood, *text;
    };
    const Row table[] = {
        {u"5", u"5", u"10", true, u"80", u"65",
         u"Вы выиграли! У вас поднялось настроение и вы выиграли  30$"},
        {u"4", u"5", u"10", false, u"40", u"38", u"Вы проиграли и потеряли  10$"},
        {u"0", u"0", u"1", true, u"53", u"65",
         u"Вы выиграли! У вас поднялось настроение и вы выиграли  3$"},
        // Texts are compared, not numbers: the counter never shows "05".
        {u"5", u"05", u"10", false, u"40", u"38", u"Вы проиграли и потеряли  10$"},
        {u"12", u"13", u"50", false, u"0", u"38", u"Вы проиграли и потеряли  50$"},
    };
    for (const Row& row : table) {
        GameState state = withMoneyAndMood(u"50"_s, u"40"_s);
        Roulette::Table game{Roulette::Table::Phase::Stopped, QString::fromUtf16(row.number),
                             QString::fromUtf16(row.stake),
                             QString::fromUtf16(row.counter).toInt()};
        ScriptedEffects<> effects;
        EXPECT_EQ(Roulette::settle(game, state, effects), row.won);
        EXPECT_EQ(game.phase, Roulette::Table::Phase::Settled);
        EXPECT_EQ(state.lblMoney, QStringView(row.money))
            << qPrintable(QString::fromUtf16(row.number));
        EXPECT_EQ(state.lblHappyness, QStringView(row.mood));
        ASSERT_EQ(effects.texts.size(), 1);
        EXPECT_EQ(effects.texts[0], QStringView(row.text));
        EXPECT_EQ(effects.titles[0], row.won ? u"Ура-а-а-а-а!!!"_s : u"Ой Ой Ой"_s);
    }
}

TEST(Roulette, AGameGoesFromStartToSettlement) {
    using Phase = Roulette::Table::Phase;
    GameState state = withMoneyAndMood(u"50"_s, u"40"_s);
    Roulette::Table table;
    EXPECT_TRUE(table.canStart());
    table.number = u"07"_s;
    table.stake = u"10"_s;
    ScriptedEffects<> effects({}, {0.5f, 0.54f});
    ASSERT_TRUE(Roulette::start(table, state, effects));
    EXPECT_FALSE(table.canStart());
    Roulette::step(table, effects);
    EXPECT_EQ(table.counter, 6);
    Roulette::step(table, effects);
    EXPECT_EQ(table.counter, 7);
    Roulette::stop(table);
    EXPECT_EQ(table.phase, Phase::Stopped);
    EXPECT_FALSE(table.canStart());
    EXPECT_TRUE(Roulette::settle(table, state, effects));
    EXPECT_EQ(state.lblMoney, u"80");
    // Settled: the boxes and the start are the player's again, the counter shows on.
    EXPECT_TRUE(table.canStart());
    EXPECT_EQ(table.counter, 7);
}

TEST(Roulette, ACounterThatNeverRanNeverWins) {
    // Stopped before its first step the counter shows "00", which no number the start lets
    // through can equal; a later game stopped at once settles on the last value shown.
    GameState state = withMoneyAndMood(u"50"_s, u"40"_s);
    Roulette::Table table;
    table.number = u"00"_s;
    table.stake = u"1"_s;
    ScriptedEffects<> effects;
    ASSERT_TRUE(Roulette::start(table, state, effects));
    Roulette::stop(table);
    EXPECT_FALSE(Roulette::settle(table, state, effects));
    table.counter = 0;
    ASSERT_TRUE(Roulette::start(table, state, effects));
    Roulette::stop(table);
    EXPECT_TRUE(Roulette::settle(table, state, effects));
}

TEST(Slots, EveryMatchingPairPaysExactlyOneRow) {
    const std::pair<Slots::Spin, int> table[] = {
        {{1, 1, 0}, 1}, {{2, 2, 0}, 2},  {{0, 0, 1}, 3},  {{2, 2, 1}, 4},  {{0, 0, 2}, 5},
        {{1, 1, 2}, 6}, {{0, 0, 0}, 10}, {{1, 1, 1}, 15}, {{2, 2, 2}, 20},
    };
    for (auto [spin, prize] : table)
        EXPECT_EQ(Slots::prizeOf(spin), prize) << spin[0] << spin[1] << spin[2];
    // The table as the window draws it holds those rows, in that order.
    const auto rows = Slots::prizes();
    ASSERT_EQ(rows.size(), std::size(table));
    for (size_t k = 0; k < rows.size(); ++k) {
        EXPECT_EQ(rows[k].pair, table[k].first[0]);
        EXPECT_EQ(rows[k].third, table[k].first[2]);
        EXPECT_EQ(rows[k].amount, table[k].second);
    }
}

TEST(Slots, DifferentFirstTwoPayNothing) {
    for (int first = 0; first < Slots::Symbols; ++first)
        for (int second = 0; second < Slots::Symbols; ++second)
            for (int third = 0; third < Slots::Symbols; ++third)
                if (first != second) {
                    EXPECT_FALSE(Slots::prizeOf({first, second, third}).has_value());
                }
}

TEST(Slots, SpinDrawsFirstToThird) {
    ScriptedEffects<> effects({}, {0.0f, 0.34f, 0.99999994f});
    EXPECT_EQ(Slots::spin(effects), (Slots::Spin{0, 1, 2}));
    ScriptedEffects<> edges({}, {0.3333f, 0.6666f, 0.6667f});
    EXPECT_EQ(Slots::spin(edges), (Slots::Spin{0, 1, 2}));
}

TEST(Slots, PackAndPrize) {
    GameState state = withMoneyAndMood(u"3"_s, u"30"_s);
    Slots::Machine machine;
    EXPECT_FALSE(machine.canSpin());
    Slots::buyPack(machine, state);
    EXPECT_EQ(machine.spinsLeft, 5);
    EXPECT_TRUE(machine.canSpin());
    EXPECT_EQ(state.lblMoney, u"-7");
    EXPECT_EQ(state.lblHappyness, u"26");
    ScriptedEffects<> effects;
    Slots::payPrize(state, 20, effects);
    EXPECT_EQ(state.lblMoney, u"13");
    EXPECT_EQ(state.lblHappyness, u"28");
    EXPECT_EQ(effects.texts, QStringList{u"Вы выиграли  20 $"_s});
    EXPECT_EQ(effects.titles, QStringList{u"You WON!"_s});
}

TEST(Slots, APackIsFiveSpins) {
    GameState state = withMoneyAndMood(u"50"_s, u"30"_s);
    Slots::Machine machine;
    Slots::buyPack(machine, state);
    // 2, 2, 2 pays 20; 0, 1, 0 pays nothing and keeps the last prize won.
    ScriptedEffects<> effects({}, {0.9f, 0.9f, 0.9f, 0.1f, 0.5f, 0.1f});
    EXPECT_EQ(Slots::spin(machine, effects), std::optional<qint16>(20));
    EXPECT_EQ(machine.last, (Slots::Spin{2, 2, 2}));
    EXPECT_EQ(machine.prize, 20);
    EXPECT_EQ(Slots::spin(machine, effects), std::nullopt);
    EXPECT_EQ(machine.last, (Slots::Spin{0, 1, 0}));
    EXPECT_EQ(machine.prize, 20);
    EXPECT_EQ(machine.spinsLeft, 3);
    for (int left = 2; left >= 0; --left) {
        ScriptedEffects<> draws({}, {0.1f, 0.5f, 0.1f});
        Slots::spin(machine, draws);
        EXPECT_EQ(machine.spinsLeft, left);
    }
    EXPECT_FALSE(machine.canSpin());
    // Spins cost nothing by themselves: only the pack was paid.
    EXPECT_EQ(state.lblMoney, u"40");
}
