#include "rules/Clock.h"

#include "state/GameState.h"
#include "state/NumberText.h"
#include "ui/Platform.h"

using namespace Qt::StringLiterals;

namespace Clock {

namespace {
void endDay(GameState& s, Platform& platform, const Effects& effects) {
    if (s.BankAccount != 0) {
        // A balance near the 16-bit limit stops there rather than wrapping round.
        s.BankAccount = AddSat16(s.BankAccount, growth(s.BankAccount));
        effects.balanceChanged();
        if (++s.BankDays == 6) {
            s.BankDays = 0;
            if (Int(platform.rnd() * 6 + 1) == 4) {
                const double loss = Int((s.BankAccount / 3) * platform.rnd() + 1) + 1;
                effects.bankFailed(u"Компьютерная система банка, в котором вы храните деньги, "
                                   "сломалась.\nУ вас со счета было снято "_s +
                                       Str(loss) + u"$."_s,
                                   u"Система банка сломалась"_s);
                s.BankAccount = AddSat16(s.BankAccount, -loss);
                effects.balanceChanged();
            }
        }
    }
    s.lblMoney = Num(LeadingVal(s.lblMoney) + LeadingVal(s.lblWorkEarn));
    s.lblDay = Num(Val(s.lblDay) + 1);
    s.lblHours = u"0"_s;
}
} // namespace

void tick(GameState& s, Platform& platform, const Effects& effects) {
    platform.randomize();
    s.lblHours = Num(Val(s.lblHours) + 1);
    if (s.lblHours == u"24")
        endDay(s, platform, effects);
    if (s.lblDay == u"31") {
        s.lblDay = u"1"_s;
        s.lblMonth = Num(Val(s.lblMonth) + 1);
    }
    if (s.lblMonth == u"13") {
        s.lblMonth = u"1"_s;
        const double year = Val(s.lblYear) + 1;
        s.lblYear = year < 10 ? u"0"_s + Num(year) : Num(year);
    }
}

} // namespace Clock
