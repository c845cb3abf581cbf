#pragma once
// The hackers' assignments: nine jobs, the harder ones paying more and failing more often.
// Whether a run fails is settled by one hidden number drawn as it starts: a first draw from 1
// to 9, and, when that lands in the assignment's unlucky set, a second one from 19 to 117 that
// is the percentage at which the run blows up (one above 100 is never reached).

#include "rules/Effects.h"

#include <QString>

struct GameState;

namespace Hacking {

inline constexpr qint16 Assignments = 9;
inline constexpr int RefusalFee = 5;

// The hackers let in only one of their own: a status of "Хакер" or above (a status off the
// ladder is not held against the player). True when the player gets in; else they are told
// why and stay where they were.
bool admits(const GameState& state, Effects& effects);

// The text of assignment n (1..9).
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

// The refusal: said, then fined (into debt if need be).
void refuse(GameState& state, Effects& effects);
// The end of a run: its message, then the reward or the fine.
void succeed(GameState& state, qint16 n, Effects& effects);
void fail(GameState& state, qint16 n, Effects& effects);

} // namespace Hacking
