#pragma once
// The bank: cash in and out of the account, and the growth a balance earns each day.
//
// While the bank window is open its balance label is the working copy of the balance: a
// withdrawal is checked against what the window shows, and the window shows what these rules
// leave in `shown`. The clock refreshes that copy at each day's interest.

#include "rules/Effects.h"

#include <QtGlobal>

struct GameState;

namespace Bank {

// What a day adds to the balance: a twentieth, truncated toward zero, but never past the
// 16-bit limit of the account, so the growth the window shows is what the day really pays.
qint16 growth(qint16 balance);

enum class Outcome {
    Moved,       // the money moved
    NoSuchMoney, // the amount is more than the cash (or the balance)
    OverLimit,   // the account cannot hold that much
};

// Puts the whole dollars of `amount` (the text the player typed) into the account.
Outcome deposit(GameState& state, QString& shown, const QString& amount, Effects& effects);
// Takes the whole dollars of `amount` out of the account.
Outcome withdraw(GameState& state, QString& shown, const QString& amount, Effects& effects);

} // namespace Bank
