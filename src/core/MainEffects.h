// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the main window's clock and life update do beyond the game state: their messages stand
// over the main window, a new bank balance shows at once in the bank window, a death leaves
// the start window, a virus brings its alarm, and a finished course's price line goes.

#include "rules/Clock.h"
#include "rules/LifeUpdate.h"
#include "ui/FormCore.h"

class MainIndicators;

class MainClockEffects : public FormEffects<Clock::Effects> {
public:
    using FormEffects::FormEffects;
    void balanceChanged() override;
};

class MainLifeEffects : public FormEffects<Life::Effects> {
public:
    MainLifeEffects(FormCore& main, MainIndicators& indicators);

    void die(const QString& text) override;
    void courseFinished(Life::Course course) override;
    void virusStrikes() override;

private:
    MainIndicators& indicators_;
};
