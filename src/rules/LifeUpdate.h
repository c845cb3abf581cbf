#pragma once
// The life update: every 18 s (the main window's Timer1) mood and satiety fall, the player may
// die or be warned, the courses take their fees and count lessons, the status, English and
// school ladders move at fixed marks, and a working computer moves towards its next virus.

#include "state/GameState.h"

#include <QString>

#include <vector>

namespace Life {

enum class Course { School, English, Computer };

// What the life update does beyond the game state: message boxes and windows.
class Effects {
public:
    virtual ~Effects() = default;
    // An exclamation message with OK; the rest of the tick waits for it.
    virtual void warn(const QString& text, const QString& title) = 0;
    // The player died: the message, then the start window in place of the game.
    virtual void die(const QString& text) = 0;
    // A finished course: its price line is hidden on the main window.
    virtual void courseFinished(Course course) = 0;
    virtual void virusStrikes() = 0;
};

struct LadderStep {
    const char16_t* from;
    const char16_t* mark;
    const char16_t* to;
    QString message, title;
};

struct Ladder {
    QString GameState::*rung;
    QString GameState::*counter;
    std::vector<LadderStep> steps;
};

// The three ladders: status by computer lessons, English, school education.
const Ladder& statusLadder();
const Ladder& englishLadder();
const Ladder& schoolLadder();

void tick(GameState& state, Effects& effects);

} // namespace Life
