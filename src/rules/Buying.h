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
