#pragma once
// The roulette: the player picks a number from 0 to 13 and a stake, starts the hidden counter,
// stops it, and settles. The controls carry the phase: the counter runs while Timer1 does, and
// a result waits while cmdStop says "OK" and is enabled.

#include "leisure/CasinoMachine.h"

class QLabel;
class QLineEdit;
class QPushButton;
class Picture;
class Timer;

class frmRuletka : public CasinoMachine {
public:
    static constexpr QStringView Name = u"frmRuletka";
    explicit frmRuletka(Game& game);

    Picture* imgWheel;
    QLabel *Label1, *Label2, *Label3, *Label5, *lblNum;
    QLineEdit *txtChis, *txtStav;
    QPushButton *cmdStart, *cmdStop, *cmdBack;
    Timer* Timer1;

protected:
    void cmdBack_Click() override;

private:
    void box_KeyPress(QChar& key);
    void txtChis_Change();
    void txtStav_Change();
    void cmdStart_Click();
    void cmdStop_Click();
    void Timer1_Timer();

    void enableInputs(bool enabled);
};
