#pragma once
// The entertainment venue and its machines: the disco and the party, the roulette and the
// five-spin slot machine. The windows hold the boxes and pictures; what is paid, won and lost
// is decided here.

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
    const char16_t* refusalTitle; // when the player is already too happy to go
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

// The key filter of both boxes: Backspace and digits only. A refused key says so.
bool acceptsKey(QChar key, Effects& effects);

// The checks before a spin, in order, each with its message. A number above 13 is cleared;
// a number typed with a leading zero loses it ("07" is 7). Returns whether the spin starts.
bool start(const GameState& state, QString& number, const QString& stake, Effects& effects);

// One step of the running counter: its next value, 0 to 12.
int count(Chance& chance);

// The stopped counter against the chosen number: three stakes and a large lift of mood on a
// match, the stake and a little mood lost otherwise. Returns whether the player won.
bool settle(GameState& state, const QString& counter, const QString& number, const QString& stake,
            Effects& effects);

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

// A pack of five spins, sold to anyone: money may go below zero.
void buyPack(GameState& state);

// The prize announced, then paid, with a little mood.
void payPrize(GameState& state, qint16 prize, Effects& effects);

} // namespace Slots
