// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The ten jobs, from loader to computer president: what each pays, what it asks of the player
// and what the player is told on being hired or turned away.
//
// A job's requirements are data. A word-valued field (education, status, English, clothes,
// programming tool, graphics program) names the lowest rung it accepts and fails only on a
// lower rung of its ladder, so a text that is not on the ladder passes; the items owned and
// the fish caught are minimums. Only the president is stricter: his programming tool must be
// exactly "VC++" and his car exactly the Mercedes.
//
// A refusal lists every requirement of the job, met or not, in the job's own words; where a
// line names an item it takes the item's name from the game's catalog, at the level the job
// asks for.

#include "rules/Effects.h"
#include "state/GameState.h"

#include <array>
#include <vector>

namespace Jobs {

struct Requirement {
    enum class Test {
        Rung,         // the text is no lower rung of `ladder` than `text`
        Text,         // the text is exactly `text`
        Online,       // the player has Internet access
        Level,        // the catalog's level is at least `minimum`
        LevelExactly, // the catalog's level is exactly `minimum`
        Count,        // the game-wide integer is at least `minimum`
    };
    Test test;
    QString GameState::*field = nullptr;   // Rung, Text
    const QStringList* ladder = nullptr;   // Rung
    QString text = {};                     // Rung, Text
    Catalog GameState::*catalog = nullptr; // Level, LevelExactly
    qint16 GameState::*count = nullptr;    // Count
    int minimum = 0;                       // Level, LevelExactly (the level), Count

    bool metBy(const GameState& state) const;
};

// One line of a refusal, the source of its translation; a line naming an item says as %1 the
// catalog's name at the level the job asks for.
struct RefusalLine {
    const char* text;
    Catalog GameState::*item = nullptr;
};

// A job's texts are the game's Russian: the name is the record's, the others are the sources
// of their translation, which the view shows through Words::shown() and the messages made here
// are translated already.
struct Job {
    QString caption;     // on the job's button
    int salary;          // dollars a day
    QString name;        // what lblMyWork keeps
    QString shownAs;     // what the jobs window shows as the current job
    QString description; // shown while the player points at the button
    QString hireTitle;
    QString hireMessage; // "Вы теперь грузчик. Ваша зарплата %1 $.", %1 the salary
    QString refusalTitle = {}, refusalFirstLine = {}; // empty for the loader: never turned away
    std::vector<Requirement> requirements = {};
    std::vector<RefusalLine> refusalLines = {};
    bool endsGame = false; // the top of the career: the end screen follows the hire

    bool qualifies(const GameState& state) const;
    // The hire message, which tells the salary, translated.
    QString hireText() const;
    // The refusal message's text, translated, the same whether a requirement is met or not.
    QString refusalText(const GameState& state) const;
};

inline constexpr size_t Count = 10;

// The jobs in the order of their buttons, the loader first and the president last.
const std::array<Job, Count>& all();

// The hire: its message, then the job and its salary written to the game.
void hire(GameState& state, const Job& job, Effects& effects);

// The refusal message listing the job's requirements; the loader's says nothing.
void refuse(const GameState& state, const Job& job, Effects& effects);

} // namespace Jobs
