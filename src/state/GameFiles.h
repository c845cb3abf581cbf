// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A saved game and its history, as the pair of files they are on the disk: NAME.kbz and
// NAME.kbz.history beside it. The history names the game it was written with, and the pair is
// written in an order that never leaves one game's file beside another game's:
//
//   1. the new history goes to a temporary file, then the new game to another; a failure here
//      (a full disk) changes nothing;
//   2. the old history is removed, so that it never sits beside the new game;
//   3. the new game takes its place, then the new history takes its own.
//
// A crash after 2 leaves a game without its history, never a game with another's. Reading
// believes a history only when it names the game beside it (or, written before histories
// named their game, when its last day is the day before the game's); anything else there that
// is a file (another game's history, a damaged one) is moved aside to NAME.kbz.history.old,
// where the player can still find it and no later save writes over it.

#include "state/GameState.h"
#include "state/History.h"

#include <QString>

#include <functional>
#include <optional>

namespace GameFiles {

// Where a history that did not belong to its game is kept.
QString setAsidePath(const QString& savedGame);

struct Written {
    std::optional<QString> game;    // why the game was not saved, when it was not
    std::optional<QString> history; // why its history was not, when the game was (or was not)
};

// Saves the game at `path` with its history beside it. `beforeReplacing`, when given, runs
// once the new files are safely written and before anything is replaced; what it reports
// wrong cancels the save. A history that cannot be written (a pipe in its place, too little
// room for it) does not stop the game from being saved alone.
Written save(const QString& path, const GameState& state, const History::Days& days,
             const std::function<std::optional<QString>()>& beforeReplacing = {});

struct Loaded {
    std::optional<GameState> state; // the game, when the file is one
    QString error;                  // else why not
    History::Days history;          // its history: empty when there is none that belongs to it
    QString historyNote;            // why a history that was there is not shown, or empty
};

// The game at `path`, read into a copy of `current` as SavedGame::read does, with its history.
Loaded load(const QString& path, const GameState& current);

} // namespace GameFiles
