#pragma once
// The two answers to the virus alarm. Letting the virus live costs 5 to 24 dollars; fighting
// it works only with the strong anti-virus, and a failed fight costs the same as giving in.
// Either way the alarm closes afterwards.

#include "rules/Effects.h"

struct GameState;

namespace Virus {

void letLive(GameState& state, Effects& effects);
void fight(GameState& state, Effects& effects);

} // namespace Virus
