// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The life update: every 18 s (the main window's Timer1) mood and satiety fall, the player may
// die or be warned, the courses take their fees and count lessons, the status, English and
// school ladders move at fixed marks, and a working computer moves towards its next virus.

#include "rules/Effects.h"
#include "state/GameState.h"

#include <QString>

#include <vector>

namespace Life {

// The life update comes every twelve game hours at the game's normal speed.
inline constexpr int TickMs = 18000;

enum class Course { School, English, Computer };

// What the life update does beyond the game state and its message boxes: windows.
class Effects : public ::Effects {
public:
    // The player died: the message, then the start window in place of the game.
    virtual void die(const QString& text) = 0;
    // A finished course: its price line is hidden on the main window.
    virtual void courseFinished(Course course) = 0;
    virtual void virusStrikes() = 0;
};

// Step i climbs from rung i of the ladder to rung i + 1 when the lesson counter reads `mark`,
// and tells the player so: the message and its title are the sources of their translation.
struct LadderStep {
    QString mark;
    const char* message;
    const char* title;
};

struct Ladder {
    const QStringList& rungs; // one of Ladders::
    QString GameState::*rung;
    QString GameState::*counter;
    std::vector<LadderStep> steps;
    // The steps share one message, which says the new rung's number as %1.
    bool numbered = false;
};

// The three ladders: status by computer lessons, English, school education.
const Ladder& statusLadder();
const Ladder& englishLadder();
const Ladder& schoolLadder();

void tick(GameState& state, Effects& effects);

} // namespace Life
