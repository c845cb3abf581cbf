// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a rule of the game needs from the world beyond the game state: message boxes the player
// reads and answers, and chance. The windows hand their rules an Effects that shows real
// message boxes over the window; the unit tests hand them one that records what was said and
// answers from a script. A rule with more to do (open a window, refresh one) extends this
// interface with its own calls.

#include <QString>

enum class MsgIcon { None, Information, Exclamation, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };
// What opened a message: the player's own action, or a tick of the game's time or of a
// mini-game, which the player did not ask for and may be typing into another window just then.
enum class MsgCause { Player, Time };

// The random source: reseeded from the clock, then uniform draws in [0, 1).
class Chance {
public:
    virtual ~Chance() = default;
    virtual void randomize() = 0;
    virtual float rnd() = 0;
};

class Effects : public Chance {
public:
    // A message box with OK; the rule goes on once the player has closed it.
    virtual void say(const QString& text, const QString& title, MsgIcon icon) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool ask(const QString& text, const QString& title) = 0;
};
