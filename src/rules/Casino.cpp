// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Casino.h"

#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Venue {

std::span<const Outing> outings() {
    static const Outing table[] = {
        {"cmdDisco", 8, 9, QT_TRANSLATE_NOOP("Game", "Не хочу идти на дискотеку!")},
        {"cmdVech", 5, 5, QT_TRANSLATE_NOOP("Game", "Не хочу идти на вечеринку!")},
    };
    return table;
}

bool goOut(GameState& s, const Outing& outing, Effects& effects) {
    if (s.money() <= 0) {
        effects.say(QCoreApplication::translate("Game", "У вас, не хватает денег на это"),
                    QCoreApplication::translate("Game", "Внимание"), MsgIcon::Exclamation);
        return false;
    }
    if (s.mood() > 150) {
        effects.say(QCoreApplication::translate("Game", "Вы уже распухли от радости"),
                    Words::text(Words::For::Player, outing.refusalTitle), MsgIcon::Exclamation);
        return false;
    }
    s.addMoney(-outing.price);
    s.addMood(outing.gain);
    return true;
}

} // namespace Venue

namespace Roulette {

bool start(Table& table, const GameState& s, Effects& effects) {
    if (table.number.isEmpty() || table.stake.isEmpty()) {
        effects.say(QCoreApplication::translate("Game", "Вы не заполнили какое-то окно."),
                    QCoreApplication::translate("Game", "Окна не заполнены."),
                    MsgIcon::Exclamation);
        return false;
    }
    if (Val(table.number) > HighestChoice) {
        effects.say(QCoreApplication::translate("Game", "Необъодимо вводить числа не больше 13!"),
                    QCoreApplication::translate("Game", "Не больше 13!"), MsgIcon::Exclamation);
        table.number.clear();
        return false;
    }
    if (Int(Val(table.stake)) > Int(s.money())) {
        const QString noSuchMoney = QCoreApplication::translate("Game", "У вас нет таких денег.");
        effects.say(noSuchMoney, noSuchMoney, MsgIcon::Exclamation);
        return false;
    }
    if (Val(table.stake) <= 0) {
        effects.say(QCoreApplication::translate("Game", "Ставка не может быть равна нулю."),
                    u"0."_s, MsgIcon::Exclamation);
        return false;
    }
    if (table.number.startsWith(u'0'))
        table.number = table.number.right(1);
    table.phase = Table::Phase::Running;
    return true;
}

int count(Chance& chance) {
    chance.randomize();
    return static_cast<int>(Int(double(chance.rnd()) * HighestChoice));
}

void step(Table& table, Chance& chance) {
    table.counter = count(chance);
}

void stop(Table& table) {
    table.phase = Table::Phase::Stopped;
}

bool settle(Table& table, GameState& s, Effects& effects) {
    const double amount = Val(table.stake);
    const bool won = table.counter && QString::number(*table.counter) == table.number;
    if (won) {
        s.addMoney(amount * 3);
        s.addMood(25);
        Chronicle::note(s, Chronicle::Kind::Roulette, {}, amount * 3);
        effects.say(QCoreApplication::translate(
                        "Game", "Вы выиграли! У вас поднялось настроение и вы выиграли %1$")
                        .arg(Str(amount * 3)),
                    QCoreApplication::translate("Game", "Ура-а-а-а-а!!!"), MsgIcon::Exclamation);
    } else {
        s.addMoney(-amount);
        s.addMood(-2);
        Chronicle::note(s, Chronicle::Kind::Roulette, {}, -amount);
        effects.say(
            QCoreApplication::translate("Game", "Вы проиграли и потеряли %1$").arg(Str(amount)),
            QCoreApplication::translate("Game", "Ой Ой Ой"), MsgIcon::Exclamation);
    }
    table.phase = Table::Phase::Settled;
    return won;
}

} // namespace Roulette

namespace Slots {

std::span<const Prize> prizes() {
    static const Prize table[] = {
        {1, 0, 1}, {2, 0, 2},  {0, 1, 3},  {2, 1, 4},  {0, 2, 5},
        {1, 2, 6}, {0, 0, 10}, {1, 1, 15}, {2, 2, 20},
    };
    return table;
}

std::optional<qint16> prizeOf(const Spin& spin) {
    if (spin[0] != spin[1])
        return std::nullopt;
    for (const Prize& row : prizes())
        if (row.pair == spin[0] && row.third == spin[2])
            return row.amount;
    return std::nullopt;
}

Spin spin(Chance& chance) {
    Spin result{};
    for (int& symbol : result)
        symbol = static_cast<int>(Int(double(chance.rnd()) * Symbols));
    return result;
}

void buyPack(Machine& machine, GameState& s) {
    machine.spinsLeft = SpinsPerPack;
    s.addMoney(-PackPrice);
    s.addMood(-4);
    Chronicle::note(s, Chronicle::Kind::Slots, {}, -PackPrice);
}

std::optional<qint16> spin(Machine& machine, Chance& chance) {
    chance.randomize();
    machine.spinsLeft = AddSat16(machine.spinsLeft, -1);
    machine.last = spin(chance);
    const std::optional<qint16> prize = prizeOf(*machine.last);
    if (prize)
        machine.prize = *prize;
    return prize;
}

void payPrize(GameState& s, qint16 prize, Effects& effects) {
    effects.say(QCoreApplication::translate("Game", "Вы выиграли %1 $").arg(Str(prize)),
                u"You WON!"_s, MsgIcon::Exclamation);
    s.addMoney(prize);
    s.addMood(2);
    Chronicle::addWinnings(s, Chronicle::Kind::Slots, prize);
}

} // namespace Slots
