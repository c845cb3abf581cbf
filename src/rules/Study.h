// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The three courses of the study window: evening school, English and computer courses. The
// window only switches attendance on and off; the life update charges the daily price, counts
// the lessons and closes a finished course. A course's button caption is its attendance as the
// window sees it: start, stop, or finished (disabled).

#include "rules/Effects.h"

#include <QString>

#include <optional>
#include <span>

struct GameState;

namespace Study {

struct Course {
    const char* button;          // cmdSchool, cmdEnglish, cmdComp
    QString GameState::*display; // lblSSchool, ...
    QString GameState::*cost;    // lblSCost, ...
    QString GameState::*counter; // lblObras, ...: "OK" once finished
    const char* attending;       // what the display field says while attending
    const char* price;           // the daily price, as the cost field holds it
    const char* shortName;       // what the panel calls the course
    const char* start;           // the three captions of the button
    const char* stop;
    const char* finished;
    const char* refusal; // said when there is no money to start
};

// School, English, computer: in the order the window lays them out.
std::span<const Course> courses();

enum class State { Start, Stop, Finished };

// What the button shows when the window opens: the stop caption while the cost field holds the
// price, the finished one (which wins) once the counter says "OK".
State stateAtLoad(const GameState& state, const Course& course);
QString caption(const Course& course, State state);

// The course's texts are the game's Russian, as the record keeps them (the display field) and as
// the translation's sources: the window shows them through Words::shown().

// Which caption `shown` is, in Russian or translated; nothing for a text that is neither.
std::optional<State> shownState(const Course& course, const QString& shown);

// A click on the course's button in state `shown`; returns the state it shows next. Starting
// wants money above zero and charges nothing; stopping refunds nothing; a finished course's
// button does nothing.
State click(GameState& state, const Course& course, State shown, Effects& effects);
// The same for the button showing the caption `shown` (Russian or translated); returns the
// caption it shows next, in Russian, or `shown` itself when the click changed nothing.
QString click(GameState& state, const Course& course, const QString& shown, Effects& effects);

} // namespace Study
