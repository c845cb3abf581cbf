// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bank: cash in and out of the account. While the window is open it works on its copy of
// the balance, which the game clock refreshes at each day's interest.

#include "rules/Bank.h"
#include "ui/Form.h"

#include <QCoreApplication>

class AmountBox;
class QLabel;
class QPushButton;
class Picture;

class frmBank : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmBank)

public:
    static constexpr QStringView Name = u"frmBank";
    explicit frmBank(Game& game);

    void Form_Load() override;

    Picture* imgBank;
    QLabel *Label5, *Label1, *Label2, *Label3, *Label6, *Label8, *lblYHave, *lblInc;
    AmountBox *txtPut, *txtTake;
    QPushButton *cmdPut, *cmdTake, *cmdBack;

private:
    void cmdPut_Click();
    void cmdTake_Click();

    // The game's balance, on opening and after the clock changed it.
    void takeAccount();
    // Draws the account: the balance and its daily growth. (Hides QWidget::show, which the
    // game never calls on a place: the platform shows windows as dialogs.)
    void show();

    Bank::Account account_;
};
