// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A game machine of the casino. Leaving it, by its back button, Escape or the window's frame,
// leads back to the venue, which opens afresh with the machines behind the casino door again.
// The venue is reached by name: it includes the machines, so they cannot include it.

#include "ui/Form.h"

class CasinoMachine : public Form {
public:
    static constexpr QStringView VenueName = u"frmParty";

protected:
    using Form::Form;

    // Back to a fresh venue; a machine that must not be left in the middle of a game says so
    // in its own override.
    void cmdBack_Click() override;

    bool Form_QueryUnload() override;
};
