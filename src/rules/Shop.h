// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shop's own rules: the canteen's meals, the clothes ladder and the car dealer. Each kind
// of goods tests the cash its own way: meals and clothes only want money above zero (so a
// purchase may leave the player in debt), cars want whole dollars covering the price, and
// meals are refused to a player already full.
//
// The outfits, the cars and the descriptions are the game's Russian, which the window shows
// through Words::shown(); the messages said here are translated as they are made.

#include "rules/Effects.h"

#include <optional>

struct GameState;

namespace Shop {

// What the clothes button offers to a player wearing `current`: the next outfit (empty at the
// top of the ladder), its price and the line describing it. Nothing for an outfit that is not
// on the ladder.
struct ClothesOffer {
    QString next;
    int price = 0;
    QString description;
};
std::optional<ClothesOffer> clothesOffer(const QString& current);

// A meal of the given price, which is also what it adds to satiety.
void eat(GameState& state, int price, Effects& effects);
// Buys the outfit at the price the panel shows; false when the player has no money.
bool buyClothes(GameState& state, const QString& outfit, double price, Effects& effects);
// Buys the next car, with its congratulations; false when the cash falls short.
bool buyCar(GameState& state, Effects& effects);

// The shop's panels as its window shows them. The clothes and car offers follow the last
// pointer move, not the click: the clothes button buys exactly the outfit on offer at the
// price shown, so clicking twice without moving buys the same outfit twice, and a meal's
// price shown since (the price is one label for all the goods) is what the outfit costs.
struct Counter {
    // The price and the satiety gain shown: nothing once the pointer left the goods.
    std::optional<int> price, gain;
    // The outfit on offer (empty: none) and its description.
    QString outfit, description;
    // The car on offer (empty before the first look) and the picture beside it: that of the
    // model k + 1 for k, or the empty lot when the best car is in the garage.
    QString car;
    std::optional<int> carModel;
    bool emptyLot = false;
    // The player's own car, as it was when the window opened or after the last purchase.
    QString ownCar;
    // A button closed for the visit: no outfit above the player's, no car above theirs.
    bool clothesOnSale = true, carsOnSale = true;
};

// The shop as it opens.
Counter open(const GameState& state);
// The pointer leaves the goods: the panels are empty again, the next car on offer.
void lookAway(Counter& counter, const GameState& state);
// The pointer over a meal: its price, which is also its gain.
void lookAtMeal(Counter& counter, int price);
// The pointer over the clothes button: the next outfit. An outfit off the ladder changes
// nothing.
void lookAtClothes(Counter& counter, const GameState& state);
// The pointer over the car button: the next car and its price.
void lookAtCars(Counter& counter, const GameState& state);
// The clothes button: the outfit on offer; with none, the button closes.
bool buyClothes(Counter& counter, GameState& state, Effects& effects);
// The car button: the next car. The offer stays as it was until the next pointer move.
bool buyCar(Counter& counter, GameState& state, Effects& effects);

} // namespace Shop
