// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The autosave: at the end of each game day the game is saved to autosave.kbz in the game's
// data folder, with its history beside it, and the earlier ones move along (autosave.kbz to
// autosave.1.kbz and so on), so the last five days are kept. Nothing moves until the new
// files are safely written, and a failure leaves every earlier autosave where it was. Each
// autosave moves with its history (and a history once set aside beside it), and every move
// empties its place first, so a crash at any moment leaves no game beside another's history.

#include "state/GameFiles.h"
#include "state/GameState.h"
#include "state/History.h"

#include <QString>

#include <optional>

namespace Autosave {

constexpr int Kept = 5;

// "autosave.kbz" for the newest, then "autosave.1.kbz" to "autosave.4.kbz".
QString fileName(int age);

// The folder inside the data folder where the earlier life's autosaves are kept.
constexpr QStringView Previous = u"previous";

// The folder is made when it is missing. A game that could not be saved moves nothing along.
GameFiles::Written write(const QString& folder, const GameState& state,
                         const History::Days& history);

// Before the first autosave of a life: the set in the folder belongs to an earlier life and
// moves whole into previous/, in place of the one kept there. What went wrong, or nothing;
// a move cut short is finished by the next call.
std::optional<QString> movePreviousLife(const QString& folder);

// The newest autosave of the life played before the current one: the set in the folder when
// the current life has none of its own yet, else the one in previous/; nothing when there is
// none.
std::optional<QString> lastLife(const QString& folder, bool currentOwnsSet);

} // namespace Autosave
