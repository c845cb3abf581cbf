// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Virus.h"

#include "state/GameState.h"
#include "state/NumberText.h"

using namespace Qt::StringLiterals;

namespace Virus {

namespace {

void killed(Effects& effects) {
    effects.say(u"Вам удалось уничтожить вирус"_s, u"Ура. Вирус убит."_s, MsgIcon::Information);
}

} // namespace

void letLive(GameState& s, Effects& effects) {
    effects.randomize();
    const double loss = Int(effects.rnd() * 20 + 5);
    effects.say(u"Вирус уничтожил "_s + Str(loss) + u"$ с вашего счета."_s,
                u"Надо было покупать хороший антивирус."_s, MsgIcon::Exclamation);
    s.addMoney(-loss);
    Chronicle::note(s, Chronicle::Kind::Virus, Chronicle::VirusEnd::Damage.toString(), loss);
}

void fight(GameState& s, Effects& effects) {
    if (s.lblAntvirus == u"IVP 100") {
        Chronicle::note(s, Chronicle::Kind::Virus, Chronicle::VirusEnd::Killed.toString());
        killed(effects);
        return;
    }
    if (s.lblAntvirus == u"Касперского")
        effects.say(u"К сожалению антивирус Касперского не смог уничтожить этот вирус."_s,
                    u"Надо было покупать хороший антивирус."_s, MsgIcon::Exclamation);
    else
        effects.say(u"У вас нет антивируса."_s, u"Надо было антивирус покупать."_s,
                    MsgIcon::Exclamation);
    letLive(s, effects);
}

void check(GameState& s, Effects& effects) {
    struct Cure {
        const char16_t* antivirus;
        double strongest; // the highest counter it clears
        const char16_t* failure;
        const char16_t* failureTitle;
    };
    static constexpr Cure cures[] = {
        {u"Касперского", 5,
         u"К сожалению, антивирус Касперского не смог уничтожить этот вирус. Возможно в скором "
         u"времени он поразит ваш компьютер.",
         u"Надо было покупать хороший антивирус."},
        {u"IVP 100", 10,
         u"К сожалению, антивирус IVP 100 не смог уничтожить этот вирус. Возможно в скором "
         u"времени он поразит ваш компьютер.",
         u"Не могу убить!"},
    };
    for (const Cure& cure : cures) {
        if (s.lblAntvirus != QStringView(cure.antivirus))
            continue;
        if (s.virusDays() > cure.strongest) {
            effects.say(QString::fromUtf16(cure.failure), QString::fromUtf16(cure.failureTitle),
                        MsgIcon::Exclamation);
            return;
        }
        // A check on a computer where no virus was growing yet finds none to tell of.
        const bool found = s.virusDays() > 0;
        s.addMoney(-CheckPrice);
        s.lblVir = u"0"_s;
        if (found)
            Chronicle::note(s, Chronicle::Kind::Virus, Chronicle::VirusEnd::Found.toString(),
                            CheckPrice);
        killed(effects);
        return;
    }
}

} // namespace Virus
