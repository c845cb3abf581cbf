// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the game reads and writes numbers that live in text fields.
//
// The indicator fields of the main window are texts, and every window reads and writes them as
// numbers through these few functions, so that "170", " 12 " and "-2" mean the same thing
// everywhere. The game only ever stores numerals in its numeric fields, but a field may still
// hold something else (a finished course's counter says "OK", a saved game may be damaged):
// such a text reads as 0 rather than stopping the game.
//
// The game-wide integers are 16-bit. Sums that would leave that range stop at its limit
// instead of wrapping round to the other sign.

#include <QString>
#include <QtGlobal>

// The whole text, blanks around it allowed, as a number; a text that is not a numeral is 0.
double Val(QStringView text);

// The longest numeral at the start of the text (after leading blanks); 0 when there is none.
// Only the clock's salary uses this reading.
double LeadingVal(QStringView text);

// The largest whole number not above x.
double Int(double x);

// The shortest decimal form of x: no leading blank, "." as the decimal point, at most 15
// significant digits ("28", "-2", "0.5", "21.9"). This is what numeric fields store.
QString Num(double x);

// An amount the player types: plain digits only, no sign, no blanks, no fraction.
bool IsAmount(QStringView text);

// Adds to a numeric field: field = Num(Val(field) + amount). Every change of a number held as
// text goes through here.
void AddTo(QString& field, double amount);

// x as messages show it: one leading blank when x is not negative (" 10", "-5").
QString Str(double x);

// Clamps a whole number into the 16-bit range.
qint16 Sat16(double x);

// a + b, saturated at the 16-bit limits.
qint16 AddSat16(qint16 a, double b);
