// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The computer site: an article to read while the online hours tick by at the provider's
// rate. The site never throws the player off; the cash may run as far below zero as the
// player stays.

#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class Picture;
class Timer;

class frmInterComp : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmInterComp)

public:
    static constexpr QStringView Name = u"frmInterComp";
    explicit frmInterComp(Game& game);

    QLabel *Label1, *Label3, *Label2, *lblcm;
    Picture *Image1, *Image2;
    QPlainTextEdit* an;
    QPushButton* cmdGoout;
    Timer* tmrcm;

protected:
    void retranslateUi() override;

private:
    void showArticle();
    void tmrcm_Timer();
    void cmdGoout_Click();
};
