// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hall of fame: the ten best lives that have ended, kept in hall.json in the game's data
// folder. Presidents come first, the quickest to the top first; then the others, the longest
// lived first. A life is told by when it began on the player's clock, so a life that ends twice
// (the president's hire, then a death) keeps one row, the better of the two.
//
// The file is read as carefully as a history (nothing in it is believed unless all of it is
// sound) and written whole or not at all.

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace Hall {

inline constexpr int Size = 10;
// A hall file larger than this is not read.
inline constexpr qint64 MaxFileSize = 1024 * 1024;

struct Row {
    QString life;      // when the life began, on the player's clock (ISO date and time)
    QString ended;     // when it ended, the same way
    QString firstDate; // the game dates of its first and last day
    QString lastDate;
    int days = 0;                 // game days lived
    std::optional<int> daysToTop; // for a president: game days from the first to the hire
    QString headline; // "Умер от голода", "Стал компьютерным президентом", ...
    QString bestJob;
    double mostMoney = 0;
    bool operator==(const Row&) const = default;
};
using Rows = std::vector<Row>;

// Whether `a` ranks above `b`.
bool ranksAbove(const Row& a, const Row& b);

// The table with `row` entered: a row of the same life gives way to the better of the two,
// then the rows in their order, the best ten kept. `placed`, when given, is set to the row's
// place (0 for the first) or to nothing when it did not make the table. A row that gives way to
// a better one of its life is placed where that one stands: the life's place in the hall.
Rows enter(Rows rows, const Row& row, std::optional<int>* placed = nullptr);

QByteArray toJson(const Rows& rows);
// Nothing unless the text is a hall this game wrote and every row of it is sound.
std::optional<Rows> fromJson(const QByteArray& json);

// The hall's file in a data folder.
QString pathIn(const QString& dataFolder);
// The rows in the file: none when there is no file. `error`, when given, says why a file that
// is there was not read (and is then left where it is, for the player to find).
Rows load(const QString& path, QString* error = nullptr);
// Written whole or not at all; returns what went wrong, or nothing.
std::optional<QString> save(const QString& path, const Rows& rows);

} // namespace Hall
