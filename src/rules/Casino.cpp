#include "rules/Casino.h"

#include "state/GameState.h"
#include "state/NumberText.h"

using namespace Qt::StringLiterals;

namespace Venue {

std::span<const Outing> outings() {
    static const Outing table[] = {
        {"cmdDisco", 8, 9, u"Не хочу идти на дискотеку!"},
        {"cmdVech", 5, 5, u"Не хочу идти на вечеринку!"},
    };
    return table;
}

bool goOut(GameState& s, const Outing& outing, Effects& effects) {
    if (Val(s.lblMoney) <= 0) {
        effects.say(u"У вас, не хватает денег на это"_s, u"Внимание"_s, MsgIcon::Exclamation);
        return false;
    }
    if (Val(s.lblHappyness) > 150) {
        effects.say(u"Вы уже распухли от радости"_s, QString::fromUtf16(outing.refusalTitle),
                    MsgIcon::Exclamation);
        return false;
    }
    AddTo(s.lblMoney, -outing.price);
    AddTo(s.lblHappyness, outing.gain);
    return true;
}

} // namespace Venue

namespace Roulette {

bool acceptsKey(QChar key, Effects& effects) {
    if (key == u'\b' || (key >= u'0' && key <= u'9'))
        return true;
    effects.say(u"Это не число!"_s, u"Это не число!"_s, MsgIcon::Exclamation);
    return false;
}

bool start(const GameState& s, QString& number, const QString& stake, Effects& effects) {
    if (number.isEmpty() || stake.isEmpty()) {
        effects.say(u"Вы не заполнили какое-то окно."_s, u"Окна не заполнены."_s,
                    MsgIcon::Exclamation);
        return false;
    }
    if (Val(number) > HighestChoice) {
        effects.say(u"Необъодимо вводить числа не больше 13!"_s, u"Не больше 13!"_s,
                    MsgIcon::Exclamation);
        number.clear();
        return false;
    }
    if (Int(Val(stake)) > Int(Val(s.lblMoney))) {
        effects.say(u"У вас нет таких денег."_s, u"У вас нет таких денег."_s, MsgIcon::Exclamation);
        return false;
    }
    if (Val(stake) <= 0) {
        effects.say(u"Ставка не может быть равна нулю."_s, u"0."_s, MsgIcon::Exclamation);
        return false;
    }
    if (number.startsWith(u'0'))
        number = number.right(1);
    return true;
}

int count(Chance& chance) {
    chance.randomize();
    return static_cast<int>(Int(double(chance.rnd()) * HighestChoice));
}

bool settle(GameState& s, const QString& counter, const QString& number, const QString& stake,
            Effects& effects) {
    const double amount = Val(stake);
    if (counter == number) {
        AddTo(s.lblMoney, amount * 3);
        AddTo(s.lblHappyness, 25);
        effects.say(u"Вы выиграли! У вас поднялось настроение и вы выиграли "_s + Str(amount * 3) +
                        u"$"_s,
                    u"Ура-а-а-а-а!!!"_s, MsgIcon::Exclamation);
        return true;
    }
    AddTo(s.lblMoney, -amount);
    AddTo(s.lblHappyness, -2);
    effects.say(u"Вы проиграли и потеряли "_s + Str(amount) + u"$"_s, u"Ой Ой Ой"_s,
                MsgIcon::Exclamation);
    return false;
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

void buyPack(GameState& s) {
    AddTo(s.lblMoney, -PackPrice);
    AddTo(s.lblHappyness, -4);
}

void payPrize(GameState& s, qint16 prize, Effects& effects) {
    effects.say(u"Вы выиграли "_s + Str(prize) + u" $"_s, u"You WON!"_s, MsgIcon::Exclamation);
    AddTo(s.lblMoney, prize);
    AddTo(s.lblHappyness, 2);
}

} // namespace Slots
