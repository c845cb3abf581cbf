// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hackers' den: one random assignment at a time, refused for a fee or carried out. A run
// fills the bar to 100 percent unless its hidden outcome blows it up on the way.

#include "rules/Hacking.h"
#include "ui/Form.h"

#include <QCoreApplication>

class QLabel;
class QPushButton;
class Picture;
class ProgressShape;
class Timer;

class frmHakerstvo : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmHakerstvo)

public:
    static constexpr QStringView Name = u"frmHakerstvo";
    explicit frmHakerstvo(Game& game);

    Picture* imgHakker;
    QLabel *Label1, *lblDueText, *lblGet, *lblPercent;
    QPushButton *cmdGet, *cmdMake, *cmdBack;
    ProgressShape* shpProgress;
    Timer* tmrProgress;

protected:
    // The frame closes the window only when the back button could: an assignment in hand or
    // a run under way is not walked away from, nor its fine dodged.
    bool Form_QueryUnload() override;
    void retranslateUi() override;

private:
    void cmdGet_Click();
    void cmdMake_Click();
    void tmrProgress_Timer();

    // Draws the den: the assignment, the buttons that fit its phase, the run's progress.
    // (Hides QWidget::show, which the game never calls on a place: the platform shows windows
    // as dialogs.)
    void show();
    // Its texts: the assignment, the take-or-refuse button, the run's percentage.
    void showTexts();

    Hacking::Den den_;
};
