// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The lake "MAD FISH": thirty seconds of catching fish that jump about the water, then the
// catch is eaten and counted and the player drives home to the hobby shop. With bait two fish
// jump, without it one. The lake is left only that way: its frame does not close it. The trip
// lives in a Fishing::Lake; the labels, pictures and button show what it holds.

#include "rules/Fishing.h"
#include "ui/Form.h"

#include <QCoreApplication>

class Picture;
class QLabel;
class QPushButton;
class Timer;

class frmMadFish : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmMadFish)

public:
    static constexpr QStringView Name = u"frmMadFish";
    explicit frmMadFish(Game& game);

    // A fish is caught: every click counts, also on a fish that has not jumped since.
    void FClick();

    Picture *imgWater, *picFL, *picFR;
    QLabel *lblHelp, *Label1, *Label2, *Label3, *Label4, *lbl1s, *lblCatch, *lblH, *lblSit;
    QPushButton* cmdStart;
    Timer *tmrAllTime, *tmrForFish, *tmrCTime1s;

protected:
    bool Form_QueryUnload() override { return false; }
    void retranslateUi() override { showTrip(); }

private:
    void cmdStart_Click();
    void tmrAllTime_Timer();
    void tmrForFish_Timer();
    void tmrCTime1s_Timer();
    // Every control that shows the trip follows the lake.
    void showTrip();

    Fishing::Lake lake_;
};
