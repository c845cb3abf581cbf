// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Forecast.h"

#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Forecast {

namespace {

constexpr int HoursPerUpdate = 12;
constexpr double FallPerUpdate = 2;

// The first life update after which `value` is below `limit` (the update kills there). A value
// already below it still has one update to go.
int hoursUntil(double value, double limit) {
    const double updates = std::floor((value - limit) / FallPerUpdate) + 1;
    return HoursPerUpdate * int(std::clamp(updates, 1.0, 1e6));
}

// What each course costs a day: two lessons a day.
constexpr double SchoolPerDay = 6;
constexpr double EnglishPerDay = 8;
constexpr double ComputerPerDay = 8;

} // namespace

Outlook of(const GameState& s) {
    double perDay = s.salary();
    if (s.inSchool())
        perDay -= SchoolPerDay;
    if (s.learningEnglish())
        perDay -= EnglishPerDay;
    if (s.learningComputers())
        perDay -= ComputerPerDay;
    return {hoursUntil(s.satiety(), -30), hoursUntil(s.mood(), -40), perDay};
}

QString text(const GameState& s) {
    const Outlook outlook = of(s);
    const QString perDay = (outlook.perDay > 0 ? u"+"_s : QString()) + Num(outlook.perDay);
    return QCoreApplication::translate("Game",
                                       "Голод через ≈%1 ч · тоска через ≈%2 ч · за день: %3 $")
        .arg(outlook.hungerHours)
        .arg(outlook.sadnessHours)
        .arg(perDay);
}

} // namespace Forecast
