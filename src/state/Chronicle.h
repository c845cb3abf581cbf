// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The chronicle of a life: its milestones, each on the game day it happened. The rule that
// makes a milestone (a hire, a purchase, a lesson that moves a ladder, a spin of the roulette)
// notes it in the state as it changes the state, so the chronicle cannot miss one nor invent
// one; the windows only show it.
//
// An entry keeps what happened as data (its kind, the name of what it concerns, an amount), in
// the game's own words; the sentence the player reads is made from it when it is shown. The
// games of chance would fill a page with their rounds, so a day's rounds at one machine are
// one entry, their count and their sum.
//
// The chronicle is saved with the history, in the same file (state/History.h); a game saved
// before there were chronicles loads with an empty one.

#include "state/Words.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

struct GameState;

namespace JsonText {
class Reader;
} // namespace JsonText

namespace Chronicle {

enum class Kind {
    Job,            // what: the job, amount: its salary
    Status,         // what: the status reached
    Education,      // what: the education reached
    English,        // what: the English reached
    CourseBegun,    // what: the course (Course below), amount: its fee
    CourseFinished, // what: the course
    Bought,         // what: the ladder (Goods below), detail: what was bought, amount: its price
    Program,        // what: the kind of program, detail: the program, amount: its price
    Virus,          // what: how it ended (VirusEnd below), amount: the dollars it cost
    BankFailure,    // amount: the dollars the bank lost
    HackDone,       // what: the assignment, amount: the pay
    HackFailed,     // what: the assignment, amount: the fine
    Fishing,        // amount: the fish caught on the trip
    Roulette,       // amount: the day's winnings (negative: losses), count: the rounds
    Slots,          // the same, at the slot machine
    Arcade,         // the same, at the arcade
    Death,          // what: the cause (Cause below)
    President,      // what: the job
};

struct Entry {
    QString date; // day/month/year as the main window shows it
    Kind kind = Kind::Job;
    QString what;
    QString detail;
    double amount = 0;
    int count = 1; // rounds, at a game of chance (0: a prize of a round noted the day before)
    bool operator==(const Entry&) const = default;
};
using Entries = std::vector<Entry>;

// One life: when it began on the player's calendar (the real date and time of its new game,
// which tells two lives apart), the game date it began on, and its milestones, oldest first.
struct Life {
    QString began;
    QString firstDay;
    Entries entries;
    bool operator==(const Life&) const = default;
    bool empty() const { return began.isEmpty() && firstDay.isEmpty() && entries.empty(); }
};

namespace Course {
inline constexpr QStringView School = u"Вечерняя школа";
inline constexpr QStringView English = u"Курсы английского";
inline constexpr QStringView Computer = u"Компьютерные курсы";
} // namespace Course

namespace VirusEnd {
inline constexpr QStringView Killed = u"Вирус уничтожен";
inline constexpr QStringView Found = u"Вирус найден проверкой и уничтожен";
inline constexpr QStringView Damage = u"Вирус украл деньги";
} // namespace VirusEnd

namespace Cause {
inline constexpr QStringView Hunger = u"Умер от голода";
inline constexpr QStringView Sorrow = u"Умер от тоски";
} // namespace Cause

// The ladder a catalog of goods belongs to, as the chronicle names it ("Квартира", "Машина",
// "Процессор", ...), by the catalog's stem in the state's table ("Flat", "Car", "Comp", ...).
QString goodsName(QStringView stem);

// Notes a milestone on the state's day. A round at a game of chance joins the day's entry of
// the same machine when the chronicle's last entry is that one.
void note(GameState& state, Kind kind, const QString& what = {}, double amount = 0,
          const QString& detail = {});

// A prize of a round already noted (the slot machine pays within a pack of spins): it joins
// the day's entry of the machine without counting another round.
void addWinnings(GameState& state, Kind kind, double amount);

// The entry's sentence, "Работа: Грузчик, 10$ в день": in the player's language on the
// screen, in the game's own for the record (the memorial), whatever the player reads.
QString text(const Entry& entry, Words::For reader);

// The kind's name in the file, and back.
QString key(Kind kind);
std::optional<Kind> kindOf(QStringView key);

// The life as a JSON object, as Qt's compact JSON would write it; and read back, nothing
// unless every entry is sound.
void appendJson(QByteArray& out, const Life& life);
std::optional<Life> readJson(JsonText::Reader& reader);

// Whether the entries' dates never go back.
bool inOrder(const Entries& entries);
// A date "d/m/yy" as a number that grows with the date; nothing for a text that is not one.
std::optional<int> dayNumber(QStringView date);

} // namespace Chronicle
