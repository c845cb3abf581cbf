// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The start window: it offers a new game after a death or from the menu, and doubles as the
// about box, when only its wide OK button shows.

#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

class frmFirst : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmFirst)

public:
    static constexpr QStringView Name = u"frmFirst";
    explicit frmFirst(Game& game);

    void Form_Load() override;

    // The about box: the menu's "О программе" and the help window's button.
    static void ShowAbout(Game& game);

    Picture* imgOnFirst;
    QLabel *Label3, *Label2;
    QLabel* lblLicence; // the about box's word on the licence
    QLineEdit *txtEMAIL, *Text2;
    QPushButton *cmdOK, *cmdExit, *cmdOkAbout, *cmdContinue;
    // "Итоги жизни...": the dead life told whole, only after a death.
    QPushButton* cmdLife;

    // The start window after a death: "Продолжить" shows when the dead life (or, if it never
    // saw a day end, the life before it) has a day to go back to.
    static void ShowAfterDeath(Game& game);

protected:
    bool Form_QueryUnload() override;

private:
    void cmdOK_Click();
    void cmdExit_Click();
    void cmdOkAbout_Click();
    void cmdContinue_Click();
    void cmdLife_Click();
};
