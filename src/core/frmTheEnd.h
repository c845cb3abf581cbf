// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The end screen, shown when the player is hired for the top job; the game goes on after it.

#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QLineEdit;
class QPushButton;
class Picture;

class frmTheEnd : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmTheEnd)

public:
    static constexpr QStringView Name = u"frmTheEnd";
    explicit frmTheEnd(Game& game);

    void Form_Load() override;

    Picture* imgTheEnd;
    QLabel *lblCongratulations, *Label2, *Label3;
    QLineEdit *Text2, *txtEMAIL;
    QPushButton *cmdOK, *cmdLife;

private:
    void cmdOK_Click();
    void cmdLife_Click();
};
