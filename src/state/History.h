// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The history of a game: one record at the end of each game day (money, satiety, mood, the
// bank balance and the job), kept beside a saved game as NAME.kbz.history, a small JSON file.
// The saved game itself stays exactly as it always was; the history is an extra that a game
// may lack. A history file that is missing or unsound gives an empty history, and nothing in
// it is believed unless all of it is sound.
//
// A history names the saved game it was written with (`game`: a hash of that file's bytes),
// so that a history left beside another game (a crash between the two writes, a copy by hand)
// is known for what it is; see state/GameFiles.h. Histories written before they carried the
// name have none, and are told by their dates instead.

#include "state/Chronicle.h"
#include "state/GameState.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace History {

struct Day {
    QString date; // the day that ended, day/month/year as the main window shows it
    double money = 0;
    double satiety = 0;
    double mood = 0;
    int bank = 0;
    QString job;
    bool operator==(const Day&) const = default;
};
using Days = std::vector<Day>;

// A history file larger than this is not read (a century of play takes a few megabytes), and
// none larger is written: the oldest days give way first.
constexpr qint64 MaxFileSize = 32 * 1024 * 1024;

// The record of the day that ended on `date`, from the state after the clock's work.
Day record(const GameState& state, const QString& date);
// The date the state shows: "6/5/02".
QString dateOf(const GameState& state);

// The name a history gives the saved game it goes with: the hash of the game file's bytes.
QString markOf(const QByteArray& savedGame);

struct File {
    Days days;
    QString game; // the mark of the saved game it was written with; empty in an older file
    // The life's chronicle; empty in a file written before there were chronicles, which older
    // versions of the game pass over.
    Chronicle::Life story = {};
};

// The file's text, naming the saved game `game` (a mark, or empty for none). At most `maxSize`
// bytes: when all the days do not fit, the oldest are left out.
QByteArray fileText(const File& file, qint64 maxSize = MaxFileSize);
QByteArray toJson(const Days& days, const QString& game = {}, qint64 maxSize = MaxFileSize);
// Nothing unless the text is a history this game wrote: the format mark, every day with its
// six fields of the right kinds, the numbers finite, and the saved game's mark when the
// version has one.
std::optional<File> parse(const QByteArray& json);
std::optional<Days> fromJson(const QByteArray& json);

// Whether the last day of `days` is the day before the one `state` shows: the day a game was
// saved on follows the last day its history recorded. An empty history follows any day.
bool endsTheDayBefore(const Days& days, const GameState& state);

// The history file that goes with a saved game.
QString pathFor(const QString& savedGame);
// Written whole or not at all; returns what went wrong, or nothing.
std::optional<QString> save(const QString& path, const Days& days, const QString& game = {});
// The history in the file; empty when there is none or it is unsound. `error`, when given,
// says why a file that is there was not read (a folder, a pipe, a device, a file too large or
// unsound), and is empty when the history was read or there is none.
Days load(const QString& path, QString* error = nullptr);

} // namespace History
