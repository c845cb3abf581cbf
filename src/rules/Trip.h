// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The trip to the bank. The bank is far from home: with a car the player simply drives there;
// without one a taxi costs 10$, and one ride in eight ends in an accident, with a lawsuit
// against the driver that the player may win, lose or draw.

#include "rules/Effects.h"

struct GameState;

namespace Trip {

// True when the player reaches the bank (its window opens); false when they stay at home.
bool toBank(GameState& state, Effects& effects);

} // namespace Trip
