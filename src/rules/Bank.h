// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bank: cash in and out of the account, and the growth a balance earns each day.
//
// While the bank window is open it works on its own copy of the balance: a withdrawal is
// checked against the balance the window shows, and the window shows what these rules leave in
// that copy. The copy takes the game's balance when the window opens and whenever the clock
// changes it (each day's interest, a failure of the bank).

#include "rules/Effects.h"

#include <QtGlobal>

struct GameState;

namespace Bank {

// What a day adds to the balance: a twentieth, truncated toward zero, but never past the
// 16-bit limit of the account, so the growth the window shows is what the day really pays.
qint16 growth(qint16 balance);

// The bank window's copy of the account.
struct Account {
    qint16 balance = 0;

    // The game's balance, as the window takes it on opening and after the clock.
    static Account of(const GameState& state);
    qint16 growth() const { return Bank::growth(balance); }
};

enum class Outcome {
    Moved,       // the money moved
    NoSuchMoney, // the amount is more than the cash (or the balance)
    OverLimit,   // the account cannot hold that much
};

// Puts `amount` whole dollars from the cash into the account.
Outcome deposit(Account& account, GameState& state, double amount, Effects& effects);
// Takes `amount` whole dollars out of the account into the cash.
Outcome withdraw(Account& account, GameState& state, double amount, Effects& effects);

} // namespace Bank
