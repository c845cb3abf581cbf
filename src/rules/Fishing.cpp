// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Fishing.h"

#include "state/GameState.h"
#include "state/NumberText.h"
#include "state/Words.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace Fishing {

namespace {

constexpr double Gasoline = 5;
constexpr double BusFare = 10;
constexpr qint16 Full = std::numeric_limits<qint16>::max();

const Goods Table[] = {
    {Kind::Bait, "cmdBPrikormka", "imgPrikormka", "fishing/bait",
     QT_TRANSLATE_NOOP("Game", "Купить пакет прикормки"), 6,
     QT_TRANSLATE_NOOP("Game",
                       "Прикормка даст вам возможность приманить и соответственно поймать больше "
                       "рыбы. Вы можете не покупать прикормку, но тогда рыбы будет меньше. Для "
                       "одной поездки на озеро достаточно одного пакета прикормки, но вы можете "
                       "купить больше пакетов и оставить их про запас."),
     QT_TRANSLATE_NOOP("Game", "Вы купили пакет прикормки."),
     QT_TRANSLATE_NOOP("Game", "Вы купили пакет прикормки"),
     QT_TRANSLATE_NOOP("Game", "У вас нет денег на прикормку.")},
    {Kind::Tackle, "cmdBSnasti", "imgSnasti", "fishing/tackle",
     QT_TRANSLATE_NOOP("Game", "Купить снасти"), 20,
     QT_TRANSLATE_NOOP("Game", "Без снастей вы не сможете ловить. Сейчас у вас нет снастей и вам "
                               "надо купить их."),
     QT_TRANSLATE_NOOP("Game", "Поздравляю! Вы купили снасти."),
     QT_TRANSLATE_NOOP("Game", "Вы купили снасти"),
     QT_TRANSLATE_NOOP("Game", "У вас нет денег на снасти.")},
    {Kind::Rod, "cmdBYdochka", "imgYdochka", "fishing/rod",
     QT_TRANSLATE_NOOP("Game", "Купить удочку"), 30,
     QT_TRANSLATE_NOOP("Game", "Без удочки вы не сможете ловить. Сейчас у вас нет удочки и вам "
                               "надо ее купить."),
     QT_TRANSLATE_NOOP("Game", "Поздравляю! Вы купили удочку."),
     QT_TRANSLATE_NOOP("Game", "Вы купили удочку"),
     QT_TRANSLATE_NOOP("Game", "У вас нет денег на удочку.")},
};

void noMoney(const QString& text, Effects& effects) {
    effects.say(text, QCoreApplication::translate("Game", "Нет денег."), MsgIcon::None);
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
        noMoney(Words::text(Words::For::Player, goods.noMoney), effects);
        return false;
    }
    // The box holds no more than the count can: the packet is not sold rather than lost.
    if (goods.kind == Kind::Bait && s.BaitPacks >= Full) {
        effects.say(QCoreApplication::translate("Game",
                                                "Ваш рыболовный ящик полон: в него больше "
                                                "не помещается ни одного пакета прикормки."),
                    QCoreApplication::translate("Game", "Ящик полон."), MsgIcon::None);
        return false;
    }
    s.lblMoney = Num(money - goods.price);
    effects.say(Words::text(Words::For::Player, goods.bought),
                Words::text(Words::For::Player, goods.boughtTitle), MsgIcon::None);
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
        effects.say(
            QCoreApplication::translate(
                "Game", "Вы не готовы к рыбалке. Проверьте, есть ли у вас удочка и снасти."),
            QCoreApplication::translate("Game", "Не готовы."), MsgIcon::None);
        return false;
    }
    if (s.Car.Level != 0)
        return pay(
            s,
            QCoreApplication::translate("Game", "Чтобы доехать до озера вам требуется "
                                                "бензин.\n\nХотите ли вы купить бензин "
                                                "(его цена 5$)?"),
            QCoreApplication::translate("Game", "Требуется бензин. Хотите ли вы купить бензин?"),
            Gasoline, QCoreApplication::translate("Game", "У вас нет денег на бензин."), true,
            effects);
    return pay(
        s,
        QCoreApplication::translate(
            "Game", "До озера \"MAD FISH\" пешком не дойдешь. Без машины вам не удастся "
                    "добраться до него. Но вы можете сесть на автобус, заплатив за билет "
                    "%1$ и доехать до озера, либо купить собственную машину в "
                    "магазине.\n\nХотите ли вы поехать на автобусе?")
            .arg(Str(BusFare)),
        QCoreApplication::translate("Game", "Требуется машина. Хотите ли вы поехать на автобусе?"),
        BusFare, QCoreApplication::translate("Game", "У вас нет денег на такси."), false, effects);
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
    return QCoreApplication::translate("Game",
                                       "Вам удалось поймать рыб: %1\nУ вас улучшилось настроение "
                                       "на: %2\nСъев пойманную рыбу, сытость у вас увеличилась "
                                       "на: %3")
        .arg(fish, mood, satiety);
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
