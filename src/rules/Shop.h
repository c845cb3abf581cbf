#pragma once
// The shop's own rules: the canteen's meals, the clothes ladder and the car dealer. Each kind
// of goods tests the cash its own way: meals and clothes only want money above zero (so a
// purchase may leave the player in debt), cars want whole dollars covering the price, and
// meals are refused to a player already full.

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

} // namespace Shop
