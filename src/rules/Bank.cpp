#include "rules/Bank.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Bank {

namespace {
constexpr int MaxBalance = std::numeric_limits<qint16>::max();

double wholePart(const QString& text) {
    return Int(Val(text));
}
} // namespace

qint16 growth(qint16 balance) {
    return qint16(std::min(balance / 20, MaxBalance - balance));
}

Outcome deposit(GameState& s, QString& shown, const QString& amount, Effects& effects) {
    const double cash = wholePart(s.lblMoney);
    const double sum = wholePart(amount);
    if (sum > cash) {
        effects.say(u"У вас нет таких денег!"_s, u"Денег нету."_s, MsgIcon::None);
        return Outcome::NoSuchMoney;
    }
    const double balance = sum + wholePart(shown);
    if (balance > MaxBalance) {
        // The account holds at most 32767; a larger deposit would corrupt it.
        effects.say(u"Банк не может принять такую сумму: на одном счету может лежать не больше "
                    "32767$."_s,
                    u"Слишком большая сумма."_s, MsgIcon::None);
        return Outcome::OverLimit;
    }
    s.lblMoney = Num(cash - sum);
    shown = Num(balance);
    s.BankAccount = Sat16(balance);
    return Outcome::Moved;
}

Outcome withdraw(GameState& s, QString& shown, const QString& amount, Effects& effects) {
    const double balance = wholePart(shown);
    const double sum = wholePart(amount);
    if (sum > balance) {
        effects.say(u"У вас нет таких денег на счету!"_s, u"Денег нету."_s, MsgIcon::None);
        return Outcome::NoSuchMoney;
    }
    s.lblMoney = Num(wholePart(s.lblMoney) + sum);
    s.BankAccount = AddSat16(s.BankAccount, -sum);
    AddTo(shown, -sum);
    return Outcome::Moved;
}

} // namespace Bank
