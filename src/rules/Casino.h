// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The entertainment venue and its machines: the disco and the party, the roulette and the
// five-spin slot machine. Each machine's game is a model here, with what is paid, won and lost;
// its window draws it.

#include "rules/Effects.h"

#include <QString>

#include <array>
#include <optional>
#include <span>

struct GameState;

namespace Venue {

struct Outing {
    const char* button; // cmdDisco, cmdVech
    int price;
    int gain;
    const char* refusalTitle; // when the player is already too happy to go (marked, "Game")
};

// The disco, then the party.
std::span<const Outing> outings();

// Going out wants money above zero, not money that covers the price, and a mood not above 150.
// Returns whether the player went.
bool goOut(GameState& state, const Outing& outing, Effects& effects);

} // namespace Venue

namespace Roulette {

// The counter runs from 0 to 12; 13 is a number the player may choose all the same.
inline constexpr int HighestChoice = 13;

// The roulette table as its window shows it. A game goes from the boxes filled in (ready) to
// the counter running, to the counter stopped with a result that waits to be settled, and
// back to the boxes (settled, which differs from ready only in the stop button's caption).
struct Table {
    enum class Phase { Ready, Running, Stopped, Settled };
    Phase phase = Phase::Ready;
    // The boxes as the player filled them: the chosen number and the stake.
    QString number, stake;
    // What the counter last showed; nothing before the first step of the visit.
    std::optional<int> counter;

    bool canStart() const { return phase == Phase::Ready || phase == Phase::Settled; }
};

// The checks before a spin, in order, each with its message. A number above 13 is cleared;
// a number typed with a leading zero loses it ("07" is 7). Returns whether the counter runs.
bool start(Table& table, const GameState& state, Effects& effects);

// One step of the running counter: its next value, 0 to 12, which the table shows.
int count(Chance& chance);
void step(Table& table, Chance& chance);

// The counter stops and shows its value; the result waits.
void stop(Table& table);

// The stopped counter against the chosen number, compared as the texts the player sees: three
// stakes and a large lift of mood on a match, the stake and a little mood lost otherwise.
// Returns whether the player won.
bool settle(Table& table, GameState& state, Effects& effects);

} // namespace Roulette

namespace Slots {

// The three symbols the machine draws from.
inline constexpr int Symbols = 3;
inline constexpr int SpinsPerPack = 5;
inline constexpr int PackPrice = 10;

using Spin = std::array<int, 3>;

// One row of the prize table: the symbol of the first two pictures, the third, and the prize.
// The window draws its table from these rows, in this order.
struct Prize {
    int pair;
    int third;
    qint16 amount;
};
std::span<const Prize> prizes();

// The prize of a spin, or nothing when its first two pictures differ.
std::optional<qint16> prizeOf(const Spin& spin);

// Three fresh draws, first to third.
Spin spin(Chance& chance);

// The machine as its window shows it: the spins left of the pack bought, the pictures of the
// last spin and the prize it won. The spins are lost when the player leaves.
struct Machine {
    qint16 spinsLeft = 0;
    std::optional<Spin> last; // nothing before the first spin of the visit
    qint16 prize = 0;

    bool canSpin() const { return spinsLeft > 0; }
};

// A pack of five spins, sold to anyone: money may go below zero.
void buyPack(Machine& machine, GameState& state);

// One spin of the pack: three fresh draws. Returns its prize, if it won one.
std::optional<qint16> spin(Machine& machine, Chance& chance);

// The prize announced, then paid, with a little mood.
void payPrize(GameState& state, qint16 prize, Effects& effects);

} // namespace Slots
