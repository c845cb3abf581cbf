// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two answers to the virus alarm. Letting the virus live costs 5 to 24 dollars; fighting
// it works only with the strong anti-virus, and a failed fight costs the same as giving in.
// Either way the alarm closes afterwards.

#include "rules/Effects.h"

struct GameState;

namespace Virus {

void letLive(GameState& state, Effects& effects);
void fight(GameState& state, Effects& effects);

// The anti-virus check of the software window, for 10 dollars and with no balance test: the
// weak anti-virus clears a counter up to 5, the strong one up to 10. A failed check is free.
constexpr int CheckPrice = 10;
void check(GameState& state, Effects& effects);

} // namespace Virus
