// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Fishing: the tackle shop, the trip to the lake "MAD FISH" and what a catch brings home.
//
// The rod and the tackle are bought once; bait comes in packets that pile up in the tackle box,
// one used at the start of each fishing. The box and the game's fish tally hold at most 32767:
// a packet that would not fit is not sold (and not paid for), and a catch beyond the tally's
// limit is not counted.

#include "rules/Effects.h"

#include <QString>

#include <span>

struct GameState;

namespace Fishing {

enum class Kind { Bait, Tackle, Rod };

struct Goods {
    Kind kind;
    const char* button;  // cmdBPrikormka, cmdBSnasti, cmdBYdochka
    const char* picture; // imgPrikormka, ...
    const char* art;
    // The texts are the player's, UTF-8, marked for the translation in the context "Game".
    const char* caption;
    int price;
    const char* help;
    const char* bought; // the message of a purchase and its title
    const char* boughtTitle;
    const char* noMoney;
};

// Bait, tackle, rod: in the order the shop lays them out.
std::span<const Goods> goods();

// Whether the player already has the goods for good (the rod, the tackle); bait never runs out
// of stock.
bool owned(const GameState& state, const Goods& goods);

// A click on the goods' button; true when the player bought them. Money must cover the price.
bool buy(GameState& state, const Goods& goods, Effects& effects);

// The trip to the lake, by car with gasoline or by bus: true when the player gets there.
bool toLake(GameState& state, Effects& effects);

// Uses a packet of bait if there is one: true when the fishing is with bait.
bool startFishing(GameState& state);

// What the fish caught so far bring: mood and satiety.
int moodGain(int fish);
int satietyGain(int fish);

// The catch is eaten and counted: mood and satiety grow by their gains, shown as `mood` and
// `satiety` (mood and satiety lose their fractions), and the fish join the game's tally.
void bringHome(GameState& state, double fish, double mood, double satiety);

// The results the lake shows once the time is up.
QString results(const QString& fish, const QString& mood, const QString& satiety);

// Where a fish jumps to on the water (all in twips), top drawn first: the fish stays within
// the water, its corner a few twips in from the water's.
struct Place {
    int left, top;
};
struct Area {
    int left, top, width, height;
};
Place jump(const Area& water, int fishWidth, int fishHeight, Chance& chance);

// How long the fishing lasts; the clock shows the whole of it when the way home opens.
inline constexpr int TripSeconds = 30;

// A trip to the lake, from the welcome to the way home: thirty seconds of fishing, the
// results, then one second before the car starts. With bait two fish jump about the water,
// without it the second one never leaves the shore. The window shows the trip after every
// change and hands it the player's clicks and its timers' ticks.
class Lake {
public:
    enum class Stage {
        Welcome, // the welcome, and the start button
        Fishing, // the fish jump, every click on one is a catch
        Results, // the catch is counted; the way home opens in a second
        Leaving, // the way home is open
    };

    // The water and the fish in twips; the fish wait at `ashore` until they first jump.
    Lake(const Area& water, int fishWidth, int fishHeight, Place ashore);

    Stage stage() const { return stage_; }
    // The time is up: the catch has been brought home.
    bool finished() const { return stage_ == Stage::Results || stage_ == Stage::Leaving; }
    bool withBait() const { return withBait_; }
    int seconds() const { return seconds_; }
    int caught() const { return caught_; }
    int mood() const { return moodGain(caught_); }
    int satiety() const { return satietyGain(caught_); }
    // Where the fish on the left and on the right picture are.
    Place leftFish() const { return leftFish_; }
    Place rightFish() const { return rightFish_; }
    const Area& water() const { return water_; }
    int fishWidth() const { return fishWidth_; }
    int fishHeight() const { return fishHeight_; }

    // The fishing starts, with a packet of bait if there is one.
    void start(GameState& state);
    // A click on a fish: it stays where it is, so every click counts.
    void catchFish() { ++caught_; }
    // One more second of fishing on the clock.
    void second() { ++seconds_; }
    // The fish jump, the left one first, on a freshly seeded chance; they keep jumping, unseen,
    // once the time is up.
    void jump(Chance& chance);
    // The thirty seconds are over: the catch is eaten and counted.
    void timeUp(GameState& state);
    // A second later the way home opens, the clock showing the whole thirty seconds.
    void openWayHome();
    // What the lake says once the time is up.
    QString results() const;

private:
    Area water_;
    int fishWidth_, fishHeight_;
    Stage stage_ = Stage::Welcome;
    bool withBait_ = false;
    int seconds_ = 0;
    int caught_ = 0;
    Place leftFish_, rightFish_;
};

} // namespace Fishing
