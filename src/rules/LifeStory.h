// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A life told whole: its headline, its span, its peaks and its totals, read from its
// chronicle, its history and the state it stands at. "Итоги жизни" shows it, the memorial file
// keeps it, and the hall of fame ranks it.

#include "state/Chronicle.h"
#include "state/GameState.h"
#include "state/Hall.h"
#include "state/History.h"

#include <QDateTime>
#include <QString>

namespace LifeStory {

enum class Ending { Living, Hunger, Sorrow, President };

// The headlines: "Умер от голода", "Умер от тоски", "Стал компьютерным президентом",
// "Жизнь продолжается". They are the game's words (the hall and the memorial keep them); the
// view shows them through Words::shown().
QString headline(Ending ending);

struct Summary {
    Ending ending = Ending::Living;
    QString headline;
    QString began;     // the real date and time the life began (tells two lives apart)
    QString firstDate; // the game dates of its first and last day
    QString lastDate;
    int days = 0; // the game days lived
    // Days from the first to the president's hire, when there was one.
    std::optional<int> daysToTop;

    double mostMoney = 0; // cash and bank together, at its most
    QString bestJob;      // the best paid job held ("Пока нет" for none)
    double bestSalary = 0;
    QString status, education, english; // the highest rungs reached

    double salaryEarned = 0;
    double fishCaught = 0;
    int programsInstalled = 0;
    int virusesMet = 0;
};

// The life so far: `state` is where it stands (after a death, its last moment).
Summary summarize(const GameState& state, const History::Days& days);

// The memorial: the summary and the chronicle as plain text, one line each, ending with a line
// break, in the game's own words whatever the player reads. `ended` is the real time the life
// ended.
QString memorialText(const Summary& summary, const Chronicle::Entries& entries,
                     const QDateTime& ended);
// Its file name: "2026-12-11 14-05-33 Умер от голода.txt" (no character a file system refuses).
QString memorialFileName(const Summary& summary, const QDateTime& ended);

// The life's row in the hall of fame.
Hall::Row hallRow(const Summary& summary, const QDateTime& ended);

} // namespace LifeStory
