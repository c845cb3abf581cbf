// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Shop.h"

#include "rules/Buying.h"
#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Shop {

namespace {
// The step from each outfit of Ladders::Clothes to the next one; the last leads nowhere. The
// description is the game's Russian, which the window translates as it shows it.
struct ClothesStep {
    int price;
    const char* description;
};
constexpr ClothesStep ClothesSteps[] = {
    {5, QT_TRANSLATE_NOOP("Game", "Купить дешевый спортивный костюм.")},
    {10, QT_TRANSLATE_NOOP("Game", "Купить летнюю одежду.")},
    {15, QT_TRANSLATE_NOOP("Game", "Купить Новые джинсы и футболку.")},
    {20, QT_TRANSLATE_NOOP("Game", "Купить костюм (брюки и пиджак).")},
    {25, QT_TRANSLATE_NOOP("Game", "Купить куртку.")},
    {30, QT_TRANSLATE_NOOP("Game", "Купить красивую рубашку и брюки.")},
    {30, QT_TRANSLATE_NOOP("Game", "Купить супер футболку, кепку, шорты и т.д..")},
    {35, QT_TRANSLATE_NOOP("Game", "Купить одежду последней моды.")},
    {0, QT_TRANSLATE_NOOP("Game", "Нажми на кнопку <Купить одежду>")},
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
    effects.say(QCoreApplication::translate("Game", "У вас, не хватает денег на это"),
                QCoreApplication::translate("Game", "Внимание"), MsgIcon::Exclamation);
    return false;
}
} // namespace

std::optional<ClothesOffer> clothesOffer(const QString& current) {
    const qsizetype rung = Ladders::Clothes.indexOf(current);
    if (rung < 0 || rung >= qsizetype(std::size(ClothesSteps)))
        return std::nullopt;
    const ClothesStep& step = ClothesSteps[rung];
    return ClothesOffer{Ladders::Clothes.value(rung + 1), step.price,
                        QString::fromUtf8(step.description)};
}

void eat(GameState& s, int price, Effects& effects) {
    if (!moneyAboveZero(s, effects))
        return;
    if (s.satiety() > 100) {
        effects.say(QCoreApplication::translate(
                        "Game", "Вы уже распухли от еды и не можете впихнуть в себя еще"),
                    QCoreApplication::translate("Game", "Не хочу есть!"), MsgIcon::Exclamation);
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
    effects.say(QCoreApplication::translate("Game", "Поздравляю! Вы купили машину марки %1.")
                    .arg(Words::shown(s.Car.current())),
                QCoreApplication::translate("Game", "Вы купили машину"), MsgIcon::None);
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
