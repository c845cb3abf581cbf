// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The roulette: the player picks a number from 0 to 13 and a stake, starts the hidden counter,
// stops it, and settles. The window draws the table's phase: the counter hidden and Timer1
// running while it runs, cmdStop saying "OK" once it stopped.

#include "leisure/CasinoMachine.h"
#include "rules/Casino.h"

#include <QCoreApplication>

class QLabel;
class AmountBox;
class QPushButton;
class Picture;
class Timer;

class frmRuletka : public CasinoMachine {
    Q_DECLARE_TR_FUNCTIONS(frmRuletka)

public:
    static constexpr QStringView Name = u"frmRuletka";
    explicit frmRuletka(Game& game);

    Picture* imgWheel;
    QLabel *Label1, *Label2, *Label3, *Label5, *lblNum;
    AmountBox *txtChis, *txtStav;
    QPushButton *cmdStart, *cmdStop, *cmdBack;
    Timer* Timer1;

protected:
    void cmdBack_Click() override;
    void retranslateUi() override;

private:
    void txtChis_Change();
    void txtStav_Change();
    void cmdStart_Click();
    void cmdStop_Click();
    void Timer1_Timer();

    // Draws the table: the boxes, the buttons of its phase and the counter. (Hides
    // QWidget::show, which the game never calls on a place: the platform shows windows as
    // dialogs.)
    void show();
    // The counter's number as the table shows it: "00" before the first spin of the visit.
    QString counterText() const;

    Roulette::Table table_;
};
