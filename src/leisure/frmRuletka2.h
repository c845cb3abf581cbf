// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The five-spin slot machine: a pack of five spins bought at once, three pictures a spin, and a
// prize whenever the first two match. The spins left are lost with the window.

#include "leisure/CasinoMachine.h"
#include "rules/Casino.h"

#include <QCoreApplication>

#include <array>

class QLabel;
class QPushButton;
class Picture;

class frmRuletka2 : public CasinoMachine {
    Q_DECLARE_TR_FUNCTIONS(frmRuletka2)

public:
    static constexpr QStringView Name = u"frmRuletka2";
    explicit frmRuletka2(Game& game);

    void Form_Load() override;
    // Announces and pays the prize of the last spin.
    void SayHowMuchYWon();

    std::array<Picture*, 3> imgP;
    Picture *imgPict1, *imgPict2, *imgPict3;
    std::array<Picture*, 27> imgS;
    std::array<QLabel*, 9> lblWin1;
    // What each row of the prize table shows, in words: the caption a screen reader reads
    // with the row's prize. Never seen.
    std::array<QLabel*, 9> lblRow;
    QLabel *Label1, *Label2, *Label3, *Label4, *lblVrash, *lblYMoney;
    QPushButton *cmdStart, *cmdBVrash, *cmdBack;

protected:
    void retranslateUi() override;

private:
    void cmdBVrash_Click();
    void cmdStart_Click();

    // Draws the machine: the spins left, the button the player needs next, the last spin's
    // pictures. (Hides QWidget::show, which the game never calls on a place: the platform
    // shows windows as dialogs.)
    void show();
    // The texts made from the machine's figures: the pack's price, the rows in words.
    void showOffer();

    Slots::Machine machine_;
};
