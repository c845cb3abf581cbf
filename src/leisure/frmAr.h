// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The arcade machine: the paddle game. The game lives in a Paddle::Machine, in twips; the field
// draws it and the controls the game names (C1, P1 and the hidden boxes T1 and T2) show what it
// holds after every change. Input goes to the machine, never through the controls.

#include "leisure/CasinoMachine.h"
#include "leisure/PaddleView.h"
#include "rules/Paddle.h"

#include <QCoreApplication>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class Timer;

class frmAr : public CasinoMachine {
    Q_DECLARE_TR_FUNCTIONS(frmAr)

public:
    static constexpr QStringView Name = u"frmAr";
    explicit frmAr(Game& game);

    PaddleView* Picture1;
    Sprite *C1, *P1;
    Picture *r1, *r2, *r3, *m1, *m2, *m3;
    QLineEdit *T1, *T2;
    QGroupBox *Frame2, *Frame3, *Frame4;
    QRadioButton *o1, *o2, *o3, *b1, *b2, *b3, *optKnopki, *optKlaviatura;
    QPushButton *cmdNew, *Command2, *Command3, *cmdBack;
    QLabel* Label1;
    Timer *Timer1, *Timer2, *Timer3;

    // The game itself, for the tests that set a field up directly; showGame() after a change.
    Paddle::Machine& machine() { return machine_; }
    // Every control that shows the game follows the machine.
    void showGame();

protected:
    void cmdBack_Click() override;

private:
    void cmdNew_Click();
    void Form_KeyDown(int key);
    void Command2_MouseDown();
    void Command2_MouseUp();
    void Command3_MouseDown();
    void Command3_MouseUp();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();

    // The arrows go to the field, not to the option buttons, which they would flip.
    void focusField();
    PaddleView::Scene scene() const;

    Paddle::Machine machine_;
    std::array<Picture*, 3> paddles_{}, balls_{};
    std::array<QRadioButton*, 3> paddleOptions_{}, ballOptions_{};
};
