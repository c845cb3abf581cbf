// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The survival forecast under the main window: how long until hunger or sadness would kill if
// nothing were done (the life update takes 2 of each every 12 game hours), and what a day
// brings in: the salary less the fees of the courses being attended.

#include <QString>

struct GameState;

namespace Forecast {

struct Outlook {
    int hungerHours = 0;  // game hours until the life update that kills by hunger
    int sadnessHours = 0; // the same for sadness
    double perDay = 0;    // dollars a day
};

Outlook of(const GameState& state);

// "Голод через ≈H ч · тоска через ≈T ч · за день: D $"
QString text(const GameState& state);

} // namespace Forecast
