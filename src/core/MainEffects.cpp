// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/MainEffects.h"

#include "core/MainIndicators.h"
#include "core/frmFirst.h"
#include "purchases/frmVirus.h"
#include "ui/Game.h"

void MainClockEffects::balanceChanged() {
    Q_EMIT form_.game().bankBalanceChanged();
}

MainLifeEffects::MainLifeEffects(FormCore& main, MainIndicators& indicators)
    : FormEffects(main)
    , indicators_(indicators) {}

void MainLifeEffects::die(const QString& text) {
    form_.game().session.die(form_, text);
    // The start window offers the next game.
    frmFirst::ShowAfterDeath(form_.game());
}

void MainLifeEffects::courseFinished(Life::Course course) {
    indicators_.hidePrice(course);
}

void MainLifeEffects::virusStrikes() {
    // A virus window still waiting for its answer stays the only one.
    form_.game().open<frmVirus>();
}
