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

#include <span>

struct GameState;

namespace Study {

struct Course {
    const char* button;          // cmdSchool, cmdEnglish, cmdComp
    QString GameState::*display; // lblSSchool, ...
    QString GameState::*cost;    // lblSCost, ...
    QString GameState::*counter; // lblObras, ...: "OK" once finished
    const char16_t* attending;   // what the display field says while attending
    const char16_t* price;       // the daily price, as the cost field holds it
    const char16_t* shortName;   // what the panel calls the course
    const char16_t* start;       // the three captions of the button
    const char16_t* stop;
    const char16_t* finished;
    const char16_t* refusal; // said when there is no money to start
};

// School, English, computer: in the order the window lays them out.
std::span<const Course> courses();

enum class State { Start, Stop, Finished };

// What the button shows when the window opens: the stop caption while the cost field holds the
// price, the finished one (which wins) once the counter says "OK".
State stateAtLoad(const GameState& state, const Course& course);
QString caption(const Course& course, State state);

// A click on the course's button showing `shown`; returns the caption it shows next. Starting
// wants money above zero and charges nothing; stopping refunds nothing.
QString click(GameState& state, const Course& course, const QString& shown, Effects& effects);

} // namespace Study
