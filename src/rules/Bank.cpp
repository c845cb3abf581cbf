// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Bank.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace Bank {

namespace {
constexpr int MaxBalance = std::numeric_limits<qint16>::max();
} // namespace

qint16 growth(qint16 balance) {
    return qint16(std::min(balance / 20, MaxBalance - balance));
}

Account Account::of(const GameState& state) {
    return Account{state.BankAccount};
}

Outcome deposit(Account& account, GameState& s, double amount, Effects& effects) {
    const double cash = Int(s.money());
    const double sum = Int(amount);
    if (sum > cash) {
        effects.say(QCoreApplication::translate("Game", "У вас нет таких денег!"),
                    QCoreApplication::translate("Game", "Денег нету."), MsgIcon::None);
        return Outcome::NoSuchMoney;
    }
    const double balance = sum + account.balance;
    if (balance > MaxBalance) {
        // The account holds at most 32767; a larger deposit would corrupt it.
        effects.say(QCoreApplication::translate("Game",
                                                "Банк не может принять такую сумму: на "
                                                "одном счету может лежать не больше 32767$."),
                    QCoreApplication::translate("Game", "Слишком большая сумма."), MsgIcon::None);
        return Outcome::OverLimit;
    }
    s.setMoney(cash - sum);
    account.balance = Sat16(balance);
    s.BankAccount = account.balance;
    return Outcome::Moved;
}

Outcome withdraw(Account& account, GameState& s, double amount, Effects& effects) {
    const double sum = Int(amount);
    if (sum > account.balance) {
        effects.say(QCoreApplication::translate("Game", "У вас нет таких денег на счету!"),
                    QCoreApplication::translate("Game", "Денег нету."), MsgIcon::None);
        return Outcome::NoSuchMoney;
    }
    s.setMoney(Int(s.money()) + sum);
    s.BankAccount = AddSat16(s.BankAccount, -sum);
    account.balance = AddSat16(account.balance, -sum);
    return Outcome::Moved;
}

} // namespace Bank
