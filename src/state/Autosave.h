#pragma once
// The autosave: at the end of each game day the game is saved to autosave.kbz in the game's
// data folder, with its history beside it, and the earlier ones move along (autosave.kbz to
// autosave.1.kbz and so on), so the last five days are kept. Nothing moves until the new
// files are safely written, and a failure leaves every earlier autosave where it was.

#include "state/GameState.h"
#include "state/History.h"

#include <QString>

#include <optional>

namespace Autosave {

constexpr int Kept = 5;

// "autosave.kbz" for the newest, then "autosave.1.kbz" to "autosave.4.kbz".
QString fileName(int age);

// What went wrong, or nothing. The folder is made when it is missing.
std::optional<QString> write(const QString& folder, const GameState& state,
                             const History::Days& history);

} // namespace Autosave
