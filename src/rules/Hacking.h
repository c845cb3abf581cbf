// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hackers' assignments: nine jobs, the harder ones paying more and failing more often.
// Whether a run fails is settled by one hidden number drawn as it starts: a first draw from 1
// to 9, and, when that lands in the assignment's unlucky set, a second one from 19 to 117 that
// is the percentage at which the run blows up (one above 100 is never reached).

#include "rules/Effects.h"

#include <QString>

#include <optional>

struct GameState;

namespace Hacking {

inline constexpr qint16 Assignments = 9;
inline constexpr int RefusalFee = 5;

// The hackers let in only one of their own: a status of "Хакер" or above (a status off the
// ladder is not held against the player). True when the player gets in; else they are told
// why and stay where they were.
bool admits(const GameState& state, Effects& effects);

// The text of assignment n (1..9), in the game's words: the chronicle keeps it, and the view
// shows it through Words::shown().
QString assignment(qint16 n);
// What the assignment pays on success, and the fine on failure.
int pay(qint16 n);
int fine(qint16 n);

// Takes an assignment at random: 1..9.
qint16 take(Chance& chance);

// The time between two steps of a run: 20..69 ms.
int stepInterval(Chance& chance);

// The hidden outcome of a run of assignment n: 1..9, or 19..117 after a redraw.
qint16 outcome(qint16 n, Chance& chance);

// One step of a run that has reached `progress` percent.
enum class Step { Going, Success, Failure };
Step step(qint16 outcome, qint16 progress);

// The percentage label of a run.
QString progressText(qint16 progress);

// The den as its window shows it: no assignment, one taken (to refuse or to carry out), or one
// being carried out. Leaving the window drops the assignment.
struct Den {
    enum class Phase { Idle, Taken, Running };
    Phase phase = Phase::Idle;
    qint16 assignment = 0; // 1..9 while there is one
    qint16 progress = 0;   // percent done of the run
    qint16 outcome = 0;    // hidden, drawn as the run starts
    // The percentage the label shows: that of the last step of any run of this visit (a new
    // run shows it until its own first step), none before the first.
    std::optional<qint16> lastStep;
};

// Takes an assignment at random.
void takeAssignment(Den& den, Chance& chance);
// The refusal: said, then fined (into debt if need be); the den is idle again.
void refuse(Den& den, GameState& state, Effects& effects);
// Starts the run of the assignment taken: its hidden outcome is drawn. Returns the time
// between two steps.
int startRun(Den& den, Chance& chance);
// One step of the run.
Step advance(Den& den);
// The assignment is done with, either way: no assignment.
void idle(Den& den);

// The end of a run: its message, then the reward or the fine.
void succeed(GameState& state, qint16 n, Effects& effects);
void fail(GameState& state, qint16 n, Effects& effects);

} // namespace Hacking
