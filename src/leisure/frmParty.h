// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The entertainment venue: the disco and the party buy mood, and the casino leads to the game
// machines. The machine buttons show only after the player has walked into the casino, every
// time the venue opens.

#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Picture;

class frmParty : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmParty)

public:
    static constexpr QStringView Name = u"frmParty";
    explicit frmParty(Game& game);

    Picture* imgParty;
    QLabel *Label1, *Label2, *Label4, *lblCost, *lblIncrease, *lblHappyness;
    QPlainTextEdit* txtSpec;
    QPushButton *cmdDisco, *cmdVech, *cmdKasino, *cmdRuletka, *cmdRuletka2, *cmdAr, *cmdBack;

protected:
    void retranslateUi() override;

private:
    // The description box tells of what the pointer is on, until it moves on.
    void tell(const char* text);

    void outing_Click(size_t outing);
    void outing_MouseMove(size_t outing);
    void cmdKasino_Click();
    void cmdKasino_MouseMove();
    void cmdRuletka_Click();
    void cmdRuletka2_Click();
    void cmdAr_Click();
    void machine_MouseMove();
    void cmdBack_MouseMove();
    void Form_MouseMove();

    const char* told_ = nullptr;
};
