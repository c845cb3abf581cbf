// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Fishing.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace Fishing {

namespace {

constexpr double Gasoline = 5;
constexpr double BusFare = 10;
constexpr qint16 Full = std::numeric_limits<qint16>::max();

const Goods Table[] = {
    {Kind::Bait, "cmdBPrikormka", "imgPrikormka", "fishing/bait", u"Купить пакет прикормки", 6,
     u"Прикормка даст вам возможность приманить и соответственно поймать больше рыбы. Вы можете "
     u"не покупать прикормку, но тогда рыбы будет меньше. Для одной поездки на озеро достаточно "
     u"одного пакета прикормки, но вы можете купить больше пакетов и оставить их про запас.",
     u"Вы купили пакет прикормки.", u"Вы купили пакет прикормки", u"У вас нет денег на прикормку."},
    {Kind::Tackle, "cmdBSnasti", "imgSnasti", "fishing/tackle", u"Купить снасти", 20,
     u"Без снастей вы не сможете ловить. Сейчас у вас нет снастей и вам надо купить их.",
     u"Поздравляю! Вы купили снасти.", u"Вы купили снасти", u"У вас нет денег на снасти."},
    {Kind::Rod, "cmdBYdochka", "imgYdochka", "fishing/rod", u"Купить удочку", 30,
     u"Без удочки вы не сможете ловить. Сейчас у вас нет удочки и вам надо ее купить.",
     u"Поздравляю! Вы купили удочку.", u"Вы купили удочку", u"У вас нет денег на удочку."},
};

void noMoney(const QString& text, Effects& effects) {
    effects.say(text, u"Нет денег."_s, MsgIcon::None);
}

// Pays for the way there when the player agrees and can; false when they stay.
bool pay(GameState& s, const QString& question, const QString& title, double price,
         const QString& refusal, bool wholeDollars, Effects& effects) {
    if (!effects.ask(question, title))
        return false;
    const double money = s.money();
    if (money < price) {
        noMoney(refusal, effects);
        return false;
    }
    s.lblMoney = Num((wholeDollars ? Int(money) : money) - price);
    return true;
}

} // namespace

std::span<const Goods> goods() {
    return Table;
}

bool owned(const GameState& s, const Goods& goods) {
    switch (goods.kind) {
    case Kind::Tackle:
        return s.HasTackle == -1;
    case Kind::Rod:
        return s.HasRod == -1;
    case Kind::Bait:
        break;
    }
    return false;
}

bool buy(GameState& s, const Goods& goods, Effects& effects) {
    const double money = s.money();
    if (money < goods.price) {
        noMoney(QString::fromUtf16(goods.noMoney), effects);
        return false;
    }
    // The box holds no more than the count can: the packet is not sold rather than lost.
    if (goods.kind == Kind::Bait && s.BaitPacks >= Full) {
        effects.say(u"Ваш рыболовный ящик полон: в него больше не помещается ни одного пакета "
                    "прикормки."_s,
                    u"Ящик полон."_s, MsgIcon::None);
        return false;
    }
    s.lblMoney = Num(money - goods.price);
    effects.say(QString::fromUtf16(goods.bought), QString::fromUtf16(goods.boughtTitle),
                MsgIcon::None);
    switch (goods.kind) {
    case Kind::Bait:
        ++s.BaitPacks;
        break;
    case Kind::Tackle:
        s.HasTackle = -1;
        break;
    case Kind::Rod:
        s.HasRod = -1;
        break;
    }
    return true;
}

bool toLake(GameState& s, Effects& effects) {
    if (s.HasRod == 0 || s.HasTackle == 0) {
        effects.say(u"Вы не готовы к рыбалке. Проверьте, есть ли у вас удочка и снасти."_s,
                    u"Не готовы."_s, MsgIcon::None);
        return false;
    }
    if (s.Car.Level != 0)
        return pay(s,
                   u"Чтобы доехать до озера вам требуется бензин.\n\nХотите ли вы купить бензин "
                   "(его цена 5$)?"_s,
                   u"Требуется бензин. Хотите ли вы купить бензин?"_s, Gasoline,
                   u"У вас нет денег на бензин."_s, true, effects);
    return pay(s,
               u"До озера \"MAD FISH\" пешком не дойдешь. Без машины вам не удастся добраться до "
               "него. Но вы можете сесть на автобус, заплатив за билет "_s +
                   Str(BusFare) +
                   u"$ и доехать до озера, либо купить собственную машину в магазине.\n\n"
                   "Хотите ли вы поехать на автобусе?"_s,
               u"Требуется машина. Хотите ли вы поехать на автобусе?"_s, BusFare,
               u"У вас нет денег на такси."_s, false, effects);
}

bool startFishing(GameState& s) {
    if (s.BaitPacks < 1)
        return false;
    --s.BaitPacks;
    return true;
}

int moodGain(int fish) {
    return fish / 5;
}

int satietyGain(int fish) {
    return fish / 6;
}

void bringHome(GameState& s, double fish, double mood, double satiety) {
    s.FishTotal = AddSat16(s.FishTotal, fish);
    s.setMood(Int(s.mood()) + Int(mood));
    s.setSatiety(Int(s.satiety()) + Int(satiety));
    Chronicle::note(s, Chronicle::Kind::Fishing, {}, fish);
}

QString results(const QString& fish, const QString& mood, const QString& satiety) {
    return u"Вам удалось поймать рыб: "_s + fish + u"\nУ вас улучшилось настроение на: "_s + mood +
           u"\nСъев пойманную рыбу, сытость у вас увеличилась на: "_s + satiety;
}

Place jump(const Area& water, int fishWidth, int fishHeight, Chance& chance) {
    // Single precision, as the lake has always placed its fish.
    const auto along = [&chance](int room, int start) {
        return Sat16(std::floor(float(room) * chance.rnd() + float(start) + 5.0f));
    };
    const int top = along(water.height - fishHeight, water.top);
    const int left = along(water.width - fishWidth, water.left);
    return {left, top};
}

Lake::Lake(const Area& water, int fishWidth, int fishHeight, Place ashore)
    : water_(water)
    , fishWidth_(fishWidth)
    , fishHeight_(fishHeight)
    , leftFish_(ashore)
    , rightFish_(ashore) {}

void Lake::start(GameState& state) {
    stage_ = Stage::Fishing;
    withBait_ = startFishing(state);
}

void Lake::jump(Chance& chance) {
    chance.randomize();
    // Both fish are the size of the left one.
    leftFish_ = Fishing::jump(water_, fishWidth_, fishHeight_, chance);
    if (withBait_)
        rightFish_ = Fishing::jump(water_, fishWidth_, fishHeight_, chance);
}

void Lake::timeUp(GameState& state) {
    bringHome(state, caught_, mood(), satiety());
    stage_ = Stage::Results;
}

void Lake::openWayHome() {
    seconds_ = TripSeconds;
    stage_ = Stage::Leaving;
}

QString Lake::results() const {
    return Fishing::results(QString::number(caught_), QString::number(mood()),
                            QString::number(satiety()));
}

} // namespace Fishing
