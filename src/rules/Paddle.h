// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arcade machine's paddle game: a ball bounces inside a field, the player keeps it from
// falling past a paddle that shrinks on every tick. Everything is in twips; the window converts
// to pixels only when it draws.

#include "rules/Effects.h"

#include <QtGlobal>

struct GameState;

namespace Paddle {

inline constexpr int FieldWidth = 5895;
inline constexpr int FieldHeight = 3375;
inline constexpr int PaddleStartLeft = 2160;
inline constexpr int PaddleTop = 2880;
inline constexpr int PaddleHeight = 270;
inline constexpr int BallSize = 285;

inline constexpr int TickMs = 50;
// The paddle is the game's clock: it loses this much width on every tick.
inline constexpr int Shrink = 2;
inline constexpr int StartWidth = 1080;
inline constexpr int WinningWidth = 300;
inline constexpr int CatchLine = 2700;
inline constexpr int LossLine = 3000;
inline constexpr int KeyStep = 150;
inline constexpr int ButtonStep = 100;
inline constexpr qint16 StartStep = 100;

inline constexpr int WinPrize = 35, WinMood = 20;
inline constexpr int LossCharge = 20, LossMood = 8;

struct Field {
    int ballLeft = 0;
    int ballTop = 0;
    qint16 h = StartStep;
    qint16 v = StartStep;
    int paddleLeft = PaddleStartLeft;
    int paddleWidth = StartWidth;

    int fieldWidth = FieldWidth;
    int fieldHeight = FieldHeight;
    int ballWidth = BallSize;
    int ballHeight = BallSize;
};

enum class Outcome { Playing, Won, Lost };

// One tick: the ball moves, the paddle shrinks, then at most one reaction, the first that
// applies of: the win, a side wall, the top or bottom wall, the catch, the loss.
Outcome tick(Field& field);

// The arrow keys test before they step, so the paddle may end up to one step past a limit.
void keyRight(Field& field);
void keyLeft(Field& field);

// One tick of a held arrow button: the step, then whether the button may go on.
bool buttonRight(Field& field);
bool buttonLeft(Field& field);

// A new game: the paddle's full width, the first steps and the ball in the top-left corner.
// The paddle stays where the player left it.
void reset(Field& field);

// The end of a game is paid or charged, then the player says whether to play again.
// Returns true for another game.
bool finish(GameState& state, Outcome outcome, Effects& effects);

// Whether the arrow buttons or the keys are the player's controls. The keys work either way;
// the choice only locks the buttons during a game.
enum class Control { Buttons, Keyboard };

// Everything the machine holds: the field, whether a game runs, and the player's choices. The
// window shows it after every change and hands it the player's input; it reads nothing back
// from its controls.
struct Machine {
    Field field;
    bool playing = false;
    Control control = Control::Buttons;
    // Which of the three paddles and of the three balls is drawn (0, 1, 2).
    int paddleArt = 0;
    int ballArt = 0;

    void start() { playing = true; }
    // One tick of a game: everything moves, then at most one reaction.
    Outcome tick() { return Paddle::tick(field); }
    // A game is over: it is paid or charged and the player is asked; the field is set for the
    // next game, which runs at once when the player plays again. Returns true for another game.
    bool end(GameState& state, Outcome outcome, Effects& effects);

    // The choices stay as they are while a game runs.
    bool settingsLocked() const { return playing; }
    bool arrowButtonsLocked() const { return playing && control == Control::Keyboard; }
};

} // namespace Paddle
