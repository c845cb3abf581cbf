// SPDX-FileCopyrightText: 2026 The Timburia developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// "Итоги жизни": the life told whole (rules/LifeStory.h), its headline, its span, its peaks
// and totals, its chart and its chronicle. Read-only; it opens over the window that asked for
// it (the start window after a death, the end screen, the main window's menu) and its back
// button returns there.
//
// It follows the game while it is open, which costs little: it is drawn again only when the
// life has moved on, that is when a day ends, a milestone is noted or another game's history
// comes in; the clock's every hour in between changes nothing it shows but the money at hand,
// whose peak shows by the end of the day.

#include "state/Chronicle.h"
#include "ui/Form.h"

#include <QCoreApplication>

#include <memory>

class HistoryChart;
class QLabel;
class QListWidget;
class QPushButton;

class frmLife : public Form {
    Q_DECLARE_TR_FUNCTIONS(frmLife)

public:
    static constexpr QStringView Name = u"frmLife";
    explicit frmLife(Game& game);
    ~frmLife() override;

    void Form_Load() override;

    QLabel *lblCause, *lblDays;
    // The peaks.
    QLabel *lblMostMoney, *lblBestJob, *lblBestStatus, *lblBestEducation, *lblBestEnglish;
    // The totals; the days to the top only for a life that got there.
    QLabel *lblSalaryEarned, *lblFishCaught, *lblProgramsInstalled, *lblVirusesMet, *lblDaysToTop;
    QWidget* chtLife; // the chart, or what says why there is none
    QListWidget* lstChronicle;
    QPushButton* cmdBack;

protected:
    // Everything but the chart (which follows by itself), in the new language.
    void retranslateUi() override;

private:
    // What the window shows last: enough to tell whether the life has moved on since.
    struct Shown {
        QString date;
        size_t days = 0;
        size_t entries = 0;
        Chronicle::Entry last;
        bool operator==(const Shown&) const = default;
    };
    Shown now() const;

    void stateChanged();
    // Everything again; the chart too when `chart` says so (a day more, another history).
    void showLife(bool chart);
    void showChronicle();

    std::unique_ptr<HistoryChart> chart_;
    QLabel* captionOfDaysToTop_;
    Shown shown_;
};
