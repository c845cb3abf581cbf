// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rules/Clock.h"

#include "rules/Bank.h"
#include "state/GameState.h"
#include "state/NumberText.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace Clock {

namespace {
void endDay(GameState& s, Effects& effects) {
    if (s.BankAccount != 0) {
        s.BankAccount = AddSat16(s.BankAccount, Bank::growth(s.BankAccount));
        effects.balanceChanged();
        if (++s.BankDays == 6) {
            s.BankDays = 0;
            if (Int(effects.rnd() * 6 + 1) == 4) {
                // A third of the balance in whole dollars, so a small balance loses little.
                const double loss = Int((s.BankAccount / 3) * effects.rnd() + 1) + 1;
                effects.say(QCoreApplication::translate(
                                "Game", "Компьютерная система банка, в котором вы храните деньги, "
                                        "сломалась.\nУ вас со счета было снято %1$.")
                                .arg(Str(loss)),
                            QCoreApplication::translate("Game", "Система банка сломалась"),
                            MsgIcon::None);
                const qint16 before = s.BankAccount;
                s.BankAccount = AddSat16(s.BankAccount, -loss);
                Chronicle::note(s, Chronicle::Kind::BankFailure, {}, before - s.BankAccount);
                effects.balanceChanged();
            }
        }
    }
    s.lblMoney = Num(LeadingVal(s.lblMoney) + s.salary());
    AddTo(s.lblDay, 1);
    s.lblHours = u"0"_s;
}
} // namespace

bool tick(GameState& s, Effects& effects) {
    effects.randomize();
    AddTo(s.lblHours, 1);
    const bool dayEnds = s.lblHours == u"24";
    if (dayEnds)
        endDay(s, effects);
    if (s.lblDay == u"31") {
        s.lblDay = u"1"_s;
        AddTo(s.lblMonth, 1);
    }
    if (s.lblMonth == u"13") {
        s.lblMonth = u"1"_s;
        const double year = Val(s.lblYear) + 1;
        s.lblYear = year < 10 ? u"0"_s + Num(year) : Num(year);
    }
    return dayEnds;
}

} // namespace Clock
