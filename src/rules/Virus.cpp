#include "rules/Virus.h"

#include "state/GameState.h"
#include "state/NumberText.h"

using namespace Qt::StringLiterals;

namespace Virus {

void letLive(GameState& s, Effects& effects) {
    effects.randomize();
    const double loss = Int(effects.rnd() * 20 + 5);
    effects.say(u"Вирус уничтожил "_s + Str(loss) + u"$ с вашего счета."_s,
                u"Надо было покупать хороший антивирус."_s, MsgIcon::Exclamation);
    AddTo(s.lblMoney, -loss);
}

void fight(GameState& s, Effects& effects) {
    if (s.lblAntvirus == u"IVP 100") {
        effects.say(u"Вам удалось уничтожить вирус"_s, u"Ура. Вирус убит."_s, MsgIcon::Information);
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

} // namespace Virus
