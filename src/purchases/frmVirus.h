// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The virus alarm: opened over whatever the player is doing when the virus counter runs out.
// Only an answer closes it: let the virus live (it takes 5 to 24 dollars) or try to kill it,
// which only the strong anti-virus manages.

#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QPushButton;
class Picture;
class Timer;

class frmVirus : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmVirus)

public:
    static constexpr QStringView Name = u"frmVirus";
    explicit frmVirus(Game& game);

    QLabel *Label2, *lblTextVirus;
    Picture* Shape1;
    QPushButton *cmdLive, *cmdKill; // cmdLive kills the virus, cmdKill lets it live
    Timer* Timer1;

protected:
    bool Form_QueryUnload() override { return false; }
    void retranslateUi() override;

private:
    void showAnswers();
    void Timer1_Timer();
    void cmdKill_Click();
    void cmdLive_Click();

    bool white_ = false;
};
