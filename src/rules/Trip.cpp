// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Trip.h"

#include "state/GameState.h"
#include "state/NumberText.h"

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
    effects.say(u"Случилось несчастье. Таксист попал в аварию, и вы сильно пострадали. На лечение "
                "пришлось потратить большие деньги: 30$."_s,
                u":-((("_s, MsgIcon::None);
    suffer(s, -30, -10, -6);
    if (!effects.ask(u"Ваш адвокат предлагает вам подать в суд на таксиста.\nЕсли вы выиграете на "
                     "суде, то сможете получить компенсацию за ущерб.\nЕсли же вы проиграете, то, "
                     "возможно, вам придется заплатить штраф за беспокойство суда.\n\n Желаете ли "
                     "вы подать в суд на таксиста?"_s,
                     u"Суд?"_s))
        return;
    switch (int(Int(effects.rnd() * 3 + 1))) {
    case 1:
        effects.say(u"Поздравляю! Вы выиграли дело и получаете компенсацию 25$."_s,
                    u"Дело выиграно"_s, MsgIcon::None);
        suffer(s, 25, 7, -2);
        break;
    case 2:
        effects.say(u"К сожалению, вы проиграли дело и вам пришлось заплатить штраф 15$ за "
                    "беспокойство суда."_s,
                    u"Дело проиграно"_s, MsgIcon::None);
        suffer(s, -15, -5, -5);
        break;
    default:
        effects.say(u"Вам не удалось ничего доказать, но и таксист ничего не доказал. Вам "
                    "выплатили небольшую компенсацию 10$."_s,
                    u"Дело не выиграно, но и не проиграно."_s, MsgIcon::None);
        suffer(s, 10, 2, -3);
        break;
    }
}
} // namespace

bool toBank(GameState& s, Effects& effects) {
    if (s.Car.Level != 0)
        return true;
    const QString fare = Str(Fare);
    if (!effects.ask(u"Банк - это отличный способ сохранения и накопления денег. К сожалению, банк "
                     "находится далеко от вашего дома и без машины вам не удастся доехать до "
                     "него. Но вы можете взять такси за "_s +
                         fare +
                         u"$ и доехать до банка, либо купить собственную машину в магазине.\n\n"
                         "Хотите ли вы взять такси за "_s +
                         fare + u"$ и доехать до банка?"_s,
                     u"Требуется машина. Хотите ли вы взять такси?"_s))
        return false;
    if (s.money() < Fare) {
        effects.say(u"У вас нет денег на такси."_s, u"Нет денег."_s, MsgIcon::None);
        return false;
    }
    effects.randomize();
    if (Int(effects.rnd() * 8 + 1) == 6)
        accident(s, effects);
    s.addMoney(-Fare);
    return true;
}

} // namespace Trip
