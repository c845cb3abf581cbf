// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The saved-game file (.kbz): one line of 54 comma-separated fields in Windows-1251, ended by
// CR LF. Texts are quoted, integers plain, flags #TRUE# or #FALSE#; the cash alone is
// disguised by a fixed letter for each of "-" and the ten digits.
//
// Files written by other hands are read as the format allows: the line may lack its CR LF,
// fields after the 54th are passed over, and a text may stand without quotes, up to the next
// comma (without a quote inside it, so that the game can write it back).
//
// Reading checks the whole line before anything is taken: every field of its kind, every
// level inside its catalog, flags exactly #TRUE# or #FALSE#, integers inside 16 bits, the
// numeric texts numerals the game's arithmetic reads, no control character in any text, and
// the hour, day, month and year a moment the clock can reach. A line that fails is described (which
// field, what was expected) and the game it was read into is left as it was.

#include "state/GameState.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace SavedGame {

constexpr int FieldCount = 54;
// A saved game is one short line; anything longer is not one.
constexpr qint64 MaxFileSize = 64 * 1024;
// Loaded cash above this is not believed...
constexpr double CashLimit = 32000;
// ...and becomes this.
constexpr double CashCapped = 31001;

// The cash as field 6 holds it: the whole dollars, each "-" and digit as its letter.
QString disguise(double cash);
// The characters of the letters in `field`; any other character is passed over.
QString undisguise(QStringView field);

// The line for `state`, encoded, with its CR LF.
QByteArray write(const GameState& state);

struct Loaded {
    std::optional<GameState> state; // the game as the file has it, when the file is sound
    QString error;                  // else what is wrong with it
};

// Reads a file's bytes into a copy of `current` (whose catalogs give the levels their names).
Loaded read(const QByteArray& bytes, const GameState& current);

// The file at `path`, written whole or not at all: a save that fails leaves the file that was
// there as it was. Returns what went wrong, or nothing.
std::optional<QString> save(const QString& path, const GameState& state);
// The game in the file at `path`, read as above; a file larger than a saved game can be, and
// anything that is not a regular file (a folder, a pipe, a device), is refused without being
// read and without a wait.
Loaded load(const QString& path, const GameState& current);

} // namespace SavedGame
