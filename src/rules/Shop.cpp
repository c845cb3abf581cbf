// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Shop.h"

#include "rules/Buying.h"
#include "state/GameState.h"
#include "state/NumberText.h"

using namespace Qt::StringLiterals;

namespace Shop {

namespace {
// The step from each outfit of Ladders::Clothes to the next one; the last leads nowhere.
struct ClothesStep {
    int price;
    const char16_t* description;
};
constexpr ClothesStep ClothesSteps[] = {
    {5, u"Купить дешевый спортивный костюм."},
    {10, u"Купить летнюю одежду."},
    {15, u"Купить Новые джинсы и футболку."},
    {20, u"Купить костюм (брюки и пиджак)."},
    {25, u"Купить куртку."},
    {30, u"Купить красивую рубашку и брюки."},
    {30, u"Купить супер футболку, кепку, шорты и т.д.."},
    {35, u"Купить одежду последней моды."},
    {0, u"Нажми на кнопку <Купить одежду>"},
};
static_assert(std::size(ClothesSteps) == 9, "one step per rung of the clothes ladder");

// The next car, or the empty lot when the best one is in the garage.
void offerNextCar(Counter& counter, const GameState& s) {
    const Offer next = nextOffer(s.Car);
    if (next.available) {
        counter.car = next.name;
        counter.carModel = s.Car.Level;
        counter.emptyLot = false;
    } else {
        counter.carsOnSale = false;
        counter.emptyLot = true;
    }
}

bool moneyAboveZero(const GameState& s, Effects& effects) {
    if (s.money() > 0)
        return true;
    effects.say(u"У вас, не хватает денег на это"_s, u"Внимание"_s, MsgIcon::Exclamation);
    return false;
}
} // namespace

std::optional<ClothesOffer> clothesOffer(const QString& current) {
    const qsizetype rung = Ladders::Clothes.indexOf(current);
    if (rung < 0 || rung >= qsizetype(std::size(ClothesSteps)))
        return std::nullopt;
    const ClothesStep& step = ClothesSteps[rung];
    return ClothesOffer{Ladders::Clothes.value(rung + 1), step.price,
                        QString::fromUtf16(step.description)};
}

void eat(GameState& s, int price, Effects& effects) {
    if (!moneyAboveZero(s, effects))
        return;
    if (s.satiety() > 100) {
        effects.say(u"Вы уже распухли от еды и не можете впихнуть в себя еще"_s, u"Не хочу есть!"_s,
                    MsgIcon::Exclamation);
        return;
    }
    s.addMoney(-price);
    s.addSatiety(price);
}

bool buyClothes(GameState& s, const QString& outfit, double price, Effects& effects) {
    if (!moneyAboveZero(s, effects))
        return false;
    s.addMoney(-price);
    s.lblClothes = outfit;
    return true;
}

bool buyCar(GameState& s, Effects& effects) {
    if (!buyNextOrComplain(s, &GameState::Car, &GameState::lblCar, effects))
        return false;
    s.addMood(5);
    effects.say(u"Поздравляю! Вы купили машину марки "_s + s.Car.current() + u"."_s,
                u"Вы купили машину"_s, MsgIcon::None);
    return true;
}

Counter open(const GameState& s) {
    Counter counter;
    counter.clothesOnSale = s.lblClothes != Ladders::Clothes.last();
    counter.carsOnSale = !s.Car.atTop();
    counter.ownCar = s.lblCar;
    offerNextCar(counter, s);
    return counter;
}

void lookAway(Counter& counter, const GameState& s) {
    counter.price.reset();
    counter.gain.reset();
    counter.outfit.clear();
    counter.description.clear();
    offerNextCar(counter, s);
}

void lookAtMeal(Counter& counter, int price) {
    counter.price = price;
    counter.gain = price;
}

void lookAtClothes(Counter& counter, const GameState& s) {
    const std::optional<ClothesOffer> offer = clothesOffer(s.lblClothes);
    if (!offer)
        return;
    counter.description = offer->description;
    counter.price = offer->price;
    counter.outfit = offer->next;
}

void lookAtCars(Counter& counter, const GameState& s) {
    const Offer next = nextOffer(s.Car);
    if (next.available)
        counter.price = next.price;
    offerNextCar(counter, s);
}

bool buyClothes(Counter& counter, GameState& s, Effects& effects) {
    if (counter.outfit.isEmpty()) {
        counter.clothesOnSale = false;
        return false;
    }
    return buyClothes(s, counter.outfit, counter.price.value_or(0), effects);
}

bool buyCar(Counter& counter, GameState& s, Effects& effects) {
    const bool bought = buyCar(s, effects);
    counter.ownCar = s.lblCar;
    return bought;
}

} // namespace Shop
