// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Buying along a ladder of goods: the flat, the computer parts and the cars are all sold one
// entry at a time, next after the one the player owns, and all test the cash the same way:
// its whole-dollar part must cover the price. The sum comes off the full cash, so a
// fractional balance keeps its fraction.

#include "rules/Effects.h"
#include "state/GameState.h"

struct Offer {
    bool available = false; // false at the top of the ladder
    QString name;
    int price = 0;
};

Offer nextOffer(const Catalog& catalog);

bool coversPrice(const QString& cash, double price);

enum class BuyResult { Bought, TooPoor, AtTop };

BuyResult buyNext(GameState& state, Catalog GameState::*catalog, QString GameState::*field);

// buyNext, saying "Денег маловато." when the cash falls short; true when it bought.
bool buyNextOrComplain(GameState& state, Catalog GameState::*catalog, QString GameState::*field,
                       Effects& effects);

// What the next entry of a ladder brings beyond itself, added to the player's mood and
// satiety: a bigger flat cheers the player up and feeds them a little, a better kitchen feeds
// them, and the parts that make the computer faster (processor, memory, hard disk, video card)
// please them. The other ladders bring nothing more.
struct PurchaseGain {
    int mood = 0;
    int satiety = 0;
    bool operator==(const PurchaseGain&) const = default;
};

PurchaseGain gainOf(Catalog GameState::*catalog);

// buyNextOrComplain, then the ladder's gain when it bought; true when it bought. A gain of
// nothing leaves its indicator's text as it stands.
bool buyNextAndGain(GameState& state, Catalog GameState::*catalog, QString GameState::*field,
                    Effects& effects);
