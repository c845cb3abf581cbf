// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The software shop: eighteen programs in five groups. Systems, languages, graphics editors and
// anti-virus programs are ladders, each group keeping its one current program in a field of
// the game; installing replaces it, and nothing at or below it is offered again. The three
// Internet tools are plain flags. Every program names the lowest system it runs on and the
// lowest model of each computer part it needs; its requirement text is composed from the
// same figures, so what the player reads is what the install tests.

#include "rules/Effects.h"

#include <QString>
#include <QStringList>

#include <array>
#include <span>

struct GameState;

namespace Programs {

enum class Group { System, Language, Graphics, Antivirus, Internet };

// The parts a program may need, in the order its requirement text lists them.
enum Part { Comp, Mon, Vin, CD, RAM, Video, Sound, Prn, PartCount };

struct Program {
    // The texts are UTF-8, the Russian ones marked for the translation in the context "Game":
    // the name is the state's (shown through Words::shown), the others the player's.
    const char* button;  // cmdNC, ...
    const char* caption; // the button's caption
    Group group;
    const char* name; // what the panel shows and the install records
    int price;
    const char* system;                    // the lowest system it runs on; nullptr: it needs none
    bool needsProcessor;                   // also wants a processor of any kind (Corel Xara)
    std::array<qint16, PartCount> minimum; // lowest level of each part; 0: not needed
    const char* lead;                      // what the requirement text names before the parts
    bool feedsVirus;                       // adds one to the virus counter
    bool liftsMood;                        // adds one to the mood
    const char* message;                   // said once it is in
    qint16 GameState::*flag;               // an Internet tool's flag; nullptr for the others
};

// The whole catalogue, group by group, each ladder lowest first.
std::span<const Program> catalogue();

// The ladder of a group: "Пока нет", then its programs' names lowest first. The Internet tools
// are no ladder: empty.
QStringList ladder(Group group);

// The field of the game that keeps the group's current program; nullptr for the Internet tools.
QString GameState::*field(Group group);

// The button is not offered: the program is installed, or its group already has it or a
// better one. Only an exact name of the group's ladder counts.
bool installed(const GameState& state, const Program& program);

// Installing `program` takes `other` off the shelf: the program itself and, in a ladder, every
// program below it.
bool covers(const Program& program, const Program& other);

// What the panel shows for the program: the header, a line break and the requirements.
QString requirements(const GameState& state, const Program& program);

// The system and every part meet the program's minimums.
bool fits(const GameState& state, const Program& program);

// What the window does while a program goes in.
class Effects : public ::Effects {
public:
    // Disable the buttons of the programs it covers.
    virtual void disableUpTo(const Program& program) = 0;
    // The group's field has the program now: the window copies it to its own label, and an
    // anti-virus makes the check available.
    virtual void recorded(const Program& program) = 0;
};

// A click on the program's button. Wants money above zero, not the price: the balance may go
// below zero. Returns whether the program went in.
bool install(GameState& state, const Program& program, Effects& effects);

} // namespace Programs
