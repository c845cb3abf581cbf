// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "leisure/CasinoMachine.h"

#include "ui/Game.h"

using namespace Qt::StringLiterals;

void CasinoMachine::cmdBack_Click() {
    game().handOver(this, VenueName);
}

bool CasinoMachine::Form_QueryUnload() {
    // The frame is one more way out: it may not skip a game in play, nor the walk back.
    cmdBack_Click();
    return false;
}
