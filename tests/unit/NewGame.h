// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The state of a game just begun on the runner's usual date, the start of most rule tables.

#include "state/GameState.h"

inline GameState newGame() {
    GameState state;
    state.beginNewGame(QDate(2002, 5, 5));
    return state;
}
