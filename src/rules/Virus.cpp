// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Virus.h"

#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Virus {

namespace {

void killed(Effects& effects) {
    effects.say(QCoreApplication::translate("Game", "Вам удалось уничтожить вирус"),
                QCoreApplication::translate("Game", "Ура. Вирус убит."), MsgIcon::Information);
}

} // namespace

void letLive(GameState& s, Effects& effects) {
    effects.randomize();
    const double loss = Int(effects.rnd() * 20 + 5);
    effects.say(
        QCoreApplication::translate("Game", "Вирус уничтожил %1$ с вашего счета.").arg(Str(loss)),
        QCoreApplication::translate("Game", "Надо было покупать хороший антивирус."),
        MsgIcon::Exclamation);
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
        effects.say(QCoreApplication::translate(
                        "Game", "К сожалению антивирус Касперского не смог уничтожить этот вирус."),
                    QCoreApplication::translate("Game", "Надо было покупать хороший антивирус."),
                    MsgIcon::Exclamation);
    else
        effects.say(QCoreApplication::translate("Game", "У вас нет антивируса."),
                    QCoreApplication::translate("Game", "Надо было антивирус покупать."),
                    MsgIcon::Exclamation);
    letLive(s, effects);
}

void check(GameState& s, Effects& effects) {
    struct Cure {
        const char16_t* antivirus;
        double strongest; // the highest counter it clears
        const char* failure;
        const char* failureTitle;
    };
    static constexpr Cure cures[] = {
        {u"Касперского", 5,
         QT_TRANSLATE_NOOP("Game", "К сожалению, антивирус Касперского не смог уничтожить этот "
                                   "вирус. Возможно в скором времени он поразит ваш компьютер."),
         QT_TRANSLATE_NOOP("Game", "Надо было покупать хороший антивирус.")},
        {u"IVP 100", 10,
         QT_TRANSLATE_NOOP("Game", "К сожалению, антивирус IVP 100 не смог уничтожить этот вирус. "
                                   "Возможно в скором времени он поразит ваш компьютер."),
         QT_TRANSLATE_NOOP("Game", "Не могу убить!")},
    };
    for (const Cure& cure : cures) {
        if (s.lblAntvirus != QStringView(cure.antivirus))
            continue;
        if (s.virusDays() > cure.strongest) {
            effects.say(Words::text(Words::For::Player, cure.failure),
                        Words::text(Words::For::Player, cure.failureTitle), MsgIcon::Exclamation);
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
