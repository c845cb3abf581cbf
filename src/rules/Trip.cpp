// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Trip.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Trip {

namespace {
constexpr double Fare = 10;

void suffer(GameState& s, double money, double mood, double satiety) {
    s.addMoney(money);
    s.addMood(mood);
    s.addSatiety(satiety);
}

void accident(GameState& s, Effects& effects) {
    effects.say(QCoreApplication::translate("Game",
                                            "Случилось несчастье. Таксист попал в аварию, и "
                                            "вы сильно пострадали. На лечение пришлось "
                                            "потратить большие деньги: 30$."),
                u":-((("_s, MsgIcon::None);
    suffer(s, -30, -10, -6);
    if (!effects.ask(QCoreApplication::translate(
                         "Game",
                         "Ваш адвокат предлагает вам подать в суд на таксиста.\nЕсли вы выиграете "
                         "на суде, то сможете получить компенсацию за ущерб.\nЕсли же вы "
                         "проиграете, то, возможно, вам придется заплатить штраф за беспокойство "
                         "суда.\n\n Желаете ли вы подать в суд на таксиста?"),
                     QCoreApplication::translate("Game", "Суд?")))
        return;
    switch (int(Int(effects.rnd() * 3 + 1))) {
    case 1:
        effects.say(QCoreApplication::translate(
                        "Game", "Поздравляю! Вы выиграли дело и получаете компенсацию 25$."),
                    QCoreApplication::translate("Game", "Дело выиграно"), MsgIcon::None);
        suffer(s, 25, 7, -2);
        break;
    case 2:
        effects.say(QCoreApplication::translate("Game", "К сожалению, вы проиграли дело и вам "
                                                        "пришлось заплатить штраф 15$ за "
                                                        "беспокойство суда."),
                    QCoreApplication::translate("Game", "Дело проиграно"), MsgIcon::None);
        suffer(s, -15, -5, -5);
        break;
    default:
        effects.say(QCoreApplication::translate("Game", "Вам не удалось ничего доказать, но и "
                                                        "таксист ничего не доказал. Вам выплатили "
                                                        "небольшую компенсацию 10$."),
                    QCoreApplication::translate("Game", "Дело не выиграно, но и не проиграно."),
                    MsgIcon::None);
        suffer(s, 10, 2, -3);
        break;
    }
}
} // namespace

bool toBank(GameState& s, Effects& effects) {
    if (s.Car.Level != 0)
        return true;
    const QString fare = Str(Fare);
    if (!effects.ask(
            QCoreApplication::translate(
                "Game", "Банк - это отличный способ сохранения и накопления денег. К сожалению, "
                        "банк находится далеко от вашего дома и без машины вам не удастся доехать "
                        "до него. Но вы можете взять такси за %1$ и доехать до банка, либо купить "
                        "собственную машину в магазине.\n\nХотите ли вы взять такси за %1$ и "
                        "доехать до банка?")
                .arg(fare),
            QCoreApplication::translate("Game", "Требуется машина. Хотите ли вы взять такси?")))
        return false;
    if (s.money() < Fare) {
        effects.say(QCoreApplication::translate("Game", "У вас нет денег на такси."),
                    QCoreApplication::translate("Game", "Нет денег."), MsgIcon::None);
        return false;
    }
    effects.randomize();
    if (Int(effects.rnd() * 8 + 1) == 6)
        accident(s, effects);
    s.addMoney(-Fare);
    return true;
}

} // namespace Trip
