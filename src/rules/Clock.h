// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game clock: one game hour per tick of the main window's tmrTime (1.5 s). At the end of
// each day it pays the salary, grows the bank balance by a twentieth and, every sixth day with
// money in the bank, may let the bank's computers fail.

#include "rules/Effects.h"

struct GameState;

namespace Clock {

// One game hour at the game's normal speed.
inline constexpr int HourMs = 1500;

class Effects : public ::Effects {
public:
    // The balance changed: the bank window, when it is open, shows it at once.
    virtual void balanceChanged() = 0;
};

// One game hour; true when it ended a day.
bool tick(GameState& state, Effects& effects);

} // namespace Clock
